#include "tests/support/QtPrinters.h"

#include "widgets/ElidingComboBox.h"
#include "widgets/NxComboBox.h"

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines;
}

void sendWheel(QWidget *widget, int angle)
{
    QWheelEvent wheel(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
}

// Opens the list with a press on the arrow button, as a user does.
TNxPopupList *pressArrow(TNxComboBox &combo)
{
    QTest::mousePress(combo.button(), Qt::LeftButton);
    return combo.popupList();
}

} // namespace

TEST(ComboBox, TextFollowsItemIndexByDisplayMode)
{
    struct Case
    {
        TItemsDisplayMode mode;
        const char *text;
    };
    for (const Case &c : {Case{dmDefault, "b=two"}, Case{dmNameList, "b"}, Case{dmValueList, "two"},
                          Case{dmIndentList, "two"}}) {
        TNxComboBox combo;
        combo.setItems({"a=one", "b=two"});
        combo.setDisplayMode(c.mode);
        combo.setItemIndex(1);
        EXPECT_EQ(combo.text(), QString::fromLatin1(c.text));
    }
}

TEST(ComboBox, IndexOutsideTheLinesClearsTextButIsKept)
{
    TNxComboBox combo;
    combo.setItems({"a", "b", "c"});
    combo.setItemIndex(1);
    QSignalSpy changes(&combo, &QLineEdit::textChanged);
    combo.setItemIndex(5);
    EXPECT_EQ(combo.text(), "");
    EXPECT_EQ(combo.itemIndex(), 5);
    EXPECT_EQ(changes.count(), 1);
}

TEST(ComboBox, TypingTextThatIsNoLineClearsTheIndexOnly)
{
    TNxComboBox combo;
    combo.setItems({"Alpha", "Beta"});
    combo.setItemIndex(0);
    combo.show();
    combo.selectAll();
    QTest::keyClicks(&combo, "bet");
    EXPECT_EQ(combo.itemIndex(), -1);
    QTest::keyClicks(&combo, "A");
    EXPECT_EQ(combo.text(), "betA");
    combo.selectAll();
    QTest::keyClicks(&combo, "BETA");
    EXPECT_EQ(combo.itemIndex(), -1); // a matching text does not pick the line
}

TEST(ComboBox, TypeAheadInADropDownListDoesNotWrap)
{
    TNxComboBox combo;
    combo.setItems({"Alpha", "Beta", "Bravo", "Charlie"});
    combo.setStyle(dsDropDownList);
    combo.setItemIndex(0);
    combo.show();
    const struct
    {
        const char *key;
        int expected;
    } steps[] = {{"b", 1}, {"b", 2}, {"b", 2}, {"C", 3}, {"x", 3}, {"a", 0}};
    for (const auto &step : steps) {
        QTest::keyClicks(&combo, step.key);
        EXPECT_EQ(combo.itemIndex(), step.expected) << step.key;
    }
    EXPECT_EQ(combo.text(), "Alpha");
}

TEST(ComboBox, WheelStepsWhileClosedWithinTheLines)
{
    TNxComboBox combo;
    combo.setItems({"a", "b", "c"});
    combo.setItemIndex(1);
    sendWheel(&combo, -120);
    EXPECT_EQ(combo.itemIndex(), 2);
    sendWheel(&combo, -120);
    EXPECT_EQ(combo.itemIndex(), 2);
    for (int i = 0; i < 4; ++i)
        sendWheel(&combo, 120);
    EXPECT_EQ(combo.itemIndex(), 0);
}

TEST(ComboBox, UpAndDownStepWithinTheLines)
{
    TNxComboBox combo;
    combo.setItems({"a", "b", "c"});
    combo.show();
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.itemIndex(), 0);
    QTest::keyClick(&combo, Qt::Key_Up);
    EXPECT_EQ(combo.itemIndex(), 0);
    QTest::keyClick(&combo, Qt::Key_Down);
    QTest::keyClick(&combo, Qt::Key_Down);
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.itemIndex(), 2);
    EXPECT_EQ(combo.text(), "c");
}

TEST(ComboBox, ListHeightAndScrollBarFollowTheLineCount)
{
    struct Case
    {
        int lines, height, visibleRows;
        bool bar;
    };
    for (const Case &c : {Case{3, 52, 3, false}, Case{20, 132, 8, true}, Case{0, 4, 0, false}}) {
        TNxComboBox combo;
        combo.setItems(numberedLines(c.lines));
        combo.show();
        TNxPopupList *list = pressArrow(combo);
        ASSERT_TRUE(combo.droppedDown());
        EXPECT_EQ(list->height(), c.height) << c.lines;
        EXPECT_EQ(list->width(), combo.width());
        EXPECT_EQ(list->visibleCount(), c.visibleRows);
        EXPECT_EQ(list->vertScrollBar().visible(), c.bar);
        if (c.bar) {
            const TNxVertScrollBar &bar = list->vertScrollBar();
            EXPECT_EQ(bar.max(), 12);
            EXPECT_EQ(bar.pageSize(), qRound(bar.trackLength() * 0.4));
        }
        combo.setDroppedDown(false);
    }
}

TEST(ComboBox, TheListWidensToItsLongestLineAndNeverNarrowsBelowTheBox)
{
    const QStringList roots = {QStringLiteral("HKEY_CLASSES_ROOT"), QStringLiteral("HKEY_CURRENT_USER"),
                               QStringLiteral("HKEY_LOCAL_MACHINE")};
    for (const int lines : {3, 20}) {
        TNxComboBox combo;
        combo.resize(60, 21);
        QStringList items = roots;
        while (items.size() < lines)
            items << QStringLiteral("x");
        combo.setItems(items);
        combo.show();
        TNxPopupList *list = pressArrow(combo);
        ASSERT_TRUE(combo.droppedDown());
        const int bar = list->vertScrollBar().visible() ? list->vertScrollBar().buttonSize() : 0;
        const int longest = list->fontMetrics().horizontalAdvance(QStringLiteral("HKEY_LOCAL_MACHINE"));
        EXPECT_GE(list->width() - 4 - bar - 2, longest) << lines << " lines: the longest line shows whole";
        combo.setDroppedDown(false);

        combo.resize(600, 21);
        list = pressArrow(combo);
        EXPECT_EQ(list->width(), 600);
        combo.setDroppedDown(false);
    }
}

TEST(ComboBox, TheOpeningReleaseOnlyArmsThenAClickSelects)
{
    TNxComboBox combo;
    combo.setItems({"a", "b", "c"});
    combo.show();
    QSignalSpy selects(&combo, &TNxPopupEdit::select);
    QSignalSpy closeUps(&combo, &TNxPopupEdit::closeUp);
    TNxPopupList *list = pressArrow(combo);
    const QPoint secondLine(10, 2 + 16 + 8);
    QTest::mouseRelease(list, Qt::LeftButton, {}, secondLine);
    EXPECT_TRUE(combo.droppedDown());
    EXPECT_EQ(combo.itemIndex(), -1);
    QTest::mouseClick(list, Qt::LeftButton, {}, secondLine);
    EXPECT_FALSE(combo.droppedDown());
    EXPECT_EQ(combo.itemIndex(), 1);
    EXPECT_EQ(combo.text(), "b");
    EXPECT_EQ(selects.count(), 1);
    EXPECT_EQ(closeUps.count(), 1);
}

TEST(ComboBox, AListOpenedFromTheKeyboardTakesTheFirstClick)
{
    TNxComboBox combo;
    combo.setItems({"a", "b", "c"});
    combo.show();
    QTest::keyClick(&combo, Qt::Key_Down, Qt::AltModifier);
    QTest::mouseClick(combo.popupList(), Qt::LeftButton, {}, QPoint(10, 2 + 2 * 16 + 4));
    EXPECT_FALSE(combo.droppedDown());
    EXPECT_EQ(combo.itemIndex(), 2);
}

TEST(ComboBox, ClickOutsideClosesWithoutChoosing)
{
    TNxComboBox combo;
    combo.setItems({"a", "b"});
    combo.setItemIndex(0);
    combo.show();
    TNxPopupList *list = pressArrow(combo);
    QTest::mouseRelease(list, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(list, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_FALSE(combo.droppedDown());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(combo.itemIndex(), 0);
}

TEST(ComboBox, EnterClosesWithoutTakingTheLineUnderThePointer)
{
    TNxComboBox combo;
    combo.setItems({"a", "b", "c"});
    combo.setItemIndex(0);
    combo.show();
    combo.setDroppedDown(true);
    TNxPopupList *list = combo.popupList();
    QTest::mouseMove(list, QPoint(10, 2 + 2 * 16 + 4));
    EXPECT_EQ(list->hoverIndex(), 2);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(combo.droppedDown());
    EXPECT_EQ(combo.itemIndex(), 0);
}

TEST(ComboBox, UpAndDownWhileOpenStepFromTheHoveredLine)
{
    TNxComboBox combo;
    combo.setItems(numberedLines(20));
    combo.setItemIndex(0);
    combo.show();
    QTest::keyClick(&combo, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo.droppedDown());
    TNxPopupList *list = combo.popupList();
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(combo.itemIndex(), 9);
    EXPECT_EQ(list->hoverIndex(), 9);
    EXPECT_EQ(list->vertScrollBar().position(), 2); // line 9 became the last visible row
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
    EXPECT_FALSE(combo.droppedDown());
}

TEST(ComboBox, ComboItemTextParts)
{
    EXPECT_EQ(ComboItemText::name("a=b=c"), "a");
    EXPECT_EQ(ComboItemText::value("a=b=c"), "b=c");
    EXPECT_EQ(ComboItemText::value("plain"), "");
    EXPECT_EQ(ComboItemText::indentLevel("2=child"), 2);
    EXPECT_EQ(ComboItemText::indentLevel("x=child"), 0);
}

TEST(ElidingComboBox, ANarrowFieldEndsTheChoiceWithAnEllipsisAndTheTipShowsItWhole)
{
    ElidingComboBox combo;
    combo.addItems({QStringLiteral("Build both CAB(s) and Window Setup"), QStringLiteral("Short")});
    combo.setToolTip(QStringLiteral("Used by automatic builds"));
    combo.resize(120, combo.sizeHint().height());

    EXPECT_TRUE(combo.shownText().startsWith(QStringLiteral("Build")));
    EXPECT_TRUE(combo.shownText().endsWith(QChar(0x2026)));
    EXPECT_EQ(combo.shownToolTip(), QStringLiteral("Build both CAB(s) and Window Setup\nUsed by automatic builds"));

    combo.setCurrentIndex(1);
    EXPECT_EQ(combo.shownText(), QStringLiteral("Short"));
    EXPECT_EQ(combo.shownToolTip(), QStringLiteral("Used by automatic builds"));

    combo.setCurrentIndex(0);
    combo.resize(600, combo.height());
    EXPECT_EQ(combo.shownText(), combo.currentText());
}

namespace {

// The first column and the last row of the text's ink in a rendered box.
struct Ink
{
    int left = -1;
    int bottom = -1;
};

Ink InkOf(TNxComboBox &combo)
{
    const QImage image = combo.grab().toImage();
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width() - combo.buttonWidth(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                ink.left = ink.left < 0 ? x : std::min(ink.left, x);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

} // namespace

// A drop-down list's text keeps an edit's margin from the frame and, in a row
// as low as the inspector's, its descenders.
TEST(ComboBox, TheListsTextHasItsMarginAndKeepsItsDescenders)
{
    TNxComboBox combo;
    combo.setStyle(dsDropDownList);
    combo.setItems({"gypsy jog"});
    combo.setItemIndex(0);
    combo.setInplaceEditor(true);
    const int textHeight = combo.fontMetrics().height();
    combo.resize(120, textHeight + 2);
    const Ink ink = InkOf(combo);
    EXPECT_GE(ink.left, 4) << "the text touches the frame";
    // The descenders reach below the baseline, centred in the row.
    const int baseline = (combo.height() - textHeight) / 2 + combo.fontMetrics().ascent();
    EXPECT_GT(ink.bottom, baseline) << "the descenders are cut";
}
