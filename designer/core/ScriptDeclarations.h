#pragma once

#include <QStringList>

namespace talmo {

// Names declared in script text, three parallel lists.
struct DeclaredNames
{
    QStringList names;
    QStringList types;
    QStringList modifiers; // "var ", "const " or empty

    qsizetype size() const { return names.size(); }
    // The type of the first name equal to name, ignoring case; nothing when absent.
    bool typeOf(const QString &name, QString &type) const;
};

// What completion knows of the routine being written and of the global code.
struct ScriptDeclarations
{
    DeclaredNames parameters;
    DeclaredNames variables; // "Result" first for a function
    DeclaredNames constants;
    QStringList routineNames;
    QStringList routineDeclarations; // the routines' header lines
};

// Reads the routine whose header is lines[header]: its parameters, "Result"
// for a function, and the var and const sections up to its "begin".
void ReadRoutineAt(const QStringList &lines, int header, ScriptDeclarations &into);

// Reads global code: its routine headers and the var and const sections
// between the routines. The scan looks at no line past the second-to-last.
void ReadGlobalCode(const QStringList &lines, ScriptDeclarations &into);

} // namespace talmo
