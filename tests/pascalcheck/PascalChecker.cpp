#include "PascalChecker.h"

#include <QProcess>

#include <gtest/gtest.h>

PascalCheckResult runPascalCheck(const QStringList &codeLines)
{
    PascalCheckResult result;
    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(QStringLiteral(TALMO_TEST_PROGRAM_DIR "/pascalcheck"), {QStringLiteral(TALMO_TEST_PROGRAM_DIR "/ScriptApi")});
    checker.write(codeLines.join(QLatin1Char('\n')).toUtf8() + '\n');
    checker.closeWriteChannel();
    if (!checker.waitForFinished(60000)) {
        ADD_FAILURE() << "the checker did not finish";
        return result;
    }
    result.exitCode = checker.exitStatus() == QProcess::NormalExit ? checker.exitCode() : -1;
    result.output = QString::fromUtf8(checker.readAll());
    return result;
}

bool PascalCheckResult::reportsAtLine(int line) const
{
    return output.startsWith(QString::number(line) + u':') || output.contains(u'\n' + QString::number(line) + u':');
}

QStringList codeSectionsOf(const QStringList &script)
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
