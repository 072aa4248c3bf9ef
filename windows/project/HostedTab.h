#pragma once

#include "pagehost/HostedPage.h"
#include "widgets/NxTabSheet.h"

#include <QPointer>

class QScrollArea;

namespace talmo {

// A tab of one of the project window's inner page controls that holds a
// hosted page, with the key the page was opened for: the component index of
// a module page, the section index of a registry section, the page index of
// a custom page, -1 for global code and the appearance page.
class HostedTab : public TNxTabSheet
{
    Q_OBJECT
public:
    HostedTab(int key, QWidget *parent = nullptr);
    // Closes the page first, so it saves its state while the tab still exists.
    ~HostedTab() override;

    int key() const { return m_key; }
    HostedPage *page() const { return m_page; }
    // The tab takes the page, borderless and filling the tab, scrolled where
    // the tab is smaller than the page's least size.
    void setPage(HostedPage *page);

private:
    int m_key;
    QPointer<HostedPage> m_page;
    QScrollArea *m_scroller;
};

} // namespace talmo
