#pragma once

#include <QString>

#include <stdexcept>

namespace talmo {

// Raised by every typed model list for an index outside the list, and by the
// model operations that follow an index stored in the model (a component's
// parent or module, a section's disk) when it leads nowhere. Loaders and
// builders catch it as their one failure signal for inconsistent projects.
class ListIndexError : public std::out_of_range
{
public:
    ListIndexError(int index, int count);
    explicit ListIndexError(const QString &message);

    QString message() const;
};

} // namespace talmo
