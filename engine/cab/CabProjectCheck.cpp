#include "engine/cab/CabProjectCheck.h"

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
void CabProjectCheck::checkSectionNames(const TProjectContainer &project, QStringList &problems)
{
    for (const TRegistrySection &section : project.RegistrySections)
        checkSectionName(CabItemNames::RegistrySection(section), section.Caption, problems);
    for (const TShortcutSection &section : project.ShortcutsSections)
        checkSectionName(CabItemNames::ShortcutSection(section), section.Caption, problems);
}

} // namespace talmo
