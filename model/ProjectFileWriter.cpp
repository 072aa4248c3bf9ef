#include "model/ProjectFileWriter.h"

#include "model/ProjectContainer.h"
#include "model/ProjectFileEncoding.h"
#include "model/Win32EntryFields.h"
#include "model/XmlDocumentFile.h"

#include <exception>

namespace talmo {

namespace {

template <typename T>
int itemCount(const OwningList<T> &list)
{
    return list.Count();
}

int itemCount(const QStringList &list)
{
    return int(list.size());
}

// Appends children to one element, each value in its file encoding.
class Writer
{
public:
    explicit Writer(XmlElement &element) : m_element(element) {}

    void text(const QString &name, const QString &value) { m_element.appendChild(name, value); }
    void boolean(const QString &name, bool value) { text(name, EncodeBoolean(value)); }
    void integer(const QString &name, int value) { text(name, EncodeInteger(value)); }
    void commaText(const QString &name, const QStringList &value) { text(name, EncodeCommaText(value)); }
    void lines(const QString &name, const QStringList &value) { text(name, EncodeLines(value)); }
    void count(int value) { integer(QStringLiteral("count"), value); }
    void setText(const QString &value) { m_element.setText(value); }
    Writer child(const QString &name) { return Writer(m_element.appendChild(name)); }

    // The items, named prefix + index; a counted list puts its count first.
    template <typename List, typename WriteItem>
    void plainList(const QString &prefix, const List &list, WriteItem writeItem)
    {
        int index = 0;
        for (const auto &item : list) {
            Writer itemWriter = child(prefix + QString::number(index++));
            writeItem(itemWriter, item);
        }
    }
    template <typename List, typename WriteItem>
    void countedList(const QString &prefix, const List &list, WriteItem writeItem)
    {
        count(itemCount(list));
        plainList(prefix, list, writeItem);
    }
    // A counted list of bare texts.
    void countedTexts(const QString &prefix, const QStringList &items)
    {
        count(itemCount(items));
        int index = 0;
        for (const QString &item : items)
            text(prefix + QString::number(index++), item);
    }

private:
    XmlElement &m_element;
};

void writeModuleFlags(Writer &w, const TInstallModule &module)
{
    w.boolean(QStringLiteral("FlagFixed"), module.FlagFixed);
    w.commaText(QStringLiteral("InstallTypes"), module.InstallTypes);
    w.boolean(QStringLiteral("HiddenInstall"), module.HiddenInstall);
    w.commaText(QStringLiteral("Languages"), module.Languages);
}

template <typename Entry, std::size_t N>
void writeEntry(Writer &w, const Entry &entry, const std::array<EntryField<Entry>, N> &fields)
{
    for (const EntryField<Entry> &field : fields) {
        const QString name = QLatin1String(field.name);
        if (field.text)
            w.text(name, entry.*field.text);
        else if (field.integer)
            w.integer(name, entry.*field.integer);
        else
            w.boolean(name, entry.*field.flag);
    }
}

template <typename Entry, std::size_t N>
auto entryWriter(const std::array<EntryField<Entry>, N> &fields)
{
    return [&fields](Writer &w, const Entry &entry) { writeEntry(w, entry, fields); };
}

void writeWin32Plugin(Writer &w, const TWin32Plugin &m)
{
    w.text(QStringLiteral("Caption"), m.Caption);
    w.boolean(QStringLiteral("FlagFixed"), m.FlagFixed);
    w.commaText(QStringLiteral("Languages"), m.Languages);
    w.commaText(QStringLiteral("Dirs"), m.Dirs);
    w.commaText(QStringLiteral("InstallTypes"), m.InstallTypes);
    w.boolean(QStringLiteral("HiddenInstall"), m.HiddenInstall);
    const QString deleteEntry = QStringLiteral("DeleteEntry-");
    const QString runEntry = QStringLiteral("RunEntry-");
    w.child(QStringLiteral("FileEntries")).plainList(QStringLiteral("FileEntry-"), m.FileEntries, entryWriter(Win32FileEntryFields));
    w.child(QStringLiteral("RegistryEntries")).plainList(QStringLiteral("RegistryEntry-"), m.RegistryEntries, entryWriter(Win32RegistryEntryFields));
    w.child(QStringLiteral("IconEntries")).plainList(QStringLiteral("IconEntry-"), m.IconEntries, entryWriter(Win32IconEntryFields));
    w.child(QStringLiteral("InstallDeleteEntries")).plainList(deleteEntry, m.InstallDeleteEntries, entryWriter(Win32DeleteEntryFields));
    w.child(QStringLiteral("UninstallDeleteEntries")).plainList(deleteEntry, m.UninstallDeleteEntries, entryWriter(Win32DeleteEntryFields));
    w.child(QStringLiteral("InstallRunEntries")).plainList(runEntry, m.InstallRunEntries, entryWriter(Win32RunEntryFields));
    w.child(QStringLiteral("UninstallRunEntries")).plainList(runEntry, m.UninstallRunEntries, entryWriter(Win32RunEntryFields));
}

void writePalmSection(Writer &w, const TPalmSection &m)
{
    w.text(QStringLiteral("Caption"), m.Caption);
    writeModuleFlags(w, m);
    w.child(QStringLiteral("FileEntries")).plainList(QStringLiteral("FileEntry-"), m.Files,
        [](Writer &file, const TFile &f) { file.text(QStringLiteral("Source"), f.Source); });
}

void writeDirectCopyModule(Writer &w, const TDirectCopyModule &m)
{
    w.text(QStringLiteral("Caption"), m.Caption);
    writeModuleFlags(w, m);
    w.text(QStringLiteral("DefaultInstallLocation"), m.DefaultInstallLocation);
    w.boolean(QStringLiteral("UserCanChangeInstallRoot"), m.UserCanChangeInstallRoot);
    w.boolean(QStringLiteral("UserCanUpdateInstall"), m.UserCanUpdateInstall);
    w.boolean(QStringLiteral("UserMustSelectInstallLocation"), m.UserMustSelectInstallLocation);
    w.boolean(QStringLiteral("InstallLocationRootIsSDCard"), m.InstallLocationRootIsSDCard);
    w.child(QStringLiteral("FileEntries")).plainList(QStringLiteral("FileEntry-"), m.Files,
        [](Writer &file, const TFile &f) {
            file.text(QStringLiteral("Source"), f.Source);
            file.text(QStringLiteral("Destination"), f.Destination);
        });
}

void writeExecUnit(Writer &w, const TFormCodeExecutionUnit &u)
{
    w.text(QStringLiteral("Object"), u.Object);
    w.integer(QStringLiteral("linkTo"), u.linkTo);
    w.text(QStringLiteral("Event"), u.Event);
    w.lines(QStringLiteral("Code"), u.Code);
    w.text(QStringLiteral("eventNameInCode"), u.eventNameInCode);
    w.lines(QStringLiteral("defCode"), u.defCode);
    w.boolean(QStringLiteral("Enabled"), u.Enabled);
    w.text(QStringLiteral("ShortHelp"), u.ShortHelp);
}

void writeCustomForm(Writer &w, const TCustomForm &page)
{
    w.text(QStringLiteral("Caption"), page.Caption);
    w.text(QStringLiteral("Description"), page.Description);
    w.text(QStringLiteral("Name"), page.Name);
    w.boolean(QStringLiteral("Enabled"), page.Enabled);
    w.lines(QStringLiteral("Data"), page.Data);
    w.integer(QStringLiteral("CreationOrder"), page.CreationOrder);
    w.child(QStringLiteral("ExecUnits")).plainList(QStringLiteral("ExecUnit-"), page.ExecUnits, writeExecUnit);
}

void writeLanguage(Writer &w, const TLanguage &l)
{
    w.text(QStringLiteral("LanguageID"), l.LanguageID);
    w.text(QStringLiteral("ReadmeFile"), l.ReadmeFile);
    w.text(QStringLiteral("EULAFile"), l.EULAFile);
    w.text(QStringLiteral("InfoAfterFile"), l.InfoAfterFile);
}

void writePlatform(Writer &w, const TPlatform &p)
{
    w.text(QStringLiteral("PlatformName"), p.PlatformName);
    w.text(QStringLiteral("PlatformString"), p.PlatformString);
    w.text(QStringLiteral("PlatformMin"), p.PlatformMin);
    w.text(QStringLiteral("PlatformMax"), p.PlatformMax);
}

void writePluginContainer(Writer &w, const TPluginContainer &c)
{
    w.text(QStringLiteral("Caption"), c.Caption);
    w.text(QStringLiteral("someOldCaption"), c.someOldCaption);
    w.text(QStringLiteral("Type"), c.Type);
    writeModuleFlags(w, c);
    // Platforms, processors and CAB files sit directly in their owner.
    w.countedList(QStringLiteral("platform_"), c.Platforms, [](Writer &platform, const TPluginPlatform &p) {
        platform.text(QStringLiteral("Caption"), p.Caption);
        platform.boolean(QStringLiteral("Checked"), p.Checked);
        platform.countedList(QStringLiteral("processor_"), p.Processors, [](Writer &processor, const TPluginProcessor &q) {
            processor.text(QStringLiteral("Caption"), q.Caption);
            processor.boolean(QStringLiteral("Checked"), q.Checked);
            processor.countedList(QStringLiteral("cab_files_"), q.Files, [](Writer &cab, const TFile &f) {
                cab.text(QStringLiteral("Caption"), f.Source);
            });
        });
    });
}

void writeCEDevice(Writer &w, const TCEDevice &d)
{
    w.text(QStringLiteral("Caption"), d.Caption);
    w.text(QStringLiteral("ProcessorType"), d.ProcessorType);
    w.text(QStringLiteral("UnsupportedPlatforms"), d.UnsupportedPlatforms);
    w.text(QStringLiteral("VersionMin"), d.VersionMin);
    w.text(QStringLiteral("VersionMax"), d.VersionMax);
    w.integer(QStringLiteral("BuildMax"), d.BuildMax);
}

void writeSourceDisksNames(Writer &w, const TCEDevices &devices)
{
    w.countedList(QStringLiteral("SourceDisksName_"), devices, [index = 0](Writer &item, const TCEDevice &d) mutable {
        item.text(QStringLiteral("Caption"), QStringLiteral("SourceDisksName_") + QString::number(index++));
        item.child(QStringLiteral("Disks")).countedList(QStringLiteral("Disk_"), d.Disks, [](Writer &disk, const TDisk &k) {
            disk.integer(QStringLiteral("disk_id"), k.disk_id);
            disk.text(QStringLiteral("comment"), k.comment);
            disk.text(QStringLiteral("path"), k.path);
            disk.child(QStringLiteral("Files")).countedList(QStringLiteral("File_"), k.Files, [](Writer &file, const TFile &f) {
                file.setText(f.Source);
            });
        });
    });
}

void writeCopyFilesSection(Writer &w, const TCopyFilesSection &s)
{
    w.text(QStringLiteral("Caption"), s.Caption);
    w.text(QStringLiteral("Destination"), s.Destination);
    w.integer(QStringLiteral("linked_SourceName"), s.linked_SourceName);
    w.integer(QStringLiteral("linked_SourceDisk"), s.linked_SourceDisk);
    w.child(QStringLiteral("includedFiles")).countedList(QStringLiteral("file_"), s.Files, [](Writer &file, const TFile &f) {
        file.text(QStringLiteral("source"), f.Source);
        file.text(QStringLiteral("destination"), f.Destination);
        file.integer(QStringLiteral("attributes"), f.Attributes);
    });
}

void writeCabCollection(Writer &w, const TCabCollection &c)
{
    w.text(QStringLiteral("Caption"), c.Caption);
    writeModuleFlags(w, c);
    w.child(QStringLiteral("includedFiles")).countedList(QStringLiteral("file_"), c.Files, [](Writer &file, const TFile &f) {
        file.text(QStringLiteral("source"), f.Source);
    });
}

void writeDefaultInstall(Writer &w, const TCEDevices &devices)
{
    w.countedList(QStringLiteral("DefaultInstall_"), devices, [index = 0](Writer &item, const TCEDevice &d) mutable {
        const TInstallation &installation = d.Installation;
        item.text(QStringLiteral("Caption"), QStringLiteral("DefaultInstall_") + QString::number(index++));
        item.text(QStringLiteral("CESelfRegister"), installation.CESelfRegister);
        item.text(QStringLiteral("CESetupDLL"), installation.CESetupDLL);
        item.child(QStringLiteral("defaultInstallCopyFiles")).countedTexts(QStringLiteral("defaultInstallCopyFile_"), installation.defaultInstallCopyFiles);
        item.child(QStringLiteral("defaultInstallShortcuts")).countedTexts(QStringLiteral("defaultInstallShortcut_"), installation.defaultInstallShortcuts);
        item.child(QStringLiteral("defaultInstallRegistry")).countedTexts(QStringLiteral("registry_"), installation.defaultInstallRegistry);
    });
}

void writeShortcutSection(Writer &w, const TShortcutSection &s)
{
    w.text(QStringLiteral("DefaultDestinationDir"), s.DefaultDestinationDir);
    w.text(QStringLiteral("Caption"), s.Caption);
    w.child(QStringLiteral("shortcutEntries")).countedList(QStringLiteral("shortcutEntry_"), s.Entries, [](Writer &entry, const TShortcutEntry &e) {
        entry.text(QStringLiteral("shortcut_filename"), e.shortcut_filename);
        entry.integer(QStringLiteral("shortcut_type_flag"), e.shortcut_type_flag);
        entry.text(QStringLiteral("target_file_path"), e.target_file_path);
        entry.text(QStringLiteral("standard_destination_path"), e.standard_destination_path);
        entry.text(QStringLiteral("CustomIconFileName"), e.CustomIconFileName);
        entry.text(QStringLiteral("CustomIconIndex"), e.CustomIconIndex);
        entry.text(QStringLiteral("CustomParameters"), e.CustomParameters);
        entry.text(QStringLiteral("CustomIconIndexType"), e.CustomIconIndexType);
    });
}

void writeRegistrySection(Writer &w, const TRegistrySection &s)
{
    w.text(QStringLiteral("Caption"), s.Caption);
    w.child(QStringLiteral("registryEntries")).countedList(QStringLiteral("registryEntry_"), s.Entries, [](Writer &entry, const TRegistryEntry &e) {
        entry.text(QStringLiteral("registry_root_string"), e.registry_root_string);
        entry.text(QStringLiteral("subkey"), e.subkey);
        entry.text(QStringLiteral("value_name"), e.value_name);
        entry.text(QStringLiteral("flags"), e.flags);
        entry.text(QStringLiteral("value"), e.value);
        entry.boolean(QStringLiteral("overwrite"), e.overwrite);
    });
}

void writeInstallComponent(Writer &w, const TInstallComponent &c)
{
    w.integer(QStringLiteral("moduleType"), c.moduleType);
    w.integer(QStringLiteral("moduleIndex"), c.moduleIndex);
    w.text(QStringLiteral("moduleName"), c.moduleName);
    w.commaText(QStringLiteral("InstallTypes"), c.InstallTypes);
    w.commaText(QStringLiteral("Languages"), c.Languages);
    w.integer(QStringLiteral("parentIndex"), c.parentIndex);
    w.boolean(QStringLiteral("FlagFixed"), c.GetFlagFixed());
    w.boolean(QStringLiteral("FlagCheckableaAlone"), c.FlagCheckableaAlone);
    w.boolean(QStringLiteral("FlagDontInheritCheck"), c.FlagDontInheritCheck);
    w.boolean(QStringLiteral("FlagExclusive"), c.FlagExclusive);
    w.boolean(QStringLiteral("FlagRestart"), c.FlagRestart);
    w.boolean(QStringLiteral("FlagDisableNoUninstallWarning"), c.FlagDisableNoUninstallWarning);
    // A module container keeps its Hidden flag only here; for the other
    // components it repeats the flag written with their module.
    w.boolean(QStringLiteral("HiddenInstall"), c.GetHiddenInstall());
}

void writeSettings(Writer &w, const TProjectContainer &p)
{
    w.commaText(QStringLiteral("InstallTypes"), p.InstallTypes);
    w.commaText(QStringLiteral("InstallTypesDescriptions"), p.InstallTypesDescriptions);
    w.integer(QStringLiteral("InstallTypesIsCustom"), p.InstallTypesIsCustom);
    w.text(QStringLiteral("Signature"), p.Signature);
    w.text(QStringLiteral("CESignature"), p.CESignature);
    w.text(QStringLiteral("Provider"), p.Provider);
    w.text(QStringLiteral("AppName"), p.AppName);
    w.text(QStringLiteral("InstallDir"), p.InstallDir);
    w.text(QStringLiteral("PublisherWebSite"), p.PublisherWebSite);
    w.text(QStringLiteral("VersionInfoCompany"), p.VersionInfoCompany);
    w.text(QStringLiteral("SetupIconFile"), p.SetupIconFile);
    w.boolean(QStringLiteral("CreateCABIcons"), p.CreateCABIcons);
    w.boolean(QStringLiteral("CreateCABIconsEnabledForHidden"), p.CreateCABIconsEnabledForHidden);
    w.text(QStringLiteral("VersionInfoCopyright"), p.VersionInfoCopyright);
    w.text(QStringLiteral("VersionInfoDescription"), p.VersionInfoDescription);
    w.text(QStringLiteral("VersionInfoVersion"), p.VersionInfoVersion);
    w.integer(QStringLiteral("DefaultBuildMode"), p.DefaultBuildMode);
    w.boolean(QStringLiteral("BuildCabsFirst"), p.BuildCabsFirst);
    w.text(QStringLiteral("builderDefaultDirName"), p.BuilderDefaultDirName);
    w.text(QStringLiteral("builderWizardImageBackColor"), p.BuilderWizardImageBackColor);
    w.text(QStringLiteral("builderWizardImageFile"), p.BuilderWizardImageFile);
    w.text(QStringLiteral("builderWizardImageStretch"), p.BuilderWizardImageStretch);
    w.text(QStringLiteral("builderWizardSmallImageFile"), p.BuilderWizardSmallImageFile);
    w.text(QStringLiteral("IconFile"), p.IconFile);
    w.integer(QStringLiteral("ProjectVersion"), p.ProjectVersion);
    w.boolean(QStringLiteral("CompressCab"), p.CompressCab);
    w.boolean(QStringLiteral("ShowWelcomePage"), p.ShowWelcomePage);
    w.boolean(QStringLiteral("CreateUninstallRegKey"), p.CreateUninstallRegKey);
    w.boolean(QStringLiteral("UpdateUninstallLogAppName"), p.UpdateUninstallLogAppName);
    w.boolean(QStringLiteral("DCMRequired"), p.DCMRequired);
    w.text(QStringLiteral("SetupCaption"), p.SetupCaption);
    w.text(QStringLiteral("CAB_Output_Filename"), p.CABOutputFilename);
    w.boolean(QStringLiteral("Win32Only"), p.Win32Only);
    w.boolean(QStringLiteral("ShowComponentsDialog"), p.ShowComponentsDialog);
    w.text(QStringLiteral("Win32AppName"), p.Win32AppName);
    w.text(QStringLiteral("Win32Version"), p.Win32Version);
    w.text(QStringLiteral("BeaveledLabelText"), p.BeaveledLabelText);
    w.text(QStringLiteral("URL"), p.URL);
    w.text(QStringLiteral("URLText"), p.URLText);
    w.text(QStringLiteral("AboutText"), p.AboutText);
    w.text(QStringLiteral("WelcomeMessage"), p.WelcomeMessage);
    w.text(QStringLiteral("SplashScreen_Image"), p.SplashScreenImage);
    w.integer(QStringLiteral("SplashScreen_Time"), p.SplashScreenTime);
    w.integer(QStringLiteral("SplashScreen_Width"), p.SplashScreenWidth);
    w.integer(QStringLiteral("SplashScreen_Height"), p.SplashScreenHeight);
    w.integer(QStringLiteral("SplashScreen_Corners"), p.SplashScreenCorners);
    w.text(QStringLiteral("AppID"), p.AppID);
    for (int i = 0; i < int(p.StandardForms.size()); ++i)
        w.boolean(QStringLiteral("StandardForm") + QString::number(i), p.StandardForms[std::size_t(i)]);
    w.lines(QStringLiteral("CommonCode"), p.CommonCode);
    w.boolean(QStringLiteral("CabCreatorModule_FlagFixed"), p.CabCreatorModuleFlagFixed);
    w.commaText(QStringLiteral("CabCreatorModule_Languages"), p.CabCreatorModuleLanguages);
    w.commaText(QStringLiteral("CabCreatorModule_InstallTypes"), p.CabCreatorModuleInstallTypes);
    w.boolean(QStringLiteral("CabCreatorModule_HiddenInstall"), p.CabCreatorModuleHiddenInstall);
    w.boolean(QStringLiteral("Uninstallable"), p.Uninstallable);
    w.boolean(QStringLiteral("WaitBetweenCabs"), p.WaitBetweenCabs);
    w.boolean(QStringLiteral("AlwaysShowComponentsList"), p.AlwaysShowComponentsList);
    w.boolean(QStringLiteral("SkinCrafterSupport"), p.SkinCrafterSupport);
    w.text(QStringLiteral("SkinName"), p.SkinName);
    w.text(QStringLiteral("SkinCrafterSkinFileName"), p.SkinCrafterSkinFileName);
    w.boolean(QStringLiteral("UserInfoPage"), p.UserInfoPage);
    w.text(QStringLiteral("DefaultUserInfoOrg"), p.DefaultUserInfoOrg);
    w.text(QStringLiteral("DefaultUserInfoName"), p.DefaultUserInfoName);
    w.text(QStringLiteral("DefaultUserInfoSerial"), p.DefaultUserInfoSerial);
}

void writeLists(Writer &w, const TProjectContainer &p)
{
    Writer strings = w.child(QStringLiteral("Strings"));
    strings.count(p.StringPairs.Count());
    for (const TStringPair &pair : p.StringPairs)
        strings.text(pair.Name, pair.Value);

    w.child(QStringLiteral("Win32Plugins")).plainList(QStringLiteral("Win32Plugin-"), p.Win32Plugins, writeWin32Plugin);
    w.child(QStringLiteral("PalmSections")).plainList(QStringLiteral("PalmSection-"), p.PalmSections, writePalmSection);
    w.child(QStringLiteral("DirectCopySections")).plainList(QStringLiteral("DirectCopySection-"), p.DirectCopyModules, writeDirectCopyModule);
    w.child(QStringLiteral("CustomForms")).plainList(QStringLiteral("CustomForm-"), p.CustomForms, writeCustomForm);
    w.child(QStringLiteral("Languages")).countedList(QStringLiteral("lang-"), p.Languages, writeLanguage);
    w.child(QStringLiteral("Platforms")).countedList(QStringLiteral("platform-"), p.Platforms, writePlatform);
    w.child(QStringLiteral("PluginContainers")).countedList(QStringLiteral("container-"), p.PluginContainers, writePluginContainer);
    w.child(QStringLiteral("CEDevices")).countedList(QStringLiteral("CEDevice_"), p.CEDevices, writeCEDevice);
    Writer sourceDisks = w.child(QStringLiteral("SourceDisksNames"));
    writeSourceDisksNames(sourceDisks, p.CEDevices);
    w.child(QStringLiteral("Copyfiles")).countedList(QStringLiteral("Copyfiles_"), p.CopyFilesSections, writeCopyFilesSection);
    w.child(QStringLiteral("CabCollections")).countedList(QStringLiteral("CabCollections_"), p.CabCollections, writeCabCollection);
    Writer defaultInstall = w.child(QStringLiteral("DefaultInstall"));
    writeDefaultInstall(defaultInstall, p.CEDevices);
    w.child(QStringLiteral("Shortcuts")).countedList(QStringLiteral("shortcutSection_"), p.ShortcutsSections, writeShortcutSection);
    w.child(QStringLiteral("Registry")).countedList(QStringLiteral("registrySection_"), p.RegistrySections, writeRegistrySection);
    w.child(QStringLiteral("InstallComponents")).plainList(QStringLiteral("InstallComponent-"), p.InstallComponents, writeInstallComponent);
}

bool saveNormalised(TProjectContainer &project, const QString &fileName,
                    const std::function<bool(const XmlElement &)> &write)
{
    try {
        project.RebuildCopyFilesSections();
        project.TrimCodeLines();
        const std::unique_ptr<XmlElement> document = ProjectFileWriter::BuildDocument(project);
        if (!write(*document))
            return false;
    } catch (const std::exception &) {
        return false;
    }
    project.SetFileName(fileName);
    project.Modified = false;
    return true;
}

} // namespace

std::unique_ptr<XmlElement> ProjectFileWriter::BuildDocument(const TProjectContainer &project)
{
    auto root = std::make_unique<XmlElement>(QStringLiteral("Talmo_Details"));
    Writer w(*root);
    writeSettings(w, project);
    writeLists(w, project);
    w.text(QStringLiteral("output_path"), project.OutputPath);
    w.text(QStringLiteral("setup_exec_name"), project.SetupExecName);
    w.text(QStringLiteral("description"), project.Description);
    w.text(QStringLiteral("version"), QStringLiteral("1.0"));
    return root;
}

bool ProjectFileWriter::SaveToFile(TProjectContainer &project, const QString &fileName)
{
    return saveNormalised(project, fileName, [&fileName](const XmlElement &document) {
        return XmlDocumentFile::Write(document, fileName);
    });
}

bool ProjectFileWriter::SaveToStream(TProjectContainer &project, const QString &fileName, QIODevice &stream)
{
    return saveNormalised(project, fileName, [&stream](const XmlElement &document) {
        return XmlDocumentFile::Write(document, stream);
    });
}

} // namespace talmo
