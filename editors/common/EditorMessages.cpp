#include "editors/common/EditorMessages.h"

#include "helpers/ui/UiServices.h"

namespace talmo {

namespace {
const QString errorTitle = QStringLiteral("Error");
const QString confirmTitle = QStringLiteral("Confirm");
} // namespace

void ShowEditorError(QWidget *parent, const QString &text)
{
    UiServices::current().showMessage(parent, UiMessageKind::Error, errorTitle, text);
}

bool ConfirmEditorAction(QWidget *parent, const QString &text)
{
    return UiServices::current().ask(parent, confirmTitle, text, {UiButton::Yes, UiButton::No}) == UiButton::Yes;
}

} // namespace talmo
