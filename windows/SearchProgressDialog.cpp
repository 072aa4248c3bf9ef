#include "windows/SearchProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace talmo {

SearchProgressDialog::SearchProgressDialog(QWidget *parent)
    : m_dialog(std::make_unique<QProgressDialog>(QString(), QStringLiteral("Cancel"), 0, 100, parent))
{
    m_dialog->setObjectName(QStringLiteral("SearchProgress"));
    m_dialog->setWindowTitle(SqlMobileSearch::Caption);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(0);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setValue(0);
}

SearchProgressDialog::~SearchProgressDialog() = default;

void SearchProgressDialog::folderEntered(const QString &folder)
{
    m_dialog->setLabelText(folder);
    const int next = m_dialog->value() + m_step;
    if (next < m_dialog->minimum() || next > m_dialog->maximum())
        m_step = -m_step;
    m_dialog->setValue(m_dialog->value() + m_step);
}

void SearchProgressDialog::setText(const QString &text)
{
    m_dialog->setLabelText(text);
}

void SearchProgressDialog::setCaption(const QString &caption)
{
    m_dialog->setWindowTitle(caption);
}

bool SearchProgressDialog::cancelled()
{
    QCoreApplication::processEvents();
    return m_dialog->wasCanceled();
}

} // namespace talmo
