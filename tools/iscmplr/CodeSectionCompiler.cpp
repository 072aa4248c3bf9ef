#include "CodeSectionCompiler.h"

#include "CompileError.h"
#include "platform/ChildProcessLifetime.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace talmo::iscmplr {

namespace {

// "<line>:<column>: <kind>: <text>", one message a line.
struct CheckerMessage
{
    int row = 0;
    int column = 0;
    QString kind;
    QString text;
};

QList<CheckerMessage> parseMessages(const QString &output)
{
    static const QRegularExpression pattern(QStringLiteral("^(-?\\d+):(-?\\d+): (\\w+): (.*)$"));
    QList<CheckerMessage> messages;
    for (const QString &line : output.split(u'\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = pattern.match(line.trimmed());
        if (match.hasMatch())
            messages.append({match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3), match.captured(4)});
    }
    return messages;
}

// The compiler counts the lines of the joined text; its end of file lies
// one line past the last.
const SourceLine &lineOf(const SourceLines &code, const SourceLine &header, int row)
{
    if (code.isEmpty())
        return header;
    return code.at(qBound(1, row, int(code.size())) - 1);
}

QString columnText(int column, const QString &text)
{
    return column > 0 ? QStringLiteral("Column %1: %2").arg(column).arg(text) : text;
}

QString whereText(const SourceLine &where)
{
    return where.file.isEmpty() ? QStringLiteral("Line %1").arg(where.line)
                                : QStringLiteral("Line %1 in %2").arg(where.line).arg(where.file);
}

// Each line of the script stays one line for the compiler, whatever it holds.
QByteArray joinedCode(const SourceLines &code)
{
    QByteArray text;
    for (const SourceLine &line : code) {
        QString oneLine = line.text;
        oneLine.replace(u'\r', u' ');
        text += oneLine.toUtf8() + '\n';
    }
    return text;
}

} // namespace

CodeSectionCompiler::CodeSectionCompiler(QString programDir)
    : m_programDir(std::move(programDir))
{
}

QString CodeSectionCompiler::programPath() const
{
    return QDir(m_programDir).filePath(ProgramName);
}

QStringList CodeSectionCompiler::compile(const SourceLines &code, const SourceLine &header) const
{
    const QString program = programPath();
    const auto fail = [&](const QString &reason) {
        return CompileError::at(header, QStringLiteral("Cannot compile [Code]: the Pascal Script checker \"%1\" %2")
                                            .arg(program, reason));
    };
    if (!QFileInfo(program).isFile())
        throw fail(QStringLiteral("is missing"));

    QProcess checker;
    EndChildWithParent(checker);
    checker.start(program, {QDir(m_programDir).filePath(ApiFolderName)});
    if (!checker.waitForStarted(TimeoutMs))
        throw fail(QStringLiteral("cannot be run (%1)").arg(checker.errorString()));
    checker.write(joinedCode(code));
    checker.closeWriteChannel();
    if (!checker.waitForFinished(TimeoutMs)) {
        checker.kill();
        checker.waitForFinished();
        throw fail(QStringLiteral("did not finish"));
    }
    const QString output = QString::fromUtf8(checker.readAllStandardOutput());
    const QString problem = QString::fromUtf8(checker.readAllStandardError()).trimmed();
    if (checker.exitStatus() != QProcess::NormalExit)
        throw fail(QStringLiteral("crashed"));
    if (checker.exitCode() != 0 && checker.exitCode() != 1)
        throw fail(QStringLiteral("failed (exit code %1): %2").arg(checker.exitCode()).arg(problem));

    QStringList warnings;
    for (const CheckerMessage &message : parseMessages(output)) {
        const SourceLine &where = lineOf(code, header, message.row);
        if (message.kind == QLatin1String("Error"))
            throw CompileError::at(where, columnText(message.column, message.text));
        warnings << whereText(where) + QStringLiteral(": ") + columnText(message.column, message.text);
    }
    if (checker.exitCode() != 0)
        throw fail(QStringLiteral("refused the code without naming an error"));
    return warnings;
}

} // namespace talmo::iscmplr
