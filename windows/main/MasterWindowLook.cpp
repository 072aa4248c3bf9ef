#include "windows/main/MasterWindowLook.h"

#include "helpers/core/PathHelpers.h"
#include "windows/main/ProgramInfo.h"

namespace talmo {

MasterWindowLook MasterWindowLook::For(int tabCount, bool firstIsWelcome, const QString &firstProjectFileName)
{
    const QString &name = ProgramInfo::Name;
    if (tabCount == 0)
        return { name, std::nullopt };
    if (tabCount > 1)
        return { name, true };
    if (firstIsWelcome)
        return { name + QStringLiteral(" - Welcome"), false };
    return { name + QStringLiteral(" - ") + FileNamePart(firstProjectFileName), true };
}

} // namespace talmo
