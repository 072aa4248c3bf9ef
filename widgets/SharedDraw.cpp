#include "widgets/SharedDraw.h"

#include "widgets/ColorBlend.h"

#include <QPainter>

#include <algorithm>

namespace talmo {

namespace {

QColor qcolor(TColor color)
{
    return SystemColors::toQColor(color);
}

int textFlags(HorzAlign alignment)
{
    switch (alignment) {
    case HorzAlign::Right: return Qt::AlignRight;
    case HorzAlign::Center: return Qt::AlignHCenter;
    case HorzAlign::Left: break;
    }
    return Qt::AlignLeft;
}

} // namespace

QPoint SharedDraw::alignBox(int width, int height, int margin, const QRect &rect, HorzAlign hAlign, VertAlign vAlign)
{
    const int left = rect.x(), top = rect.y();
    const int right = left + rect.width(), bottom = top + rect.height();
    QPoint point;
    switch (hAlign) {
    case HorzAlign::Left: point.setX(left + margin); break;
    case HorzAlign::Right: point.setX(right - width - margin); break;
    case HorzAlign::Center: point.setX((left + right) / 2 - width / 2); break;
    }
    switch (vAlign) {
    case VertAlign::Top: point.setY(top + margin); break;
    case VertAlign::Bottom: point.setY(bottom - height - margin); break;
    case VertAlign::Center: point.setY((top + bottom) / 2 - height / 2); break;
    }
    return point;
}

void SharedDraw::mirrorPointsVert(QPolygon &points, int lastIndex, const QRect &rect)
{
    const int mid = rect.y() + rect.height() / 2;
    for (int i = 0; i <= lastIndex && i < points.size(); ++i)
        points[i].setY(2 * mid - points[i].y());
}

void SharedDraw::drawVertGradient(QPainter &painter, const QRect &rect, TColor from, TColor to)
{
    painter.save();
    for (int row = 0; row < rect.height(); ++row) {
        painter.setPen(qcolor(ColorBlend::mixColor(from, to, double(row) / rect.height())));
        painter.drawLine(rect.x(), rect.y() + row, rect.x() + rect.width() - 1, rect.y() + row);
    }
    painter.restore();
}

void SharedDraw::drawHorzGradient(QPainter &painter, const QRect &rect, TColor from, TColor to)
{
    painter.save();
    for (int column = 0; column < rect.width(); ++column) {
        painter.setPen(qcolor(ColorBlend::mixColor(from, to, double(column) / rect.width())));
        painter.drawLine(rect.x() + column, rect.y(), rect.x() + column, rect.y() + rect.height() - 1);
    }
    painter.restore();
}

TColor SharedDraw::glossyRowColor(int row, int height, TColor top, TColor bottom, int glossRows)
{
    TColor color = ColorBlend::blendAlpha(bottom, top, ColorBlend::roundHalfEven(double(row) / height * 255));
    if (row < glossRows)
        color = ColorBlend::blendAlpha(color, clWhite, ColorBlend::roundHalfEven(double(row) / (2 * glossRows) * 255));
    return color;
}

void SharedDraw::fillGlossy(QPainter &painter, const QRect &rect, TColor top, TColor bottom, int glossRows)
{
    if (rect.isEmpty())
        return;
    QImage band(rect.size(), QImage::Format_RGB32);
    for (int row = 0; row < rect.height(); ++row) {
        const QRgb rgb = qcolor(glossyRowColor(row, rect.height(), top, bottom, glossRows)).rgb();
        std::fill_n(reinterpret_cast<QRgb *>(band.scanLine(row)), rect.width(), rgb);
    }
    painter.drawImage(rect.topLeft(), band);
}

void SharedDraw::fillGlossyBand(QPainter &painter, const QRect &rect, TColor top, TColor bottom, int glossRows)
{
    if (rect.isEmpty())
        return;
    QImage band(rect.size(), QImage::Format_RGB32);
    const int mid = rect.width() / 2;
    for (int row = 0; row < rect.height(); ++row) {
        const TColor rowColor = glossyRowColor(row, rect.height(), top, bottom, glossRows);
        auto *line = reinterpret_cast<QRgb *>(band.scanLine(row));
        for (int x = 0; x < rect.width(); ++x) {
            const int alpha = std::clamp(std::abs(mid - x) * 2 + 100, 0, 255);
            line[x] = qcolor(ColorBlend::blendAlpha(rowColor, clWhite, alpha)).rgb();
        }
    }
    painter.drawImage(rect.topLeft(), band);
}

void SharedDraw::highlightUpperHalf(QPainter &painter, const QRect &rect)
{
    painter.save();
    const int rows = std::min(rect.height() / 2, 22);
    for (int row = 0; row < rows; ++row) {
        const int alpha = 150 - 7 * row;
        QColor white(Qt::white);
        white.setAlpha(255 - alpha);
        painter.fillRect(QRect(rect.x(), rect.y() + row, rect.width(), 1), white);
    }
    painter.restore();
}

void SharedDraw::drawTextRect(QPainter &painter, const QRect &rect, HorzAlign alignment, const QString &text,
                              bool rightToLeft)
{
    if (text.isEmpty())
        return;
    painter.save();
    painter.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const QString elided = painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width());
    painter.drawText(rect, textFlags(alignment) | Qt::AlignVCenter | Qt::TextSingleLine, elided);
    painter.restore();
}

void SharedDraw::drawWrappedTextRect(QPainter &painter, const QRect &rect, HorzAlign alignment, VertAlign vAlign,
                                     bool wordWrap, const QString &text, bool rightToLeft)
{
    if (text.isEmpty())
        return;
    painter.save();
    painter.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const int vertical = vAlign == VertAlign::Bottom ? Qt::AlignBottom
                         : vAlign == VertAlign::Center ? Qt::AlignVCenter
                                                       : Qt::AlignTop;
    const int flags = textFlags(alignment) | vertical | (wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void SharedDraw::drawEmbossedText(QPainter &painter, const QRect &rect, const QString &text, HorzAlign alignment)
{
    painter.save();
    painter.setPen(qcolor(clBtnHighlight));
    drawTextRect(painter, rect.translated(1, 1), alignment, text);
    painter.setPen(qcolor(clBtnShadow));
    drawTextRect(painter, rect, alignment, text);
    painter.restore();
}

void SharedDraw::drawFocusFrame(QPainter &painter, const QRect &rect, bool selected)
{
    painter.save();
    if (selected) {
        drawFrame(painter, rect, clHighlight);
    } else {
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

void SharedDraw::drawFrame(QPainter &painter, const QRect &rect, TColor color)
{
    painter.save();
    painter.setPen(qcolor(color));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void SharedDraw::drawFontSample(QPainter &painter, const QRect &rect, const QString &fontName)
{
    painter.save();
    QFont font(fontName);
    font.setPointSize(8);
    painter.setFont(font);
    painter.setClipRect(rect);
    painter.fillRect(rect, qcolor(clHighlight));
    painter.setPen(qcolor(clHighlightText));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("ab"));
    painter.restore();
}

QImage SharedDraw::imageOnColor(const QImage &image, TColor color)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage result(image.size(), QImage::Format_RGB32);
    result.fill(qcolor(color));
    QPainter painter(&result);
    painter.drawImage(0, 0, image);
    return result;
}

QImage SharedDraw::disabledImage(const QImage &image)
{
    if (image.isNull())
        return image;
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = source.pixel(0, source.height() - 1);
    QImage shape(source.size(), QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            if (pixel != background && qAlpha(pixel) > 0)
                shape.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    }
    const auto tinted = [&shape](TColor color) {
        QImage copy = shape;
        QPainter painter(&copy);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(copy.rect(), qcolor(color));
        return copy;
    };
    QImage result(source.size(), QImage::Format_RGB32);
    result.fill(qcolor(clBtnFace));
    QPainter painter(&result);
    painter.drawImage(1, 1, tinted(clBtnHighlight));
    painter.drawImage(0, 0, tinted(clBtnShadow));
    return result;
}

void SharedDraw::makeGrayImage(QImage &image)
{
    const QImage::Format format = image.format();
    const bool keepsAlpha = format == QImage::Format_ARGB32 || format == QImage::Format_ARGB32_Premultiplied;
    if (format != QImage::Format_RGB32 && format != QImage::Format_RGB888 && !keepsAlpha)
        return;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int gray = (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3;
            image.setPixel(x, y, qRgba(gray, gray, gray, keepsAlpha ? qAlpha(pixel) : 255));
        }
    }
}

} // namespace talmo
