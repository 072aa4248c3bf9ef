#pragma once

#include <QString>
#include <QStringList>

// Runs the Pascal Script checker of the program folder on the text of a [Code] section.
struct PascalCheckResult
{
    int exitCode = -1;
    QString output; // one message a line: "<line>:<column>: <kind>: <text>"

    bool compiled() const { return exitCode == 0; }
    bool reportsAtLine(int line) const;
};

PascalCheckResult runPascalCheck(const QStringList &codeLines);

// The [Code] text of a whole script: the lines of every [Code] section, in order.
// Preprocessor lines inside them are left out.
QStringList codeSectionsOf(const QStringList &script);
