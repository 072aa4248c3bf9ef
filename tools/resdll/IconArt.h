#pragma once

#include "resources/ExIconCursor.h"

#include <vector>

namespace talmo {

// The icons of the resource-DLL template, drawn in code.
class IconArt
{
public:
    struct Icon
    {
        int GroupId;
        TExIcon Picture;
    };

    // Every icon with its group id; the highest id is 107, as the builder
    // numbers the icons it adds from 108.
    static std::vector<Icon> TemplateIcons();
};

} // namespace talmo
