#include "designer/DesignFontChoice.h"

#include "designer/DesignFont.h"
#include "widgets/Colors.h"

#include <utility>

namespace talmo {

namespace {

const std::pair<TDesignFont::TFontStyle, bool FontChoice::*> StyleFlags[] = {
    { TDesignFont::fsBold, &FontChoice::bold },
    { TDesignFont::fsItalic, &FontChoice::italic },
    { TDesignFont::fsUnderline, &FontChoice::underline },
    { TDesignFont::fsStrikeOut, &FontChoice::strikeOut },
};

} // namespace

FontChoice DesignFontChoice::choiceOf(const TDesignFont &font)
{
    FontChoice choice;
    choice.name = font.name();
    choice.size = font.size();
    for (const auto &[flag, field] : StyleFlags)
        choice.*field = font.style().testFlag(flag);
    choice.color = SystemColors::toQColor(TColor(font.color()));
    choice.charset = font.charset();
    return choice;
}

void DesignFontChoice::apply(TDesignFont &font, const FontChoice &choice)
{
    TDesignFont chosen;
    chosen.assign(font);
    chosen.setName(choice.name);
    chosen.setSize(choice.size);
    TDesignFont::TFontStyles style;
    for (const auto &[flag, field] : StyleFlags)
        style.setFlag(flag, choice.*field);
    chosen.setStyle(style);
    // The picker shows a system colour as its plain colour today; left as it
    // was, it stays the system colour.
    if (choice.color != SystemColors::toQColor(TColor(font.color())))
        chosen.setColor(int(SystemColors::fromQColor(choice.color)));
    chosen.setCharset(choice.charset);
    font.assign(chosen);
}

} // namespace talmo
