#pragma once

#include <QStringList>

class QComboBox;

namespace talmo {

// Gives an editable combo box new choices without touching its text.
void replaceChoicesKeepingText(QComboBox *combo, const QStringList &choices);

} // namespace talmo
