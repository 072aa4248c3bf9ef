#include "pagehost/PageKind.h"

#include <array>
#include <utility>

namespace talmo {

std::optional<PageKind> pageKindForModuleType(int moduleType)
{
    static constexpr std::array<std::pair<int, PageKind>, 5> kinds{{
        {0, PageKind::CabCreatorModule},
        {1, PageKind::Win32Module},
        {2, PageKind::CabCollectionModule},
        {3, PageKind::PalmModule},
        {7, PageKind::DirectCopyModule},
    }};
    for (const auto &[type, kind] : kinds) {
        if (type == moduleType)
            return kind;
    }
    return std::nullopt;
}

QString pageKindName(PageKind kind)
{
    switch (kind) {
    case PageKind::CabCreatorModule: return QStringLiteral("CAB Creator Module");
    case PageKind::Win32Module: return QStringLiteral("Win32 Installation Plugin");
    case PageKind::CabCollectionModule: return QStringLiteral("CAB(s) Collection");
    case PageKind::PalmModule: return QStringLiteral("CAB(s) Collection (PalmOS)");
    case PageKind::DirectCopyModule: return QStringLiteral("Direct Copy to Device Module");
    case PageKind::RegistrySection: return QStringLiteral("Edit Registry Section");
    case PageKind::GlobalCode: return QStringLiteral("Code Editor");
    case PageKind::CustomPage: return QStringLiteral("Custom Form Designer");
    case PageKind::Appearance: return QStringLiteral("Advanced Appearance Options");
    }
    return {};
}

} // namespace talmo
