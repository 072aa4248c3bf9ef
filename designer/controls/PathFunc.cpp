#include "designer/controls/PathFunc.h"

namespace talmo {

QString PathFunc::PathAppendSeparator(const QString &path)
{
    if (path.isEmpty() || PathCharIsSlash(path.back()))
        return path;
    return path + u'\\';
}

int PathFunc::PathCharSize(const QString &path, qsizetype index)
{
    if (index + 1 < path.size() && path.at(index).isHighSurrogate() && path.at(index + 1).isLowSurrogate())
        return 2;
    return 1;
}

int PathFunc::PathCompareNoCase(const QString &a, const QString &b)
{
    const int order = PathToLower(a).localeAwareCompare(PathToLower(b));
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

qsizetype PathFunc::PathDrivePrefixLength(const QString &path, bool includeSignificantSlash)
{
    if (path.size() >= 2 && path.at(0).isLetter() && path.at(0).unicode() < 128 && path.at(1) == u':') {
        const bool slash = path.size() >= 3 && PathCharIsSlash(path.at(2));
        return includeSignificantSlash && slash ? 3 : 2;
    }
    if (path.size() >= 2 && PathCharIsSlash(path.at(0)) && PathCharIsSlash(path.at(1))) {
        qsizetype end = 2;
        while (end < path.size() && !PathCharIsSlash(path.at(end)))
            ++end;
        if (end < path.size()) {
            ++end;
            while (end < path.size() && !PathCharIsSlash(path.at(end)))
                ++end;
        }
        return end;
    }
    if (includeSignificantSlash && !path.isEmpty() && PathCharIsSlash(path.at(0)))
        return 1;
    return 0;
}

qsizetype PathFunc::PathFolderPartEnd(const QString &path)
{
    const qsizetype drive = PathDrivePrefixLength(path);
    for (qsizetype index = path.size(); index > drive; --index) {
        if (PathCharIsSlash(path.at(index - 1)))
            return index;
    }
    return drive;
}

QString PathFunc::PathDriveOf(const QString &path)
{
    return path.left(PathDrivePrefixLength(path));
}

QString PathFunc::PathFileNameOf(const QString &path)
{
    return path.mid(PathFolderPartEnd(path));
}

QString PathFunc::PathFolderOf(const QString &path)
{
    return path.left(PathFolderPartEnd(path));
}

QString PathFunc::PathFinalChar(const QString &path)
{
    if (path.isEmpty())
        return {};
    const qsizetype last = path.size() >= 2 && PathCharSize(path, path.size() - 2) == 2 ? path.size() - 2 : path.size() - 1;
    return path.mid(last);
}

QString PathFunc::PathToLower(const QString &path)
{
    return path.toLower();
}

} // namespace talmo
