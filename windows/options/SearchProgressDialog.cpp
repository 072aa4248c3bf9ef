#include "windows/options/SearchProgressDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressDialog>

namespace talmo {

namespace {

// Deep folders would widen the window at every step: the folder is shown
// in this width, cut in the middle, and whole in the tool tip.
constexpr int FolderTextWidth = 360;

} // namespace

SearchProgressDialog::SearchProgressDialog(QWidget *parent)
    : m_dialog(std::make_unique<QProgressDialog>(QString(), QStringLiteral("Cancel"), 0, 100, parent))
    , m_label(new QLabel)
{
    m_label->setFixedWidth(FolderTextWidth);
    m_dialog->setLabel(m_label);
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
    m_label->setToolTip(folder);
    m_dialog->setLabelText(m_label->fontMetrics().elidedText(folder, Qt::ElideMiddle, FolderTextWidth));
    const int next = m_dialog->value() + m_step;
    if (next < m_dialog->minimum() || next > m_dialog->maximum())
        m_step = -m_step;
    m_dialog->setValue(m_dialog->value() + m_step);
}

void SearchProgressDialog::setText(const QString &text)
{
    m_label->setToolTip(QString());
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
