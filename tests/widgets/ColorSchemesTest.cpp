#include "tests/support/QtPrinters.h"

#include "widgets/ColorSchemes.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

struct SchemeRowCase
{
    int element;
    quint32 black, blue, silver; // RRGGBB
};

TColor fromHex(quint32 rrggbb)
{
    return rgbColor(int(rrggbb >> 16), int(rrggbb >> 8 & 0xFF), int(rrggbb & 0xFF));
}

const SchemeRowCase SchemeTable[] = {
    {1, 0x0A0A0A, 0x6692CE, 0x9B9FA6},  {2, 0x4C535C, 0x6593CF, 0x6F7074},  {3, 0xF0F1F2, 0xE3EFFF, 0xF0F1F2},
    {4, 0xD2D6E1, 0xC2D9F0, 0xD2D6E1},  {5, 0xFB8C3C, 0x000000, 0x000000},  {6, 0xEBEBEB, 0xDDE7EE, 0xEBEBEB},
    {7, 0x000000, 0x15428B, 0x15428B},  {8, 0xBDC2C9, 0xAFD2FF, 0xDADFE7},  {9, 0xF0F1F2, 0xE3EFFF, 0xF6F7F8},
    {10, 0xA7ADB6, 0x6593CF, 0x6F7074}, {11, 0, 0, 0}, {12, 0, 0, 0}, {13, 0, 0, 0}, {14, 0, 0, 0},
    {15, 0x9EA0A0, 0xB8CFE9, 0xB2B7C2}, {16, 0xFFE7A2, 0xFFE7A2, 0xFFEEC2}, {17, 0xFFBD69, 0xFFBD69, 0xFFC06F},
    {18, 0xFB8C3C, 0xFB8C3C, 0xFE803E}, {19, 0xF0F1F2, 0xE3EFFF, 0xA8A7BF}, {20, 0xC4C8CE, 0xB6D6FF, 0x787797},
};

} // namespace

TEST(ColorSchemes, EveryElementOfEverySchemeAndTheDefaultRedirect)
{
    for (const SchemeRowCase &row : SchemeTable) {
        SCOPED_TRACE(row.element);
        EXPECT_EQ(ColorSchemes::schemeColor(row.element, csBlack), fromHex(row.black));
        EXPECT_EQ(ColorSchemes::schemeColor(row.element, csBlue), fromHex(row.blue));
        EXPECT_EQ(ColorSchemes::schemeColor(row.element, csSilver), fromHex(row.silver));
        EXPECT_EQ(ColorSchemes::schemeColor(row.element, csDefault), fromHex(row.blue));
    }
    EXPECT_EQ(ColorSchemes::schemeColor(0, csBlue), clBlack);
}

TEST(ColorSchemes, HeaderLineCopiesTheBorderColourInBlueAndSilver)
{
    EXPECT_EQ(ColorSchemes::schemeColor(10, csBlue), ColorSchemes::schemeColor(2, csBlue));
    EXPECT_EQ(ColorSchemes::schemeColor(10, csSilver), ColorSchemes::schemeColor(2, csSilver));
    EXPECT_NE(ColorSchemes::schemeColor(10, csBlack), ColorSchemes::schemeColor(2, csBlack));
}

TEST(ColorSchemes, IndicesWrapAt128AndOutsideTheTableReadBlack)
{
    EXPECT_EQ(ColorSchemes::schemeColor(128 + 2, csBlack), fromHex(0x4C535C));
    EXPECT_EQ(ColorSchemes::schemeColor(21, csBlue), clBlack);
}

TEST(ColorSchemes, ControlsRegisterOnceAndLeave)
{
    QWidget panel;
    ColorSchemes::registerControl(&panel);
    ColorSchemes::registerControl(&panel);
    EXPECT_EQ(ColorSchemes::controls().count(&panel), 1);
    ColorSchemes::unregisterControl(&panel);
    ColorSchemes::unregisterControl(&panel);
    EXPECT_FALSE(ColorSchemes::controls().contains(&panel));
}
