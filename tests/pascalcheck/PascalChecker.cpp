#include "PascalChecker.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

PascalCheckResult runPascalCheck(const QStringList &codeLines)
{
    PascalCheckResult result;
    QTemporaryDir dir;
    const QString codeFile = dir.filePath(QStringLiteral("code.pas"));
    QFile file(codeFile);
    if (!file.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write " << codeFile.toStdString();
        return result;
    }
    file.write(codeLines.join(QLatin1Char('\n')).toLatin1());
    file.write("\n");
    file.close();

    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(QStringLiteral(TALMO_PASCALCHECK_PROGRAM),
                  {QStringLiteral(TALMO_FACTS_DIR), codeFile});
    if (!checker.waitForFinished(60000)) {
        ADD_FAILURE() << "the checker did not finish";
        return result;
    }
    result.exitCode = checker.exitStatus() == QProcess::NormalExit ? checker.exitCode() : -1;
    result.output = QString::fromLocal8Bit(checker.readAll()).replace(codeFile, QStringLiteral("code"));
    return result;
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
