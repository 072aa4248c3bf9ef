#include "widgets/Themes.h"

#include "widgets/ColorBlend.h"

namespace talmo {

bool Themes::isThemed()
{
    return false;
}

TColor Themes::stateColor(int index)
{
    return stateColor(index, isThemed());
}

TColor Themes::stateColor(int index, bool themed)
{
    switch (index) {
    case 0: return themed ? rgbColor(0xFF, 0xEE, 0xC2) : ColorBlend::blendAlpha(clHighlight, clWindow, 80);
    case 1: return themed ? rgbColor(0xFF, 0xD5, 0x8C) : cl3DLight;
    case 2: return themed ? rgbColor(0xFF, 0xA6, 0x4C) : cl3DLight;
    case 3: return clHotLight;
    case 4: return rgbColor(0xFF, 0xD5, 0x8C);
    case 5: return rgbColor(0xFF, 0xAD, 0x55);
    case 6: return rgbColor(0xFF, 0xF4, 0xCC);
    case 7: return rgbColor(0xFF, 0xD0, 0x91);
    case 8: return themed ? rgbColor(0xFE, 0x91, 0x4E) : rgbColor(0xFE, 0x91, 0xB2);
    case 9: return rgbColor(0xFF, 0xD3, 0x8E);
    case 10: return themed ? clInactiveCaptionText : clWindow;
    case 11: return themed ? ColorBlend::blendAlpha(clHighlight, clInactiveCaptionText, 132) : clBtnFace;
    case 12: return themed ? rgbColor(0x7F, 0x9D, 0xB9) : clGrayText;
    default: return clNone;
    }
}

} // namespace talmo
