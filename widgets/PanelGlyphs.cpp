#include "widgets/PanelGlyphs.h"

#include <QPainter>

namespace talmo {

namespace {

// Two chevrons pointing left (or right when mirrored).
QPixmap chevrons(bool pointLeft)
{
    QPixmap glyph(8, 7);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setPen(Qt::black);
    for (int start : {0, 4}) {
        for (int i = 0; i < 4; ++i) {
            const int x = pointLeft ? start + i : start + 3 - i;
            painter.drawLine(x, 3 - i, x, 3 + i);
        }
    }
    return glyph;
}

QPixmap boxedSign(bool plus)
{
    QPixmap glyph(9, 9);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, 8, 8);
    painter.setPen(Qt::black);
    painter.drawLine(2, 4, 6, 4);
    if (plus)
        painter.drawLine(4, 2, 4, 6);
    return glyph;
}

} // namespace

QPixmap PanelGlyphs::headerCollapse()
{
    return chevrons(true);
}

QPixmap PanelGlyphs::headerExpand()
{
    return chevrons(false);
}

QPixmap PanelGlyphs::flipCollapse()
{
    return boxedSign(false);
}

QPixmap PanelGlyphs::flipExpand()
{
    return boxedSign(true);
}

} // namespace talmo
