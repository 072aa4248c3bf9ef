#include "tests/support/QtPrinters.h"

#include "widgets/ColorNames.h"

#include <QColor>
#include <gtest/gtest.h>

using namespace talmo;

TEST(ColorNames, IdentifierListHasItsOrderAndRoundTrips)
{
    const auto &ids = ColorNames::identifiers();
    ASSERT_EQ(ids.size(), 52u);
    EXPECT_STREQ(ids.front().name, "clBlack");
    EXPECT_STREQ(ids[19].name, "clMedGray");
    EXPECT_STREQ(ids[29].name, "clDefault");
    EXPECT_STREQ(ids.back().name, "clWindowText");
    for (const auto &id : ids) {
        SCOPED_TRACE(id.name);
        EXPECT_EQ(ColorNames::colorToString(id.color), QString::fromLatin1(id.name));
        EXPECT_EQ(ColorNames::stringToColor(QString::fromLatin1(id.name).toUpper()), id.color);
    }
}

TEST(ColorNames, PlatformTextReadsIdentifiersAndNumbers)
{
    struct Case
    {
        const char *text;
        std::optional<TColor> color;
    };
    const Case cases[] = {
        {"clred", clRed},
        {"$000000FF", clRed},
        {"$FF00000F", clBtnFace},
        {"255", clRed},
        {"0x10", 16},
        {"-1", -1},
        {"", std::nullopt},
        {"$", std::nullopt},
        {"#0000FF", std::nullopt},
        {"$1FFFFFFFF", std::nullopt},
        {"clRedd", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColorNames::stringToColor(QString::fromLatin1(c.text)), c.color);
    }
    EXPECT_EQ(ColorNames::colorToString(rgbColor(1, 2, 3)), "$00030201");
}

TEST(ColorNames, WebListHas141NamesWithTheStandardValues)
{
    const auto &names = ColorNames::webNames();
    ASSERT_EQ(names.size(), 141u);
    EXPECT_STREQ(names.front().name, "transparent");
    EXPECT_STREQ(names.front().hex, "#FFFFFF");
    EXPECT_STREQ(names.back().name, "yellowgreen");
    for (std::size_t i = 1; i < names.size(); ++i) {
        SCOPED_TRACE(names[i].name);
        if (i > 1) {
            EXPECT_LT(qstrcmp(names[i - 1].name, names[i].name), 0);
        }
        EXPECT_EQ(QColor(QString::fromLatin1(names[i].name)).name().toUpper(), QString::fromLatin1(names[i].hex));
    }
}

TEST(ColorNames, WebNameToHex)
{
    EXPECT_EQ(ColorNames::webColorNameToHex("DarkOrange"), "#FF8C00");
    EXPECT_EQ(ColorNames::webColorNameToHex("#12AB34"), "#12AB34");
    EXPECT_EQ(ColorNames::webColorNameToHex("lightgray"), "lightgray");
    EXPECT_EQ(ColorNames::webColorNameToHex("LightGrey"), "#D3D3D3");
}

TEST(ColorNames, WebTextToColour)
{
    struct Case
    {
        const char *text;
        TColor color;
    };
    const Case cases[] = {
        {"transparent", clWhite}, {"#0000FF", tcolor(0x00FF0000)}, {"#FF8C00", rgbColor(0xFF, 0x8C, 0x00)},
        {"yellowgreen", rgbColor(0x9A, 0xCD, 0x32)}, {"banana", clNone}, {"#GG0000", clNone},
        {"lightgray", clNone}, {"", clBlack}, {"#", clBlack},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColorNames::webColorToColor(QString::fromLatin1(c.text)), c.color);
    }
}

TEST(ColorNames, ColourToWebTextTakesTheFirstNameOfAValue)
{
    EXPECT_EQ(ColorNames::colorToWebColor(clRed), "#FF0000");
    EXPECT_EQ(ColorNames::colorToWebText(clWhite, true), "transparent");
    EXPECT_EQ(ColorNames::colorToWebText(clAqua, true), "aqua");
    EXPECT_EQ(ColorNames::colorToWebText(clFuchsia, true), "fuchsia");
    EXPECT_EQ(ColorNames::colorToWebText(rgbColor(0xD3, 0xD3, 0xD3), true), "lightgrey");
    EXPECT_EQ(ColorNames::colorToWebText(rgbColor(1, 2, 3), true), "#010203");
    EXPECT_EQ(ColorNames::colorToWebText(clWhite, false), "#FFFFFF");
}

TEST(ColorNames, SystemColourBecomesItsCurrentValueNotAName)
{
    const QString text = ColorNames::colorToWebColor(clBtnFace);
    EXPECT_EQ(text, SystemColors::toQColor(clBtnFace).name().toUpper());
    EXPECT_EQ(ColorNames::colorToPascalText(clBtnFace, false), "$FF00000F");
    EXPECT_EQ(ColorNames::colorToPascalText(clBtnFace, true), "clBtnFace");
}
