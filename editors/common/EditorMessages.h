#pragma once

#include <QString>

class QWidget;

namespace talmo {

// The error box (OK) and the Yes/No confirmation the editors show, through
// UiServices::current().
void ShowEditorError(QWidget *parent, const QString &text);
bool ConfirmEditorAction(QWidget *parent, const QString &text);

} // namespace talmo
