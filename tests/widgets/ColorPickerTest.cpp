#include "tests/support/QtPrinters.h"

#include "PopupTestSupport.h"
#include "widgets/NxColorPicker.h"
#include "widgets/SmallButton.h"

#include <QApplication>
#include <QClipboard>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

TNxColorPopup *open(TNxColorPicker &picker)
{
    return openByArrow<TNxColorPopup>(picker, QPoint(100, 100));
}

QPoint cellCentre(int column, int row)
{
    return QPoint(10 * column + 5, 28 + 10 * row + 5);
}

} // namespace

TEST(ColorPicker, DefaultsShowWhiteInPlatformNotation)
{
    TNxColorPicker picker;
    EXPECT_EQ(picker.text(), "$00FFFFFF");
    EXPECT_EQ(picker.selectedColor(), clWhite);
    EXPECT_TRUE(picker.showPreview());
    EXPECT_EQ(picker.options(), TNxColorPickerOptions(coColorsButton | coNoneButton));
}

TEST(ColorPicker, SelectedColourWritesTheTextOfItsNotation)
{
    struct Case
    {
        bool web, names;
        const char *text;
    };
    for (const Case &c : {Case{false, false, "$000000FF"}, Case{true, false, "#FF0000"}, Case{false, true, "clRed"},
                          Case{true, true, "red"}}) {
        TNxColorPicker picker;
        picker.setOptions(c.names ? TNxColorPickerOptions(coAllowColorNames) : TNxColorPickerOptions());
        picker.setWebColorFormat(c.web);
        picker.setSelectedColor(clRed);
        EXPECT_EQ(picker.text(), QString::fromLatin1(c.text));
        EXPECT_EQ(picker.selectedColor(), clRed);
    }
}

TEST(ColorPicker, TypedTextIsReadPaddedWhileTheFieldKeepsIt)
{
    TNxColorPicker picker;
    picker.show();
    picker.setFocus();
    picker.selectAll();
    QTest::keyClicks(&picker, "$00FF");
    EXPECT_EQ(picker.text(), "$00FF");
    picker.clearFocus();
    EXPECT_EQ(picker.selectedColor(), tcolor(0x00FF0000));
    EXPECT_EQ(picker.text(), "$00FF");
}

TEST(ColorPicker, TypingKeepsToTheNotation)
{
    TNxColorPicker picker;
    picker.setWebColorFormat(true);
    picker.show();
    picker.clear();
    QTest::keyClicks(&picker, "$#zz12G3456789");
    EXPECT_EQ(picker.text(), "#123456");
    EXPECT_EQ(picker.selectedColor(), rgbColor(0x12, 0x34, 0x56));
}

TEST(ColorPicker, PastingCleansAndPads)
{
    TNxColorPicker picker;
    picker.show();
    picker.clear();
    QGuiApplication::clipboard()->setText("ff, 00");
    QTest::keyClick(&picker, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(picker.text(), "$ff000000");
    EXPECT_EQ(picker.selectedColor(), tcolor(0xFF000000));
    picker.setCursorPosition(3);
    QGuiApplication::clipboard()->setText("#a");
    QTest::keyClick(&picker, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(picker.text(), "$ff#a0000");
    EXPECT_EQ(picker.cursorPosition(), 3);
    EXPECT_EQ(picker.selectedColor(), tcolor(0xFFA00000));
}

TEST(ColorPicker, UnreadableTextKeepsTheSelectedColour)
{
    TNxColorPicker picker;
    picker.setSelectedColor(clRed);
    // A web colour written into a field in platform notation cannot be read.
    picker.setText("#00FF00");
    EXPECT_EQ(picker.selectedColor(), clRed);
    picker.setText("");
    EXPECT_EQ(picker.selectedColor(), clRed);
    picker.setText("$0000FF00");
    EXPECT_EQ(picker.selectedColor(), clLime);
}

TEST(ColorPicker, ChoosingACellHandsOverItsText)
{
    TNxColorPicker picker;
    picker.setOptions(coAllowColorNames | coNoneButton);
    picker.setWebColorFormat(true);
    picker.setSelectedColor(clBlack);
    picker.show();
    QSignalSpy selects(&picker, &TNxPopupEdit::select);
    TNxColorPopup *popup = open(picker);
    EXPECT_FALSE(popup->colorsButton()->isVisibleTo(popup));
    QTest::mouseClick(popup, Qt::LeftButton, {}, cellCentre(1, 5)); // white
    EXPECT_EQ(picker.text(), "transparent");
    EXPECT_EQ(picker.selectedColor(), clWhite);
    EXPECT_EQ(selects.count(), 1);
}

TEST(ColorPicker, NoneEmptiesTheTextAndKeepsTheColour)
{
    TNxColorPicker picker;
    picker.setSelectedColor(clRed);
    picker.show();
    TNxColorPopup *popup = open(picker);
    QTest::mouseClick(popup->noneButton(), Qt::LeftButton);
    EXPECT_EQ(picker.text(), "");
    EXPECT_EQ(picker.selectedColor(), clRed);
}

TEST(ColorPicker, HoverShowsTheCellOrTheSelection)
{
    TNxColorPicker picker;
    picker.setSelectedColor(clRed);
    picker.show();
    QSignalSpy over(&picker, &TNxColorPicker::colorOver);
    TNxColorPopup *popup = open(picker);
    QTest::mouseMove(popup, cellCentre(1, 8));
    EXPECT_EQ(popup->shownColor(), clBlue);
    QTest::mouseMove(popup, QPoint(211, 60));
    EXPECT_EQ(popup->shownColor(), clRed);
    ASSERT_GE(over.count(), 2);
    EXPECT_EQ(over.last().at(0).value<TColor>(), clRed);
}

// The designer's rows hold system colours by name; its picker takes no names.
TEST(ColorPicker, ANamedColourOpensAsItselfAndThePopupNamesASystemColour)
{
    TNxColorPicker picker;
    picker.setOptions(TNxColorPickerOptions(coColorsButton | coNoneButton));
    picker.show();
    picker.setText(QStringLiteral("clBtnFace"));
    EXPECT_EQ(picker.selectedColor(), clBtnFace);
    TNxColorPopup *popup = open(picker);
    EXPECT_EQ(popup->shownColor(), clBtnFace);
    EXPECT_EQ(popup->shownText(), "clBtnFace");
    QTest::mouseMove(popup, cellCentre(1, 8));
    EXPECT_EQ(popup->shownText(), "$00FF0000");
}

TEST(ColorPicker, MoreColoursDialogHandsOverItsChoice)
{
    TNxColorPicker picker;
    picker.show();
    QSignalSpy closes(&picker, &TNxColorPicker::dialogClose);
    TNxColorPopup *popup = open(picker);
    popup->setColorDialogRunner([](QWidget *, const QColor &) { return std::optional<QColor>(QColor(1, 2, 3)); });
    QTest::mouseClick(popup->colorsButton(), Qt::LeftButton);
    EXPECT_EQ(picker.text(), "$00030201");
    EXPECT_EQ(picker.selectedColor(), rgbColor(1, 2, 3));
    ASSERT_EQ(closes.count(), 1);
    EXPECT_TRUE(closes.at(0).at(0).toBool());

    popup = open(picker);
    popup->setColorDialogRunner([](QWidget *, const QColor &) { return std::optional<QColor>(); });
    QTest::mouseClick(popup->colorsButton(), Qt::LeftButton);
    EXPECT_EQ(picker.text(), "$00030201");
    ASSERT_EQ(closes.count(), 2);
    EXPECT_FALSE(closes.at(1).at(0).toBool());
}

TEST(ColorPopup, GridHoldsGreysPrimariesAndEveryWebSafeColourOnce)
{
    EXPECT_EQ(TNxColorPopup::gridColor(0, 7), clBlack);
    EXPECT_EQ(TNxColorPopup::gridColor(2, 11), clBlack);
    EXPECT_EQ(TNxColorPopup::gridColor(1, 2), rgbColor(0x66, 0x66, 0x66));
    EXPECT_EQ(TNxColorPopup::gridColor(1, 11), clFuchsia);
    QSet<TColor> webSafe;
    for (int column = 3; column < TNxColorPopup::GridColumns; ++column) {
        for (int row = 0; row < TNxColorPopup::GridRows; ++row) {
            const TColor color = TNxColorPopup::gridColor(column, row);
            for (int channel : {redOf(color), greenOf(color), blueOf(color)})
                EXPECT_EQ(channel % 51, 0);
            webSafe.insert(color);
        }
    }
    EXPECT_EQ(webSafe.size(), 216);
    EXPECT_EQ(TNxColorPopup::cellAt(QPoint(209, 28)), QPoint(20, 0));
    EXPECT_EQ(TNxColorPopup::cellAt(QPoint(210, 28)), std::nullopt);
    EXPECT_EQ(TNxColorPopup::cellAt(QPoint(50, 27)), std::nullopt);
}
