#include "helpers/core/PathHelpers.h"

#include <QRegularExpression>
#include <QStringList>

namespace talmo {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

// The separator a path is written with: "/" when it holds "/" but no "\".
QChar separatorOf(const QString &path)
{
    const bool slashOnly = path.contains(QLatin1Char('/')) && !path.contains(QLatin1Char('\\'));
    return slashOnly ? QLatin1Char('/') : QLatin1Char('\\');
}

// The path cut after each separator: "C:\Projects\App" gives "C:\",
// "Projects\" and "App"; "/home/u" gives "/", "home/" and "u".
QStringList piecesKeepingSeparators(const QString &path)
{
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isSeparator(path[i])) {
            pieces.append(path.mid(start, i - start + 1));
            start = i + 1;
        }
    }
    if (start < path.size())
        pieces.append(path.mid(start));
    return pieces;
}

QString nameOf(const QString &piece)
{
    return !piece.isEmpty() && isSeparator(piece.back()) ? piece.chopped(1) : piece;
}

bool isParentStep(const QString &piece)
{
    return nameOf(piece) == QLatin1String("..");
}

// Counts and removes the ".." steps of a relative path: the leading ones
// climb out of the base, one that follows a folder cancels that folder.
// Every other piece is kept as written.
int takeParentSteps(QStringList &pieces)
{
    int stepsOutOfBase = 0;
    QStringList kept;
    for (const QString &piece : pieces) {
        if (!isParentStep(piece))
            kept.append(piece);
        else if (kept.isEmpty())
            ++stepsOutOfBase;
        else
            kept.removeLast();
    }
    pieces = kept;
    return stepsOutOfBase;
}

QStringList folderNames(const QString &path)
{
    QStringList names;
    for (const QString &piece : piecesKeepingSeparators(ExcludeTrailingSeparator(path)))
        names.append(nameOf(piece));
    return names;
}

} // namespace

bool IsUrl(const QString &text)
{
    return text.startsWith(QLatin1String("http"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("ftp"), Qt::CaseInsensitive);
}

QString ExtractUrlFileName(const QString &url)
{
    return url.mid(url.lastIndexOf(QLatin1Char('/')) + 1);
}

bool IsRelativePath(const QString &path)
{
    if (IsUrl(path))
        return false;
    if (path.size() >= 2 && path[1] == QLatin1Char(':'))
        return false;
    return path.isEmpty() || !isSeparator(path[0]);
}

QString ResolveRelativePath(const QString &baseFolder, const QString &relativePath)
{
    if (baseFolder == relativePath)
        return QString();
    QStringList tail = piecesKeepingSeparators(relativePath);
    const int steps = takeParentSteps(tail);
    const QStringList base = piecesKeepingSeparators(ExcludeTrailingSeparator(baseFolder));

    QString head;
    if (steps < base.size())
        head = base.mid(0, base.size() - steps).join(QString());
    if (!head.isEmpty() && !isSeparator(head.back()))
        head += separatorOf(baseFolder);
    return head + tail.join(QString());
}

QString MakeRelativePath(const QString &baseFolder, const QString &absolutePath)
{
    if (IsRelativePath(absolutePath) || IsUrl(absolutePath))
        return absolutePath;
    const QStringList base = folderNames(baseFolder);
    const QStringList target = folderNames(absolutePath);
    qsizetype common = 0;
    while (common < base.size() && common < target.size() && base[common] == target[common])
        ++common;
    if (common == 0)
        return absolutePath;

    const QChar separator = QLatin1Char('\\');
    QStringList parts;
    for (qsizetype i = common; i < base.size(); ++i)
        parts.append(QStringLiteral(".."));
    parts.append(target.mid(common));
    QString relative = parts.join(separator);
    if (!absolutePath.isEmpty() && isSeparator(absolutePath.back()) && !relative.isEmpty())
        relative += separator;
    return relative;
}

QString StoredFileReference(const QString &projectFileName, const QString &chosenFile, bool makeRelative)
{
    const QString projectFolder = ExtractFileFolder(projectFileName);
    if (!makeRelative || projectFolder.isEmpty())
        return chosenFile;
    return MakeRelativePath(projectFolder, chosenFile);
}

QString WithExtension(const QString &fileName, const QString &extension)
{
    return fileName.endsWith(extension, Qt::CaseInsensitive) ? fileName : fileName + extension;
}

QString ResolveFileReference(const QString &projectFileName, const QString &reference)
{
    if (reference.isEmpty() || !IsRelativePath(reference))
        return reference;
    return ResolveRelativePath(ExtractFileFolder(projectFileName), reference);
}

QString ExtractFileFolder(const QString &fileName)
{
    for (qsizetype i = fileName.size() - 1; i >= 0; --i) {
        if (isSeparator(fileName[i]))
            return fileName.left(i + 1);
    }
    return QString();
}

QString FileNamePart(const QString &path)
{
    return path.mid(ExtractFileFolder(path).size());
}

QString IncludeTrailingSeparator(const QString &path)
{
    if (path.isEmpty() || isSeparator(path.back()))
        return path;
    return path + separatorOf(path);
}

QString ExcludeTrailingSeparator(const QString &path)
{
    if (path.size() > 1 && isSeparator(path.back()))
        return path.chopped(1);
    return path;
}

bool ClimbsOutOfItsFolder(const QString &path)
{
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    return path.split(separators).contains(QStringLiteral(".."));
}

bool LeavesItsFolder(const QString &fileName)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (fileName.startsWith(u'/') || fileName.startsWith(u'\\') || drive.match(fileName).hasMatch())
        return true;
    return ClimbsOutOfItsFolder(fileName);
}

} // namespace talmo
