#include "model/PathRebase.h"

#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"
#include "model/ProjectManager.h"

namespace talmo {

namespace {

template <typename Module>
void rebaseModuleFiles(OwningList<Module> &modules, PathRebase &rebase)
{
    for (Module &module : modules) {
        for (TFile &file : module.Files)
            rebase.rebase(file.Source);
    }
}

bool isFileShortcutIcon(const TShortcutEntry &entry)
{
    return entry.shortcut_type_flag == 0 && entry.CustomIconFileName.endsWith(QStringLiteral(".ICO"), Qt::CaseInsensitive);
}

} // namespace

PathRebase::PathRebase(const QString &fromFileName, const QString &toFileName)
    : m_fromFolder(ExtractFileFolder(fromFileName))
    , m_toFolder(ExtractFileFolder(toFileName))
{
}

void PathRebase::rebase(QString &path)
{
    if (path.isEmpty() || !IsRelativePath(path) || m_fromFolder == m_toFolder)
        return;
    const QString moved = MakeRelativePath(m_toFolder, ResolveRelativePath(m_fromFolder, path));
    if (moved == path)
        return;
    m_changed.emplace_back(&path, path);
    path = moved;
}

void PathRebase::restore()
{
    for (auto it = m_changed.rbegin(); it != m_changed.rend(); ++it)
        *it->first = it->second;
    m_changed.clear();
}

void RebaseProjectPaths(TProjectContainer &project, PathRebase &rebase)
{
    for (TCEDevice &device : project.CEDevices) {
        for (TPPCFS_File &file : device.Files)
            rebase.rebase(file.SourceDir);
    }
    for (TShortcutSection &section : project.ShortcutsSections) {
        for (TShortcutEntry &entry : section.Entries) {
            if (isFileShortcutIcon(entry))
                rebase.rebase(entry.CustomIconFileName);
        }
    }
    rebaseModuleFiles(project.CabCollections, rebase);
    rebaseModuleFiles(project.DirectCopyModules, rebase);
    rebaseModuleFiles(project.PalmSections, rebase);
    for (TLanguage &language : project.Languages) {
        rebase.rebase(language.ReadmeFile);
        rebase.rebase(language.EULAFile);
        rebase.rebase(language.InfoAfterFile);
    }
    for (TWin32Plugin &plugin : project.Win32Plugins) {
        for (TWin32FileEntry &entry : plugin.FileEntries)
            rebase.rebase(entry.Source);
    }
    for (QString *path : {&project.OutputPath, &project.BuilderWizardImageFile, &project.BuilderWizardSmallImageFile,
                          &project.IconFile, &project.SetupIconFile, &project.SplashScreenImage,
                          &project.SkinCrafterSkinFileName})
        rebase.rebase(*path);
}

void RebaseManagerEntries(TProjectManager &manager, PathRebase &rebase)
{
    for (TProjectEntry &entry : manager.Entries)
        rebase.rebase(entry.FileName);
}

bool SaveProjectRebased(TProjectContainer &project, const QString &fileName)
{
    const QString oldFileName = project.FileName;
    const bool wasModified = project.Modified;
    PathRebase rebase(oldFileName, fileName);
    RebaseProjectPaths(project, rebase);
    if (project.SaveToFile(fileName))
        return true;
    rebase.restore();
    // The write made the disks and CopyFiles sections from the moved folders.
    project.RebuildCopyFilesSections();
    project.FileName = oldFileName;
    project.Modified = wasModified;
    return false;
}

bool SaveManagerRebased(TProjectManager &manager, const QString &fileName)
{
    const QString oldFileName = manager.FileName;
    const bool wasModified = manager.Modified;
    PathRebase rebase(oldFileName, fileName);
    RebaseManagerEntries(manager, rebase);
    if (manager.SaveToFile(fileName))
        return true;
    rebase.restore();
    manager.FileName = oldFileName;
    manager.Modified = wasModified;
    return false;
}

} // namespace talmo
