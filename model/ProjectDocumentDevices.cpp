// Reading the device side, the custom strings, the platforms and the languages.
#include "model/ProjectDocumentReader.h"

#include "model/ProjectContainer.h"
#include "model/ProjectFileElements.h"

namespace talmo {

using namespace FileElements;

namespace {

// Item i of a list that runs parallel to the configurations.
TCEDevice &deviceAt(TCEDevices &devices, int index)
{
    if (index >= devices.Count())
        throw ProjectFileReadError(QStringLiteral("No device configuration %1").arg(index));
    return devices[index];
}

void appendTexts(const XmlElement &list, QStringList &texts)
{
    ForEachByCount(list, [&](const XmlElement &item) { texts.append(TextOf(item)); });
}

} // namespace

void ProjectDocumentReader::readStrings()
{
    ForEachAfterCount(top(QStringLiteral("Strings")), [&](const XmlElement &item) {
        TStringPair &pair = m_project.StringPairs.AddNew();
        pair.Name = item.name();
        pair.Value = TextOf(item);
    });
}

void ProjectDocumentReader::readPlatforms()
{
    guarded(
        [&] {
            ForEachAfterCount(top(QStringLiteral("Platforms")), [&](const XmlElement &item) {
                TPlatform &platform = m_project.Platforms.AddNew();
                platform.PlatformName = OptionalText(item, QStringLiteral("PlatformName"));
                platform.PlatformString = OptionalText(item, QStringLiteral("PlatformString"));
                platform.PlatformMin = OptionalText(item, QStringLiteral("PlatformMin"));
                platform.PlatformMax = OptionalText(item, QStringLiteral("PlatformMax"));
            });
        },
        [&] { m_project.Platforms.Clear(); });
}

void ProjectDocumentReader::readLanguages()
{
    guarded(
        [&] {
            ForEachAfterCount(top(QStringLiteral("Languages")), [&](const XmlElement &item) {
                TLanguage &language = m_project.Languages.AddNew();
                language.LanguageID = OptionalText(item, QStringLiteral("LanguageID"));
                language.ReadmeFile = OptionalText(item, QStringLiteral("ReadmeFile"));
                language.EULAFile = OptionalText(item, QStringLiteral("EULAFile"));
                guarded([&] { language.InfoAfterFile = OptionalText(item, QStringLiteral("InfoAfterFile")); },
                        [&] { language.InfoAfterFile.clear(); });
            });
        },
        [&] { m_project.Languages.Clear(); });
}

void ProjectDocumentReader::readLegacyLanguageFiles()
{
    TProjectContainer &p = m_project;
    p.LegacyEulaFile.clear();
    p.LegacyReadmeFile.clear();
    guarded(
        [&] {
            p.LegacyEulaFile = TextOf(top(QStringLiteral("eula_file")));
            p.LegacyReadmeFile = TextOf(top(QStringLiteral("readme_file")));
        },
        [&] {
            p.LegacyEulaFile.clear();
            p.LegacyReadmeFile.clear();
        });
    if (p.LegacyEulaFile.isEmpty() || p.LegacyReadmeFile.isEmpty())
        return;
    const QString english = QStringLiteral("English");
    for (const TLanguage &language : p.Languages) {
        if (language.LanguageID == english)
            return;
    }
    TLanguage &language = p.Languages.AddNew();
    language.LanguageID = english;
    language.ReadmeFile = p.LegacyReadmeFile;
    language.EULAFile = p.LegacyEulaFile;
}

void ProjectDocumentReader::readCEDevices()
{
    ForEachAfterCount(top(QStringLiteral("CEDevices")), [&](const XmlElement &item) {
        TCEDevice &device = m_project.CEDevices.AddNew();
        device.Caption = OptionalText(item, QStringLiteral("Caption"));
        device.ProcessorType = OptionalText(item, QStringLiteral("ProcessorType"));
        device.UnsupportedPlatforms = OptionalText(item, QStringLiteral("UnsupportedPlatforms"));
        device.VersionMin = OptionalText(item, QStringLiteral("VersionMin"));
        device.VersionMax = OptionalText(item, QStringLiteral("VersionMax"));
        const QString buildMax = OptionalText(item, QStringLiteral("BuildMax"));
        if (!buildMax.isEmpty())
            device.BuildMax = DecodeIntegerOrFail(buildMax, QStringLiteral("BuildMax"));
    });
}

void ProjectDocumentReader::readSourceDisksNames()
{
    int index = 0;
    ForEachByCount(top(QStringLiteral("SourceDisksNames")), [&](const XmlElement &item) {
        TCEDevice &device = deviceAt(m_project.CEDevices, index++);
        (void)OptionalText(item, QStringLiteral("Caption"));
        ForEachByCount(Required(item, QStringLiteral("Disks")), [&](const XmlElement &diskItem) {
            TDisk &disk = device.Disks.AddNew();
            disk.disk_id = OptionalInteger(diskItem, QStringLiteral("disk_id"));
            disk.comment = OptionalText(diskItem, QStringLiteral("comment"));
            disk.path = OptionalText(diskItem, QStringLiteral("path"));
            ForEachByCount(Required(diskItem, QStringLiteral("Files")), [&](const XmlElement &file) {
                disk.Files.AddNew().Source = TextOf(file);
            });
        });
    });
}

void ProjectDocumentReader::readCabCollections()
{
    guarded(
        [&] {
            ForEachByCount(top(QStringLiteral("CabCollections")), [&](const XmlElement &item) {
                TCabCollection &c = m_project.CabCollections.AddNew();
                c.Caption = OptionalText(item, QStringLiteral("Caption"));
                // Older files spelled the languages with a small l and kept
                // the fixed flag as the word "fixed".
                guarded([&] { c.Languages = OptionalCommaText(item, QStringLiteral("Languages")); },
                        [&] { c.Languages.clear(); });
                if (c.Languages.isEmpty()) {
                    guarded([&] { c.Languages = OptionalCommaText(item, QStringLiteral("languages")); },
                            [&] { c.Languages.clear(); });
                }
                guarded([&] { c.FlagFixed = OptionalBoolean(item, QStringLiteral("FlagFixed")); },
                        [&] {
                            guarded([&] { c.FlagFixed = OptionalText(item, QStringLiteral("install_flag")) == QLatin1String("fixed"); },
                                    [&] { c.FlagFixed = false; });
                        });
                guarded([&] { c.HiddenInstall = OptionalBoolean(item, QStringLiteral("HiddenInstall")); },
                        [&] { c.HiddenInstall = false; });
                guarded([&] { c.InstallTypes = RequiredCommaText(item, QStringLiteral("InstallTypes")); },
                        [&] { c.InstallTypes = m_project.InstallTypes; });
                ForEachByCount(Required(item, QStringLiteral("includedFiles")), [&](const XmlElement &file) {
                    c.Files.AddNew().Source = OptionalText(file, QStringLiteral("source"));
                });
            });
        },
        [&] { m_project.CabCollections.Clear(); });
}

void ProjectDocumentReader::readCopyFiles()
{
    ForEachByCount(top(QStringLiteral("Copyfiles")), [&](const XmlElement &item) {
        TCopyFilesSection &section = m_project.CopyFilesSections.AddNew();
        section.Caption = OptionalText(item, QStringLiteral("Caption"));
        section.linked_SourceName = OptionalInteger(item, QStringLiteral("linked_SourceName"));
        section.linked_SourceDisk = OptionalInteger(item, QStringLiteral("linked_SourceDisk"));
        section.Destination = OptionalText(item, QStringLiteral("Destination"));
        ForEachByCount(Required(item, QStringLiteral("includedFiles")), [&](const XmlElement &fileItem) {
            TFile &file = section.Files.AddNew();
            file.Source = OptionalText(fileItem, QStringLiteral("source"));
            file.Destination = OptionalText(fileItem, QStringLiteral("destination"));
            file.Attributes = OptionalInteger(fileItem, QStringLiteral("attributes"));
        });
    });
}

void ProjectDocumentReader::readDefaultInstall()
{
    int index = 0;
    ForEachByCount(top(QStringLiteral("DefaultInstall")), [&](const XmlElement &item) {
        TInstallation &installation = deviceAt(m_project.CEDevices, index++).Installation;
        installation.CESelfRegister = OptionalText(item, QStringLiteral("CESelfRegister"));
        installation.CESetupDLL = OptionalText(item, QStringLiteral("CESetupDLL"));
        appendTexts(Required(item, QStringLiteral("defaultInstallCopyFiles")), installation.defaultInstallCopyFiles);
        appendTexts(Required(item, QStringLiteral("defaultInstallShortcuts")), installation.defaultInstallShortcuts);
        appendTexts(Required(item, QStringLiteral("defaultInstallRegistry")), installation.defaultInstallRegistry);
    });
}

void ProjectDocumentReader::readShortcuts()
{
    ForEachByCount(top(QStringLiteral("Shortcuts")), [&](const XmlElement &item) {
        TShortcutSection &section = m_project.ShortcutsSections.AddNew();
        section.Caption = OptionalText(item, QStringLiteral("Caption"));
        section.DefaultDestinationDir = OptionalText(item, QStringLiteral("DefaultDestinationDir"));
        ForEachByCount(Required(item, QStringLiteral("shortcutEntries")), [&](const XmlElement &entryItem) {
            TShortcutEntry &entry = section.Entries.AddNew();
            entry.shortcut_filename = OptionalText(entryItem, QStringLiteral("shortcut_filename"));
            entry.shortcut_type_flag = OptionalInteger(entryItem, QStringLiteral("shortcut_type_flag"));
            entry.target_file_path = OptionalText(entryItem, QStringLiteral("target_file_path"));
            entry.standard_destination_path = OptionalText(entryItem, QStringLiteral("standard_destination_path"));
            guarded(
                [&] {
                    entry.CustomIconFileName = OptionalText(entryItem, QStringLiteral("CustomIconFileName"));
                    entry.CustomIconIndex = OptionalText(entryItem, QStringLiteral("CustomIconIndex"));
                    entry.CustomParameters = OptionalText(entryItem, QStringLiteral("CustomParameters"));
                    entry.CustomIconIndexType = OptionalText(entryItem, QStringLiteral("CustomIconIndexType"));
                },
                [&] {
                    entry.CustomIconFileName.clear();
                    entry.CustomIconIndex.clear();
                    entry.CustomParameters.clear();
                    entry.CustomIconIndexType = QStringLiteral("0");
                });
        });
    });
}

void ProjectDocumentReader::readRegistry()
{
    ForEachByCount(top(QStringLiteral("Registry")), [&](const XmlElement &item) {
        TRegistrySection &section = m_project.RegistrySections.AddNew();
        section.Caption = OptionalText(item, QStringLiteral("Caption"));
        ForEachByCount(Required(item, QStringLiteral("registryEntries")), [&](const XmlElement &entryItem) {
            TRegistryEntry &entry = section.Entries.AddNew();
            entry.registry_root_string = OptionalText(entryItem, QStringLiteral("registry_root_string"));
            entry.subkey = OptionalText(entryItem, QStringLiteral("subkey"));
            entry.value_name = OptionalText(entryItem, QStringLiteral("value_name"));
            entry.flags = OptionalText(entryItem, QStringLiteral("flags"));
            entry.value = OptionalText(entryItem, QStringLiteral("value"));
            entry.overwrite = OptionalBoolean(entryItem, QStringLiteral("overwrite"));
        });
    });
}

} // namespace talmo
