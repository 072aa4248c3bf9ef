#include "windows/project/ModuleFlagRows.h"

#include "model/ProjectContainer.h"

namespace talmo {

namespace {

struct FlagField
{
    ModuleFlagRow::FlagTag tag;
    const char *caption;
    bool TInstallComponent::*field;  // null: kept by the module behind the component
};

constexpr FlagField flagFields[] = {
    { ModuleFlagRow::Restart, "Restart", &TInstallComponent::FlagRestart },
    { ModuleFlagRow::DisableNoUninstallWarning, "Disable No Uninstall Warning",
      &TInstallComponent::FlagDisableNoUninstallWarning },
    { ModuleFlagRow::Exclusive, "Exclusive", &TInstallComponent::FlagExclusive },
    { ModuleFlagRow::DontInheritCheck, "Don't Inherit Check", &TInstallComponent::FlagDontInheritCheck },
    { ModuleFlagRow::CheckableAlone, "Checkable Alone", &TInstallComponent::FlagCheckableaAlone },
    { ModuleFlagRow::Fixed, "Fixed", nullptr },
    { ModuleFlagRow::Hidden, "Hidden", nullptr },
};

bool flagValue(const TInstallComponent &component, const FlagField &flag)
{
    if (flag.field)
        return component.*flag.field;
    return flag.tag == ModuleFlagRow::Fixed ? component.GetFlagFixed() : component.GetHiddenInstall();
}

ModuleFlagRow heading(const char *caption)
{
    return { ModuleFlagRow::Heading, 0, QString::fromLatin1(caption), false };
}

void setMember(QStringList *list, const QString &name, bool member)
{
    if (!list)
        return;
    if (member && !list->contains(name))
        list->append(name);
    else if (!member)
        list->removeAll(name);
}

} // namespace

QList<ModuleFlagRow> ModuleFlagRow::rowsFor(TProjectContainer &project, int component)
{
    if (component < 0)
        return { heading("No module selected") };
    const TInstallComponent &item = project.InstallComponents.GetItem(component);
    const bool hidden = item.GetHiddenInstall();
    const bool container = item.moduleType == ModuleType::Container;
    QList<ModuleFlagRow> rows{ heading("Module Flags") };
    for (const FlagField &flag : flagFields) {
        const bool shown = hidden ? flag.tag == Hidden && !container : !(container && flag.tag == Hidden);
        if (shown)
            rows.append({ Flag, flag.tag, QString::fromLatin1(flag.caption), flagValue(item, flag) });
    }
    if (!hidden) {
        rows.append(heading("Setup Types"));
        const QStringList *types = project.GetComponentInstallTypes(component);
        for (int i = 0; i < project.InstallTypes.size(); ++i) {
            const QString &name = project.InstallTypes.at(i);
            rows.append({ SetupType, i, name, types && types->contains(name) });
        }
    }
    if (!(hidden && container)) {
        rows.append(heading("Languages"));
        const QStringList *languages = project.GetComponentLanguages(component);
        for (int i = 0; i < project.Languages.Count(); ++i) {
            const QString &name = project.Languages.GetItem(i).LanguageID;
            rows.append({ Language, i, name, languages && languages->contains(name) });
        }
    }
    return rows;
}

bool ModuleFlagRow::apply(TProjectContainer &project, int component, const ModuleFlagRow &row, bool checked)
{
    TInstallComponent &item = project.InstallComponents.GetItem(component);
    switch (row.kind) {
    case Heading:
        return false;
    case SetupType:
        setMember(project.GetComponentInstallTypes(component), row.caption, checked);
        break;
    case Language:
        setMember(project.GetComponentLanguages(component), row.caption, checked);
        break;
    case Flag:
        for (const FlagField &flag : flagFields) {
            if (flag.tag != row.index)
                continue;
            if (flag.field)
                item.*flag.field = checked;
            else if (flag.tag == Fixed)
                item.SetFlagFixed(checked);
            else
                item.SetHiddenInstall(checked);
        }
        break;
    }
    project.Modified = true;
    return row.kind == Flag && row.index == Hidden;
}

} // namespace talmo
