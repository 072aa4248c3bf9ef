#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;

// The resource DLL that carries the .ico icons of the device shortcuts: the
// template "talmo_res.dll" with one icon group per such shortcut (108, 109,
// ... in project order), and a copy "talmo_res_<d>.dll" for every
// configuration d that includes one of them, which that configuration
// installs as "talmo_res.dll".
class DeviceResourceDll
{
public:
    static QString FileName();
    static QString CopyName(int device);

    // Copies the template from the program folder (with its trailing
    // separator) into the working folder, adds the icon groups, saves it and
    // makes the copies; each file name (the save's backup file included) is
    // appended to workingFiles before the file is written. A missing template
    // is left for cabwiz to report; a copy that cannot be written throws
    // BuildStepError; a template (needed for .ico icons) or an icon file that
    // cannot be read throws the resource library's error.
    static void Build(const TProjectContainer &project, const QString &workingFolder, const QString &programFolder,
                      QStringList &workingFiles);

    // Replaces target by a copy of source. Nothing happens for a missing
    // source, which shows later as a missing file; a copy that cannot be
    // written throws BuildStepError with the system's reason.
    static void CopyReplacing(const QString &source, const QString &target);
};

} // namespace talmo
