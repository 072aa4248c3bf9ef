#include "model/WizardProject.h"

#include "helpers/core/PathFolders.h"
#include "helpers/core/PathHelpers.h"
#include "model/PathMacros.h"
#include "model/ProjectContainer.h"
#include "model/SetupCatalogueFolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <exception>

namespace talmo {

namespace {

bool EndsWithSeparator(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'));
}

QString NameOnly(const QString &fileName)
{
    return fileName.mid(ExtractFileFolder(fileName).size());
}

QString WithoutQuotes(QString text)
{
    return text.remove(QLatin1Char('"'));
}

QString WithoutExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

// One disk of the first configuration per folder of the chosen files, in the
// order the folders first appear, each holding its folder's file names.
void AddDisks(TCEDevice &device, const QList<WizardFile> &files)
{
    QStringList folders;
    for (const WizardFile &file : files) {
        const QString folder = ExtractFileFolder(file.FileName);
        qsizetype index = folders.indexOf(folder);
        if (index < 0) {
            index = folders.size();
            folders.append(folder);
            TDisk &disk = device.Disks.AddNew();
            disk.disk_id = int(index) + 1;
            disk.comment = QStringLiteral("Created by Wizard - Directory ") + QString::number(index);
            disk.path = folder;
        }
        device.Disks[int(index)].Files.AddNew().Source = NameOnly(file.FileName);
    }
}

void AddCopyFilesSections(TProjectContainer &project)
{
    TCEDevice &device = project.CEDevices[0];
    for (int diskIndex = 0; diskIndex < device.Disks.Count(); ++diskIndex) {
        TCopyFilesSection &section = project.CopyFilesSections.AddNew();
        section.Caption = QStringLiteral("Wizard-") + QString::number(diskIndex);
        section.linked_SourceName = 0;
        section.linked_SourceDisk = diskIndex;
        section.Destination = QStringLiteral("%InstallDir%");
        for (const TFile &diskFile : device.Disks[diskIndex].Files) {
            TFile &file = section.Files.AddNew();
            file.Source = file.Destination = diskFile.Source;
        }
        device.Installation.defaultInstallCopyFiles.append(section.Caption);
    }
}

// The first target's own shortcut section, the one its shortcuts tab shows
// and edits: the last section named by its first shortcut-section name. A
// target naming none gets the wizard's section as its only one.
TShortcutSection &FirstTargetShortcutSection(TProjectContainer &project)
{
    QStringList &names = project.CEDevices[0].Installation.defaultInstallShortcuts;
    for (int i = project.ShortcutsSections.Count() - 1; i >= 0 && !names.isEmpty(); --i) {
        if (project.ShortcutsSections[i].Caption == names.first())
            return project.ShortcutsSections[i];
    }
    TShortcutSection &section = project.ShortcutsSections.AddNew();
    section.Caption = WizardProject::ShortcutSectionCaption;
    section.DefaultDestinationDir = TShortcutSection::DefaultFolder;
    names = QStringList{section.Caption};
    return section;
}

void AddShortcuts(TProjectContainer &project, const QList<WizardFile> &files)
{
    const bool anyChecked = std::any_of(files.begin(), files.end(), [](const WizardFile &file) { return file.Checked; });
    if (!anyChecked)
        return;
    TShortcutSection &section = FirstTargetShortcutSection(project);
    for (const WizardFile &file : files) {
        if (!file.Checked)
            continue;
        const QString name = NameOnly(file.FileName);
        TShortcutEntry &shortcut = section.Entries.AddNew();
        shortcut.shortcut_filename = WithoutExtension(name);
        shortcut.shortcut_type_flag = 0;
        shortcut.target_file_path = name;
        shortcut.standard_destination_path = TShortcutSection::DefaultFolder;
    }
}

void Configure(TProjectContainer &project, const WizardAnswers &answers)
{
    project.CreateNewProject();
    project.SetProvider(answers.Provider);
    project.SetInstallDir(answers.InstallDir);
    project.SetAppName(answers.ApplicationName);
    TStringPair &creator = project.StringPairs.AddNew();
    creator.Name = WizardProject::CreatorName;
    creator.Value = WizardProject::CreatorValue;
    AddDisks(project.CEDevices[0], answers.Files);
    AddCopyFilesSections(project);
    AddShortcuts(project, answers.Files);
    project.SetAppName(answers.ApplicationName);
    project.SetSetupExecName(answers.ApplicationName + QStringLiteral(".exe"));
    project.SetDescription(answers.Description);

    TLanguage &language = project.Languages.AddNew();
    language.LanguageID =
        SetupCatalogue::current().SetupLanguageNames.value(0, BuiltinSetupLanguageNames().constFirst());
    language.ReadmeFile = WithoutQuotes(answers.ReadmeFile);
    language.EULAFile = WithoutQuotes(answers.EulaFile);

    project.BuildDeviceFileLists();
    project.RebuildCopyFilesSections();
    project.SetFileName(WizardProject::ProjectFileName(answers));
}

} // namespace

QString WizardProject::ReplaceFileQuestion(const QString &fileName)
{
    return QStringLiteral("The project file \"%1\" already exists. Do you want to replace it?").arg(fileName);
}

QString WizardProject::DefaultBaseDir(const QString &applicationName)
{
    return GetMyDocumentsFolder() + QStringLiteral("/Talmo Projects/") + applicationName;
}

QString WizardProject::ProjectFileName(const WizardAnswers &answers)
{
    QString folder = answers.BaseDir;
    if (!EndsWithSeparator(folder))
        folder += QLatin1Char('/');
    return folder + answers.ApplicationName + QStringLiteral(".talmo");
}

QString WizardProject::InterpretedInstallDir(const TProjectContainer &project, const QString &installDir,
                                             const QString &applicationName)
{
    QString text = installDir;
    text.replace(QStringLiteral("%AppName%"), applicationName, Qt::CaseInsensitive);
    return ExpandPathMacros(project, text, true, true);
}

QString WizardProject::PreviewHtml(const TProjectContainer &project, const QString &installDir,
                                   const QString &applicationName)
{
    return QStringLiteral("[ Interpreted: <b>")
        + InterpretedInstallDir(project, installDir, applicationName).toHtmlEscaped() + QStringLiteral("</b> ]");
}

WizardProjectOutcome WizardProject::PrepareFolder(const WizardAnswers &answers, const WizardQuestion &askYesNo)
{
    const QString folder = ToHostPath(answers.BaseDir);
    if (QFileInfo(folder).isDir())
        return {};
    if (!askYesNo(MissingFolderQuestion))
        return { WizardProjectOutcome::Declined, {} };
    if (!QDir().mkpath(folder))
        return { WizardProjectOutcome::Failed, FolderErrorMessage };
    return {};
}

WizardProjectOutcome WizardProject::Create(TProjectContainer &project, const WizardAnswers &answers,
                                           const WizardQuestion &askYesNo)
{
    const QString fileName = ProjectFileName(answers);
    if (!QFileInfo(ToHostPath(answers.BaseDir)).isDir()) {
        const WizardProjectOutcome folder = PrepareFolder(answers, askYesNo);
        if (folder.kind != WizardProjectOutcome::Created)
            return folder;
    } else if (QFileInfo::exists(ToHostPath(fileName)) && !askYesNo(ReplaceFileQuestion(fileName))) {
        return { WizardProjectOutcome::Declined, {} };
    }
    try {
        Configure(project, answers);
    } catch (const std::exception &) {
        return { WizardProjectOutcome::Failed, ConfigureErrorMessage };
    }
    return { WizardProjectOutcome::Created, {} };
}

} // namespace talmo
