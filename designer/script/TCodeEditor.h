#pragma once

#include "pagehost/HostedPage.h"

namespace talmo {

class IProjectWindowHost;
class ScriptEditor;
class ScriptHelpPane;
class ScriptKnowledgeBase;
class TProjectContainer;

// The editor of the project's global script code, shared by all custom
// wizard pages. Its first line is the comment "// Global code for all forms";
// the code is the text from the second line on and is stored on every change.
class TCodeEditor : public HostedPage
{
    Q_OBJECT
public:
    static const QString HeaderLine;

    // Without a knowledge base the editor offers no completion and no help.
    TCodeEditor(TProjectContainer &project, IProjectWindowHost &host, const ScriptKnowledgeBase *knowledge,
                QWidget *parent = nullptr);

    ScriptEditor *editor() const { return m_editor; }
    ScriptHelpPane *helpPane() const { return m_helpPane; }

private:
    void showCode();
    void storeCode();

    TProjectContainer &m_project;
    ScriptEditor *m_editor;
    ScriptHelpPane *m_helpPane = nullptr;
};

} // namespace talmo
