#pragma once

#include <QString>

namespace talmo {

// The folder a file or folder dialog of one purpose starts in: the folder
// last chosen for that purpose, else the folder of the project (or project
// manager) file, never the program's working folder.
class DialogStartFolder
{
public:
    // ownerFileName: the project or project-manager file the dialog works for.
    QString folder(const QString &ownerFileName) const;
    // A file chosen: its folder is remembered.
    void rememberFile(const QString &fileName);
    void rememberFolder(const QString &folder);

private:
    QString m_last;
};

} // namespace talmo
