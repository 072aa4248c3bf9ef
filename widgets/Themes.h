#pragma once

#include "widgets/Colors.h"

namespace talmo {

// Whether the controls draw their visual-style look or their classic look,
// and the table of state colours (hot, pressed, selected parts) of both.
// Linux has no desktop visual styles: the question answers "off", and the
// controls paint their classic look with Qt's style.
class Themes
{
public:
    static bool isThemed();

    static constexpr int StateColorCount = 13;
    // State colour 0..12 of the current look; clNone for other indices.
    static TColor stateColor(int index);
    static TColor stateColor(int index, bool themed);
};

} // namespace talmo
