#pragma once

#include <QString>

namespace talmo {

// The folder trees' path text routines. A slash is "\" or "/"; a character
// of two UTF-16 units (a surrogate pair) counts as one. Positions and lengths
// count UTF-16 units, 1-based positions as lengths of the text up to them.
class PathFunc
{
public:
    // The path plus "\" unless it is empty or already ends with a slash.
    static QString PathAppendSeparator(const QString &path);
    // 2 for a character of two units starting at index, else 1.
    static int PathCharSize(const QString &path, qsizetype index);
    // -1, 0 or 1 after PathToLower, in the user's locale's order.
    static int PathCompareNoCase(const QString &a, const QString &b);
    // "X:" gives 2 (3 with a following slash when includeSignificantSlash),
    // "\\server\share" its whole length, a leading single slash 1 when
    // includeSignificantSlash, anything else 0.
    static qsizetype PathDrivePrefixLength(const QString &path, bool includeSignificantSlash = false);
    // The position of the last slash after the drive part; without one, the
    // drive part's length.
    static qsizetype PathFolderPartEnd(const QString &path);
    static QString PathDriveOf(const QString &path);
    // The text after the last slash (after the drive part when there is none).
    static QString PathFileNameOf(const QString &path);
    // The text up to and including the last slash.
    static QString PathFolderOf(const QString &path);
    // The last character, both units of a pair; empty for an empty path.
    static QString PathFinalChar(const QString &path);
    // Full Unicode lower case.
    static QString PathToLower(const QString &path);

    static bool PathCharIsSlash(QChar c) { return c == u'\\' || c == u'/'; }
};

} // namespace talmo
