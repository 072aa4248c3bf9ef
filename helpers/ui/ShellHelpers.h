#pragma once

#include <QIcon>
#include <QString>

namespace talmo {

// What the desktop shows for a file name: its icon (also as its index in the
// SystemImageList) and its type's name.
struct ShellFileInfo
{
    QIcon icon;
    int iconIndex = -1;
    QString typeName;
    int iconSize = 16;
};

// For a file that need not exist: judged by its name alone. The open flag
// asks for the open-state icon (folders), the large flag for 32-pixel icons.
ShellFileInfo GetShellFileInfo(const QString &fileName, bool open, bool large);
// The folder icon, closed or open.
QIcon GetFolderIcon(bool open);
// The folder icon's index in the SystemImageList, closed or open.
int GetFolderIconIndex(bool open);

// Opens a file or address with the program the desktop associates with it,
// through the installed shell services; true when that worked.
bool ShellOpen(const QString &fileOrAddress);

// The folder picker, starting in startFolder when one is given. On OK, path
// receives the chosen folder and the result is true; on cancel path stays as
// it was.
bool BrowseForFolder(QString &path, const QString &title, const QString &startFolder = QString());

} // namespace talmo
