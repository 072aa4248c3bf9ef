#include "engine/script/ProgramOptionsRedistributables.h"

#include "engine/script/ScriptGenerationError.h"
#include "model/InstallComponent.h"
#include "model/ProgramOptions.h"

namespace talmo {

namespace {

template <typename Items>
bool holds(const Items &items, int index)
{
    return index >= 0 && std::size_t(index) < std::size_t(items.size());
}

} // namespace

ProgramOptionsRedistributables::ProgramOptionsRedistributables(const TProgramOptions &options)
    : m_options(options)
{
}

QString ProgramOptionsRedistributables::BuiltinCabFile(int moduleType, int platform, int processor, int file) const
{
    const bool sqlMobile = moduleType == ModuleType::SqlMobile;
    const std::vector<TMSQL_CustomSet> &sets = sqlMobile ? m_options.MSQLSets : m_options.NETCF2Sets;
    if (!sets.empty() && holds(sets.front().Platforms, platform)) {
        const TMSQL_Platforms &platforms = sets.front().Platforms[std::size_t(platform)];
        if (holds(platforms.Processors, processor)) {
            const QStringList &cabs = platforms.Processors[std::size_t(processor)].CabFiles;
            if (holds(cabs, file))
                return cabs[file];
        }
    }
    throw ScriptGenerationError(
        QStringLiteral("The built-in %1 set has no CAB file %2 for processor %3 of platform %4")
            .arg(sqlMobile ? QStringLiteral("SQL Mobile") : QStringLiteral(".NET CF2"))
            .arg(file + 1)
            .arg(processor + 1)
            .arg(platform + 1));
}

} // namespace talmo
