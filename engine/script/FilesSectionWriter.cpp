#include "engine/script/FilesSectionWriter.h"

#include "engine/cab/CabBuildPlan.h"
#include "engine/script/ComponentCondition.h"
#include "engine/script/DesktopEntryWriter.h"
#include "engine/script/ScriptEnvironment.h"
#include "engine/script/ScriptGenerationError.h"
#include "engine/script/ScriptPaths.h"
#include "engine/script/ScriptQuoting.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

const QString builtinSetCaption = QStringLiteral("Builtin Distribution");

QString supportFileLine(const QString &path)
{
    return QStringLiteral("Source: ") + ScriptQuoted(path) + QStringLiteral("; DestDir: {tmp}; Flags: dontcopy");
}

// "Source: "<source>"; DestDir: "<destDir>"; Check: <check>;"
QString checkedLine(const QString &source, const QString &destDir, const char *check)
{
    return QStringLiteral("Source: ") + ScriptQuoted(source) + QStringLiteral("; DestDir: ") + ScriptQuoted(destDir)
        + QStringLiteral("; Check: ") + QLatin1String(check) + QLatin1Char(';');
}

// The same for a downloaded file, which keeps the URL's file name.
QString downloadedLine(int downloadIndex, const QString &url, const QString &destDir, const char *check)
{
    return QStringLiteral("Source: ") + ScriptQuoted(DownloadList::TemporaryName(downloadIndex))
        + QStringLiteral("; DestDir: ") + ScriptQuoted(destDir) + QStringLiteral("; DestName: ")
        + ScriptQuoted(ExtractUrlFileName(url)) + QStringLiteral("; Check: ") + QLatin1String(check)
        + QLatin1Char(';');
}

} // namespace

FilesSectionWriter::FilesSectionWriter(TProjectContainer &project, const ScriptEnvironment &environment,
                                       const ComponentCondition &conditions,
                                       const DesktopEntryWriter &desktopEntries, DownloadList &downloads)
    : m_project(project)
    , m_environment(environment)
    , m_conditions(conditions)
    , m_desktopEntries(desktopEntries)
    , m_downloads(downloads)
{
}

void FilesSectionWriter::Write(const QString &outputFolder, QStringList &lines)
{
    m_archiveNames.clear();
    writeDirectCopyModules(lines);
    writeSkinFiles(lines);
    writePalmSections(lines);
    if (!m_project.Win32Only)
        writeCabCreator(outputFolder, lines);
    writePluginContainers(lines);
    writeCabCollections(lines);
    writeDesktopFiles(lines);
}

QString FilesSectionWriter::programFile(const QString &relativeName) const
{
    return m_environment.programFolder + relativeName;
}

QString FilesSectionWriter::resolved(const QString &reference) const
{
    return ResolveFileReference(m_project.FileName, reference);
}

QString FilesSectionWriter::iniSource(const QString &fileName) const
{
    return m_iniFolder.isEmpty() ? fileName : m_iniFolder + QLatin1Char('\\') + fileName;
}

int FilesSectionWriter::addDownload(const QString &url, int componentIndex, DownloadList::CheckType checkType)
{
    const int index = m_downloads.Count();
    return m_downloads.Add(url, DownloadList::TemporaryFileExpression(QStringLiteral("down-") + QString::number(index)),
                           m_conditions.DownloadModuleName(componentIndex), checkType);
}

QString FilesSectionWriter::uniqueArchiveName(int moduleIndex, const QString &fileName) const
{
    // The setup's temporary folder is one folder on a case-blind file system.
    QString name = fileName;
    while (m_archiveNames.contains(name, Qt::CaseInsensitive))
        name = QStringLiteral("dcm") + QString::number(moduleIndex) + QLatin1Char('_') + name;
    return name;
}

void FilesSectionWriter::writeDirectCopyModules(QStringList &lines)
{
    if (m_project.DirectCopyModules.IsEmpty())
        return;
    lines.append(supportFileLine(programFile(QStringLiteral("kestrin.dll"))));
    for (int i = 0; i < m_project.DirectCopyModules.Count(); ++i) {
        const TDirectCopyModule &module = m_project.DirectCopyModules[i];
        if (module.Files.IsEmpty()) {
            throw ScriptGenerationError(
                QStringLiteral("Direct copy module \"%1\" has no archive to copy").arg(module.Caption));
        }
        const QString source = module.Files[0].Source;
        if (IsUrl(source)) {
            const QString name = uniqueArchiveName(i, ExtractUrlFileName(source));
            m_archiveNames.append(name);
            m_downloads.Add(source, DownloadList::TemporaryFileExpression(name),
                            m_conditions.DownloadModuleName(m_conditions.RequireComponent(ModuleType::DirectCopy, i)),
                            DownloadList::NeedsActiveSync);
            continue;
        }
        const QString path = resolved(source);
        const QString ownName = ScriptFileNamePart(path);
        const QString name = uniqueArchiveName(i, ownName);
        m_archiveNames.append(name);
        QString line = QStringLiteral("Source: ") + ScriptQuoted(path) + QStringLiteral("; DestDir: ")
            + ScriptQuoted(QStringLiteral("{tmp}"));
        if (name != ownName)
            line += QStringLiteral("; DestName: ") + ScriptQuoted(name);
        lines.append(line + QStringLiteral("; Flags: dontcopy nocompression;"));
    }
}

void FilesSectionWriter::writeSkinFiles(QStringList &lines)
{
    if (m_project.SkinName != QLatin1String("Default")) {
        lines.append(supportFileLine(
            programFile(QStringLiteral("Setup Skins\\") + m_project.SkinName + QStringLiteral("\\button.bmp"))));
    }
    if (m_project.SkinCrafterSupport) {
        lines.append(supportFileLine(programFile(QStringLiteral("SkinCrafter\\NSIS_SkinCrafter_Plugin.dll"))));
        lines.append(supportFileLine(programFile(QStringLiteral("SkinCrafter\\callnsis.dll"))));
        const QString skin = m_project.SkinCrafterSkinFileName.isEmpty()
            ? programFile(QStringLiteral("SkinCrafter\\vista.skf"))
            : resolved(m_project.SkinCrafterSkinFileName);
        lines.append(supportFileLine(skin));
    }
}

void FilesSectionWriter::writePalmSections(QStringList &lines)
{
    if (m_project.PalmSections.IsEmpty())
        return;
    for (const char *dll : { "condmgr.dll", "HSAPI.dll", "Instaide.dll" })
        lines.append(checkedLine(programFile(QLatin1String(dll)), QStringLiteral("{app}"), "CheckPalm"));
    for (int n = 0; n < m_project.PalmSections.Count(); ++n) {
        const TPalmSection &section = m_project.PalmSections[n];
        if (section.Files.IsEmpty())
            continue;
        const int component = m_conditions.RequireComponent(ModuleType::PalmOS, n);
        const QString condition = m_conditions.Of(component);
        const QString destDir = QStringLiteral("{app}\\palmos_") + QString::number(n);
        for (const TFile &file : section.Files) {
            if (IsUrl(file.Source)) {
                const int k = addDownload(file.Source, component, DownloadList::NeedsPalmDesktop);
                lines.append(downloadedLine(k, file.Source, destDir, "CheckPalm") + condition
                             + (condition.isEmpty() ? QString() : QStringLiteral(" ")) + QStringLiteral("flags: external;"));
            } else {
                lines.append(checkedLine(resolved(file.Source), destDir, "CheckPalm") + condition);
            }
        }
    }
}

void FilesSectionWriter::writeCabCreator(const QString &outputFolder, QStringList &lines)
{
    const QString condition = m_conditions.Of(m_conditions.RequireComponent(ModuleType::CabCreator, 0));
    lines.append(checkedLine(iniSource(QStringLiteral("setup.ini")), QStringLiteral("{app}"), "CheckAsync") + condition);
    if (!m_project.IconFile.isEmpty()) {
        lines.append(QStringLiteral("Source: ") + ScriptQuoted(m_project.IconFile) + QStringLiteral("; DestDir: ")
                     + ScriptQuoted(QStringLiteral("{app}")) + QStringLiteral("; DestName: ")
                     + ScriptQuoted(QStringLiteral("auni.ico")) + QLatin1Char(';') + condition);
    }
    if (m_project.CEDevices.IsEmpty())
        return;
    // The names under which the CAB build leaves the CABs in the output folder.
    for (const QString &cab : CabBuildPlan(m_project).FinalCabNames())
        lines.append(checkedLine(outputFolder + QLatin1Char('\\') + cab, QStringLiteral("{app}"), "CheckAsync") + condition);
}

QString FilesSectionWriter::runtimeCabPath(int moduleType, const QString &setCaption, int platform,
                                           int processor, int file, const QString &storedPath) const
{
    if (setCaption != builtinSetCaption)
        return storedPath;
    if (!m_environment.redistributables)
        throw ScriptGenerationError(QStringLiteral("The built-in redistributable sets are not available"));
    return m_environment.redistributables->BuiltinCabFile(moduleType, platform, processor, file);
}

void FilesSectionWriter::writePluginContainers(QStringList &lines)
{
    for (int n = 0; n < m_project.PluginContainers.Count(); ++n) {
        const TPluginContainer &container = m_project.PluginContainers[n];
        const bool sqlMobile = container.Type == TPluginContainer::SqlMobileType;
        const int moduleType = sqlMobile ? ModuleType::SqlMobile : ModuleType::NetCF2;
        const QString condition = m_conditions.Of(m_conditions.RequireComponent(moduleType, n));
        const QString ini = (sqlMobile ? QStringLiteral("sqlmobile") : QStringLiteral("netcf2"))
            + QString::number(n) + QStringLiteral(".ini");
        lines.append(checkedLine(iniSource(ini), QStringLiteral("{app}"), "CheckAsync") + condition);
        const QString destDir = QStringLiteral("{app}\\plug") + QString::number(n);
        for (int p = 0; p < container.Platforms.Count(); ++p) {
            const TPluginPlatform &platform = container.Platforms[p];
            if (!platform.Checked)
                continue;
            for (int q = 0; q < platform.Processors.Count(); ++q) {
                const TPluginProcessor &processor = platform.Processors[q];
                if (!processor.Checked)
                    continue;
                for (int f = 0; f < processor.Files.Count(); ++f) {
                    const QString path = runtimeCabPath(moduleType, container.someOldCaption, p, q, f,
                                                        processor.Files[f].Source);
                    lines.append(checkedLine(path, destDir, "CheckAsync") + condition);
                }
            }
        }
    }
}

void FilesSectionWriter::writeCabCollections(QStringList &lines)
{
    for (int n = 0; n < m_project.CabCollections.Count(); ++n) {
        const TCabCollection &collection = m_project.CabCollections[n];
        const int component = m_conditions.RequireComponent(ModuleType::CabCollection, n);
        const QString condition = m_conditions.Of(component);
        const QString name = QStringLiteral("comp-") + QString::number(n);
        lines.append(checkedLine(iniSource(name + QStringLiteral(".ini")), QStringLiteral("{app}"), "CheckAsync") + condition);
        const QString destDir = QStringLiteral("{app}\\") + name;
        for (const TFile &file : collection.Files) {
            if (IsUrl(file.Source)) {
                const int k = addDownload(file.Source, component, DownloadList::NeedsActiveSync);
                lines.append(downloadedLine(k, file.Source, destDir, "CheckAsync") + condition
                             + QStringLiteral("flags: external;"));
            } else {
                lines.append(checkedLine(resolved(file.Source), destDir, "CheckAsync") + condition);
            }
        }
    }
}

void FilesSectionWriter::writeDesktopFiles(QStringList &lines)
{
    for (int i = 0; i < m_project.Win32Plugins.Count(); ++i) {
        const TWin32Plugin &module = m_project.Win32Plugins[i];
        if (module.FileEntries.IsEmpty())
            continue;
        const int component = m_conditions.RequireComponent(ModuleType::Win32, i);
        const QString condition = m_conditions.Of(component);
        for (const TWin32FileEntry &entry : module.FileEntries) {
            const int k = IsUrl(entry.Source) ? addDownload(entry.Source, component, DownloadList::DesktopFile) : -1;
            lines.append(m_desktopEntries.FileLine(entry, k, condition));
        }
    }
}

} // namespace talmo
