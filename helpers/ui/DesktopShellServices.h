#pragma once

#include "platform/ShellServices.h"

namespace talmo {

// The real shell: documents and addresses open through the desktop's
// associations, programs start detached. main() installs it.
class DesktopShellServices : public ShellServices
{
public:
    bool openDocument(const QString &fileOrAddress) override;
    bool startProgram(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
};

} // namespace talmo
