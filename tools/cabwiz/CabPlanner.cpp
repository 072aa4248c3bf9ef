#include "tools/cabwiz/CabPlanner.h"

#include "platform/HostPath.h"
#include "tools/cabwiz/CopyFlags.h"
#include "tools/cabwiz/Diagnostics.h"
#include "tools/cabwiz/InfError.h"
#include "tools/cabwiz/MemberName.h"
#include "tools/cabwiz/RegistryLine.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <functional>

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

// A destination written neither from the root nor from a device folder
// ("Windows\Desktop") lies below the device's root.
QString fromDeviceRoot(const QString &folder)
{
    static const QRegularExpression deviceFolder(QStringLiteral("^%(InstallDir|CE\\d+)%"),
                                                 QRegularExpression::CaseInsensitiveOption);
    if (folder.isEmpty() || folder.startsWith(u'\\') || deviceFolder.match(folder).hasMatch())
        return folder;
    return u'\\' + folder;
}

// Some projects name their shortcuts with the extension already.
QString shortcutFileName(const QString &name)
{
    const QString extension = QStringLiteral(".lnk");
    return name.endsWith(extension, Qt::CaseInsensitive) ? name : name + extension;
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
    m_memberBaseNames.clear();
    m_fileByDevicePath.clear();
    m_install = mergedEntries(DefaultInstall);
    m_diskNames = mergedEntries(QStringLiteral("SourceDisksNames"));
    m_diskFiles = diskFileEntries();

    if (!processor.isEmpty() && !namesProcessor(processor)) {
        m_diagnostics.warning(0, QString(),
                              QStringLiteral("no section names the processor %1; its cabinet holds the generic installation")
                                  .arg(processor));
    }
    planHeader();
    planDeviceConditions();
    planCopyFiles();
    dropUnusedMembers();
    planSetupDll();
    planSelfRegister();
    planShortcuts();
    planRegistry();
    refuseEmptyCabinet();
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

// The generic section of that name, then the processor's own.
QStringList CabPlanner::sectionNames(const QString &base) const
{
    QStringList names{base};
    if (!m_processor.isEmpty())
        names.append(base + u'.' + m_processor);
    return names;
}

CabPlanner::EntryMap CabPlanner::mergedEntries(const QString &base) const
{
    EntryMap entries;
    for (const QString &name : sectionNames(base)) {
        if (const InfSection *section = m_inf.section(name)) {
            for (const InfEntry &entry : section->entries())
                entries.insert(caseKey(entry.key), LocatedEntry{entry, section->name});
        }
    }
    return entries;
}

// File names are keys of [SourceDisksFiles] and may be written with strings;
// the processor's own entry of a name wins however either writes it.
CabPlanner::EntryMap CabPlanner::diskFileEntries() const
{
    EntryMap entries;
    for (const QString &name : sectionNames(QStringLiteral("SourceDisksFiles"))) {
        const InfSection *section = m_inf.section(name);
        for (const InfEntry &entry : section ? section->entries() : QList<InfEntry>()) {
            try {
                entries.insert(caseKey(m_strings.expand(entry.key, entry.line, section->name)),
                               LocatedEntry{entry, section->name});
            } catch (const InfError &error) {
                m_diagnostics.error(error);
            }
        }
    }
    return entries;
}

std::optional<CabPlanner::LocatedEntry> CabPlanner::installEntry(const QString &key) const
{
    const auto found = m_install.constFind(caseKey(key));
    return found == m_install.constEnd() ? std::nullopt : std::optional<LocatedEntry>(*found);
}

// Every line of a list key counts, as everywhere in .inf files: projects name
// their self-registering files one line each.
QList<CabPlanner::LocatedEntry> CabPlanner::installLists(const QString &key) const
{
    QList<LocatedEntry> lists;
    for (const QString &name : sectionNames(DefaultInstall)) {
        const InfSection *section = m_inf.section(name);
        for (const InfEntry &entry : section ? section->entries() : QList<InfEntry>()) {
            if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
                lists.append(LocatedEntry{entry, section->name});
        }
    }
    return lists;
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

// The device's names for the conditions of [CEDevice], in the order written.
void CabPlanner::planDeviceConditions()
{
    const EntryMap device = mergedEntries(QStringLiteral("CEDevice"));
    const std::pair<const char *, std::function<QString()>> conditions[] = {
        {"ProcessorType", [&] { return deviceCondition(device, QStringLiteral("ProcessorType")); }},
        {"UnsupportedPlatforms", [&] { return unsupportedPlatforms(); }},
        {"OSVersionMin", [&] { return deviceCondition(device, QStringLiteral("VersionMin")); }},
        {"OSVersionMax", [&] { return upperVersion(device); }},
        {"BuildNumberMin", [&] { return buildNumber(device, QStringLiteral("BuildMin")); }},
        {"BuildNumberMax", [&] { return buildNumber(device, QStringLiteral("BuildMax")); }},
    };
    for (const auto &[name, value] : conditions) {
        try {
            if (const QString text = value(); !text.isEmpty())
                m_plan.settings.append(InstallSetting{QString::fromLatin1(name), text});
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

// An upper limit of 0 would turn every device away: projects write it meaning
// none. A lower limit of 0 turns none away and stays as written.
QString CabPlanner::upperVersion(const EntryMap &device) const
{
    static const QRegularExpression zero(QStringLiteral("^0*(\\.0*)?$"));
    const QString text = deviceCondition(device, QStringLiteral("VersionMax"));
    return zero.match(text).hasMatch() ? QString() : text;
}

// The device compares build numbers as signed 32-bit integers; an upper limit
// alone gets the lower limit 0. An upper limit of 0 is none, as for versions.
QString CabPlanner::buildNumber(const EntryMap &device, const QString &key) const
{
    const bool upper = key == QStringLiteral("BuildMax");
    const auto found = device.constFind(caseKey(key));
    if (found == device.constEnd())
        return !upper && limitsBuildFromAbove(device) ? QStringLiteral("0") : QString();
    const QString text = expand(unquote(found->entry.value), *found);
    if (text.isEmpty())
        return text;
    const auto number = parseFlagWord(text);
    if (!number)
        throw InfError(found->entry.line, found->section, QStringLiteral("invalid build number %1").arg(text));
    return upper && *number == 0 ? QString() : QString::number(qint32(*number));
}

bool CabPlanner::limitsBuildFromAbove(const EntryMap &device) const
{
    try {
        return !buildNumber(device, QStringLiteral("BuildMax")).isEmpty();
    } catch (const InfError &) {
        return true; // reported where the upper limit itself is read
    }
}

// The processor's own list adds to the generic one; an empty one leaves it be.
QString CabPlanner::unsupportedPlatforms() const
{
    QStringList platforms;
    for (const QString &name : sectionNames(QStringLiteral("CEDevice"))) {
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
    // A section named twice, in one list or in both, installs its content once.
    QSet<QString> seen;
    for (const LocatedEntry &list : installLists(key)) {
        const bool processorOwn = list.section.compare(DefaultInstall, Qt::CaseInsensitive) != 0;
        for (const QString &name : listNames(list.entry.value)) {
            if (seen.contains(caseKey(name)))
                continue;
            seen.insert(caseKey(name));
            if (const InfSection *section = m_inf.section(name)) {
                handle(*section, processorOwn);
            } else {
                m_diagnostics.warning(list.entry.line, list.section,
                                      QStringLiteral("%1 names the section [%2], which the file does not have; "
                                                     "nothing of it is installed")
                                          .arg(list.entry.key, name));
            }
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
    forEachNamedSection(QStringLiteral("CopyFiles"), [this](const InfSection &section, bool processorOwn) {
        QString folder;
        try {
            folder = destinationFolder(section);
        } catch (const InfError &error) {
            m_diagnostics.error(error);
            return;
        }
        forEachLine(section, [&](const InfLine &line) { addCopyLine(line, section.name, folder, processorOwn); });
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
    return fromDeviceRoot(normalizeDevicePath(m_strings.expandForDevice(folder, entry->line, destinations->name)));
}

// "destination,source,,flags"
void CabPlanner::addCopyLine(const InfLine &line, const QString &section, const QString &folder, bool processorOwn)
{
    const QStringList fields = splitFields(line.text);
    const QString fileName = expand(unquote(fields[0]), line, section);
    const QString sourceField = fields.size() > 1 ? unquote(fields[1]) : QString();
    const QString sourceName = sourceField.isEmpty() ? fileName : expand(sourceField, line, section);
    if (fileName.isEmpty())
        throw InfError(line.number, section, QStringLiteral("a file line without a file name"));
    const QStringList parms = copyFlagParms(fields, line, section);
    const qsizetype member = memberFor(sourcePath(sourceName, line, section), sourceName);
    addFile(FileInstall{folder, fileName, member, parms}, processorOwn, line, section);
}

QStringList CabPlanner::copyFlagParms(const QStringList &fields, const InfLine &line, const QString &section)
{
    const QString text = fields.size() > 3 ? unquote(fields[3]) : QString();
    if (text.isEmpty())
        return {};
    const auto word = parseFlagWord(text);
    if (!word)
        throw InfError(line.number, section, QStringLiteral("invalid copy flags %1").arg(fields[3]));
    const CopyFlagReading flags = readCopyFlags(*word);
    for (const QString &flag : flags.leftOut) {
        m_diagnostics.warning(line.number, section,
                              QStringLiteral("the setup descriptor has no place for the copy flag %1; "
                                             "the device installs the file without it")
                                  .arg(flag));
    }
    if (flags.unknownBits != 0) {
        m_diagnostics.warning(line.number, section,
                              QStringLiteral("unknown copy flags 0x%1 are left out")
                                  .arg(flags.unknownBits, 8, 16, QLatin1Char('0')));
    }
    return flags.descriptorParms;
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
    // A FIFO or a device would reach the cabinet writer, which names only the member.
    if (exact.exists())
        throw InfError(line.number, section, QStringLiteral("the source file %1 is not a regular file").arg(path));
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
    const QString baseName = QFileInfo(ToHostPath(fileName)).fileName();
    m_plan.members.append(CabMember{cabMemberName(baseName, int(index + 1)), sourcePath});
    m_memberBaseNames.append(baseName);
    m_memberBySource.insert(sourcePath, index);
    return index;
}

// A generic file that the processor's own list replaced leaves its member
// unused: the cabinet does not carry it, and the members are numbered anew.
void CabPlanner::dropUnusedMembers()
{
    QList<qsizetype> newIndex(m_plan.members.size(), -1);
    for (const FileInstall &file : std::as_const(m_plan.files))
        newIndex[file.member] = 0;
    QList<CabMember> members;
    QStringList baseNames;
    m_memberBySource.clear();
    for (qsizetype i = 0; i < newIndex.size(); ++i) {
        if (newIndex[i] < 0)
            continue;
        newIndex[i] = members.size();
        members.append(CabMember{cabMemberName(m_memberBaseNames[i], int(members.size() + 1)), m_plan.members[i].sourcePath});
        baseNames.append(m_memberBaseNames[i]);
        m_memberBySource.insert(members.last().sourcePath, newIndex[i]);
    }
    for (FileInstall &file : m_plan.files)
        file.member = newIndex[file.member];
    m_plan.members = members;
    m_memberBaseNames = baseNames;
}

// The later of two files of one device path wins: silently where the
// processor's own list replaces a generic file, with a warning otherwise.
void CabPlanner::addFile(const FileInstall &file, bool processorOwn, const InfLine &line, const QString &section)
{
    const QString devicePath = caseKey(file.folder + u'\\' + file.fileName);
    const auto found = m_fileByDevicePath.find(devicePath);
    if (found == m_fileByDevicePath.end()) {
        m_fileByDevicePath.insert(devicePath, PlacedFile{m_plan.files.size(), processorOwn});
        m_plan.files.append(file);
        return;
    }
    FileInstall &earlier = m_plan.files[found->index];
    const bool overridden = processorOwn && !found->processorOwn;
    if (earlier.member != file.member && !overridden) {
        m_diagnostics.warning(line.number, section,
                              QStringLiteral("%1\\%2 is installed from two sources; the later one wins")
                                  .arg(file.folder, file.fileName));
    }
    earlier = file;
    found->processorOwn = processorOwn;
}

void CabPlanner::planSetupDll()
{
    const auto entry = installEntry(QStringLiteral("CESetupDLL"));
    if (!entry)
        return;
    try {
        const QString fileName = expand(unquote(entry->entry.value), *entry);
        // A project that dropped its setup DLL leaves the key with an empty value.
        if (fileName.isEmpty())
            return;
        const InfLine line{entry->entry.line, entry->entry.value};
        const qsizetype member = memberFor(sourcePath(fileName, line, entry->section), fileName);
        m_plan.settings.append(InstallSetting{QStringLiteral("SetupDLL"), m_plan.members[member].name, true});
    } catch (const InfError &error) {
        m_diagnostics.error(error);
    }
}

void CabPlanner::planSelfRegister()
{
    for (const LocatedEntry &list : installLists(QStringLiteral("CESelfRegister"))) {
        for (const QString &name : listNames(list.entry.value)) {
            try {
                markSelfRegistering(m_strings.expandForDevice(name, list.entry.line, list.section), list);
            } catch (const InfError &error) {
                m_diagnostics.error(error);
            }
        }
    }
}

// The device registers a file as it installs it, so the mark goes with the
// file: every installed file of that name, or of that path when one is given.
void CabPlanner::markSelfRegistering(const QString &name, const LocatedEntry &where)
{
    const bool byPath = name.contains(u'\\');
    const QString wanted = byPath ? normalizeDevicePath(name) : name;
    bool found = false;
    for (FileInstall &file : m_plan.files) {
        const QString candidate = byPath ? file.folder + u'\\' + file.fileName : file.fileName;
        if (candidate.compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        found = true;
        if (!file.extractParms.contains(QStringLiteral("SelfRegister")))
            file.extractParms.append(QStringLiteral("SelfRegister"));
    }
    if (!found) {
        m_diagnostics.warning(where.entry.line, where.section,
                              QStringLiteral("CESelfRegister names %1, which this cabinet does not install").arg(name));
    }
}

void CabPlanner::planShortcuts()
{
    forEachNamedSection(QStringLiteral("CEShortcuts"), [this](const InfSection &section, bool) {
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
                               : fromDeviceRoot(normalizeDevicePath(
                                     m_strings.expandForDevice(ownFolder, line.number, section.name)));
    const QString target = unquote(fields[2]);
    m_plan.shortcuts.append(ShortcutInstall{folder, shortcutFileName(name),
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
    forEachNamedSection(QStringLiteral("AddReg"), [this](const InfSection &section, bool) {
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

// A cabinet that installs nothing is no installation: most likely its files
// went missing on the way, and building it would report that as success.
void CabPlanner::refuseEmptyCabinet()
{
    // An error already reported says why better than this would.
    if (m_diagnostics.hasErrors() || !m_plan.files.isEmpty() || !m_plan.registry.isEmpty() || !m_plan.shortcuts.isEmpty())
        return;
    const InfSection *install = m_inf.section(DefaultInstall);
    if (!install && !m_processor.isEmpty())
        install = m_inf.section(DefaultInstall + u'.' + m_processor);
    const QString cabinet = m_processor.isEmpty() ? QStringLiteral("the cabinet")
                                                  : QStringLiteral("the cabinet for %1").arg(m_processor);
    m_diagnostics.error(InfError(install ? install->headerLine : 0, install ? install->name : QString(),
                                 QStringLiteral("%1 installs nothing: no file, no registry value and no shortcut")
                                     .arg(cabinet)));
}

} // namespace talmo::cabwiz
