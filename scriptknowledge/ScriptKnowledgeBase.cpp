#include "scriptknowledge/ScriptKnowledgeBase.h"

#include "scriptknowledge/ScriptFunctionList.h"

namespace talmo {

ScriptKnowledgeBase::ScriptKnowledgeBase() = default;

void ScriptKnowledgeBase::LoadFunctionList()
{
    m_functionNames.clear();
    m_functionDecls.clear();
    for (const ScriptFunctionEntry &entry : ScriptFunctionList::entries()) {
        m_functionNames.append(entry.name);
        m_functionDecls.append(entry.declaration);
    }
    m_insertList += m_functionNames;
    m_displayList += m_functionDecls;
}

void ScriptKnowledgeBase::LoadClassMembers(const QStringList &classNames)
{
    m_insertList.clear();
    m_displayList.clear();
    for (const QString &name : classNames) {
        if (name.isEmpty())
            LoadFunctionList();
        else
            appendMembersOf(name, m_insertList, m_displayList);
    }
    m_declarationIndex.clear();
    IndexDeclarations(m_displayList, m_declarationIndex);
}

ScriptMemberList ScriptKnowledgeBase::ClassMembers(const QString &className) const
{
    ScriptMemberList result;
    if (className.isEmpty()) {
        for (const ScriptFunctionEntry &entry : ScriptFunctionList::entries()) {
            result.insertTexts.append(entry.name);
            result.declarations.append(entry.declaration);
        }
    } else {
        appendMembersOf(className, result.insertTexts, result.declarations);
    }
    return result;
}

void ScriptKnowledgeBase::appendMembersOf(const QString &className, QStringList &insertTexts,
                                          QStringList &declarations) const
{
    const int index = m_classes.indexOf(className);
    if (index >= 0)
        m_classes.AppendMembers(index, insertTexts, declarations);
}

} // namespace talmo
