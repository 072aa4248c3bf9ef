#include "HostPaths.h"

#include "platform/HostPath.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

namespace talmo::iscmplr {

namespace {
const QString kCompilerPrefix = QStringLiteral("compiler:");
const QString kUserDocsPrefix = QStringLiteral("userdocs:");
} // namespace

HostPaths::HostPaths(const QString &sourceDir, const QString &compilerDir)
    : m_sourceDir(QDir::cleanPath(ToHostPath(sourceDir)))
    , m_compilerDir(QDir::cleanPath(ToHostPath(compilerDir)))
{
}

bool HostPaths::isAbsolute(const QString &scriptPath)
{
    if (scriptPath.startsWith(QLatin1Char('/')) || scriptPath.startsWith(QLatin1Char('\\')))
        return true;
    return scriptPath.size() >= 2 && scriptPath.at(0).isLetter() && scriptPath.at(1) == QLatin1Char(':');
}

bool HostPaths::hasWildcards(const QString &scriptPath)
{
    return scriptPath.contains(QLatin1Char('*')) || scriptPath.contains(QLatin1Char('?'));
}

QString HostPaths::fileNamePart(const QString &scriptPath)
{
    const qsizetype cut = std::max({scriptPath.lastIndexOf(QLatin1Char('\\')),
                                    scriptPath.lastIndexOf(QLatin1Char('/')),
                                    scriptPath.lastIndexOf(QLatin1Char(':'))});
    return scriptPath.mid(cut + 1);
}

QString HostPaths::unknownPrefix(const QString &scriptPath)
{
    const qsizetype colon = scriptPath.indexOf(QLatin1Char(':'));
    const bool drive = colon == 1 && scriptPath.at(0).isLetter() && scriptPath.at(0).unicode() < 128;
    if (colon < 0 || drive || scriptPath.startsWith(kCompilerPrefix) || scriptPath.startsWith(kUserDocsPrefix))
        return QString();
    return scriptPath.left(colon + 1);
}

QString HostPaths::resolve(const QString &scriptPath, const QString &baseDir) const
{
    if (scriptPath.startsWith(kCompilerPrefix))
        return QDir::cleanPath(m_compilerDir + QLatin1Char('/') + ToHostPath(scriptPath.mid(kCompilerPrefix.size())));
    if (scriptPath.startsWith(kUserDocsPrefix)) {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QDir::cleanPath(documents + QLatin1Char('/') + ToHostPath(scriptPath.mid(kUserDocsPrefix.size())));
    }
    if (isAbsolute(scriptPath))
        return QDir::cleanPath(ToHostPath(scriptPath));
    const QString base = baseDir.isEmpty() ? m_sourceDir : baseDir;
    return QDir::cleanPath(base + QLatin1Char('/') + ToHostPath(scriptPath));
}

QStringList HostPaths::match(const QString &scriptPath, bool recurseSubdirs) const
{
    const QString path = resolve(scriptPath);
    const QFileInfo info(path);
    if (!hasWildcards(scriptPath)) {
        if (info.isFile())
            return {path};
        return {};
    }
    QStringList found;
    const auto flags = recurseSubdirs ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags;
    QDirIterator it(info.path(), {info.fileName()}, QDir::Files | QDir::Hidden, flags);
    while (it.hasNext())
        found << it.next();
    found.sort();
    return found;
}

} // namespace talmo::iscmplr
