#include "engine/scriptcode/FullScriptSource.h"

#include "engine/script/ScriptEnvironment.h"

namespace talmo {

FullScriptSource::FullScriptSource(const ScriptKnowledgeBase &knowledge,
                                   const BuiltinRedistributables *redistributables)
    : m_customPages(CustomPageCode::FromKnowledgeBase(knowledge))
    , m_codeSection(CodeSectionPartWriters::Standard(m_customPages, &m_origins))
    , m_generator(ScriptEnvironment::OfThisProgram(redistributables))
{
    m_generator.SetCodeSection(&m_codeSection);
}

void FullScriptSource::GenerateScript(TProjectContainer &project, QStringList &script, const QString &outputFolder,
                                      const QString &iniFolder)
{
    m_origins.Clear();
    m_generator.SetIniFolder(iniFolder);
    m_generator.GenerateScript(project, script, outputFolder);
}

} // namespace talmo
