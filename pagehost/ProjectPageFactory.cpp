#include "pagehost/ProjectPageFactory.h"

#include "pagehost/PlaceholderPage.h"

namespace talmo {

void ProjectPageFactory::setCreator(PageKind kind, Creator creator)
{
    m_creators[kind] = std::move(creator);
}

bool ProjectPageFactory::hasCreator(PageKind kind) const
{
    return m_creators.count(kind) != 0;
}

HostedPage *ProjectPageFactory::create(PageKind kind, const PageArguments &arguments, QWidget *parent) const
{
    const auto found = m_creators.find(kind);
    if (found == m_creators.end())
        return new PlaceholderPage(kind, parent);
    return found->second(arguments, parent);
}

} // namespace talmo
