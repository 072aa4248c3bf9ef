#pragma once

#include <QStringList>

namespace talmo {

class ScriptKnowledgeBase;

// The help pages beside the script editors, as lines of HTML. Key "0" is the
// start page, "1" the support classes, "2" calling DLL functions, "3" the
// support functions by category, "4" the constants; any other key is the
// topic id of a support function ("topic_isxfunc_msgbox.htm"). A key that
// names nothing gives a "Topic not found" page.
QStringList BuildScriptHelpPage(const QString &key, const ScriptKnowledgeBase &knowledge);

// The HTML of a link to a help page.
QString HelpLink(const QString &key, const QString &text);

} // namespace talmo
