#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace talmo {

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}

QString withTrailingSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
} // namespace

QString ProgramFolder::path()
{
    if (!overrideFolder().isEmpty())
        return withTrailingSlash(overrideFolder());
    return withTrailingSlash(QCoreApplication::applicationDirPath());
}

void ProgramFolder::setOverride(const QString &folder)
{
    overrideFolder() = QDir::cleanPath(folder);
}

void ProgramFolder::clearOverride()
{
    overrideFolder().clear();
}

} // namespace talmo
