#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// The HTML help of the installer's script language, appended line by line to
// a list the caller has opened with its own page head.

// Appends the help page of the support routine whose topic id is exactly
// topicId ("topic_isxfunc_" + the lower-case routine name + ".htm"); appends
// nothing for any other id. The look-up is case-sensitive and trims nothing.
void AddFunctionHelp(const QString &topicId, QStringList &lines);

// Appends the page of the directory and shell-folder constants, and with
// withOtherConstants the section of the remaining constants.
void AddConstantsHelp(bool withOtherConstants, QStringList &lines);

// The topic id of a routine's help page.
QString FunctionHelpTopicId(const QString &routineName);

} // namespace talmo
