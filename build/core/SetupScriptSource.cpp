#include "build/core/SetupScriptSource.h"

#include "build/core/ScriptEnvironment.h"
#include "build/core/ScriptGenerator.h"

namespace talmo {

SetupScriptSource::~SetupScriptSource() = default;

GeneratorScriptSource::GeneratorScriptSource(ScriptGenerator &generator)
    : m_generator(generator)
{
}

void GeneratorScriptSource::GenerateScript(TProjectContainer &project, QStringList &script, const QString &outputFolder)
{
    m_generator.GenerateScript(project, script, outputFolder);
}

void PlainGeneratorScriptSource::GenerateScript(TProjectContainer &project, QStringList &script,
                                                const QString &outputFolder)
{
    ScriptGenerator generator(ScriptEnvironment::OfThisProgram(nullptr));
    generator.GenerateScript(project, script, outputFolder);
}

} // namespace talmo
