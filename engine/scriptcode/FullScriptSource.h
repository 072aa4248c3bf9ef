#pragma once

#include "engine/scriptcode/CodeSectionAssembly.h"
#include "engine/scriptcode/CustomPageCode.h"
#include "engine/script/ScriptGenerator.h"
#include "engine/setup/SetupScriptSource.h"

namespace talmo {

class BuiltinRedistributables;
class ScriptKnowledgeBase;

// The whole setup script of the program: the generator for the data of the
// program folder with its complete [Code] part (direct copy, Palm, custom
// pages, downloads, the event procedures, the skin's code). The program
// installs it as the setup build's script source.
class FullScriptSource : public SetupScriptSource
{
public:
    // Both must outlive the source; redistributables may be null for
    // projects without built-in runtime sets.
    FullScriptSource(const ScriptKnowledgeBase &knowledge, const BuiltinRedistributables *redistributables);

    void GenerateScript(TProjectContainer &project, QStringList &script, const QString &outputFolder,
                        const QString &iniFolder) override;
    ScriptLineOrigins LineOrigins() const override { return m_origins; }

private:
    ScriptLineOrigins m_origins;
    CustomPageCode m_customPages;
    CodeSectionAssembly m_codeSection;
    ScriptGenerator m_generator;
};

} // namespace talmo
