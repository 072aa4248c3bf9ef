#include "windows/project/HostedTab.h"

#include "pagehost/HostedPage.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace talmo {

HostedTab::HostedTab(int key, QWidget *parent)
    : TNxTabSheet(parent)
    , m_key(key)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setColor(clWindow);
    // A window narrower or lower than the page needs scrolls it rather
    // than cutting its buttons and captions.
    m_scroller = new QScrollArea;
    m_scroller->setObjectName(QStringLiteral("PageScroller"));
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setWidgetResizable(true);
    layout->addWidget(m_scroller);
}

HostedTab::~HostedTab()
{
    delete m_page;
}

void HostedTab::setPage(HostedPage *page)
{
    m_page = page;
    page->setWindowFlags(Qt::Widget);
    page->setMinimumSize(0, 0);
    m_scroller->setWidget(page);
    page->show();
}

} // namespace talmo
