#pragma once

class QBoxLayout;
class QDialog;
class QPushButton;

namespace talmo {

// The first step of building an editor dialog: its form name and the shared fonts.
void prepareDialog(QDialog *dialog, const char *formName);
// The confirming and the cancelling button of a dialog, right-aligned in one
// row, the confirming one first and first in the tab order: the one order of
// every dialog of the program.
QBoxLayout *okCancelRow(QPushButton *ok, QPushButton *cancel);

} // namespace talmo
