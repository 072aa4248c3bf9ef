#pragma once

#include "pagehost/PageKind.h"

#include <functional>
#include <map>

class QWidget;

namespace talmo {

class HostedPage;
class IProjectWindowHost;
class ScriptKnowledgeBase;
class TProjectContainer;

// What every page is created with.
struct PageArguments
{
    TProjectContainer &project;
    IProjectWindowHost &host;
    // The component index for module pages, the section index for a registry
    // section, the page index for a custom page, -1 for global code and appearance.
    int key = -1;
    ScriptKnowledgeBase *knowledge = nullptr;
};

// Makes the hosted pages by kind. The libraries that own the pages register a
// creator for their kinds; a kind nobody registered gets a PlaceholderPage
// that names it.
class ProjectPageFactory
{
public:
    using Creator = std::function<HostedPage *(const PageArguments &arguments, QWidget *parent)>;

    void setCreator(PageKind kind, Creator creator);
    bool hasCreator(PageKind kind) const;

    HostedPage *create(PageKind kind, const PageArguments &arguments, QWidget *parent) const;

private:
    std::map<PageKind, Creator> m_creators;
};

} // namespace talmo
