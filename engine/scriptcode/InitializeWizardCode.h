#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class DownloadList;
class TProjectContainer;

// The body of the setup's InitializeWizard: the skin's own start-up code,
// the downloader, SkinCrafter, the extra wizard pages, the welcome text, the
// About button, the link label and the reset of the CAB-wait flag.
class InitializeWizardCode
{
public:
    // programFolder (with its trailing separator) holds the skin templates.
    // Raises ScriptGenerationError when the skin's template cannot be used.
    static void WriteInitializeWizard(const TProjectContainer &project, const DownloadList &downloads,
                                      const QString &programFolder, QStringList &lines);
};

} // namespace talmo
