#pragma once

#include <QString>
#include <QStringList>

namespace talmo::iscmplr {

// Paths in a script are written the Windows way ("\" separators, "compiler:"
// prefix); these helpers turn them into files of this machine.
class HostPaths
{
public:
    HostPaths(const QString &sourceDir, const QString &compilerDir);

    static bool isAbsolute(const QString &scriptPath);
    static bool hasWildcards(const QString &scriptPath);
    static QString fileNamePart(const QString &scriptPath);

    // As PrependDirName: a ":" that is not a drive's ends a prefix, and only
    // "compiler" and "userdocs" are known, as written. The unknown prefix with
    // its ":", or empty.
    static QString unknownPrefix(const QString &scriptPath);

    // "compiler:" names the compiler's folder, "userdocs:" the user's
    // documents; relative paths start at baseDir (the source folder when empty).
    QString resolve(const QString &scriptPath, const QString &baseDir = QString()) const;
    // Files matching a path that may hold "*" and "?" in its file-name part.
    QStringList match(const QString &scriptPath, bool recurseSubdirs) const;

    QString sourceDir() const { return m_sourceDir; }
    QString compilerDir() const { return m_compilerDir; }
    void setSourceDir(const QString &dir) { m_sourceDir = dir; }

private:
    QString m_sourceDir;
    QString m_compilerDir;
};

} // namespace talmo::iscmplr
