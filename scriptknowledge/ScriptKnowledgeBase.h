#pragma once

#include "helpers/core/ScriptText.h"
#include "scriptknowledge/PropertyWhiteList.h"
#include "scriptknowledge/ScriptClassTable.h"

#include <QStringList>

namespace talmo {

// Completion data of one query: line i of insertTexts is what completion
// inserts for the declaration at line i of declarations.
struct ScriptMemberList
{
    QStringList insertTexts;
    QStringList declarations;
};

// The file-type icons the desktop-installer editor has looked up, line for line.
struct FileTypeIconCache
{
    QStringList extensions;
    QStringList iconIndexes; // decimal text
    QStringList typeNames;
};

// What the program knows of the installer's script language: the designer's
// property white-list, the function list, the script classes and the shared
// completion lists the script editors read. One instance lives for the whole
// run; main() (or a test) creates it before any window.
class ScriptKnowledgeBase
{
public:
    ScriptKnowledgeBase();
    ScriptKnowledgeBase(const ScriptKnowledgeBase &) = delete;
    ScriptKnowledgeBase &operator=(const ScriptKnowledgeBase &) = delete;

    const PropertyWhiteList &DesignerPropertyWhiteList() const { return m_whiteList; }
    const ScriptClassTable &ScriptClasses() const { return m_classes; }

    const QStringList &ScriptFunctionNames() const { return m_functionNames; }
    const QStringList &ScriptFunctionDecls() const { return m_functionDecls; }
    // Shared with the script editors, which may also insert lines of their own.
    QStringList &CompletionInsertList() { return m_insertList; }
    QStringList &CompletionDisplayList() { return m_displayList; }
    DeclarationIndexList &DeclarationIndex() { return m_declarationIndex; }
    FileTypeIconCache &FileTypeCache() { return m_fileTypeCache; }

    // Refills the function names and declarations with the function list and
    // appends it to the completion lists, after what they already hold.
    void LoadFunctionList();
    // Replaces the completion lists with the members of the named classes and
    // their ancestors (an empty name stands for the function list; an unknown
    // name adds nothing), then rebuilds the declaration index.
    void LoadClassMembers(const QStringList &classNames);

    // The same content LoadClassMembers would produce for one name, in fresh
    // lists, leaving the shared completion lists alone (for the script generator).
    ScriptMemberList ClassMembers(const QString &className) const;

private:
    void appendMembersOf(const QString &className, QStringList &insertTexts, QStringList &declarations) const;

    PropertyWhiteList m_whiteList;
    QStringList m_functionNames;
    QStringList m_functionDecls;
    DeclarationIndexList m_declarationIndex;
    QStringList m_insertList;
    QStringList m_displayList;
    ScriptClassTable m_classes;
    FileTypeIconCache m_fileTypeCache;
};

} // namespace talmo
