#pragma once

#include <QString>

namespace talmo::iscmplr {

// The routines the installer's script runtime provides, from the facts the
// library carries (the function list, the help-only routines and those the
// 5.4 compiler registers besides): a Check may name one of them instead of a
// [Code] function.
class SupportFunctions
{
public:
    static bool exists(const QString &name);
};

} // namespace talmo::iscmplr
