#include "widgets/NxColorItem.h"

#include "widgets/ColorNames.h"

namespace talmo {

QString TNxColorItem::textOfColor(TColor color) const
{
    return m_colorKind == ckWeb ? ColorNames::colorToWebText(color, m_useColorNames) : ColorNames::colorToString(color);
}

std::optional<TColor> TNxColorItem::colorOfText(const QString &text) const
{
    if (text.isEmpty())
        return clNone;
    if (m_colorKind == ckDelphi)
        return ColorNames::stringToColor(text);
    const TColor color = ColorNames::webColorToColor(text);
    if (color == clNone)
        return std::nullopt;
    return color;
}

} // namespace talmo
