#include "engine/script/ScriptGenerator.h"

#include "engine/script/CabInstallerEntries.h"
#include "engine/script/ComponentCondition.h"
#include "engine/script/ComponentSectionsWriter.h"
#include "engine/script/DesktopEntryWriter.h"
#include "engine/script/FilesSectionWriter.h"
#include "engine/script/ScriptCodeSection.h"
#include "engine/script/SetupSectionWriter.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

// "[Header]", the lines and, when asked, an empty line; nothing for no lines.
void appendSection(QStringList &script, const char *header, const QStringList &lines, bool emptyLineAfter)
{
    if (lines.isEmpty())
        return;
    script.append(QLatin1String(header));
    script.append(lines);
    if (emptyLineAfter)
        script.append(QString());
}

} // namespace

ScriptGenerator::ScriptGenerator(ScriptEnvironment environment)
    : m_environment(std::move(environment))
{
}

QString ScriptGenerator::IncludeLine()
{
    return QStringLiteral("#include ISSI_IncludePath+\"\\_issi.isi\"");
}

void ScriptGenerator::GenerateScript(TProjectContainer &project, QStringList &script, const QString &outputFolder)
{
    m_downloads.Clear();
    m_archiveNames.clear();
    const ComponentCondition conditions(project);
    const SetupSectionWriter setup(project, m_environment);
    const ComponentSectionsWriter components(project, m_environment, conditions);
    const DesktopEntryWriter desktopEntries(project, conditions);
    const CabInstallerEntries cabInstaller(project, conditions);

    setup.WriteDefines(script);
    setup.WriteSetupSection(outputFolder, script);
    if (project.ShowComponentsDialog && !project.InstallComponents.IsEmpty()) {
        script.append(QString());
        script.append(QStringLiteral("[Components]"));
        components.WriteComponents(script);
    }
    components.WriteTypes(script);

    script.append(QString());
    script.append(QStringLiteral("[Files]"));
    FilesSectionWriter files(project, m_environment, conditions, desktopEntries, m_downloads);
    files.SetIniFolder(m_iniFolder);
    files.Write(outputFolder, script);
    m_archiveNames = files.DirectCopyArchiveNames();
    script.append(QString());

    QStringList languages, registry, icons, installDelete, uninstallDelete, installRun, uninstallRun;
    components.WriteLanguages(languages);
    desktopEntries.WriteRegistryEntries(registry);
    desktopEntries.WriteIconEntries(icons);
    desktopEntries.WriteDeleteEntries(installDelete, uninstallDelete);
    desktopEntries.WriteRunEntries(installRun, uninstallRun);

    appendSection(script, "[Languages]", languages, true);
    appendSection(script, "[Registry]", registry, true);
    appendSection(script, "[Icons]", icons, true);
    if (cabInstaller.MakesShortcuts()) {
        if (icons.isEmpty())
            script.append(QStringLiteral("[Icons]"));
        cabInstaller.WriteShortcutLines(script);
        script.append(QString());
        cabInstaller.WriteTasks(script);
    }
    appendSection(script, "[UninstallDelete]", uninstallDelete, false);
    appendSection(script, "[InstallDelete]", installDelete, false);
    appendSection(script, "[UninstallRun]", uninstallRun, false);
    script.append(QStringLiteral("[Run]"));
    script.append(installRun);
    cabInstaller.WriteRunLines(script);

    if (m_codeSection) {
        const ScriptCodeContext context{ project, m_environment, conditions, m_downloads, m_archiveNames };
        m_codeSection->WriteCodeSection(context, script);
    }
    script.append(IncludeLine());
}

} // namespace talmo
