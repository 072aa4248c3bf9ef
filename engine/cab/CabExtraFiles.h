#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;

// The files a CAB build writes into the working folder beside the .inf file,
// because the .inf file installs them: the one-line shortcut files of custom
// icon shortcuts and the resource DLL with its per-configuration copies.
class CabExtraFiles
{
public:
    virtual ~CabExtraFiles();

    // Writes the files into the working folder and appends their names, as
    // seen from there, to workingFiles before writing each: shortcut files
    // first, then "talmo_res.dll", then its copies (a name may repeat). So the
    // build deletes them afterwards also when preparing one fails, which
    // raises an exception (BuildStepError or another std::exception).
    virtual void Write(const TProjectContainer &project, const QString &workingFolder,
                       const QString &programFolder, QStringList &workingFiles) = 0;
};

// The resource-DLL template copied as it is: what a project without custom
// icon shortcuts needs. A missing template is left for cabwiz to report,
// should the .inf file name the DLL at all; a copy that cannot be written
// throws BuildStepError.
class TemplateResourceDllOnly : public CabExtraFiles
{
public:
    void Write(const TProjectContainer &project, const QString &workingFolder, const QString &programFolder,
               QStringList &workingFiles) override;
};

} // namespace talmo
