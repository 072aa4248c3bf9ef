#include "windows/HostedTab.h"

#include "pagehost/HostedPage.h"

#include <QVBoxLayout>

namespace talmo {

HostedTab::HostedTab(int key, QWidget *parent)
    : TNxTabSheet(parent)
    , m_key(key)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setColor(clWindow);
}

HostedTab::~HostedTab()
{
    delete m_page;
}

void HostedTab::setPage(HostedPage *page)
{
    m_page = page;
    page->setParent(this);
    page->setWindowFlags(Qt::Widget);
    page->setMinimumSize(0, 0);
    layout()->addWidget(page);
    page->show();
}

} // namespace talmo
