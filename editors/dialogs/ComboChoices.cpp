#include "editors/dialogs/ComboChoices.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace talmo {

void replaceChoicesKeepingText(QComboBox *combo, const QStringList &choices)
{
    const QString text = combo->currentText();
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(choices);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

} // namespace talmo
