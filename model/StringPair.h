#pragma once

#include "model/OwningList.h"

#include <QString>

namespace talmo {

// A custom string: a string of the .inf file and the path macro %Name%.
struct TStringPair
{
    QString Name;
    QString Value;
};

using TStringPairs = OwningList<TStringPair>;

} // namespace talmo
