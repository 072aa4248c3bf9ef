#pragma once

#include "widgets/Colors.h"

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>

class QPainter;

namespace talmo {

// In the order of the stored alignment values.
enum class HorzAlign { Left, Right, Center };
enum class VertAlign { Top, Bottom, Center };

// The drawing routines every painted control of the suite shares: box
// alignment, gradients, glossy fills, text in a rectangle and grey images.
// Rectangles are QRects; "right" and "bottom" below mean the first pixel
// outside (x + width, y + height).
class SharedDraw
{
public:
    static QPoint alignBox(int width, int height, int margin, const QRect &rect, HorzAlign hAlign, VertAlign vAlign);
    // Turns the points 0..lastIndex upside down around the rectangle's middle.
    static void mirrorPointsVert(QPolygon &points, int lastIndex, const QRect &rect);

    // One line per row (column): row y gets mixColor(from, to, (y - top) / height),
    // so the last row stays one step short of "to".
    static void drawVertGradient(QPainter &painter, const QRect &rect, TColor from, TColor to);
    static void drawHorzGradient(QPainter &painter, const QRect &rect, TColor from, TColor to);

    // Rows from top to bottom colour, the first glossRows fading from white.
    static void fillGlossy(QPainter &painter, const QRect &rect, TColor top, TColor bottom, int glossRows);
    // As fillGlossy, palest in the middle column.
    static void fillGlossyBand(QPainter &painter, const QRect &rect, TColor top, TColor bottom, int glossRows);
    // Lightens the upper half with white, strongest at the top row.
    static void highlightUpperHalf(QPainter &painter, const QRect &rect);
    // The colour of row r of a glossy fill of the given height.
    static TColor glossyRowColor(int row, int height, TColor top, TColor bottom, int glossRows);

    // Single line, vertically centred, elided at the end; nothing for empty text.
    static void drawTextRect(QPainter &painter, const QRect &rect, HorzAlign alignment, const QString &text,
                             bool rightToLeft = false);
    static void drawWrappedTextRect(QPainter &painter, const QRect &rect, HorzAlign alignment, VertAlign vAlign,
                                    bool wordWrap, const QString &text, bool rightToLeft = false);
    // The classic disabled look: highlight one pixel down-right, shadow on top.
    static void drawEmbossedText(QPainter &painter, const QRect &rect, const QString &text, HorzAlign alignment);
    static void drawFocusFrame(QPainter &painter, const QRect &rect, bool selected);
    // A one-pixel frame inside rect.
    static void drawFrame(QPainter &painter, const QRect &rect, TColor color);

    // "ab" in an 8-point sample of the font on the highlight colour.
    static void drawFontSample(QPainter &painter, const QRect &rect, const QString &fontName);
    // A 32-bit image with alpha laid over a solid colour (other images unchanged).
    static QImage imageOnColor(const QImage &image, TColor color);
    // The classic disabled look of an image: its shape embossed in the
    // highlight and shadow colours on the button face. The colour of the
    // bottom-left pixel (and transparent pixels) is background.
    static QImage disabledImage(const QImage &image);

    // Every pixel of a 24- or 32-bit image becomes the average of its three
    // channels (alpha kept); other formats stay unchanged.
    static void makeGrayImage(QImage &image);
};

} // namespace talmo
