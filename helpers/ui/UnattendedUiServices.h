#pragma once

#include "helpers/ui/UiServices.h"

#include <functional>

namespace talmo {

// The services current while a command-line build runs: nobody is there to
// answer, so a question takes the first button offered (the program's
// default: Yes of Yes/No, so a missing output folder is created) and every
// picker is cancelled. Messages go where the command line asked for them.
class UnattendedUiServices : public UiServices
{
public:
    enum class Messages {
        None,            // "/BS"
        Dialogs,         // "/B" with a display: the installed dialogs
        StandardError,   // "/B" without a display: "talmo: <text>" lines
    };
    using LineSink = std::function<void(const QString &line)>;

    // dialogs shows the messages for Messages::Dialogs; lines receives the
    // standard-error lines (the process's stderr when not given).
    explicit UnattendedUiServices(Messages messages, UiServices *dialogs = nullptr, LineSink lines = {});

    UiButton ask(QWidget *parent, const QString &title, const QString &text, const UiButtons &buttons) override;
    void showMessage(QWidget *parent, UiMessageKind kind, const QString &title, const QString &text) override;
    QStringList openFiles(QWidget *parent, const FileDialogRequest &request) override;
    QStringList openFilesWithCheckBox(QWidget *parent, const FileDialogRequest &request,
                                      DialogCheckBox &checkBox) override;
    std::optional<QString> saveFile(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QString> pickFolder(QWidget *parent, const QString &title, const QString &startFolder) override;
    std::optional<FontChoice> pickFont(QWidget *parent, const FontChoice &initial) override;

    // The line a message becomes on standard error.
    static QString StandardErrorLine(const QString &text);

private:
    Messages m_messages;
    UiServices *m_dialogs;
    LineSink m_lines;
};

} // namespace talmo
