#include "engine/script/DownloadList.h"

#include "engine/script/ScriptQuoting.h"

namespace talmo {

void DownloadList::Clear()
{
    DownloadSources.clear();
    DownloadDestinations.clear();
    DownloadModuleNames.clear();
    DownloadCheckTypes.clear();
}

int DownloadList::Add(const QString &source, const QString &destination, const QString &moduleName,
                      CheckType checkType)
{
    DownloadSources.append(source);
    DownloadDestinations.append(destination);
    DownloadModuleNames.append(moduleName);
    DownloadCheckTypes.append(QString::number(int(checkType)));
    return Count() - 1;
}

QString DownloadList::TemporaryName(int index)
{
    return QStringLiteral("{tmp}\\down-") + QString::number(index);
}

QString DownloadList::TemporaryFileExpression(const QString &fileName)
{
    return QStringLiteral("ExpandConstant(")
        + PascalStringLiteral(QStringLiteral("{tmp}\\") + fileName) + QLatin1Char(')');
}

} // namespace talmo
