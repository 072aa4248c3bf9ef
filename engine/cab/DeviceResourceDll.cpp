#include "engine/cab/DeviceResourceDll.h"

#include "engine/cab/BuildStepError.h"
#include "engine/cab/ShortcutFile.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"
#include "platform/AtomicFileWriter.h"
#include "resources/IconCursorResourceDetails.h"
#include "resources/PEResourceModule.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace talmo {

namespace {

std::filesystem::path FileSystemPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(ToHostPath(path)).toStdString());
}

} // namespace

void DeviceResourceDll::CopyReplacing(const QString &source, const QString &target)
{
    QFile::remove(target);
    if (!QFileInfo(source).isFile())
        return;
    QString reason;
    if (!AtomicFileWriter::copyFile(source, target, &reason))
        throw BuildStepError(QStringLiteral("Cannot copy %1 to %2: %3").arg(source, target, reason));
}

QString DeviceResourceDll::FileName()
{
    return QStringLiteral("talmo_res.dll");
}

QString DeviceResourceDll::CopyName(int device)
{
    return QStringLiteral("talmo_res_%1.dll").arg(device);
}

void DeviceResourceDll::Build(const TProjectContainer &project, const QString &workingFolder,
                              const QString &programFolder, QStringList &workingFiles)
{
    const QString dll = workingFolder + u'/' + FileName();
    workingFiles.append(FileName());
    CopyReplacing(programFolder + FileName(), dll);
    const QList<ShortcutFile::Position> icons = ShortcutFile::ResourceIcons(project);
    // Without .ico icons no configuration installs the DLL, so a missing
    // template harms nothing.
    if (icons.isEmpty() && !QFile::exists(dll))
        return;

    TPEResourceModule module;
    module.LoadFromFile(FileSystemPath(dll));
    for (const ShortcutFile::Position &icon : icons) {
        const TShortcutEntry &entry = project.ShortcutsSections[icon.section].Entries[icon.entry];
        auto &group = TResourceDetails::CreateNew<TIconGroupResourceDetails>(
            module, module.NextResourceId(TIconGroupResourceDetails::ClassResourceType()), 0);
        group.SetModified(true);
        group.LoadFromIconFile(FileSystemPath(ResolveFileReference(project.FileName, entry.CustomIconFileName)));
        module.SortResources();
    }
    workingFiles.append(QString::fromStdString(TResourceModule::BackupFileName(FileName().toStdString()).string()));
    module.SaveToFile(FileSystemPath(dll));

    for (const ShortcutFile::Position &icon : icons) {
        const QString &caption = project.ShortcutsSections[icon.section].Caption;
        for (int d = 0; d < project.CEDevices.Count(); ++d) {
            const qsizetype namings = project.CEDevices[d].Installation.defaultInstallShortcuts.count(caption);
            for (qsizetype n = 0; n < namings; ++n) {
                workingFiles.append(CopyName(d));
                CopyReplacing(dll, workingFolder + u'/' + CopyName(d));
            }
        }
    }
}

} // namespace talmo
