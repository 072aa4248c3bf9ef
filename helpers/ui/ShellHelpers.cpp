#include "helpers/ui/ShellHelpers.h"

#include "helpers/ui/SystemImageList.h"
#include "helpers/ui/UiServices.h"
#include "platform/ShellServices.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QMimeDatabase>

namespace talmo {

ShellFileInfo GetShellFileInfo(const QString &fileName, bool open, bool large)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    ShellFileInfo info;
    info.typeName = type.comment();
    info.iconSize = large ? 32 : 16;
    const QIcon generic = QFileIconProvider().icon(QFileIconProvider::File);
    info.icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), generic));
    info.iconIndex = SystemImageList::instance().indexOf(type.iconName(), info.icon);
    if (open && type.inherits(QStringLiteral("inode/directory"))) {
        info.icon = GetFolderIcon(true);
        info.iconIndex = GetFolderIconIndex(true);
    }
    return info;
}

QIcon GetFolderIcon(bool open)
{
    const QIcon closed = QFileIconProvider().icon(QFileIconProvider::Folder);
    return open ? QIcon::fromTheme(QStringLiteral("folder-open"), closed) : closed;
}

int GetFolderIconIndex(bool open)
{
    return SystemImageList::instance().indexOf(open ? QStringLiteral("folder-open") : QStringLiteral("folder"),
                                               GetFolderIcon(open));
}

bool ShellOpen(const QString &fileOrAddress)
{
    return ShellServices::current().openDocument(fileOrAddress);
}

bool BrowseForFolder(QString &path, const QString &title, const QString &startFolder)
{
    const std::optional<QString> chosen =
        UiServices::current().pickFolder(QApplication::activeWindow(), title, startFolder);
    if (!chosen)
        return false;
    path = *chosen;
    return true;
}

} // namespace talmo
