#pragma once

#include "helpers/core/ComponentTextNode.h"

namespace talmo {

class TDesignClassRegistry;

// Opening a page drops what owner-drawn styles bring along, which neither the
// design surface nor the setup script can serve: every property whose path
// holds "Draw" and every enumeration property whose value holds "Draw"
// (exact case). Headers, strings, list items, references and all other
// values stay as they are.
class PageDrawFilter
{
public:
    static void apply(ComponentTextNode &tree, const TDesignClassRegistry &registry);
};

} // namespace talmo
