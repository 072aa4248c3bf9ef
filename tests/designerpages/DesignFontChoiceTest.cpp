#include "designer/DesignFont.h"
#include "designer/DesignFontChoice.h"
#include "widgets/Colors.h"
#include "tests/support/QtPrinters.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace talmo;

TEST(DesignFontChoiceTest, ThePickerSeesTheFontAsItIs)
{
    TDesignFont font;
    font.setName("Verdana");
    font.setSize(12);
    font.setStyle(TDesignFont::fsBold | TDesignFont::fsUnderline);
    font.setColor(0x0000FF);
    font.setCharset(0);
    const FontChoice choice = DesignFontChoice::choiceOf(font);
    EXPECT_EQ(choice.name, "Verdana");
    EXPECT_EQ(choice.size, 12);
    EXPECT_TRUE(choice.bold);
    EXPECT_FALSE(choice.italic);
    EXPECT_TRUE(choice.underline);
    EXPECT_FALSE(choice.strikeOut);
    EXPECT_EQ(choice.color, QColor(0xFF, 0, 0));
    EXPECT_EQ(choice.charset, 0);

    TDesignFont again;
    DesignFontChoice::apply(again, choice);
    EXPECT_TRUE(again.sameAs(font));
}

TEST(DesignFontChoiceTest, AChoiceIsOneChangeAndKeepsThePitch)
{
    TDesignFont font;
    font.setPitch(TDesignFont::fpFixed);
    font.setStyle(TDesignFont::fsBold);
    FontChoice choice;
    choice.name = "Courier New";
    choice.size = 10;
    choice.italic = true;
    choice.strikeOut = true;
    choice.color = QColor(0, 0x80, 0);
    choice.charset = 2;
    QSignalSpy changes(&font, &TDesignFont::changed);
    DesignFontChoice::apply(font, choice);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(font.name(), "Courier New");
    EXPECT_EQ(font.size(), 10);
    EXPECT_EQ(font.style(), TDesignFont::fsItalic | TDesignFont::fsStrikeOut);
    EXPECT_EQ(font.color(), 0x008000);
    EXPECT_EQ(font.charset(), 2);
    EXPECT_EQ(font.pitch(), TDesignFont::fpFixed);
    EXPECT_EQ(DesignFontChoice::choiceOf(font), choice);
}

// The picker knows plain colours only: a system colour it showed and was
// left alone stays the system colour, so a new size does not turn the
// label's text from the window text colour to black.
TEST(DesignFontChoiceTest, AColourLeftAsItWasKeepsItsSystemColour)
{
    TDesignFont font;
    font.setColor(int(clWindowText));
    FontChoice choice = DesignFontChoice::choiceOf(font);
    choice.size = 14;
    DesignFontChoice::apply(font, choice);
    EXPECT_EQ(font.size(), 14);
    EXPECT_EQ(font.color(), int(clWindowText));

    choice.color = QColor(0x80, 0, 0);
    DesignFontChoice::apply(font, choice);
    EXPECT_EQ(font.color(), 0x000080);
}
