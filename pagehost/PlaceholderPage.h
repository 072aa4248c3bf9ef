#pragma once

#include "pagehost/HostedPage.h"
#include "pagehost/PageKind.h"

namespace talmo {

// Stands where a page of a kind this build has no editor for would be.
class PlaceholderPage : public HostedPage
{
    Q_OBJECT
public:
    PlaceholderPage(PageKind kind, QWidget *parent = nullptr);

    PageKind kind() const { return m_kind; }
    QString text() const;

private:
    PageKind m_kind;
};

} // namespace talmo
