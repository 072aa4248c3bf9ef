#include "windows/MasterWindowLook.h"

#include "helpers/core/PathHelpers.h"

namespace talmo {

MasterWindowLook MasterWindowLook::For(int tabCount, bool firstIsWelcome, const QString &firstProjectFileName)
{
    const QString name = QStringLiteral("Talmo");
    if (tabCount == 0)
        return { name, std::nullopt };
    if (tabCount > 1)
        return { name, true };
    if (firstIsWelcome)
        return { name + QStringLiteral(" - Welcome"), false };
    return { name + QStringLiteral(" - ") + FileNamePart(firstProjectFileName), true };
}

} // namespace talmo
