#pragma once

#include <QList>

namespace talmo {

class TProjectContainer;
struct TShortcutEntry;

// A device shortcut that has an icon of its own cannot be written as a line of
// the .inf file: it is installed as a one-line .lnk file instead, and an .ico
// icon travels in a resource DLL beside it. These helpers name such shortcuts
// and list them in the orders the .inf file, the shortcut files and the
// resource DLL copies share.
class CustomIconShortcuts
{
public:
    // One inclusion of a custom-icon shortcut by a configuration: section s,
    // entry e and configuration d. A configuration that names a section twice
    // includes its shortcuts twice.
    struct Inclusion
    {
        int section = 0;
        int entry = 0;
        int device = 0;
    };

    // A shortcut to a file with a custom icon file.
    static bool IsCustomIcon(const TShortcutEntry &entry);
    // A custom-icon shortcut whose icon file is an .ico file (any case).
    static bool IsResourceIcon(const TShortcutEntry &entry);

    // Section by section, entry by entry, then configuration by configuration
    // and once per matching name in its shortcut-section list.
    static QList<Inclusion> BySection(const TProjectContainer &project);
    // The inclusions of one configuration: its shortcut-section names in
    // order, the sections of each name in project order, their entries in order.
    static QList<Inclusion> OfDevice(const TProjectContainer &project, int device);
};

} // namespace talmo
