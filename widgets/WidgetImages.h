#pragma once

#include <QCursor>
#include <QPixmap>

namespace talmo {

// The small images and cursors of the widget suite, drawn in code.
class WidgetImages
{
public:
    enum class RollCursor { Neutral, Up, Down };

    // An arrow pointing up and to the right, shown over an edit's info area.
    static QCursor reversedArrowCursor();
    // The cursors of middle-button roll scrolling.
    static QCursor rollCursor(RollCursor kind);
    // The glyph of the colour popup's "more colours" button.
    static QPixmap moreColorsGlyph();
    // The glyph of the colour popup's "no colour" button.
    static QPixmap noColorGlyph();
};

} // namespace talmo
