#include "engine/cab/CabItemNames.h"

#include "model/ProjectContainer.h"

namespace talmo::CabItemNames {

QString Target(const TProjectContainer &project, int device)
{
    return QStringLiteral("the ") + TProjectContainer::GetDeviceName(project.CEDevices[device].Caption)
           + QStringLiteral(" Target");
}

QString DeviceFile(const TProjectContainer &project, int device, const QString &source)
{
    return QStringLiteral("device file \"%1\" of %2").arg(source, Target(project, device));
}

QString DeviceFile(const TProjectContainer &project, int device, const TPPCFS_File &file)
{
    return DeviceFile(project, device, file.SourceDir + file.SourceName);
}

QString RegistrySection(const TRegistrySection &section)
{
    return QStringLiteral("registry section \"%1\"").arg(section.Caption);
}

QString ShortcutSection(const TShortcutSection &section)
{
    return QStringLiteral("shortcut section \"%1\"").arg(section.Caption);
}

QString RegistryValue(const TRegistrySection &section, const TRegistryEntry &entry)
{
    const QString value = entry.value_name.isEmpty() ? QStringLiteral("the default value")
                                                     : QStringLiteral("value \"%1\"").arg(entry.value_name);
    return QStringLiteral("%1, key %2\\%3, %4")
        .arg(RegistrySection(section), entry.registry_root_string, entry.subkey, value);
}

QString Shortcut(const TShortcutSection &section, const TShortcutEntry &entry)
{
    return QStringLiteral("shortcut \"%1\" of %2").arg(entry.shortcut_filename, ShortcutSection(section));
}

QString Capitalized(const QString &name)
{
    return name.isEmpty() ? name : name.front().toUpper() + name.mid(1);
}

} // namespace talmo::CabItemNames
