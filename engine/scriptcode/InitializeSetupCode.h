#pragma once

#include <QStringList>

namespace talmo {

class DownloadList;
class TProjectContainer;

// The body of the setup's InitializeSetup: it fills the direct-copy and
// download tables and refuses to start when the synchronisation software the
// project needs is missing and no desktop module could be installed instead.
class InitializeSetupCode
{
public:
    // archiveNames: the file name of each direct-copy archive in the setup's
    // temporary folder, by module index, as the [Files] section placed it.
    static void WriteInitializeSetup(const TProjectContainer &project, const DownloadList &downloads,
                                     const QStringList &archiveNames, QStringList &lines);
};

} // namespace talmo
