#include "designer/script/TCodeEditor.h"

#include "designer/core/CompletionTypes.h"
#include "designer/script/ScriptEditor.h"
#include "designer/script/ScriptHelpPane.h"
#include "pagehost/IProjectWindowHost.h"
#include "model/ProjectContainer.h"

#include <QVBoxLayout>

namespace talmo {

const QString TCodeEditor::HeaderLine = QStringLiteral("// Global code for all forms");

TCodeEditor::TCodeEditor(TProjectContainer &project, IProjectWindowHost &host, const ScriptKnowledgeBase *knowledge,
                         QWidget *parent)
    : HostedPage(parent)
    , m_project(project)
    , m_editor(new ScriptEditor(this))
{
    setWindowTitle(QStringLiteral("Code Editor"));
    setObjectName(QStringLiteral("TCodeEditor"));
    m_editor->setObjectName(QStringLiteral("SynEdit1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_editor);

    if (knowledge) {
        m_editor->setCompletionScope(*knowledge, [&project] { return CompletionScopeOf(project, -1); });
        m_helpPane = new ScriptHelpPane(host, *knowledge, this);
        m_helpPane->bind();
        m_helpPane->restart();
        // The page's help is in sight from the start.
        host.showSidePane(SidePane::Helper);
        connect(m_editor, &ScriptEditor::locateSelectionInHelper, m_helpPane, &ScriptHelpPane::locate);
    }
    showCode();
    connect(m_editor, &ScriptEditor::codeChanged, this, &TCodeEditor::storeCode);
}

void TCodeEditor::showCode()
{
    const QStringList code = m_project.CommonCode.isEmpty() ? QStringList(QString()) : m_project.CommonCode;
    m_editor->setLines(QStringList(HeaderLine) + code);
    m_editor->setCursorPosition(1, 0);
    m_editor->setFocus();
}

void TCodeEditor::storeCode()
{
    m_project.CommonCode = m_editor->Lines().mid(1);
    m_project.Modified = true;
}

} // namespace talmo
