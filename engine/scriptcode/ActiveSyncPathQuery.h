#pragma once

#include <QString>

namespace talmo {

// The script statement that reads the path of ActiveSync's application
// manager into the local variable Path (left empty when it is not installed).
inline QString ActiveSyncPathQueryLine()
{
    return QStringLiteral("  RegQueryStringValue(HKEY_LOCAL_MACHINE, "
                          "'SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAPPMGR.EXE','', Path);");
}

} // namespace talmo
