#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace talmo {

class TProjectContainer;
class TProjectManager;

// Moves stored relative paths from one file's folder to another's, so that a
// project or manager saved into another folder still names the same files.
// Absolute paths, URLs and empty fields stay as they are. Every field it
// changes is remembered, so that restore() puts the old texts back when the
// write that follows fails. The fields must outlive the rebase.
class PathRebase
{
public:
    PathRebase(const QString &fromFileName, const QString &toFileName);

    void rebase(QString &path);
    void restore();

private:
    QString m_fromFolder;
    QString m_toFolder;
    std::vector<std::pair<QString *, QString>> m_changed;
};

// Every relative path the project file stores: the configurations' source
// folders, icons of file shortcuts that are .ico files, the files of CAB
// collections, direct-copy and Palm OS modules, the languages' readme,
// licence and info-after files, the desktop modules' sources, the output
// folder, wizard images, icons, splash image and the SkinCrafter skin.
void RebaseProjectPaths(TProjectContainer &project, PathRebase &rebase);
void RebaseManagerEntries(TProjectManager &manager, PathRebase &rebase);

// Saves under fileName with the relative paths re-based to its folder. A
// failed save leaves the paths, file name and modified flag as they were.
bool SaveProjectRebased(TProjectContainer &project, const QString &fileName);
bool SaveManagerRebased(TProjectManager &manager, const QString &fileName);

} // namespace talmo
