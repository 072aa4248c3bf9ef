#include "helpers/core/PathFolders.h"

#include "helpers/core/PathHelpers.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace talmo {

namespace {

QString &documentsOverride()
{
    static QString folder;
    return folder;
}

} // namespace

bool GetEnvironmentVar(const QString &name, QString &value, bool expand)
{
    value = qEnvironmentVariable(name.toLocal8Bit().constData());
    if (expand)
        value = ExpandEnvironmentVars(value);
    return !value.isEmpty();
}

QString ExpandEnvironmentVars(const QString &text)
{
    static const QRegularExpression reference(QStringLiteral("%([^%]+)%"));
    QString expanded;
    qsizetype done = 0;
    QRegularExpressionMatchIterator matches = reference.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QByteArray name = match.captured(1).toLocal8Bit();
        if (!qEnvironmentVariableIsSet(name.constData()))
            continue;
        expanded += text.mid(done, match.capturedStart() - done);
        expanded += qEnvironmentVariable(name.constData());
        done = match.capturedEnd();
    }
    return expanded + text.mid(done);
}

QString GetTempDirectory()
{
    QString folder;
    if (!GetEnvironmentVar(QStringLiteral("TMP"), folder, false)
        && !GetEnvironmentVar(QStringLiteral("TEMP"), folder, false)) {
        folder = QDir::tempPath();
    }
    if (folder.isEmpty())
        folder = QDir::currentPath();
    return ExcludeTrailingSeparator(folder);
}

QString GetMyDocumentsFolder()
{
    QString folder = documentsOverride();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return ExcludeTrailingSeparator(folder);
}

void SetMyDocumentsFolderOverride(const QString &folder)
{
    documentsOverride() = folder;
}

void ClearMyDocumentsFolderOverride()
{
    documentsOverride().clear();
}

} // namespace talmo
