#include "windows/builder/UiBuildQuestions.h"

#include "helpers/ui/UiServices.h"

namespace talmo {

namespace {
const QString errorTitle = QStringLiteral("Error");
}

UiBuildQuestions::UiBuildQuestions(QWidget *parent)
    : m_parent(parent)
{
}

bool UiBuildQuestions::AskYesNo(const QString &text)
{
    return UiServices::current().ask(m_parent, errorTitle, text, {UiButton::Yes, UiButton::No}) == UiButton::Yes;
}

void UiBuildQuestions::ShowError(const QString &text)
{
    UiServices::current().showMessage(m_parent, UiMessageKind::Error, errorTitle, text);
}

} // namespace talmo
