#include "engine/cab/CabProjectCheck.h"

#include "engine/cab/CabBuildPlan.h"
#include "engine/cab/CabItemNames.h"
#include "helpers/core/DeviceRegistryData.h"
#include "helpers/core/InfSectionName.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

// The .inf file writes every type it does not know as a DWORD.
QString builtType(const QString &typeText)
{
    static const QStringList known = {QStringLiteral("TYPE_SZ"), QStringLiteral("TYPE_MULTI_SZ"),
                                      QStringLiteral("TYPE_BINARY"), QStringLiteral("TYPE_DWORD")};
    return known.contains(typeText) ? typeText : QStringLiteral("TYPE_DWORD");
}

void checkSectionName(const QString &item, const QString &name, QStringList &problems)
{
    const QString problem = InfSectionName::Problem(name);
    if (!problem.isEmpty())
        problems.append(CabItemNames::Capitalized(item) + QStringLiteral(": the name cannot be written into the .inf file. ") + problem);
}

struct NamedItem
{
    QString item;
    QString name;
};

// cabwiz and the .inf file compare section names ignoring case, so two items
// whose names differ only in case would write into one section. Each clash is
// named once, by the item and the first one before it that has its name.
void checkDistinctNames(const QList<NamedItem> &items, QStringList &problems)
{
    for (qsizetype i = 1; i < items.size(); ++i) {
        for (qsizetype j = 0; j < i; ++j) {
            if (items[i].name.compare(items[j].name, Qt::CaseInsensitive) == 0) {
                problems.append(QStringLiteral("%1 and %2: the .inf file would merge them into one section, as it "
                                               "ignores the case of section names.")
                                    .arg(CabItemNames::Capitalized(items[j].item), items[i].item));
                break;
            }
        }
    }
}

// A blank in a target's name is "_" in its CAB's name, so "ARM v4" and
// "ARM_v4" would build one CAB file, the later overwriting the earlier.
// Names that differ only in case are named by the section check already.
void checkDistinctCabNames(const TProjectContainer &project, const QList<NamedItem> &targets, QStringList &problems)
{
    const QStringList cabs = CabBuildPlan(project).ProducedCabNames();
    for (qsizetype i = 1; i < targets.size(); ++i) {
        for (qsizetype j = 0; j < i; ++j) {
            if (cabs[i].compare(cabs[j], Qt::CaseInsensitive) == 0
                && targets[i].name.compare(targets[j].name, Qt::CaseInsensitive) != 0) {
                problems.append(QStringLiteral("%1 and %2: both would build the CAB file %3.")
                                    .arg(CabItemNames::Capitalized(targets[j].item), targets[i].item, cabs[i]));
                break;
            }
        }
    }
}

bool isInstalled(const TProjectContainer &project, const TRegistrySection &section)
{
    for (const TCEDevice &target : project.CEDevices) {
        if (target.Installation.defaultInstallRegistry.contains(section.Caption))
            return true;
    }
    return false;
}

} // namespace

QStringList CabProjectCheck::Problems(const TProjectContainer &project)
{
    QStringList problems;
    checkDeviceFiles(project, problems);
    checkRegistryData(project, problems);
    checkSectionNames(project, problems);
    checkTargetNames(project, problems);
    return problems;
}

void CabProjectCheck::checkDeviceFiles(const TProjectContainer &project, QStringList &problems)
{
    for (int d = 0; d < project.CEDevices.Count(); ++d) {
        for (const TPPCFS_File &file : project.CEDevices[d].Files) {
            const QString item = CabItemNames::Capitalized(CabItemNames::DeviceFile(project, d, file));
            if (LeavesItsFolder(file.DestinationName)) {
                problems.append(item + QStringLiteral(": the destination name \"%1\" must name a file inside its "
                                                      "folder on the device").arg(file.DestinationName));
            }
            if (ClimbsOutOfItsFolder(file.DestinationDir)) {
                problems.append(item + QStringLiteral(": the destination folder \"%1\" must not climb out through \"..\"")
                                           .arg(file.DestinationDir));
            }
        }
    }
}

// Only the sections a target installs reach cabwiz's checks.
void CabProjectCheck::checkRegistryData(const TProjectContainer &project, QStringList &problems)
{
    for (const TRegistrySection &section : project.RegistrySections) {
        if (!isInstalled(project, section))
            continue;
        for (const TRegistryEntry &entry : section.Entries) {
            const QString problem = DeviceRegistryData::Problem(builtType(entry.flags), entry.value);
            if (!problem.isEmpty()) {
                problems.append(QStringLiteral("%1: the %2 data \"%3\" cannot be built. %4")
                                    .arg(CabItemNames::Capitalized(CabItemNames::RegistryValue(section, entry)),
                                         entry.flags, entry.value, problem));
            }
        }
    }
}

// Every section is written into the .inf file, installed or not.
// Registry and shortcut sections share the .inf file's "[name]" headers.
void CabProjectCheck::checkSectionNames(const TProjectContainer &project, QStringList &problems)
{
    QList<NamedItem> sections;
    for (const TRegistrySection &section : project.RegistrySections)
        sections.append({CabItemNames::RegistrySection(section), section.Caption});
    for (const TShortcutSection &section : project.ShortcutsSections)
        sections.append({CabItemNames::ShortcutSection(section), section.Caption});
    for (const NamedItem &section : sections)
        checkSectionName(section.item, section.name, problems);
    checkDistinctNames(sections, problems);
}

// A processor target's name heads its own "[CEDevice.name]",
// "[DefaultInstall.name]" and source disk sections; the first, default
// target's sections carry no name.
void CabProjectCheck::checkTargetNames(const TProjectContainer &project, QStringList &problems)
{
    QList<NamedItem> targets;
    for (int d = 1; d < project.CEDevices.Count(); ++d)
        targets.append({CabItemNames::Target(project, d), TProjectContainer::GetDeviceName(project.CEDevices[d].Caption)});
    for (const NamedItem &target : targets)
        checkSectionName(target.item, target.name, problems);
    checkDistinctNames(targets, problems);
    checkDistinctCabNames(project, targets, problems);
}

} // namespace talmo
