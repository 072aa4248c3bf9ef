#pragma once

#include <QList>
#include <QString>

namespace talmo {

class TProjectContainer;

// The rows of the module-flag inspector beside the module tree: headings,
// the component's flags, then one row per setup type and per language of the
// project. A row is known by its kind and index, so any number of setup types
// and languages can be told apart.
struct ModuleFlagRow
{
    enum Kind { Heading, Flag, SetupType, Language };
    // The flags by their inspector tag.
    enum FlagTag { Restart, DisableNoUninstallWarning, Exclusive, DontInheritCheck, CheckableAlone, Fixed, Hidden };

    Kind kind = Heading;
    int index = 0;  // the flag tag, or the setup type's or language's index
    QString caption;
    bool checked = false;

    // The rows for a component; "No module selected" alone for -1.
    static QList<ModuleFlagRow> rowsFor(TProjectContainer &project, int component);
    // Stores a row's new state in the component and marks the project
    // modified. Returns whether the component's Hidden flag changed.
    static bool apply(TProjectContainer &project, int component, const ModuleFlagRow &row, bool checked);
};

} // namespace talmo
