#include "tests/support/QtPrinters.h"

#include "widgets/NxControl.h"
#include "widgets/NxScrollControl.h"
#include "widgets/RollShadow.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

class RowList : public TNxScrollControl
{
public:
    using TNxScrollControl::rollTimerTick;
    int vertScrollDelta(int oldPosition, int newPosition) const override { return (oldPosition - newPosition) * 16; }
};

class ClickableControl : public TNxControl
{
public:
    using TNxControl::delayTimerTick;
    using TNxControl::repeatTimerTick;
};

// A bar down the right edge of a 100 x 132 control, as a popup list places it.
TNxVertScrollBar &placeBar(ClickableControl &control, int max)
{
    control.resize(100, 132);
    TNxVertScrollBar &bar = control.vertScrollBar();
    bar.setMax(max);
    bar.setVisible(true);
    bar.setBounds(100 - bar.buttonSize() - 2, 2, bar.buttonSize(), 128);
    return bar;
}

void sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, const QPoint &pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

TEST(ScrollControl, ScrollRequestsMoveThePositionAndEndScrollKeepsIt)
{
    RowList list;
    list.vertScrollBar().setMax(20);
    list.vertScrollBar().setLargeChange(5);
    QSignalSpy scrolls(&list, &TNxScrollControl::verticalScroll);
    list.scrollRequest(list.vertScrollBar(), ScrollBarOwner::PageDown);
    list.scrollRequest(list.vertScrollBar(), ScrollBarOwner::LineDown);
    list.scrollRequest(list.vertScrollBar(), ScrollBarOwner::EndScroll);
    list.scrollRequest(list.vertScrollBar(), ScrollBarOwner::Bottom);
    ASSERT_EQ(scrolls.count(), 4);
    EXPECT_EQ(scrolls.at(0).at(0).toInt(), 5);
    EXPECT_EQ(scrolls.at(1).at(0).toInt(), 6);
    EXPECT_EQ(scrolls.at(2).at(0).toInt(), 6);
    EXPECT_EQ(scrolls.at(3).at(0).toInt(), 20);
    EXPECT_EQ(list.verticalScrollBar()->value(), 20);
}

TEST(ScrollControl, QtBarMirrorsTheModel)
{
    RowList list;
    TNxScrollBar &bar = list.vertScrollBar();
    bar.setMax(30);
    bar.setPageSize(10);
    bar.setPosition(12);
    EXPECT_EQ(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(list.verticalScrollBar()->maximum(), 30);
    EXPECT_EQ(list.verticalScrollBar()->pageStep(), 10);
    EXPECT_EQ(list.verticalScrollBar()->value(), 12);
    list.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar.position(), 13);
    EXPECT_EQ(list.verticalScrollBar()->value(), 13);
    bar.setAutoHide(false);
    bar.setMax(0);
    EXPECT_EQ(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(list.verticalScrollBar()->isEnabled());
}

TEST(ScrollControl, RollScrollingGoesFasterFurtherFromTheStart)
{
    RowList list;
    list.resize(200, 200);
    list.show();
    list.vertScrollBar().setMax(100);
    sendMouse(list.viewport(), QEvent::MouseButtonPress, Qt::MiddleButton, QPoint(50, 50));
    ASSERT_TRUE(list.rolling());
    EXPECT_TRUE(list.rollShadow()->isVisible());
    EXPECT_TRUE(list.rollTimer().isActive());

    sendMouse(list.viewport(), QEvent::MouseMove, Qt::MiddleButton, QPoint(50, 100));
    list.rollTimerTick();
    EXPECT_EQ(list.rollTimer().interval(), 50);
    EXPECT_EQ(list.vertScrollBar().position(), 1);

    sendMouse(list.viewport(), QEvent::MouseMove, Qt::MiddleButton, QPoint(50, 45));
    list.rollTimerTick();
    EXPECT_EQ(list.vertScrollBar().position(), 1);

    sendMouse(list.viewport(), QEvent::MouseMove, Qt::MiddleButton, QPoint(50, 44));
    EXPECT_EQ(list.rollDirection(), TNxScrollControl::RollUp);
    list.rollTimerTick();
    EXPECT_EQ(list.vertScrollBar().position(), 0);

    sendMouse(list.viewport(), QEvent::MouseMove, Qt::MiddleButton, QPoint(50, 250));
    list.rollTimerTick();
    EXPECT_EQ(list.rollTimer().interval(), 1);

    sendMouse(list.viewport(), QEvent::MouseButtonRelease, Qt::MiddleButton, QPoint(50, 250));
    EXPECT_FALSE(list.rolling());
    EXPECT_FALSE(list.rollTimer().isActive());
    EXPECT_FALSE(list.rollShadow()->isVisible());
}

TEST(ScrollControl, WheelIsLeftToDescendantsUnlessDisabled)
{
    RowList list;
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list.viewport(), &wheel);
    EXPECT_TRUE(wheel.isAccepted());
    list.setMouseWheelEnabled(false);
    QWheelEvent again(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list.viewport(), &again);
    EXPECT_FALSE(again.isAccepted());
}

TEST(PaintedScrollBar, ThumbFollowsThePositionAndHoldRepeatsAfterTheDelay)
{
    ClickableControl control;
    TNxVertScrollBar &bar = placeBar(control, 12);
    const int b = bar.buttonSize();
    bar.setPageSize(40);
    EXPECT_EQ(bar.thumbRect().top(), b + 2);
    bar.setPosition(12);
    EXPECT_EQ(bar.thumbRect().top(), (128 - 2 * b - 40) + b + 2);
    bar.setPosition(0);

    EXPECT_EQ(control.delayTimer().interval(), 300);
    EXPECT_EQ(control.repeatTimer().interval(), 50);
    const QPoint forward = bar.forwardButtonRect().center();
    sendMouse(&control, QEvent::MouseButtonPress, Qt::LeftButton, forward);
    EXPECT_EQ(bar.position(), 1);
    EXPECT_TRUE(bar.forwardButtonState() & TNxVertScrollBar::Pressed);
    EXPECT_FALSE(control.repeatTimer().isActive());
    control.delayTimerTick();
    control.repeatTimerTick();
    control.repeatTimerTick();
    EXPECT_EQ(bar.position(), 3);
    sendMouse(&control, QEvent::MouseButtonRelease, Qt::LeftButton, forward);
    EXPECT_EQ(bar.forwardButtonState(), 0);
    EXPECT_FALSE(control.delayTimer().isActive());
    EXPECT_FALSE(control.repeatTimer().isActive());
}

TEST(PaintedScrollBar, DraggingTheThumbPutsItsTopUnderThePointer)
{
    ClickableControl control;
    TNxVertScrollBar &bar = placeBar(control, 10);
    const int b = bar.buttonSize();
    sendMouse(&control, QEvent::MouseButtonPress, Qt::LeftButton, bar.thumbRect().center());
    EXPECT_TRUE(bar.thumbState() & TNxVertScrollBar::Pressed);
    const double perStep = double(bar.trackLength()) / 10;
    sendMouse(&control, QEvent::MouseMove, Qt::LeftButton, QPoint(bar.boundsRect().x() + 2, int(b + 2 + 5 * perStep)));
    EXPECT_EQ(bar.position(), 5);
    sendMouse(&control, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(0, 0));
    EXPECT_EQ(bar.thumbState() & TNxVertScrollBar::Pressed, 0);
}

TEST(RollShadow, OnlyTheArrowsAndTheDotAreVisible)
{
    const QRegion shape = TRollShadow::shape();
    EXPECT_TRUE(shape.contains(QPoint(7, 3)));   // up arrow
    EXPECT_TRUE(shape.contains(QPoint(7, 11)));  // dot
    EXPECT_TRUE(shape.contains(QPoint(6, 17)));  // down arrow
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(20, 20)));
    EXPECT_FALSE(shape.contains(QPoint(7, 8)));

    TRollShadow marker;
    marker.showAt(QPoint(100, 200));
    EXPECT_EQ(marker.geometry(), QRect(93, 189, 32, 32));
    EXPECT_EQ(marker.anchor(), QPoint(100, 200));
    EXPECT_TRUE(marker.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(marker.mask(), shape);
}
