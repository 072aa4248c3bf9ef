#pragma once

#include <QString>

namespace talmo {

class TProjectContainer;
struct TPPCFS_File;
struct TRegistryEntry;
struct TRegistrySection;
struct TShortcutEntry;
struct TShortcutSection;

// The project items of a CAB build named as the CAB page shows them, so a
// message about one tells the user where to mend it. Each name begins in
// lower case, to stand inside a sentence.
namespace CabItemNames {

// "the ARM Target", "the Default Target".
QString Target(const TProjectContainer &project, int device);
// device file "bin\app.exe" of the ARM Target
QString DeviceFile(const TProjectContainer &project, int device, const QString &source);
QString DeviceFile(const TProjectContainer &project, int device, const TPPCFS_File &file);
// registry section "Reg"
QString RegistrySection(const TRegistrySection &section);
// shortcut section "Links"
QString ShortcutSection(const TShortcutSection &section);
// registry section "Reg", key HKEY_LOCAL_MACHINE\Software\Acme, value "Level"
QString RegistryValue(const TRegistrySection &section, const TRegistryEntry &entry);
// shortcut "My App" of shortcut section "Links"
QString Shortcut(const TShortcutSection &section, const TShortcutEntry &entry);
// The name with its first letter upper-cased, to begin a sentence.
QString Capitalized(const QString &name);

} // namespace CabItemNames

} // namespace talmo
