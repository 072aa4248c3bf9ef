#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace talmo {

// Temporary files and folders that a writer makes beside its target carry an
// advisory lock for as long as their writer holds them open, so a writer
// that was killed can be told from one that is still busy: the kernel drops
// a dead process's locks. Writers of several processes (two builds of one
// project, a build and a save) share one folder this way without ever
// removing each other's work.
namespace StaleTemporaries {

// Locks the temporary just created as `descriptor` for as long as the
// descriptor (or a duplicate of it) stays open. False when a cleaner removed
// the entry before the lock was taken: the caller then makes another.
bool Claim(int descriptor);

// Removes the files and folders of `folder` whose names begin with `prefix`,
// end with `suffix` (with at least one character in between), that were last
// changed before `before` and that nobody holds. Returns the names removed.
QStringList Remove(const QString &folder, const QString &prefix, const QString &suffix, const QDateTime &before);

} // namespace StaleTemporaries

} // namespace talmo
