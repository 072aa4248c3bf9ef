#include "pagehost/PlaceholderPage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace talmo {

PlaceholderPage::PlaceholderPage(PageKind kind, QWidget *parent)
    : HostedPage(parent)
    , m_kind(kind)
{
    auto *label = new QLabel(text(), this);
    label->setObjectName(QStringLiteral("placeholderText"));
    label->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

QString PlaceholderPage::text() const
{
    return QStringLiteral("The page \"%1\" is not part of this build.").arg(pageKindName(m_kind));
}

} // namespace talmo
