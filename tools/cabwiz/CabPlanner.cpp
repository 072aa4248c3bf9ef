#include "tools/cabwiz/CabPlanner.h"

#include "platform/HostPath.h"
#include "tools/cabwiz/Diagnostics.h"
#include "tools/cabwiz/InfError.h"
#include "tools/cabwiz/MemberName.h"
#include "tools/cabwiz/RegistryLine.h"

#include <QDir>
#include <QFileInfo>

namespace talmo::cabwiz {

namespace {

const QString DefaultInstall = QStringLiteral("DefaultInstall");

QString caseKey(const QString &text)
{
    return text.toCaseFolded();
}

QStringList listNames(const QString &value)
{
    QStringList names;
    for (const QString &field : splitFields(value)) {
        const QString name = unquote(field);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

} // namespace

QString normalizeDevicePath(const QString &path)
{
    QString result = path;
    while (result.contains(QStringLiteral("\\\\")))
        result.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    if (result.size() > 1 && result.endsWith(u'\\'))
        result.chop(1);
    return result;
}

CabPlanner::CabPlanner(const InfDocument &inf, const QString &infFolder, Diagnostics &diagnostics)
    : m_inf(inf), m_infFolder(infFolder), m_diagnostics(diagnostics)
{
    defineStrings();
}

void CabPlanner::defineStrings()
{
    for (const QString &name : {QStringLiteral("Strings"), QStringLiteral("CEStrings")}) {
        if (const InfSection *section = m_inf.section(name)) {
            for (const InfEntry &entry : section->entries())
                m_strings.define(entry.key, unquote(entry.value));
        }
    }
}

CabPlan CabPlanner::plan(const QString &processor)
{
    m_processor = processor;
    m_plan = CabPlan();
    m_memberBySource.clear();
    m_fileByDevicePath.clear();
    m_install = mergedEntries(DefaultInstall);
    m_diskNames = mergedEntries(QStringLiteral("SourceDisksNames"));
    m_diskFiles = mergedEntries(QStringLiteral("SourceDisksFiles"));

    if (!processor.isEmpty() && !namesProcessor(processor)) {
        m_diagnostics.warning(0, QString(),
                              QStringLiteral("no section names the processor %1; its cabinet holds the generic installation")
                                  .arg(processor));
    }
    planHeader();
    planDeviceConditions();
    planCopyFiles();
    planSetupDll();
    planSelfRegister();
    planShortcuts();
    planRegistry();
    return m_plan;
}

bool CabPlanner::namesProcessor(const QString &processor) const
{
    for (const char *base : {"DefaultInstall", "CEDevice", "SourceDisksNames", "SourceDisksFiles"}) {
        if (m_inf.section(QString::fromLatin1(base) + u'.' + processor))
            return true;
    }
    return false;
}

CabPlanner::EntryMap CabPlanner::mergedEntries(const QString &base) const
{
    EntryMap entries;
    QStringList names{base};
    if (!m_processor.isEmpty())
        names.append(base + u'.' + m_processor);
    for (const QString &name : names) {
        if (const InfSection *section = m_inf.section(name)) {
            for (const InfEntry &entry : section->entries())
                entries.insert(caseKey(entry.key), LocatedEntry{entry, section->name});
        }
    }
    return entries;
}

std::optional<CabPlanner::LocatedEntry> CabPlanner::installEntry(const QString &key) const
{
    const auto found = m_install.constFind(caseKey(key));
    return found == m_install.constEnd() ? std::nullopt : std::optional<LocatedEntry>(*found);
}

QString CabPlanner::expand(const QString &text, const LocatedEntry &where) const
{
    return m_strings.expand(text, where.entry.line, where.section);
}

QString CabPlanner::expand(const QString &text, const InfLine &line, const QString &section) const
{
    return m_strings.expand(text, line.number, section);
}

void CabPlanner::planHeader()
{
    auto value = [this](const QString &sectionName, const QString &key, bool forDevice) -> QString {
        const InfSection *section = m_inf.section(sectionName);
        const auto entry = section ? section->entry(key) : std::nullopt;
        if (!entry) {
            m_diagnostics.warning(0, sectionName, QStringLiteral("no %1 given").arg(key));
            return QString();
        }
        try {
            const QString text = unquote(entry->value);
            return forDevice ? m_strings.expandForDevice(text, entry->line, section->name)
                             : m_strings.expand(text, entry->line, section->name);
        } catch (const InfError &error) {
            m_diagnostics.error(error);
            return QString();
        }
    };
    const QString provider = value(QStringLiteral("Version"), QStringLiteral("Provider"), false);
    const QString appName = value(QStringLiteral("CEStrings"), QStringLiteral("AppName"), false);
    m_plan.appName = provider.isEmpty() ? appName : provider + u' ' + appName;
    m_plan.installDir = normalizeDevicePath(value(QStringLiteral("CEStrings"), QStringLiteral("InstallDir"), true));
}

void CabPlanner::planDeviceConditions()
{
    const EntryMap device = mergedEntries(QStringLiteral("CEDevice"));
    for (const QString &key : {QStringLiteral("ProcessorType"), QStringLiteral("UnsupportedPlatforms"),
                               QStringLiteral("VersionMin"), QStringLiteral("VersionMax"), QStringLiteral("BuildMin"),
                               QStringLiteral("BuildMax")}) {
        try {
            const QString value = key == QStringLiteral("UnsupportedPlatforms") ? unsupportedPlatforms()
                                                                                : deviceCondition(device, key);
            if (!value.isEmpty())
                m_plan.settings.append(InstallSetting{key, value});
        } catch (const InfError &error) {
            m_diagnostics.error(error);
        }
    }
}

QString CabPlanner::deviceCondition(const EntryMap &device, const QString &key) const
{
    const auto found = device.constFind(caseKey(key));
    return found == device.constEnd() ? QString() : expand(unquote(found->entry.value), *found);
}

// The processor's own list adds to the generic one; an empty one leaves it be.
QString CabPlanner::unsupportedPlatforms() const
{
    QStringList platforms;
    QStringList names{QStringLiteral("CEDevice")};
    if (!m_processor.isEmpty())
        names.append(names.first() + u'.' + m_processor);
    for (const QString &name : names) {
        const InfSection *section = m_inf.section(name);
        const auto entry = section ? section->entry(QStringLiteral("UnsupportedPlatforms")) : std::nullopt;
        if (!entry)
            continue;
        for (const QString &platform : listNames(m_strings.expand(entry->value, entry->line, section->name))) {
            if (!platforms.contains(platform, Qt::CaseInsensitive))
                platforms.append(platform);
        }
    }
    return platforms.join(u',');
}

template<typename Handler>
void CabPlanner::forEachNamedSection(const QString &key, Handler handle)
{
    const auto entry = installEntry(key);
    if (!entry)
        return;
    QSet<QString> seen;
    for (const QString &name : listNames(entry->entry.value)) {
        // A section named twice in one list installs its content once.
        if (seen.contains(caseKey(name)))
            continue;
        seen.insert(caseKey(name));
        if (const InfSection *section = m_inf.section(name)) {
            handle(*section);
        } else {
            m_diagnostics.error(InfError(entry->entry.line, entry->section,
                                         QStringLiteral("%1 names the section [%2], which the file does not have")
                                             .arg(entry->entry.key, name)));
        }
    }
}

template<typename Handler>
void CabPlanner::forEachLine(const InfSection &section, Handler handle)
{
    for (const InfLine &line : section.lines) {
        try {
            handle(line);
        } catch (const InfError &error) {
            m_diagnostics.error(error);
        }
    }
}

void CabPlanner::planCopyFiles()
{
    forEachNamedSection(QStringLiteral("CopyFiles"), [this](const InfSection &section) {
        QString folder;
        try {
            folder = destinationFolder(section);
        } catch (const InfError &error) {
            m_diagnostics.error(error);
            return;
        }
        forEachLine(section, [&](const InfLine &line) { addCopyLine(line, section.name, folder); });
    });
}

QString CabPlanner::destinationFolder(const InfSection &section) const
{
    const InfSection *destinations = m_inf.section(QStringLiteral("DestinationDirs"));
    auto entry = destinations ? destinations->entry(section.name) : std::nullopt;
    if (!entry && destinations)
        entry = destinations->entry(QStringLiteral("DefaultDestDir"));
    if (!entry) {
        throw InfError(section.headerLine, section.name,
                       QStringLiteral("[DestinationDirs] gives no folder for this section and no DefaultDestDir"));
    }
    // "0,folder": the directory identifier 0 means the folder is written out.
    const QStringList fields = splitFields(entry->value, 2);
    const QString folder = fields.size() > 1 ? unquote(fields[1]) : QString();
    return normalizeDevicePath(m_strings.expandForDevice(folder, entry->line, destinations->name));
}

void CabPlanner::addCopyLine(const InfLine &line, const QString &section, const QString &folder)
{
    const QStringList fields = splitFields(line.text);
    const QString fileName = expand(unquote(fields[0]), line, section);
    const QString sourceField = fields.size() > 1 ? unquote(fields[1]) : QString();
    const QString sourceName = sourceField.isEmpty() ? fileName : expand(sourceField, line, section);
    if (fileName.isEmpty())
        throw InfError(line.number, section, QStringLiteral("a file line without a file name"));
    // The descriptor has no place for copy flags, but a wrong one is still a fault of the line.
    if (fields.size() > 3 && !fields[3].isEmpty() && !parseFlagWord(fields[3]))
        throw InfError(line.number, section, QStringLiteral("invalid copy flags %1").arg(fields[3]));
    const qsizetype member = memberFor(sourcePath(sourceName, line, section), sourceName);
    addFile(FileInstall{folder, fileName, member}, line, section);
}

QString CabPlanner::sourcePath(const QString &fileName, const InfLine &line, const QString &section) const
{
    const auto file = m_diskFiles.constFind(caseKey(fileName));
    if (file == m_diskFiles.constEnd()) {
        throw InfError(line.number, section,
                       QStringLiteral("the file %1 is not listed in [SourceDisksFiles]").arg(fileName));
    }
    const QStringList fileFields = splitFields(file->entry.value);
    const QString diskId = unquote(fileFields[0]);
    const auto disk = m_diskNames.constFind(caseKey(diskId));
    if (disk == m_diskNames.constEnd()) {
        throw InfError(file->entry.line, file->section,
                       QStringLiteral("the disk %1 of the file %2 is not listed in [SourceDisksNames]").arg(diskId, fileName));
    }
    // "id = description,tag file,unused,folder"
    const QStringList diskFields = splitFields(disk->entry.value);
    QString folder = diskFields.size() > 3 ? ToHostPath(expand(unquote(diskFields[3]), *disk)) : QString();
    if (QDir::isRelativePath(folder))
        folder = QDir(m_infFolder).filePath(folder);
    if (fileFields.size() > 1 && !unquote(fileFields[1]).isEmpty())
        folder = QDir(folder).filePath(ToHostPath(expand(unquote(fileFields[1]), *file)));
    return existingSource(QDir::cleanPath(QDir(folder).filePath(ToHostPath(fileName))), line, section);
}

// An .inf written on Windows names its files in any case.
QString CabPlanner::existingSource(const QString &path, const InfLine &line, const QString &section) const
{
    const QFileInfo exact(path);
    if (exact.isFile())
        return path;
    const QDir folder = exact.dir();
    QStringList matches;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.compare(exact.fileName(), Qt::CaseInsensitive) == 0)
            matches.append(folder.filePath(name));
    }
    if (matches.isEmpty())
        throw InfError(line.number, section, QStringLiteral("the source file %1 does not exist").arg(path));
    if (matches.size() > 1) {
        matches.sort();
        throw InfError(line.number, section,
                       QStringLiteral("the source file %1 matches both %2 and %3, which differ only in case")
                           .arg(path, matches[0], matches[1]));
    }
    return matches.first();
}

qsizetype CabPlanner::memberFor(const QString &sourcePath, const QString &fileName)
{
    const auto found = m_memberBySource.constFind(sourcePath);
    if (found != m_memberBySource.constEnd())
        return *found;
    const qsizetype index = m_plan.members.size();
    const int sequence = int(index + 1);
    m_plan.members.append(CabMember{cabMemberName(QFileInfo(ToHostPath(fileName)).fileName(), sequence), sourcePath});
    m_memberBySource.insert(sourcePath, index);
    return index;
}

void CabPlanner::addFile(FileInstall file, const InfLine &line, const QString &section)
{
    const QString devicePath = caseKey(file.folder + u'\\' + file.fileName);
    const auto found = m_fileByDevicePath.constFind(devicePath);
    if (found == m_fileByDevicePath.constEnd()) {
        m_fileByDevicePath.insert(devicePath, m_plan.files.size());
        m_plan.files.append(file);
        return;
    }
    FileInstall &earlier = m_plan.files[*found];
    if (earlier.member != file.member) {
        m_diagnostics.warning(line.number, section,
                              QStringLiteral("%1\\%2 is installed from two sources; the later one wins")
                                  .arg(file.folder, file.fileName));
    }
    earlier = file;
}

void CabPlanner::planSetupDll()
{
    const auto entry = installEntry(QStringLiteral("CESetupDLL"));
    if (!entry || entry->entry.value.isEmpty())
        return;
    try {
        const QString fileName = expand(unquote(entry->entry.value), *entry);
        const InfLine line{entry->entry.line, entry->entry.value};
        const qsizetype member = memberFor(sourcePath(fileName, line, entry->section), fileName);
        m_plan.settings.append(InstallSetting{QStringLiteral("SetupDLL"), m_plan.members[member].name, true});
    } catch (const InfError &error) {
        m_diagnostics.error(error);
    }
}

void CabPlanner::planSelfRegister()
{
    const auto entry = installEntry(QStringLiteral("CESelfRegister"));
    if (!entry)
        return;
    for (const QString &name : listNames(entry->entry.value)) {
        try {
            m_plan.settings.append(InstallSetting{
                QStringLiteral("SelfRegister"), m_strings.expandForDevice(name, entry->entry.line, entry->section), true});
        } catch (const InfError &error) {
            m_diagnostics.error(error);
        }
    }
}

void CabPlanner::planShortcuts()
{
    forEachNamedSection(QStringLiteral("CEShortcuts"), [this](const InfSection &section) {
        forEachLine(section, [&](const InfLine &line) { addShortcutLine(line, section); });
    });
}

void CabPlanner::addShortcutLine(const InfLine &line, const InfSection &section)
{
    // "name,type,target[,folder]": type 0 or empty links to a file, any other number to a folder.
    const QStringList fields = splitFields(line.text);
    if (fields.size() < 3)
        throw InfError(line.number, section.name, QStringLiteral("a shortcut needs a name, a type and a target"));
    const QString typeField = unquote(fields[1]);
    bool ok = true;
    const int type = typeField.isEmpty() ? 0 : typeField.toInt(&ok);
    if (!ok)
        throw InfError(line.number, section.name, QStringLiteral("invalid shortcut type %1").arg(fields[1]));
    const QString name = expand(unquote(fields[0]), line, section.name);
    const QString ownFolder = fields.size() > 3 ? unquote(fields[3]) : QString();
    const QString folder = ownFolder.isEmpty()
                               ? destinationFolder(section)
                               : normalizeDevicePath(m_strings.expandForDevice(ownFolder, line.number, section.name));
    const QString target = unquote(fields[2]);
    m_plan.shortcuts.append(ShortcutInstall{folder, name + QStringLiteral(".lnk"),
                                            type == 0 ? fileShortcutTarget(target, line, section.name)
                                                      : folderShortcutTarget(target, line, section.name)});
}

QString CabPlanner::fileShortcutTarget(const QString &target, const InfLine &line, const QString &section)
{
    const QString path = m_strings.expandForDevice(target, line.number, section);
    if (path.contains(u'\\'))
        return normalizeDevicePath(path);
    for (const FileInstall &file : std::as_const(m_plan.files)) {
        if (file.fileName.compare(path, Qt::CaseInsensitive) == 0)
            return file.folder + u'\\' + file.fileName;
    }
    m_diagnostics.warning(line.number, section,
                          QStringLiteral("the shortcut target %1 is not installed by this cabinet").arg(path));
    return QStringLiteral("%InstallDir%\\") + path;
}

// A folder is named by a section of [DestinationDirs] or written out as a path.
QString CabPlanner::folderShortcutTarget(const QString &target, const InfLine &line, const QString &section) const
{
    const InfSection *destinations = m_inf.section(QStringLiteral("DestinationDirs"));
    if (destinations && destinations->entry(target)) {
        const InfSection *named = m_inf.section(target);
        return destinationFolder(named ? *named : InfSection{target, line.number, {}});
    }
    return normalizeDevicePath(m_strings.expandForDevice(target, line.number, section));
}

void CabPlanner::planRegistry()
{
    forEachNamedSection(QStringLiteral("AddReg"), [this](const InfSection &section) {
        forEachLine(section, [&](const InfLine &line) { addRegistryLine(line, section.name); });
    });
}

void CabPlanner::addRegistryLine(const InfLine &line, const QString &section)
{
    QString warning;
    m_plan.registry.append(parseRegistryLine(line, section, m_strings, &warning));
    if (!warning.isEmpty())
        m_diagnostics.warning(line.number, section, warning);
}

} // namespace talmo::cabwiz
