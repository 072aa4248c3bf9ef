#pragma once

#include <QStringList>

namespace talmo {

class TProjectContainer;
struct TWin32Plugin;

// The programs a file association may open files with: the .EXE files the
// project installs, each as its destination folder plus its name.
struct FileAssociationChoices
{
    // Every target's device files in order; a path installed by several
    // targets appears once per target.
    static QStringList deviceFiles(const TProjectContainer &project);
    // The module's file entries in order, named by their destination name or,
    // without one, by their source's file name.
    static QStringList desktopFiles(const TWin32Plugin &module);
};

} // namespace talmo
