#pragma once

#include <QList>
#include <QStringList>

namespace talmo {

class TProjectContainer;

// The seven standard wizard pages of the desktop setup the project may show
// or leave out, in the order of the project window's check list.
struct StandardDialogChoices
{
    static QStringList captions();
    static QList<bool> read(const TProjectContainer &project);
    // Stores the seven values; true when any of them changed.
    static bool write(TProjectContainer &project, const QList<bool> &values);
};

} // namespace talmo
