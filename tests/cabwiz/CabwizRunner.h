#pragma once

// Runs the cabwiz of the program folder and reads its cabinets back with
// cabextract, the independent check. Header-only so other test folders that
// build cabinets can use it too.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace talmo::testing {

struct CabwizResult
{
    int exitCode = -1;
    QStringList lines;

    QStringList errorLines() const { return lines.filter(QRegularExpression(QStringLiteral("^Error"))); }
};

inline CabwizResult runCabwiz(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(TALMO_TEST_PROGRAM_DIR "/cabwiz"), arguments);
    const bool finished = process.waitForFinished(60000);
    EXPECT_TRUE(finished) << "cabwiz did not finish";
    CabwizResult result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    const QString output = QString::fromLocal8Bit(process.readAll());
    result.lines = output.split(u'\n', Qt::SkipEmptyParts);
    return result;
}

// Writes text as cabwiz expects it from Talmo: UTF-16LE with a byte-order mark.
inline void writeInfFile(const QString &path, const QString &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("\xFF\xFE", 2);
    file.write(reinterpret_cast<const char *>(text.utf16()), text.size() * qsizetype(sizeof(char16_t)));
}

// The member names of a cabinet as cabextract lists them, sorted.
inline QStringList cabMembers(const QString &cabPath)
{
    QProcess process;
    process.start(QStringLiteral("cabextract"), {QStringLiteral("-l"), cabPath});
    process.waitForFinished(60000);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QStringList members;
    bool inTable = false;
    for (const QString &line : QString::fromLocal8Bit(process.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(QStringLiteral("-----"))) {
            inTable = true;
        } else if (inTable && line.contains(u'|')) {
            members.append(line.section(u'|', 2).trimmed());
        } else if (inTable) {
            inTable = false;
        }
    }
    members.sort();
    return members;
}

// One member's content, extracted with cabextract.
inline QByteArray cabMember(const QString &cabPath, const QString &member)
{
    QProcess process;
    process.start(QStringLiteral("cabextract"), {QStringLiteral("-p"), QStringLiteral("-F"), member, cabPath});
    process.waitForFinished(60000);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

inline QStringList cabinetsIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace talmo::testing
