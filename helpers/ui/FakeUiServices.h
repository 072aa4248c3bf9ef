#pragma once

#include "helpers/ui/UiServices.h"

#include <QQueue>

namespace talmo {

// Answers from a script the test queued and records what was shown. When the
// script runs dry, questions are cancelled and pickers cancelled.
class FakeUiServices : public UiServices
{
public:
    enum class CallKind { Question, Message, OpenFiles, OpenFilesWithCheckBox, SaveFile, PickFolder, PickFont };
    struct Call
    {
        CallKind kind;
        QString title;
        QString text;                 // question or message text, check box text
        UiButtons buttons;            // questions
        UiMessageKind messageKind = UiMessageKind::Information;
        FileDialogRequest request;    // file pickers; folder pickers keep the start folder in request.folder
        bool checkBoxShownChecked = false;
        FontChoice font;              // the font a font picker started from
    };

    void queueAnswer(UiButton answer) { m_answers.enqueue(answer); }
    void queueFiles(const QStringList &files) { m_files.enqueue(files); }
    // For the open dialog with a check box: the files and the box's state on close.
    void queueFilesWithCheckBox(const QStringList &files, bool checkedOnClose);
    void queueSaveFile(const std::optional<QString> &file) { m_saveFiles.enqueue(file); }
    void queueFolder(const std::optional<QString> &folder) { m_folders.enqueue(folder); }
    void queueFont(const std::optional<FontChoice> &font) { m_fonts.enqueue(font); }

    const QList<Call> &calls() const { return m_calls; }
    // The texts of the messages and questions, in order.
    QStringList shownTexts() const;

    UiButton ask(QWidget *parent, const QString &title, const QString &text, const UiButtons &buttons) override;
    void showMessage(QWidget *parent, UiMessageKind kind, const QString &title, const QString &text) override;
    QStringList openFiles(QWidget *parent, const FileDialogRequest &request) override;
    QStringList openFilesWithCheckBox(QWidget *parent, const FileDialogRequest &request,
                                      DialogCheckBox &checkBox) override;
    std::optional<QString> saveFile(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QString> pickFolder(QWidget *parent, const QString &title, const QString &startFolder) override;
    std::optional<FontChoice> pickFont(QWidget *parent, const FontChoice &initial) override;

private:
    struct CheckBoxAnswer
    {
        QStringList files;
        bool checked;
    };

    QList<Call> m_calls;
    QQueue<UiButton> m_answers;
    QQueue<QStringList> m_files;
    QQueue<CheckBoxAnswer> m_checkBoxAnswers;
    QQueue<std::optional<QString>> m_saveFiles;
    QQueue<std::optional<QString>> m_folders;
    QQueue<std::optional<FontChoice>> m_fonts;
};

} // namespace talmo
