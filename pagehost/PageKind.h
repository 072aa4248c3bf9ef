#pragma once

#include <QString>

#include <optional>

namespace talmo {

// Every kind of page the project window hosts in its tabs. The module kinds
// follow the installation component's module type; the types without a page
// of their own (plug-in containers and module containers) have no kind.
enum class PageKind {
    CabCreatorModule,
    Win32Module,
    CabCollectionModule,
    PalmModule,
    DirectCopyModule,
    RegistrySection,
    GlobalCode,
    CustomPage,
    Appearance,
};

// The page that edits a module of this type; nothing for types 4, 5 and 6.
std::optional<PageKind> pageKindForModuleType(int moduleType);

// The caption the page's window carries, shown by the placeholder of a kind
// no library has registered a page for yet.
QString pageKindName(PageKind kind);

} // namespace talmo
