#pragma once

#include "platform/HostPath.h"

#include <QString>

namespace talmo {

// The text side of file references. A project stores a reference as the user
// gave it: a URL, an absolute path or a path relative to the project file's
// folder. Both "\" and "/" separate folders; "X:", a leading "/" and a
// leading "\" make a path absolute. Letter case is kept everywhere.

// True when the text begins with "http" or "ftp", in any case.
bool IsUrl(const QString &text);
// The text after the last "/"; the whole text when it holds none.
QString ExtractUrlFileName(const QString &url);
// True for a local path that is neither absolute nor a URL (the empty text included).
bool IsRelativePath(const QString &path);

// The absolute path that relativePath names seen from baseFolder (usually the
// project file's folder with its trailing separator). Each leading ".." step
// drops one folder of the base; the rest of relativePath is appended as it
// stands. Empty when both texts are equal.
QString ResolveRelativePath(const QString &baseFolder, const QString &relativePath);
// The inverse: absolutePath as ".."-steps and folders seen from baseFolder,
// written with backslashes whatever absolutePath uses, as project and
// project-manager files store every reference; ResolveRelativePath reads it
// back. Paths on another root (another drive) and relative paths or URLs come
// back unchanged.
QString MakeRelativePath(const QString &baseFolder, const QString &absolutePath);
// How a file the user picked is stored in a project: with makeRelative, the
// file seen from the project file's folder (MakeRelativePath; just the name
// for a file beside the project file); otherwise, or when the project has no
// folder yet or the file lies on another root, the chosen path itself.
QString StoredFileReference(const QString &projectFileName, const QString &chosenFile, bool makeRelative);
// A stored reference made usable: a relative path resolved against the folder
// of projectFileName; URLs, absolute and empty references unchanged.
QString ResolveFileReference(const QString &projectFileName, const QString &reference);

// The file name with the extension (".talmo") appended unless it already ends
// in it, in any letter case.
QString WithExtension(const QString &fileName, const QString &extension);

// The folder part of a file name with its trailing separator; empty without one.
QString ExtractFileFolder(const QString &fileName);
// The file-name part of a path written with "\" or "/".
QString FileNamePart(const QString &path);
// The path with a trailing separator ("/" for paths written with "/" only,
// "\" otherwise); the empty path stays empty.
QString IncludeTrailingSeparator(const QString &path);
// The path with one trailing separator removed, unless it is the root itself.
QString ExcludeTrailingSeparator(const QString &path);

// Whether a path climbs out of the folder it is read in through a ".."
// segment; "\" and "/" both separate.
bool ClimbsOutOfItsFolder(const QString &path);
// Whether a file name given for a folder (an output file, a device file)
// names a place outside it: an absolute name ("/x", "\x", "C:x") or one that
// climbs out through "..".
bool LeavesItsFolder(const QString &fileName);

} // namespace talmo
