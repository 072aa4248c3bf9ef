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

QBoxLayout *okCancelRow(QPushButton *ok, QPushButton *cancel)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *button : {ok, cancel}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    QWidget::setTabOrder(ok, cancel);
    return row;
}

} // namespace talmo
