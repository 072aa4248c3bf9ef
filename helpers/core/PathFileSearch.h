#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// Finding files on disk. Masks are the usual wildcards ("*.tmp", "*.*" for
// every name) and match regardless of letter case; results come in name
// order and keep the names' case.

// Appends folder + name for every file (not folder) of the folder that matches the mask.
void AddFilesByMask(QStringList &list, const QString &folder, const QString &mask);

// For a folder: appends every file in it; for any other path: the files that
// match its last part as a mask. Names beginning with "." are skipped; with
// recurse set the sub-folders are searched too, each at the place it is met.
void ListFilesRecursive(const QString &path, QStringList &list, bool recurse);

} // namespace talmo
