#include "engine/script/CabInstallerEntries.h"

#include "engine/script/ComponentCondition.h"
#include "engine/script/ScriptQuoting.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

// The application's name or caption is plain text inside the installer's icon name.
QString shortcutName(const QString &application)
{
    return QStringLiteral("Name:")
        + ScriptQuoted(QStringLiteral("{group}\\Install ") + InstallerLiteral(application)
                       + QStringLiteral(" to your mobile device"));
}

QString runLine(const QString &ini, const char *check)
{
    return QStringLiteral("FileName: {code:GetCEappManager|\\") + ini + QStringLiteral("}; Parameters: {code:GetIniFile|\\")
        + ini + QStringLiteral("}; Flags: skipifdoesntexist; ") + QLatin1String(check) + QStringLiteral(": CheckAsync;");
}

} // namespace

CabInstallerEntries::CabInstallerEntries(TProjectContainer &project, const ComponentCondition &conditions)
    : m_project(project)
    , m_conditions(conditions)
{
}

bool CabInstallerEntries::isCabComponent(int componentIndex) const
{
    const int type = m_project.InstallComponents[componentIndex].moduleType;
    return type == ModuleType::CabCreator || type == ModuleType::CabCollection;
}

bool CabInstallerEntries::MakesShortcuts() const
{
    if (!m_project.CreateCABIcons)
        return false;
    for (int i = 0; i < m_project.InstallComponents.Count(); ++i) {
        if (!isCabComponent(i))
            continue;
        if (!m_conditions.IsHidden(i) || m_project.CreateCABIconsEnabledForHidden)
            return true;
    }
    return false;
}

void CabInstallerEntries::WriteShortcutLines(QStringList &lines) const
{
    const TInstallComponents &components = m_project.InstallComponents;
    auto wanted = [this](int i) {
        return !m_conditions.IsHidden(i) || m_project.CreateCABIconsEnabledForHidden;
    };
    for (int i = 0; i < components.Count(); ++i) {
        if (components[i].moduleType != ModuleType::CabCreator || !wanted(i))
            continue;
        lines.append(shortcutName(m_project.GetAppName())
                     + QStringLiteral("; FileName: {code:GetCEappManager|\\setup.ini}; Parameters: "
                                      "{code:GetIniFileNoWait|\\setup.ini}; workingdir: {app}; check: CheckAsync; "
                                      "Tasks: CreateCABIcons; ")
                     + m_conditions.Of(i));
    }
    for (int i = 0; i < components.Count(); ++i) {
        if (components[i].moduleType != ModuleType::CabCollection || !wanted(i))
            continue;
        const QString ini = QStringLiteral("comp-") + QString::number(components[i].moduleIndex) + QStringLiteral(".ini");
        lines.append(shortcutName(m_project.GetComponentCaption(i)) + QStringLiteral("; FileName: {code:GetCEappManager|\\")
                     + ini + QStringLiteral("}; Parameters: {code:GetIniFileNoWait|\\") + ini
                     + QStringLiteral("}; check: CheckAsync; workingdir: {app}; Tasks: CreateCABIcons; ")
                     + m_conditions.Of(i));
    }
}

QString CabInstallerEntries::taskComponents() const
{
    if (!m_project.ShowComponentsDialog)
        return QString();
    QStringList names;
    for (int i = 0; i < m_project.InstallComponents.Count(); ++i) {
        if (!isCabComponent(i))
            continue;
        if (m_conditions.IsHidden(i)) {
            // A hidden CAB still gets its shortcut, so the task must not depend on the list.
            if (m_project.CreateCABIconsEnabledForHidden)
                return QString();
            continue;
        }
        names.append(m_project.GetComponentName(i, true));
    }
    return names.isEmpty() ? QString() : QStringLiteral("components: ") + names.join(QStringLiteral(" or "));
}

void CabInstallerEntries::WriteTasks(QStringList &lines) const
{
    lines.append(QStringLiteral("[Tasks]"));
    lines.append(QStringLiteral("Name: CreateCABIcons; Description: \"Create shortcut(s) for installing again to your "
                                "mobile device selected components.\"; check: CheckAsync;")
                 + taskComponents());
    lines.append(QString());
}

void CabInstallerEntries::WriteRunLines(QStringList &lines) const
{
    struct Pass
    {
        int moduleType;
        const char *iniPrefix;  // empty: the project's own setup.ini
        const char *check;
    };
    static const Pass passes[] = {
        { ModuleType::CabCollection, "comp-", "check" },
        { ModuleType::CabCreator, "", "check" },
        { ModuleType::NetCF2, "netcf2", "Check" },
        { ModuleType::SqlMobile, "sqlmobile", "check" },
    };
    const TInstallComponents &components = m_project.InstallComponents;
    for (const Pass &pass : passes) {
        for (int i = 0; i < components.Count(); ++i) {
            if (components[i].moduleType != pass.moduleType)
                continue;
            const QString ini = pass.moduleType == ModuleType::CabCreator
                ? QStringLiteral("setup.ini")
                : QLatin1String(pass.iniPrefix) + QString::number(components[i].moduleIndex) + QStringLiteral(".ini");
            lines.append(runLine(ini, pass.check) + m_conditions.Of(i));
        }
    }
}

} // namespace talmo
