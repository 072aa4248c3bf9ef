#pragma once

#include <QList>

class QBoxLayout;
class QDialog;
class QPushButton;

namespace talmo {

// The first step of building an editor dialog: its form name and the shared fonts.
void prepareDialog(QDialog *dialog, const char *formName);
// The dialog's buttons, right-aligned in one row.
QBoxLayout *buttonRow(const QList<QPushButton *> &buttons);

} // namespace talmo
