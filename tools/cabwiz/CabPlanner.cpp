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

    if (!processor.isEmpty() && !m_inf.section(DefaultInstall + u'.' + processor)
        && !m_inf.section(QStringLiteral("CEDevice.") + processor)) {
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
    auto value = [this](const QString &sectionName, const QString &key) -> QString {
        const InfSection *section = m_inf.section(sectionName);
        const auto entry = section ? section->entry(key) : std::nullopt;
        if (!entry) {
            m_diagnostics.warning(0, sectionName, QStringLiteral("no %1 given").arg(key));
            return QString();
        }
        try {
            return m_strings.expand(unquote(entry->value), entry->line, section->name);
        } catch (const InfError &error) {
            m_diagnostics.error(error);
            return QString();
        }
    };
    const QString provider = value(QStringLiteral("Version"), QStringLiteral("Provider"));
    const QString appName = value(QStringLiteral("CEStrings"), QStringLiteral("AppName"));
    m_plan.appName = provider.isEmpty() ? appName : provider + u' ' + appName;
    m_plan.installDir = normalizeDevicePath(value(QStringLiteral("CEStrings"), QStringLiteral("InstallDir")));
}

void CabPlanner::planDeviceConditions()
{
    const EntryMap device = mergedEntries(QStringLiteral("CEDevice"));
    for (const QString &key : {QStringLiteral("ProcessorType"), QStringLiteral("UnsupportedPlatforms"),
                               QStringLiteral("VersionMin"), QStringLiteral("VersionMax"),
                               QStringLiteral("BuildMax")}) {
        const auto found = device.constFind(caseKey(key));
        if (found == device.constEnd() || found->entry.value.isEmpty())
            continue;
        try {
            m_plan.settings.append(InstallSetting{key, expand(unquote(found->entry.value), *found)});
        } catch (const InfError &error) {
            m_diagnostics.error(error);
        }
    }
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
    return normalizeDevicePath(m_strings.expand(folder, entry->line, destinations->name));
}

void CabPlanner::addCopyLine(const InfLine &line, const QString &section, const QString &folder)
{
    const QStringList fields = splitFields(line.text);
    const QString fileName = expand(unquote(fields[0]), line, section);
    const QString sourceField = fields.size() > 1 ? unquote(fields[1]) : QString();
    const QString sourceName = sourceField.isEmpty() ? fileName : expand(sourceField, line, section);
    if (fileName.isEmpty())
        throw InfError(line.number, section, QStringLiteral("a file line without a file name"));
    quint32 flags = 0;
    if (fields.size() > 3 && !fields[3].isEmpty()) {
        const auto parsed = parseFlagWord(fields[3]);
        if (!parsed)
            throw InfError(line.number, section, QStringLiteral("invalid copy flags %1").arg(fields[3]));
        flags = *parsed;
    }
    const qsizetype member = memberFor(sourcePath(sourceName, line, section), sourceName);
    addFile(FileInstall{folder, fileName, member, flags}, line, section);
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
    const QString path = QDir::cleanPath(QDir(folder).filePath(ToHostPath(fileName)));
    if (!QFileInfo(path).isFile())
        throw InfError(line.number, section, QStringLiteral("the source file %1 does not exist").arg(path));
    return path;
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
        m_plan.settings.append(InstallSetting{QStringLiteral("SetupDLL"), m_plan.members[member].name});
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
            m_plan.settings.append(InstallSetting{QStringLiteral("SelfRegister"), expand(name, *entry)});
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
    // "name,type,target[,folder]": type 0 links to a file, 1 to a folder.
    const QStringList fields = splitFields(line.text);
    if (fields.size() < 3)
        throw InfError(line.number, section.name, QStringLiteral("a shortcut needs a name, a type and a target"));
    bool ok = false;
    const int type = unquote(fields[1]).toInt(&ok);
    if (!ok || (type != 0 && type != 1))
        throw InfError(line.number, section.name, QStringLiteral("invalid shortcut type %1").arg(fields[1]));
    const QString name = expand(unquote(fields[0]), line, section.name);
    const QString target = expand(unquote(fields[2]), line, section.name);
    const QString ownFolder = fields.size() > 3 ? unquote(fields[3]) : QString();
    const QString folder = ownFolder.isEmpty() ? destinationFolder(section)
                                               : normalizeDevicePath(expand(ownFolder, line, section.name));
    m_plan.shortcuts.append(
        ShortcutInstall{folder, name + QStringLiteral(".lnk"), shortcutTarget(target, type, line, section.name)});
}

QString CabPlanner::shortcutTarget(const QString &target, int type, const InfLine &line, const QString &section)
{
    if (target.contains(u'\\'))
        return normalizeDevicePath(target);
    if (type == 0) {
        for (const FileInstall &file : std::as_const(m_plan.files)) {
            if (file.fileName.compare(target, Qt::CaseInsensitive) == 0)
                return file.folder + u'\\' + file.fileName;
        }
        m_diagnostics.warning(line.number, section,
                              QStringLiteral("the shortcut target %1 is not installed by this cabinet").arg(target));
    }
    return m_plan.installDir + u'\\' + target;
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
