#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace talmo::iscmplr {

// A "Win,NT" pair of minimum or upper Windows versions, read the way the
// real compiler's StrToVersionNumbers reads it. Each version is packed as
// major << 24 | minor << 16 | build; 0 stands for an empty part.
struct WindowsVersions
{
    quint32 win = 0;
    quint32 nt = 0;
    quint16 ntServicePack = 0;

    // Each part is "major[.minor[.build]]"; only the NT part may end in
    // "sp" and a service pack. An empty part is taken only with allowEmpty
    // (MinVersion, not OnlyBelowVersion) and leaves that part of base as it is.
    static std::optional<WindowsVersions> parse(const QString &text, bool allowEmpty, const WindowsVersions &base);
    static std::optional<WindowsVersions> parse(const QString &text, bool allowEmpty);

    // The minimum versions a non-Unicode compile starts from: 4.0 and 4.0.
    static WindowsVersions setupDefault();

    // As CheckConst's NotWin98orNT4, negated: neither line of Windows starts
    // below Windows 98 (4.10) or NT 4.0.
    bool reachesWindows98AndNT4() const;

    static constexpr quint32 version(int major, int minor) { return quint32(major) << 24 | quint32(minor) << 16; }
};

} // namespace talmo::iscmplr
