#include "engine/cab/InfTextGenerator.h"

#include "engine/cab/CabItemNames.h"
#include "engine/cab/CustomIconShortcuts.h"
#include "engine/cab/DeviceResourceDll.h"
#include "engine/cab/InfField.h"
#include "engine/cab/ShortcutFile.h"
#include "helpers/core/PathFolders.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"
#include "platform/ProgramFolder.h"

namespace talmo {

namespace {

const QChar Quote(u'"');

QString quoted(const QString &text)
{
    return Quote + text + Quote;
}

QString shortcutCopySection(const CustomIconShortcuts::Inclusion &inclusion)
{
    return QStringLiteral("Shortcut-%1-%2-%3").arg(inclusion.section).arg(inclusion.entry).arg(inclusion.device);
}

QString shortcutFileName(const CustomIconShortcuts::Inclusion &inclusion)
{
    return ShortcutFile::FileName(inclusion.section, inclusion.entry, inclusion.device);
}

QString resourceSection(int device)
{
    return QStringLiteral("defaultRES_%1").arg(device);
}

int tempDiskId(int device)
{
    return 500 + device;
}

int customShortcutsDiskId(int device)
{
    return 999 - device;
}

bool hasDeviceConditions(const TCEDevice &device)
{
    return !device.ProcessorType.isEmpty() || !device.UnsupportedPlatforms.isEmpty() || !device.VersionMin.isEmpty()
           || !device.VersionMax.isEmpty() || device.BuildMax != 0;
}

QString registryRoot(const QString &root)
{
    if (root == QStringLiteral("HKEY_CLASSES_ROOT"))
        return QStringLiteral("HKCR");
    if (root == QStringLiteral("HKEY_CURRENT_USER"))
        return QStringLiteral("HKCU");
    if (root == QStringLiteral("HKEY_LOCAL_MACHINE"))
        return QStringLiteral("HKLM");
    // The editors offer only the three roots above; any other is written as it is.
    return root;
}

} // namespace

InfTextGenerator::InfTextGenerator(const QString &programFolder, const QString &workingFolder)
    : m_programFolder(programFolder), m_workingFolder(workingFolder)
{
}

QString InfTextGenerator::GenerateInfText(TProjectContainer &project)
{
    return InfTextGenerator(ExcludeTrailingSeparator(ProgramFolder::path()), ExcludeTrailingSeparator(GetTempDirectory()))
        .Generate(project);
}

QString InfTextGenerator::Generate(TProjectContainer &project)
{
    project.RebuildCopyFilesSections();
    m_project = &project;
    const InfField fields(project);
    m_fields = &fields;
    m_resourceWritten.assign(std::size_t(project.CEDevices.Count()), false);
    m_lines.clear();
    m_lineItems.clear();
    writeHeader();
    writeStrings();
    writeDeviceSections();
    writePlatformSections();
    writeSourceDisksNames();
    writeSourceDisksFiles();
    writeCopyFilesSections();
    writeShortcutCopySections();
    writeDestinationDirs();
    writeInstallSections();
    writeShortcutSections();
    writeRegistrySections();
    m_project = nullptr;
    m_fields = nullptr;
    return m_lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString InfTextGenerator::RegistryFlagWord(const TRegistryEntry &entry)
{
    quint32 type = 0x00010001;
    if (entry.flags == QStringLiteral("TYPE_SZ"))
        type = 0x00000000;
    else if (entry.flags == QStringLiteral("TYPE_MULTI_SZ"))
        type = 0x00010000;
    else if (entry.flags == QStringLiteral("TYPE_BINARY"))
        type = 0x00000001;
    if (entry.overwrite)
        type += 0x00000002;
    return QStringLiteral("%1").arg(type, 8, 16, QLatin1Char('0')).toUpper();
}

QString InfTextGenerator::CopyFlagSuffix(int attributes)
{
    static const char *const suffixes[] = {
        "",
        ",0x00000001", // COPYFLG_WARN_IF_SKIP
        ",0x00000002", // COPYFLG_NOSKIP
        ",0x00000010", // COPYFLG_NO_OVERWRITE
        ",0x00000400", // COPYFLG_REPLACEONLY
        ",0x20000000", // CE_COPYFLG_NO_DATE_DIALOG
        ",0x40000000", // CE_COPYFLG_NODATECHECK
        ",0x80000000", // CE_COPYFLG_SHARED
    };
    if (attributes < 0 || attributes >= int(std::size(suffixes)))
        return QString();
    return QString::fromLatin1(suffixes[attributes]);
}

void InfTextGenerator::line(const QString &text)
{
    m_lines.append(text);
}

void InfTextGenerator::itemLine(const QString &text, const QString &item)
{
    m_lines.append(text);
    m_lineItems.insert(int(m_lines.size()), item);
}

QString InfTextGenerator::copyFileItem(const TCopyFilesSection &section, const TFile &file) const
{
    for (int d = 0; d < m_project->CEDevices.Count(); ++d) {
        if (m_project->CEDevices[d].Installation.defaultInstallCopyFiles.contains(section.Caption))
            return CabItemNames::DeviceFile(*m_project, d, file.Source);
    }
    return QStringLiteral("device file \"%1\"").arg(file.Source);
}

QString InfTextGenerator::targetName(int device) const
{
    return CabItemNames::Target(*m_project, device);
}

QString InfTextGenerator::configurationHeader(const QString &base, int device) const
{
    if (device == 0)
        return u'[' + base + u']';
    return u'[' + base + u'.' + TProjectContainer::GetDeviceName(m_project->CEDevices[device].Caption) + u']';
}

void InfTextGenerator::writeHeader()
{
    line(QStringLiteral("; Automatically generated by Talmo -  CAB Creator Module"));
    line();
    line(QStringLiteral("[Version]"));
    line(QStringLiteral("Signature = ") + quoted(m_project->Signature));
    itemLine(QStringLiteral("Provider = ") + m_fields->Quoted(m_project->Provider), QStringLiteral("the provider"));
    line(QStringLiteral("CESignature = ") + quoted(m_project->CESignature));
    line();
    line(QStringLiteral("[CEStrings]"));
    itemLine(QStringLiteral("AppName = ") + m_fields->Quoted(m_project->AppName), QStringLiteral("the application name"));
    itemLine(QStringLiteral("InstallDir = ") + m_fields->Quoted(m_project->InstallDir),
             QStringLiteral("the install folder"));
    line();
}

void InfTextGenerator::writeStrings()
{
    if (m_project->StringPairs.IsEmpty())
        return;
    line(QStringLiteral("[Strings]"));
    for (const TStringPair &pair : m_project->StringPairs)
        itemLine(pair.Name + u'=' + m_fields->Text(pair.Value), QStringLiteral("custom string \"%1\"").arg(pair.Name));
    line();
}

void InfTextGenerator::writeDeviceSections()
{
    static const char *const buildMaxValues[] = {"0xA0000000", "0xC0000000", "0xE0000000"};
    for (int d = 0; d < m_project->CEDevices.Count(); ++d) {
        const TCEDevice &device = m_project->CEDevices[d];
        if (!hasDeviceConditions(device))
            continue;
        itemLine(d == 0 ? QStringLiteral("[CEDevice]") : u'[' + device.Caption + u']', targetName(d));
        const std::pair<const char *, const QString *> conditions[] = {
            {"ProcessorType", &device.ProcessorType},
            {"UnsupportedPlatforms", &device.UnsupportedPlatforms},
            {"VersionMin", &device.VersionMin},
            {"VersionMax", &device.VersionMax},
        };
        for (const auto &[key, value] : conditions) {
            if (!value->isEmpty())
                itemLine(QString::fromLatin1(key) + QStringLiteral(" = ") + *value, targetName(d));
        }
        if (device.BuildMax >= 1 && device.BuildMax <= 3)
            line(QStringLiteral("BuildMax = ") + QString::fromLatin1(buildMaxValues[device.BuildMax - 1]));
        line();
    }
}

void InfTextGenerator::writePlatformSections()
{
    // No empty line follows a platform section: the next header comes at once.
    for (const TPlatform &platform : m_project->Platforms) {
        if (platform.PlatformString.isEmpty() || platform.PlatformMin.isEmpty() || platform.PlatformMax.isEmpty())
            continue;
        line(QStringLiteral("[Platform.") + platform.PlatformName + u']');
        line(QStringLiteral("PlatformString=") + platform.PlatformString);
        line(QStringLiteral("PlatformMin=") + platform.PlatformMin);
        line(QStringLiteral("PlatformMax=") + platform.PlatformMax);
    }
}

// A processor's sections add to the common ones, and its entries win over
// theirs: a placeholder of its own would shadow a "readme.txt" the common
// configuration installs. It is only needed where no file is installed at all.
bool InfTextGenerator::usesPlaceholderDisk(int device) const
{
    return m_project->CEDevices[device].Disks.IsEmpty() && m_project->CEDevices[0].Disks.IsEmpty();
}

QString InfTextGenerator::diskFolder(const QString &path) const
{
    QString folder = path;
    if (IsRelativePath(folder))
        folder = ResolveRelativePath(ExtractFileFolder(m_project->FileName), folder);
    return ExcludeTrailingSeparator(folder);
}

void InfTextGenerator::writeSourceDisksNames()
{
    for (int d = 0; d < m_project->CEDevices.Count(); ++d) {
        const TCEDevice &device = m_project->CEDevices[d];
        line(configurationHeader(QStringLiteral("SourceDisksNames"), d));
        for (const TDisk &disk : device.Disks)
            itemLine(QString::number(disk.disk_id) + QStringLiteral(" = ,") + quoted(disk.comment) + QStringLiteral(",,")
                         + InfField::Literal(diskFolder(disk.path)),
                     QStringLiteral("the device files of %1 in the folder \"%2\"").arg(targetName(d), disk.path));
        if (usesPlaceholderDisk(d))
            line(QString::number(tempDiskId(d)) + QStringLiteral("=,") + quoted(QStringLiteral("tempDisk"))
                 + QStringLiteral(",,") + InfField::Literal(m_programFolder));
        if (!CustomIconShortcuts::OfDevice(*m_project, d).isEmpty())
            line(QString::number(customShortcutsDiskId(d)) + QStringLiteral(" = ,")
                 + quoted(QStringLiteral("Custom Shortcuts")) + QStringLiteral(",,") + InfField::Literal(m_workingFolder));
        line();
    }
}

void InfTextGenerator::writeSourceDisksFiles()
{
    for (int d = 0; d < m_project->CEDevices.Count(); ++d) {
        const TCEDevice &device = m_project->CEDevices[d];
        line(configurationHeader(QStringLiteral("SourceDisksFiles"), d));
        for (const TDisk &disk : device.Disks) {
            for (const TFile &file : disk.Files)
                itemLine(InfField::QuotedLiteral(file.Source) + u'=' + QString::number(disk.disk_id),
                         CabItemNames::DeviceFile(*m_project, d, disk.path + file.Source));
        }
        if (usesPlaceholderDisk(d))
            line(quoted(QStringLiteral("readme.txt")) + u'=' + QString::number(tempDiskId(d)));
        const QString customDisk = QString::number(customShortcutsDiskId(d));
        for (const CustomIconShortcuts::Inclusion &inclusion : CustomIconShortcuts::OfDevice(*m_project, d)) {
            line(quoted(shortcutFileName(inclusion)) + u'=' + customDisk);
            // Once per resource-icon shortcut, so the line repeats when there are several.
            const TShortcutEntry &entry = m_project->ShortcutsSections[inclusion.section].Entries[inclusion.entry];
            if (CustomIconShortcuts::IsResourceIcon(entry))
                line(quoted(DeviceResourceDll::CopyName(d)) + u'=' + customDisk);
        }
        line();
    }
}

void InfTextGenerator::writeCopyFilesSections()
{
    for (const TCopyFilesSection &section : m_project->CopyFilesSections) {
        if (section.Files.IsEmpty())
            continue;
        line(u'[' + section.Caption + u']');
        for (const TFile &file : section.Files)
            itemLine(m_fields->Text(file.Destination) + u',' + InfField::Literal(file.Source) + u','
                         + CopyFlagSuffix(file.Attributes),
                     copyFileItem(section, file));
        line();
    }
}

void InfTextGenerator::writeShortcutCopySections()
{
    for (const CustomIconShortcuts::Inclusion &inclusion : CustomIconShortcuts::BySection(*m_project)) {
        const TShortcutEntry &entry = m_project->ShortcutsSections[inclusion.section].Entries[inclusion.entry];
        line(u'[' + shortcutCopySection(inclusion) + u']');
        itemLine(m_fields->Text(entry.shortcut_filename + QStringLiteral(".lnk")) + u',' + shortcutFileName(inclusion)
                     + QStringLiteral(",,0x00000001"),
                 CabItemNames::Shortcut(m_project->ShortcutsSections[inclusion.section], entry));
        line();
        const std::size_t d = std::size_t(inclusion.device);
        if (CustomIconShortcuts::IsResourceIcon(entry) && !m_resourceWritten[d]) {
            line(u'[' + resourceSection(inclusion.device) + u']');
            line(DeviceResourceDll::FileName() + u',' + DeviceResourceDll::CopyName(inclusion.device) + QStringLiteral(",,0x00000001"));
            line();
            m_resourceWritten[d] = true;
        }
    }
}

void InfTextGenerator::writeDestinationDirs()
{
    line(QStringLiteral("[DestinationDirs]"));
    for (const TCopyFilesSection &section : m_project->CopyFilesSections)
        itemLine(section.Caption + QStringLiteral("=0,") + m_fields->Text(section.Destination),
                 QStringLiteral("the device folder \"%1\"").arg(section.Destination));
    for (const CustomIconShortcuts::Inclusion &inclusion : CustomIconShortcuts::BySection(*m_project)) {
        const TShortcutSection &section = m_project->ShortcutsSections[inclusion.section];
        const TShortcutEntry &entry = section.Entries[inclusion.entry];
        const QString folder = entry.target_file_path.isEmpty() ? QString() : section.DefaultDestinationDir;
        line(shortcutCopySection(inclusion) + QStringLiteral("=0,") + m_fields->Text(folder));
    }
    for (std::size_t d = 0; d < m_resourceWritten.size(); ++d) {
        if (m_resourceWritten[d])
            line(resourceSection(int(d)) + QStringLiteral("=0,%InstallDir%"));
    }
    for (const TShortcutSection &section : m_project->ShortcutsSections)
        itemLine(section.Caption + QStringLiteral(" = 0,") + m_fields->Text(section.DefaultDestinationDir),
                 QStringLiteral("the folder of shortcut section \"%1\"").arg(section.Caption));
    line(QStringLiteral("DefaultDestDir=0,%InstallDir%"));
    line();
}

void InfTextGenerator::writeInstallSections()
{
    for (int d = 0; d < m_project->CEDevices.Count(); ++d) {
        const TInstallation &installation = m_project->CEDevices[d].Installation;
        itemLine(configurationHeader(QStringLiteral("DefaultInstall"), d), targetName(d));
        QStringList copyList = installation.defaultInstallCopyFiles;
        for (const CustomIconShortcuts::Inclusion &inclusion : CustomIconShortcuts::OfDevice(*m_project, d))
            copyList.append(shortcutCopySection(inclusion));
        QString copyFiles = copyList.join(u',');
        if (m_resourceWritten[std::size_t(d)])
            copyFiles += u',' + resourceSection(d);
        if (!copyFiles.isEmpty())
            itemLine(QStringLiteral("Copyfiles=") + copyFiles, targetName(d));
        if (!installation.defaultInstallShortcuts.isEmpty())
            itemLine(QStringLiteral("CEShortcuts = ") + installation.defaultInstallShortcuts.join(u','), targetName(d));
        if (!installation.defaultInstallRegistry.isEmpty())
            itemLine(QStringLiteral("AddReg = ") + installation.defaultInstallRegistry.join(u','), targetName(d));
        if (!installation.CESetupDLL.isEmpty())
            itemLine(QStringLiteral("CESetupDLL=") + m_fields->Text(installation.CESetupDLL),
                     QStringLiteral("the setup DLL of %1").arg(targetName(d)));
        if (!installation.CESelfRegister.isEmpty())
            itemLine(QStringLiteral("CESelfRegister=") + installation.CESelfRegister,
                     QStringLiteral("the self-register files of %1").arg(targetName(d)));
        line();
    }
}

void InfTextGenerator::writeShortcutSections()
{
    for (const TShortcutSection &section : m_project->ShortcutsSections) {
        line(u'[' + section.Caption + u']');
        for (const TShortcutEntry &entry : section.Entries) {
            if (CustomIconShortcuts::IsCustomIcon(entry))
                continue;
            QString text = m_fields->Text(entry.shortcut_filename) + u',' + QString::number(entry.shortcut_type_flag)
                           + u',' + m_fields->Text(entry.target_file_path);
            if (!entry.standard_destination_path.isEmpty())
                text += u',' + m_fields->Text(entry.standard_destination_path);
            itemLine(text, CabItemNames::Shortcut(section, entry));
        }
        line();
    }
}

// Strings reach the device as typed; binary and DWORD data are numbers the
// build checks before it starts.
QString InfTextGenerator::registryData(const TRegistryEntry &entry) const
{
    if (entry.flags == QStringLiteral("TYPE_SZ"))
        return m_fields->Text(entry.value);
    if (entry.flags == QStringLiteral("TYPE_MULTI_SZ"))
        return m_fields->List(entry.value);
    return entry.value;
}

void InfTextGenerator::writeRegistrySections()
{
    for (const TRegistrySection &section : m_project->RegistrySections) {
        itemLine(u'[' + section.Caption + u']', CabItemNames::RegistrySection(section));
        for (const TRegistryEntry &entry : section.Entries) {
            itemLine(registryRoot(entry.registry_root_string) + u',' + m_fields->Text(entry.subkey) + u','
                         + m_fields->Text(entry.value_name) + QStringLiteral(",0x") + RegistryFlagWord(entry) + u','
                         + registryData(entry),
                     CabItemNames::RegistryValue(section, entry));
        }
        line();
    }
}

} // namespace talmo
