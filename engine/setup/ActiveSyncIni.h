#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;
struct TPluginContainer;
struct TCabCollection;

// The .ini files with which the ActiveSync application manager on the user's
// PC installs the CABs that the desktop setup carries. The setup installs them
// into the application folder, the CABs of runtime module n into "plug" + n and
// those of CAB collection n into "comp-" + n.
class ActiveSyncIni
{
public:
    // "setup.ini" for the project's own CABs (projects that are not desktop-only).
    static QStringList SetupIni(const TProjectContainer &project);
    // The names the CAB build leaves in the output folder, joined with ",".
    static QString CabFileList(const TProjectContainer &project);

    // "netcf2" + n + ".ini" or "sqlmobile" + n + ".ini"; empty for other kinds.
    static QString PluginIniFileName(const TPluginContainer &container, int n);
    static QStringList PluginIni(const TPluginContainer &container, int n);

    static QString CollectionIniFileName(int n);
    static QStringList CollectionIni(const TProjectContainer &project, const TCabCollection &collection, int n);

    // The file's bytes: ANSI text, every line followed by CR LF.
    static QByteArray Encode(const QStringList &lines);
};

} // namespace talmo
