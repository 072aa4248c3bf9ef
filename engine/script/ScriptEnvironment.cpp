#include "engine/script/ScriptEnvironment.h"

#include "helpers/core/PathHelpers.h"
#include "platform/ProgramFolder.h"

#include <QFileInfo>

namespace talmo {

ScriptEnvironment ScriptEnvironment::OfThisProgram(const BuiltinRedistributables *redistributables)
{
    return ScriptEnvironment{ ProgramFolder::path(), &ScriptEnvironment::HostFileExists, redistributables };
}

bool ScriptEnvironment::HostFileExists(const QString &path)
{
    return QFileInfo(ToHostPath(path)).isFile();
}

} // namespace talmo
