#pragma once

#include <QString>

namespace talmo::iscmplr {

// The installer constants of a parameter value ("{app}", "{reg:...}",
// "{cm:...}") checked as a real compile checks them: known names, spelled in
// lower case, each closed, the structured ones complete. "{{" is a brace.
class ConstantCheck
{
public:
    // What a value may hold beyond the ordinary constants. Favorites: the
    // minimum versions in force are at least 4.10 and 4.0 (or exclude a line
    // of Windows), so {userfavorites} and {commonfavorites} may be used.
    enum Extra { None = 0, OldData = 1, Break = 2, Favorites = 4 };

    // The message for the first constant refused; empty when all are taken.
    static QString problem(const QString &value, int extras = None);
};

} // namespace talmo::iscmplr
