#include "editors/modules/RuntimeModuleShape.h"

#include "model/PluginContainer.h"
#include "model/ProgramOptions.h"

namespace talmo {

RuntimeModuleShape RuntimeModuleShape::ofSet(const TMSQL_CustomSet &set)
{
    RuntimeModuleShape shape;
    for (const TMSQL_Platforms &platform : set.Platforms) {
        Platform entry{platform.Caption, {}};
        for (const TMSQL_Processors &processor : platform.Processors)
            entry.processors.append(processor.Caption);
        shape.platforms.append(entry);
    }
    return shape;
}

RuntimeModuleShape RuntimeModuleShape::ofModule(const TPluginContainer &module)
{
    RuntimeModuleShape shape;
    for (const TPluginPlatform &platform : module.Platforms) {
        Platform entry{platform.Caption, {}};
        for (const TPluginProcessor &processor : platform.Processors)
            entry.processors.append(processor.Caption);
        shape.platforms.append(entry);
    }
    return shape;
}

RuntimeModuleShape::Marks RuntimeModuleShape::emptyMarks() const
{
    Marks marks;
    for (const Platform &platform : platforms)
        marks.append(QList<bool>(platform.processors.size(), false));
    return marks;
}

bool RuntimeModuleShape::anyMarked(const Marks &marks) const
{
    for (qsizetype row = 0; row < platforms.size() && row < marks.size(); ++row) {
        const qsizetype entries = qMin(platforms[row].processors.size(), marks[row].size());
        for (qsizetype entry = 0; entry < entries; ++entry) {
            if (marks[row][entry])
                return true;
        }
    }
    return false;
}

} // namespace talmo
