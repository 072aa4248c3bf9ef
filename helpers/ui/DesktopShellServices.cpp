#include "helpers/ui/DesktopShellServices.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace talmo {

bool DesktopShellServices::openDocument(const QString &fileOrAddress)
{
    // An existing file is opened as a file even when its name looks like an
    // address; anything else is taken as an address.
    const QUrl url = QFileInfo::exists(fileOrAddress) ? QUrl::fromLocalFile(QFileInfo(fileOrAddress).absoluteFilePath())
                                                      : QUrl::fromUserInput(fileOrAddress);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool DesktopShellServices::startProgram(const QString &program, const QStringList &arguments,
                                        const QString &workingFolder)
{
    return QProcess::startDetached(program, arguments, workingFolder);
}

} // namespace talmo
