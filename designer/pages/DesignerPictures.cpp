#include "designer/pages/DesignerPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <functional>

namespace talmo::DesignerPictures {

namespace {

const QColor Face(0xEC, 0xE9, 0xD8);
const QColor Ink(0x33, 0x33, 0x55);
const QColor Accent(0x2F, 0x6F, 0xC0);

void drawButton(QPainter &p, const QRect &rect, const QString &text)
{
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(Face);
    p.drawRoundedRect(rect, 3, 3);
    p.setPen(Qt::black);
    p.drawText(rect, Qt::AlignCenter, text);
}

using GlyphPainter = std::function<void(QPainter &)>;

void field(QPainter &p, const QRect &rect)
{
    p.setPen(Ink);
    p.setBrush(Qt::white);
    p.drawRect(rect);
}

// One small drawing per palette class, in palette order.
const std::array<GlyphPainter, 18> &glyphPainters()
{
    static const std::array<GlyphPainter, 18> painters = {
        [](QPainter &p) { // label
            QFont font = p.font();
            font.setPixelSize(18);
            font.setBold(true);
            p.setFont(font);
            p.setPen(Ink);
            p.drawText(QRect(0, 0, 26, 26), Qt::AlignCenter, QStringLiteral("A"));
        },
        [](QPainter &p) { drawButton(p, QRect(2, 7, 21, 12), QStringLiteral("ok")); },
        [](QPainter &p) { // panel
            p.setPen(Ink);
            p.setBrush(Face);
            p.drawRect(3, 5, 19, 16);
            p.setPen(Qt::white);
            p.drawLine(4, 6, 21, 6);
        },
        [](QPainter &p) { // bitmap image
            field(p, QRect(3, 5, 19, 16));
            p.setBrush(Accent);
            p.setPen(Qt::NoPen);
            p.drawPolygon(QPolygon({ QPoint(4, 20), QPoint(11, 11), QPoint(16, 17), QPoint(19, 14), QPoint(21, 20) }));
            p.setBrush(QColor(0xF0, 0xC0, 0x20));
            p.drawEllipse(QPoint(17, 9), 2, 2);
        },
        [](QPainter &p) { // edit
            field(p, QRect(2, 8, 21, 10));
            p.drawLine(6, 10, 6, 15);
        },
        [](QPainter &p) { // check box
            field(p, QRect(5, 7, 12, 12));
            p.setPen(QPen(Accent, 2));
            p.drawPolyline(QPolygon({ QPoint(7, 13), QPoint(10, 16), QPoint(15, 9) }));
        },
        [](QPainter &p) { // memo
            field(p, QRect(3, 3, 19, 20));
            for (int y = 7; y <= 19; y += 4)
                p.drawLine(6, y, 18, y);
        },
        [](QPainter &p) { // radio button
            p.setPen(Ink);
            p.setBrush(Qt::white);
            p.drawEllipse(QPoint(12, 13), 6, 6);
            p.setBrush(Accent);
            p.drawEllipse(QPoint(12, 13), 2, 2);
        },
        [](QPainter &p) { // list box
            field(p, QRect(3, 3, 19, 20));
            p.fillRect(QRect(4, 8, 18, 4), Accent);
            p.drawLine(6, 6, 18, 6);
            p.drawLine(6, 15, 18, 15);
            p.drawLine(6, 19, 18, 19);
        },
        [](QPainter &p) { // combo box
            field(p, QRect(2, 8, 21, 10));
            p.fillRect(QRect(16, 9, 6, 8), Face);
            p.setBrush(Ink);
            p.drawPolygon(QPolygon({ QPoint(17, 12), QPoint(21, 12), QPoint(19, 15) }));
        },
        [](QPainter &p) { // static text
            QFont font = p.font();
            font.setPixelSize(13);
            p.setFont(font);
            p.setPen(Ink);
            p.drawText(QRect(0, 0, 26, 26), Qt::AlignCenter, QStringLiteral("Ab"));
        },
        [](QPainter &p) { // bevel
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawRect(3, 6, 19, 14);
            p.setPen(Qt::white);
            p.drawRect(4, 7, 19, 14);
        },
        [](QPainter &p) { // folder tree
            p.setPen(Ink);
            p.drawLine(6, 6, 6, 19);
            p.drawLine(6, 12, 11, 12);
            p.drawLine(6, 19, 11, 19);
            p.setBrush(QColor(0xF0, 0xC0, 0x20));
            p.drawRect(3, 3, 7, 5);
            p.drawRect(12, 10, 8, 5);
            p.drawRect(12, 17, 8, 5);
        },
        [](QPainter &p) { // start menu tree
            p.setPen(Ink);
            p.drawLine(6, 6, 6, 19);
            p.drawLine(6, 12, 11, 12);
            p.drawLine(6, 19, 11, 19);
            p.setBrush(QColor(0x40, 0xA0, 0x40));
            p.drawRect(3, 3, 7, 5);
            p.drawRect(12, 10, 8, 5);
            p.drawRect(12, 17, 8, 5);
        },
        [](QPainter &p) { // password edit
            field(p, QRect(2, 8, 21, 10));
            p.setBrush(Ink);
            for (int x = 6; x <= 18; x += 4)
                p.drawEllipse(QPoint(x, 13), 1, 1);
        },
        [](QPainter &p) { // check list box
            field(p, QRect(3, 3, 19, 20));
            for (int y = 6; y <= 16; y += 5) {
                p.drawRect(5, y, 4, 4);
                p.drawLine(11, y + 2, 19, y + 2);
            }
        },
        [](QPainter &p) { // progress bar
            field(p, QRect(2, 9, 21, 8));
            for (int x = 4; x <= 12; x += 4)
                p.fillRect(QRect(x, 11, 3, 5), Accent);
        },
        [](QPainter &p) { // rich edit viewer
            field(p, QRect(3, 3, 19, 20));
            p.setPen(QPen(QColor(0xC0, 0x30, 0x30), 2));
            p.drawLine(6, 8, 15, 8);
            p.setPen(QPen(Accent, 2));
            p.drawLine(6, 13, 19, 13);
            p.setPen(Ink);
            p.drawLine(6, 18, 17, 18);
        },
    };
    return painters;
}

QPixmap glyph(const GlyphPainter &paint)
{
    QPixmap pixmap(26, 26);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return pixmap;
}

} // namespace

QPixmap paletteGlyph(int index)
{
    return glyph(glyphPainters().at(std::size_t(index)));
}

QPixmap pointerGlyph()
{
    return glyph([](QPainter &p) {
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygon({ QPoint(8, 3), QPoint(8, 21), QPoint(12, 17), QPoint(15, 23), QPoint(18, 22),
                                 QPoint(15, 16), QPoint(20, 16) }));
    });
}

QPixmap emptyWizard()
{
    QPixmap pixmap(503, 392);
    pixmap.fill(Face);
    QPainter p(&pixmap);
    // Title bar.
    QLinearGradient title(0, 0, 503, 0);
    title.setColorAt(0, QColor(0x0A, 0x24, 0x6A));
    title.setColorAt(1, QColor(0xA6, 0xCA, 0xF0));
    p.fillRect(QRect(0, 0, 503, 22), title);
    p.setPen(Qt::white);
    QFont bold = p.font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(8, 0, 300, 22), Qt::AlignVCenter, QStringLiteral("Setup"));
    p.setFont(QFont());
    // White header band with its small picture.
    p.fillRect(QRect(0, 22, 503, 58), Qt::white);
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawLine(0, 80, 503, 80);
    p.fillRect(QRect(447, 28, 48, 46), QColor(0xD8, 0xE4, 0xF4));
    p.setPen(Accent);
    p.drawRect(QRect(447, 28, 47, 45));
    // The page's surface.
    p.setPen(Qt::red);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(42, 103), QPoint(462, 333)));
    // Buttons.
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawLine(0, 346, 503, 346);
    drawButton(p, QRect(256, 357, 75, 23), QStringLiteral("< Back"));
    drawButton(p, QRect(331, 357, 75, 23), QStringLiteral("Next >"));
    drawButton(p, QRect(416, 357, 75, 23), QStringLiteral("Cancel"));
    return pixmap;
}

} // namespace talmo::DesignerPictures
