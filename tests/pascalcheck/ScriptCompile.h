#pragma once

#include <QString>
#include <QStringList>

// Compiles a whole setup script with the compiler library of the program
// folder; the script's relative sources are looked up in sourceDir.
struct ScriptCompileResult
{
    int result = -1;      // 0 compiled, 2 failed
    QStringList errors;   // "<file>:<line>: <message>"
};

ScriptCompileResult compileScript(const QStringList &script, const QString &sourceDir, const QString &outputDir);
