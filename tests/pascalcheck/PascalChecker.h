#pragma once

// Runs the Pascal Script checker of the program folder on the text of a
// [Code] section. Header-only, for the tests and the benchmarks.

#include <QProcess>
#include <QString>
#include <QStringList>

struct PascalCheckResult
{
    int exitCode = -1; // -1: crashed or did not finish
    QString output;    // one message a line: "<line>:<column>: <kind>: <text>"

    bool compiled() const { return exitCode == 0; }
    bool reportsAtLine(int line) const
    {
        const QString start = QString::number(line) + u':';
        return output.startsWith(start) || output.contains(u'\n' + start);
    }
};

inline PascalCheckResult runPascalCheck(const QStringList &codeLines, const QString &programFolder)
{
    PascalCheckResult result;
    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(programFolder + QStringLiteral("/pascalcheck"), {programFolder + QStringLiteral("/ScriptApi")});
    checker.write(codeLines.join(QLatin1Char('\n')).toUtf8() + '\n');
    checker.closeWriteChannel();
    const bool finished = checker.waitForFinished(60000);
    result.output = QString::fromUtf8(checker.readAll());
    if (finished && checker.exitStatus() == QProcess::NormalExit)
        result.exitCode = checker.exitCode();
    return result;
}

#ifdef TALMO_TEST_PROGRAM_DIR
inline PascalCheckResult runPascalCheck(const QStringList &codeLines)
{
    return runPascalCheck(codeLines, QStringLiteral(TALMO_TEST_PROGRAM_DIR));
}
#endif

// The [Code] text of a whole script: the lines of every [Code] section, in order.
// Preprocessor lines inside them are left out.
inline QStringList codeSectionsOf(const QStringList &script)
{
    QStringList code;
    bool inCode = false;
    for (const QString &line : script) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            inCode = trimmed.compare(QLatin1String("[Code]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inCode && !trimmed.startsWith(QLatin1Char('#')))
            code.append(line);
    }
    return code;
}
