#pragma once

#include "designer/core/CompletionTypes.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

#include <functional>

namespace talmo {

// The members of a script class and its ancestors, or the support functions
// for an empty name; nothing for an unknown class.
using ClassMemberSource = std::function<ScriptMemberList(const QString &className)>;

// Fills a completion pop-up of a script editor: works out from the caret line
// and the script around it which class the object left of the caret denotes
// (or lists everything usable at the caret), and for a parameter hint finds
// the routine whose call holds the caret. Reads the whole text afresh on
// every call, keeps nothing between calls, never reads outside the text.
CompletionResult ResolveCompletion(const CompletionRequest &request, const ClassMemberSource &members);

inline CompletionResult ResolveCompletion(const CompletionRequest &request, const ScriptKnowledgeBase &knowledge)
{
    return ResolveCompletion(request, [&knowledge](const QString &className) {
        return knowledge.ClassMembers(className);
    });
}

} // namespace talmo
