#include "editors/common/DialogLayout.h"

#include "helpers/ui/FontsAndThemes.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace talmo {

void prepareDialog(QDialog *dialog, const char *formName)
{
    dialog->setObjectName(QString::fromLatin1(formName));
    QFont font = dialog->font();
    ApplyIconTitleFont(font);
    dialog->setFont(font);
    ApplyVistaFormFont(dialog);
}

QBoxLayout *buttonRow(const QList<QPushButton *> &buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *button : buttons) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    return row;
}

} // namespace talmo
