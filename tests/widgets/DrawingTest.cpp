#include "tests/support/QtPrinters.h"

#include "widgets/ColorBlend.h"
#include "widgets/SharedDraw.h"
#include "widgets/Themes.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace talmo;

TEST(ColorBlend, BlendAlphaDividesBy256)
{
    struct Case
    {
        TColor c1, c2;
        int alpha;
        TColor expected;
    };
    const Case cases[] = {
        {clWhite, clBlack, 255, rgbColor(0xFE, 0xFE, 0xFE)},
        {clWhite, clBlack, 0, clBlack},
        {clWhite, clBlack, 128, rgbColor(127, 127, 127)},
        {clRed, clBlue, 100, rgbColor(99, 0, 154)},
        {clWhite, clBlack, 300, rgbColor(0xFE, 0xFE, 0xFE)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ColorBlend::blendAlpha(c.c1, c.c2, c.alpha), c.expected) << c.alpha;
}

TEST(ColorBlend, MixColorRoundsHalvesToEven)
{
    struct Case
    {
        TColor c1, c2;
        double x;
        TColor expected;
    };
    const Case cases[] = {
        {clBlack, clWhite, 0.5, rgbColor(0x80, 0x80, 0x80)},        // 127.5 -> 128
        {clBlack, rgbColor(5, 5, 5), 0.5, rgbColor(2, 2, 2)},         // 2.5 -> 2
        {clBlack, rgbColor(7, 7, 7), 0.5, rgbColor(4, 4, 4)},         // 3.5 -> 4
        {clRed, clBlue, 0.0, clRed},
        {clRed, clBlue, 1.0, clBlue},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ColorBlend::mixColor(c.c1, c.c2, c.x), c.expected) << c.x;
}

TEST(StateColors, BothLooksAndOutOfRange)
{
    EXPECT_EQ(Themes::stateColor(13, true), clNone);
    EXPECT_EQ(Themes::stateColor(13, false), clNone);
    EXPECT_EQ(Themes::stateColor(-1, false), clNone);
    EXPECT_EQ(Themes::stateColor(0, true), rgbColor(0xFF, 0xEE, 0xC2));
    EXPECT_EQ(Themes::stateColor(0, false), ColorBlend::blendAlpha(clHighlight, clWindow, 80));
    EXPECT_EQ(Themes::stateColor(8, true), rgbColor(0xFE, 0x91, 0x4E));
    EXPECT_EQ(Themes::stateColor(8, false), rgbColor(0xFE, 0x91, 0xB2));
    EXPECT_EQ(Themes::stateColor(12, false), clGrayText);
    EXPECT_EQ(Themes::stateColor(3, false), clHotLight);
    EXPECT_FALSE(Themes::isThemed());
}

TEST(SharedDraw, AlignBoxPlacesByMarginOrCentre)
{
    const QRect rect(10, 20, 100, 50); // right 110, bottom 70
    EXPECT_EQ(SharedDraw::alignBox(11, 11, 2, rect, HorzAlign::Left, VertAlign::Top), QPoint(12, 22));
    EXPECT_EQ(SharedDraw::alignBox(11, 11, 2, rect, HorzAlign::Right, VertAlign::Bottom), QPoint(97, 57));
    EXPECT_EQ(SharedDraw::alignBox(11, 11, 2, rect, HorzAlign::Center, VertAlign::Center), QPoint(55, 40));
}

TEST(SharedDraw, MirrorPointsTurnsTheGivenPointsOnly)
{
    QPolygon points({QPoint(0, 2), QPoint(1, 4), QPoint(2, 9)});
    SharedDraw::mirrorPointsVert(points, 1, QRect(0, 0, 10, 10));
    EXPECT_EQ(points, QPolygon({QPoint(0, 8), QPoint(1, 6), QPoint(2, 9)}));
}

TEST(SharedDraw, VerticalGradientRowsStopOneStepShort)
{
    QImage image(4, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    SharedDraw::drawVertGradient(painter, QRect(0, 0, 4, 10), clBlack, clWhite);
    painter.end();
    for (int row = 0; row < 10; ++row) {
        const TColor expected = ColorBlend::mixColor(clBlack, clWhite, row / 10.0);
        EXPECT_EQ(SystemColors::fromQColor(image.pixelColor(3, row)), expected) << row;
    }
    EXPECT_EQ(image.pixelColor(0, 9), QColor(230, 230, 230)); // 0.9 x 255 = 229.5 -> 230
}

TEST(SharedDraw, EmptyTextAndEmptyRectDrawNothing)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage before = image;
    QPainter painter(&image);
    SharedDraw::drawTextRect(painter, image.rect(), HorzAlign::Left, QString());
    SharedDraw::drawVertGradient(painter, QRect(0, 0, 20, 0), clBlack, clBlack);
    painter.end();
    EXPECT_EQ(image, before);
}

TEST(SharedDraw, GlossyFillStartsWhiteAndEndsNearTheBottomColour)
{
    EXPECT_EQ(SharedDraw::glossyRowColor(0, 20, clBlue, clRed, 5), rgbColor(0xFE, 0xFE, 0xFE));
    EXPECT_EQ(SharedDraw::glossyRowColor(19, 20, clBlack, clWhite, 0), ColorBlend::blendAlpha(clWhite, clBlack, 242));
}

TEST(SharedDraw, GrayImageAveragesChannelsOfTrueColourImagesOnly)
{
    QImage rgb(1, 1, QImage::Format_ARGB32);
    rgb.setPixel(0, 0, qRgba(30, 60, 100, 77));
    SharedDraw::makeGrayImage(rgb);
    EXPECT_EQ(rgb.pixel(0, 0), qRgba(63, 63, 63, 77));

    QImage indexed(1, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(30, 60, 100)});
    indexed.setPixel(0, 0, 0);
    SharedDraw::makeGrayImage(indexed);
    EXPECT_EQ(indexed.pixel(0, 0), qRgb(30, 60, 100));
}

TEST(SharedDraw, ImageOnColourBlendsByAlpha)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const QImage result = SharedDraw::imageOnColor(image, clBlue);
    EXPECT_EQ(result.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(result.pixel(1, 0), qRgb(0, 0, 255));
    QImage opaque(1, 1, QImage::Format_RGB32);
    opaque.fill(Qt::green);
    EXPECT_EQ(SharedDraw::imageOnColor(opaque, clBlue), opaque);
}

TEST(SharedDraw, DisabledImageEmbossesTheShapeOnTheButtonFace)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::white); // bottom-left pixel: background
    image.setPixel(1, 1, qRgb(200, 0, 0));
    const QImage result = SharedDraw::disabledImage(image);
    EXPECT_EQ(result.pixelColor(0, 0), SystemColors::toQColor(clBtnFace));
    EXPECT_EQ(result.pixelColor(1, 1), SystemColors::toQColor(clBtnShadow));
    EXPECT_EQ(result.pixelColor(2, 2), SystemColors::toQColor(clBtnHighlight));
}
