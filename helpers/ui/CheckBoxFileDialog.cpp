#include "helpers/ui/CheckBoxFileDialog.h"

#include <QCheckBox>
#include <QGridLayout>

namespace talmo {

CheckBoxFileDialog::CheckBoxFileDialog(QWidget *parent, const QString &checkBoxText)
    : QFileDialog(parent)
    , m_checkBox(new QCheckBox(checkBoxText, this))
{
    // The check box needs a layout to join, which only Qt's own dialog has.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addWidget(m_checkBox, grid->rowCount(), 0, 1, grid->columnCount());
    else
        layout()->addWidget(m_checkBox);
}

void CheckBoxFileDialog::showEvent(QShowEvent *event)
{
    QFileDialog::showEvent(event);
    m_checkBox->setChecked(m_checked);
}

void CheckBoxFileDialog::done(int result)
{
    if (m_checkBox->checkState() != Qt::PartiallyChecked)
        m_checked = m_checkBox->isChecked();
    QFileDialog::done(result);
}

} // namespace talmo
