#include "tests/support/QtPrinters.h"

#include "widgets/NxSpinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

// Lets tests run the spin buttons' timers without waiting for them.
class SteppedSpinButtons : public TNxSpinButtons
{
public:
    using TNxSpinButtons::delayTimerTick;
    using TNxSpinButtons::repeatTimerTick;
};

SteppedSpinButtons *stepped(TNxSpinButtons *buttons)
{
    return static_cast<SteppedSpinButtons *>(buttons);
}

class PointDecimals : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_saved = QLocale();
        QLocale::setDefault(QLocale::c());
    }
    void TearDown() override { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

using NumberEdit = PointDecimals;
using SpinEdit = PointDecimals;

} // namespace

TEST_F(NumberEdit, WholeNumbersOnlyRefuseSignAndSeparator)
{
    TNxSpinEdit edit;
    edit.setOptions({});
    edit.show();
    edit.clear();
    QTest::keyClicks(&edit, "-1.5x");
    EXPECT_EQ(edit.text(), "15");
    QGuiApplication::clipboard()->setText("-12.7");
    edit.clear();
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "127");
}

TEST_F(NumberEdit, SignsOnlyAtTheStartAndOneSeparator)
{
    TNxCustomNumberEdit edit;
    edit.show();
    edit.clear();
    QTest::keyClicks(&edit, "1-2.3.4");
    EXPECT_EQ(edit.text(), "12.34");
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClicks(&edit, "-+");
    EXPECT_EQ(edit.text(), "-12.34");
    edit.selectAll();
    QTest::keyClicks(&edit, "+");
    EXPECT_EQ(edit.text(), "+");
}

TEST_F(NumberEdit, PasteTakesSignsAtTheStartAndNoSecondSeparator)
{
    TNxCustomNumberEdit edit;
    edit.show();
    edit.setText("1.5");
    edit.setCursorPosition(3);
    QGuiApplication::clipboard()->setText("-2.5");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "1.525");
    EXPECT_EQ(edit.cursorPosition(), 3);
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "-251.525"); // the text already has its separator
    edit.setOptions({eoAllowFloat, eoAllowSigns, eoDisablePaste});
    edit.clear();
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "");
}

TEST_F(NumberEdit, DisabledTypingAndAllowAll)
{
    TNxCustomNumberEdit edit;
    edit.show();
    edit.setText("5");
    edit.setOptions(eoDisableTyping);
    QTest::keyClicks(&edit, "7");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "5");
    edit.setOptions(eoAllowAll);
    QTest::keyClicks(&edit, " apples");
    EXPECT_EQ(edit.text(), "5 apples");
}

TEST_F(NumberEdit, FormatsWithPrecisionUnitAndNullText)
{
    TNxCustomNumberEdit edit;
    EXPECT_EQ(edit.text(), "0.00");
    edit.setTextAfter(" s");
    edit.setValue(1.5);
    EXPECT_EQ(edit.text(), "1.50 s");
    EXPECT_DOUBLE_EQ(edit.value(), 1.5);
    edit.setNullText("off");
    EXPECT_EQ(edit.text(), "off");
    EXPECT_DOUBLE_EQ(edit.value(), 0);
    edit.setPrecision(0);
    edit.setValue(2.25);
    EXPECT_EQ(edit.text(), "2.25 s");
}

TEST_F(NumberEdit, EmptyTextReadsMinAndLimitsApplyOnlyWhenSet)
{
    TNxCustomNumberEdit edit;
    edit.setMin(3);
    edit.clear();
    EXPECT_DOUBLE_EQ(edit.value(), 3);
    edit.setText("250");
    edit.setMax(100);
    EXPECT_DOUBLE_EQ(edit.value(), 100);
    edit.setMin(0);
    edit.setMax(0);
    EXPECT_DOUBLE_EQ(edit.value(), 250);
}

TEST_F(NumberEdit, LeavingTheFieldReformats)
{
    TNxCustomNumberEdit edit;
    edit.setText("1.5xyz");
    QFocusEvent leave(QEvent::FocusOut);
    QCoreApplication::sendEvent(&edit, &leave);
    EXPECT_EQ(edit.text(), "1.50");
    edit.setEditorUpdating(true);
    edit.setValue(9);
    EXPECT_EQ(edit.text(), "1.50");
}

TEST_F(SpinEdit, StepsAreRefusedAtTheLimits)
{
    struct Case
    {
        double min, max, value, increment;
        TNxNumberEditOptions options;
        TSpinButton button;
        double expected;
    };
    const TNxNumberEditOptions floats{eoAllowFloat, eoAllowSigns};
    const Case cases[] = {
        {1, 10, 10, 1, floats, sbUp, 10},   {1, 10, 9.5, 1, floats, sbUp, 9.5}, {1, 10, 9, 1, floats, sbUp, 10},
        {1, 10, 1.5, 1, floats, sbDown, 1.5}, {0, 0, 0, 1, {}, sbDown, 0},    {0, 0, 0, 1, floats, sbDown, -1},
        {0, 0, 1e6, 2.5, floats, sbUp, 1000002.5},
    };
    for (const Case &c : cases) {
        TNxSpinEdit edit;
        edit.setOptions(c.options);
        edit.setPrecision(1);
        edit.setMin(c.min);
        edit.setMax(c.max);
        edit.setIncrement(c.increment);
        edit.setValue(c.value);
        edit.spin(c.button);
        EXPECT_DOUBLE_EQ(edit.value(), c.expected) << c.value << " " << c.button;
    }
}

TEST_F(SpinEdit, ReadOnlyDoesNotSpinAndSpinsAreReported)
{
    TNxSpinEdit edit;
    QSignalSpy spins(&edit, &TNxSpinEdit::spun);
    edit.spin(sbUp);
    EXPECT_EQ(edit.text(), "1");
    EXPECT_EQ(spins.count(), 1);
    edit.setReadOnly(true);
    edit.spin(sbUp);
    EXPECT_EQ(edit.text(), "1");
    EXPECT_EQ(spins.count(), 1);
}

TEST_F(SpinEdit, HeldButtonStepsOnceThenRepeatsAfterTheDelay)
{
    TNxSpinEdit edit;
    edit.show();
    TNxSpinButtons *buttons = edit.buttons();
    EXPECT_EQ(buttons->delayTimer().interval(), 400);
    EXPECT_EQ(buttons->repeatTimer().interval(), 20);
    QTest::mousePress(buttons, Qt::LeftButton, {}, QPoint(2, 1));
    EXPECT_EQ(edit.value(), 1);
    EXPECT_TRUE(buttons->delayTimer().isActive());
    EXPECT_FALSE(buttons->repeatTimer().isActive());
    stepped(buttons)->delayTimerTick();
    EXPECT_TRUE(buttons->repeatTimer().isActive());
    for (int tick = 0; tick < 30; ++tick)
        stepped(buttons)->repeatTimerTick();
    EXPECT_EQ(edit.value(), 31);
    QTest::mouseRelease(buttons, Qt::LeftButton, {}, QPoint(2, 1));
    EXPECT_FALSE(buttons->delayTimer().isActive());
    EXPECT_FALSE(buttons->repeatTimer().isActive());
    QTest::mouseClick(buttons, Qt::LeftButton, {}, QPoint(2, buttons->height() - 2));
    EXPECT_EQ(edit.value(), 30);
}

TEST_F(SpinEdit, KeysAndWheelSpinUnlessInPlace)
{
    TNxSpinEdit edit;
    edit.show();
    QTest::keyClick(&edit, Qt::Key_Up);
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.value(), 2);
    EXPECT_FALSE(edit.buttons()->delayTimer().isActive());
    QWheelEvent wheel(QPointF(5, 5), edit.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&edit, &wheel);
    EXPECT_EQ(edit.value(), 1);
    edit.setInplaceEditor(true);
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.value(), 1);
}

TEST_F(SpinEdit, ButtonsSitAtTheRightEdgeAndKeepTheTextClear)
{
    TNxSpinEdit edit;
    edit.resize(100, 20);
    edit.show();
    const int width = edit.buttons()->width();
    EXPECT_EQ(edit.buttons()->geometry(), QRect(100 - width, 1, width, 19));
    EXPECT_EQ(edit.textMargins().right(), width);
    edit.setSpinButtons(false);
    EXPECT_FALSE(edit.buttons()->isVisibleTo(&edit));
    EXPECT_EQ(edit.textMargins().right(), 0);
}

TEST(TimeEdit, StartsWithTheCurrentTimeAndHiddenButtons)
{
    TNxTimeEdit edit;
    EXPECT_FALSE(edit.text().isEmpty());
    edit.resize(100, 20);
    edit.show();
    EXPECT_FALSE(edit.buttons()->isVisibleTo(&edit));
    edit.setSpinButtons(true);
    edit.resize(120, 20);
    EXPECT_TRUE(edit.buttons()->isVisibleTo(&edit));
    EXPECT_EQ(edit.textMargins().right(), 0);
}
