#include "helpers/ui/UnattendedUiServices.h"

#include <cstdio>

namespace talmo {

namespace {

void WriteToStandardError(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
}

} // namespace

UnattendedUiServices::UnattendedUiServices(Messages messages, UiServices *dialogs, LineSink lines)
    : m_messages(messages)
    , m_dialogs(dialogs)
    , m_lines(lines ? std::move(lines) : LineSink(WriteToStandardError))
{
}

UiButton UnattendedUiServices::ask(QWidget *, const QString &, const QString &, const UiButtons &buttons)
{
    return buttons.isEmpty() ? UiButton::Cancel : buttons.first();
}

void UnattendedUiServices::showMessage(QWidget *parent, UiMessageKind kind, const QString &title, const QString &text)
{
    switch (m_messages) {
    case Messages::None:
        break;
    case Messages::Dialogs:
        if (m_dialogs)
            m_dialogs->showMessage(parent, kind, title, text);
        break;
    case Messages::StandardError:
        m_lines(StandardErrorLine(text));
        break;
    }
}

QStringList UnattendedUiServices::openFiles(QWidget *, const FileDialogRequest &)
{
    return {};
}

QStringList UnattendedUiServices::openFilesWithCheckBox(QWidget *, const FileDialogRequest &, DialogCheckBox &)
{
    return {};
}

std::optional<QString> UnattendedUiServices::saveFile(QWidget *, const FileDialogRequest &)
{
    return std::nullopt;
}

std::optional<QString> UnattendedUiServices::pickFolder(QWidget *, const QString &, const QString &)
{
    return std::nullopt;
}

std::optional<FontChoice> UnattendedUiServices::pickFont(QWidget *, const FontChoice &)
{
    return std::nullopt;
}

QString UnattendedUiServices::StandardErrorLine(const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return QStringLiteral("talmo: ") + line;
}

} // namespace talmo
