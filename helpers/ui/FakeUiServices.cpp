#include "helpers/ui/FakeUiServices.h"

namespace talmo {

void FakeUiServices::queueFilesWithCheckBox(const QStringList &files, bool checkedOnClose)
{
    m_checkBoxAnswers.enqueue({ files, checkedOnClose });
}

QStringList FakeUiServices::shownTexts() const
{
    QStringList texts;
    for (const Call &call : m_calls) {
        if (call.kind == CallKind::Question || call.kind == CallKind::Message)
            texts.append(call.text);
    }
    return texts;
}

UiButton FakeUiServices::ask(QWidget *, const QString &title, const QString &text, const UiButtons &buttons)
{
    m_calls.append({ CallKind::Question, title, text, buttons, {}, {}, false, {} });
    return m_answers.isEmpty() ? UiButton::Cancel : m_answers.dequeue();
}

void FakeUiServices::showMessage(QWidget *, UiMessageKind kind, const QString &title, const QString &text)
{
    m_calls.append({ CallKind::Message, title, text, {}, kind, {}, false, {} });
}

QStringList FakeUiServices::openFiles(QWidget *, const FileDialogRequest &request)
{
    m_calls.append({ CallKind::OpenFiles, request.title, {}, {}, {}, request, false, {} });
    return m_files.isEmpty() ? QStringList() : m_files.dequeue();
}

QStringList FakeUiServices::openFilesWithCheckBox(QWidget *, const FileDialogRequest &request,
                                                  DialogCheckBox &checkBox)
{
    m_calls.append({ CallKind::OpenFilesWithCheckBox, request.title, checkBox.text, {}, {}, request,
                     checkBox.shown && checkBox.checked, {} });
    if (m_checkBoxAnswers.isEmpty())
        return {};
    const CheckBoxAnswer answer = m_checkBoxAnswers.dequeue();
    if (checkBox.shown)
        checkBox.checked = answer.checked;
    return answer.files;
}

std::optional<QString> FakeUiServices::saveFile(QWidget *, const FileDialogRequest &request)
{
    m_calls.append({ CallKind::SaveFile, request.title, {}, {}, {}, request, false, {} });
    return m_saveFiles.isEmpty() ? std::nullopt : m_saveFiles.dequeue();
}

std::optional<QString> FakeUiServices::pickFolder(QWidget *, const QString &title, const QString &startFolder)
{
    FileDialogRequest request;
    request.title = title;
    request.folder = startFolder;
    m_calls.append({ CallKind::PickFolder, title, {}, {}, {}, request, false, {} });
    return m_folders.isEmpty() ? std::nullopt : m_folders.dequeue();
}

std::optional<FontChoice> FakeUiServices::pickFont(QWidget *, const FontChoice &initial)
{
    m_calls.append({ CallKind::PickFont, {}, initial.name, {}, {}, {}, false, initial });
    return m_fonts.isEmpty() ? std::nullopt : m_fonts.dequeue();
}

} // namespace talmo
