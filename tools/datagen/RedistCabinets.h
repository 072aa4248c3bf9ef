#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// The cabinets of the built-in SQL Mobile and .NET CF2 sets under "redist".
// Talmo does not ship those runtimes: each path gets a small cabinet that says
// it is a placeholder.
class RedistCabinets
{
public:
    // Paths relative to the program folder, with "/" between folders.
    static QStringList relativePaths();
    // Writes every cabinet below programFolder; false with a reason on failure.
    static bool writeAll(const QString &programFolder, QString *error);
};

} // namespace talmo
