#include "DesignerFixture.h"

#include "designer/engine/TELGrabHandles.h"

#include <QApplication>
#include <QFocusEvent>

namespace talmo {

using Selection = DesignerFixture;

TEST_F(Selection, BatchAnnouncesOneChangeAndModesFollowTheCount)
{
    TButton *one = add<TButton>("Button1", {10, 20, 75, 25});
    TButton *two = add<TButton>("Button2", {100, 20, 75, 25});
    designer->SetActive(true);
    int changes = 0;
    designer->events.OnChangeSelection = [&] { ++changes; };

    selection().BeginUpdate();
    selection().SelectOnly(one);
    selection().Add(two);
    EXPECT_EQ(changes, 0);
    selection().EndUpdate();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(selected(), (QList<TDesignControl *>{one, two}));
    EXPECT_EQ(selection().Entry(0).mode, 2);
    EXPECT_EQ(selection().Add(one), 0); // already there

    selection().Remove(two);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(selection().Entry(0).mode, 1);
    delete one; // a destroyed control leaves on its own
    EXPECT_EQ(selection().GetCount(), 0);
}

TEST_F(Selection, SelectAllTakesTheRootAndEveryDesignableControlBelowIt)
{
    TPanel *panel1 = add<TPanel>("Panel1", {10, 10, 200, 100});
    TButton *inner = add<TButton>("Button1", {5, 5, 75, 25}, panel1);
    TLabel *label = add<TLabel>("Label1", {220, 10, 60, 13});
    auto *foreign = new TButton(root); // not owned by the root: never selected
    designer->SetActive(true);

    selection().SelectAll();
    // Window-less controls lie below their windowed siblings.
    EXPECT_EQ(selected(), (QList<TDesignControl *>{root, label, panel1, inner}));
    EXPECT_FALSE(designer->IsDesignable(foreign));
}

TEST_F(Selection, HandlePlacesForOneAndForSeveralControls)
{
    const QRect bounds(10, 20, 75, 25);
    const QList<QPoint> single = {{8, 18}, {45, 18}, {82, 18}, {82, 30}, {82, 42}, {45, 42}, {8, 42}, {8, 30}};
    const QList<QPoint> several = {{10, 20}, {45, 20}, {80, 20}, {80, 30}, {80, 40}, {45, 40}, {10, 40}, {10, 30}};
    for (int p = 0; p < TELGrabHandles::Count; ++p) {
        EXPECT_EQ(TELGrabHandles::rect(p, bounds, 1), QRect(single[p], QSize(5, 5))) << p;
        EXPECT_EQ(TELGrabHandles::rect(p, bounds, 2), QRect(several[p], QSize(5, 5))) << p;
        EXPECT_TRUE(TELGrabHandles::visible(p, 1));
        EXPECT_EQ(TELGrabHandles::visible(p, 2), p % 2 == 0);
        EXPECT_FALSE(TELGrabHandles::visible(p, 0));
    }
    EXPECT_EQ(TELGrabHandles::cursor(0, 1, 0), Qt::SizeFDiagCursor);
    EXPECT_EQ(TELGrabHandles::cursor(3, 1, 0), Qt::SizeHorCursor);
    EXPECT_EQ(TELGrabHandles::cursor(6, 1, 0), Qt::SizeBDiagCursor);
    EXPECT_EQ(TELGrabHandles::cursor(1, 1, LockResize), Qt::ArrowCursor);
    EXPECT_EQ(TELGrabHandles::cursor(1, 2, 0), Qt::ArrowCursor);
}

TEST_F(Selection, OverlayShowsTheHandlesOfSelectedControlsButNeverOfTheRoot)
{
    TButton *one = add<TButton>("Button1", {10, 20, 75, 25});
    TButton *two = add<TButton>("Button2", {100, 60, 75, 25});
    designer->SetActive(true);
    for (int p = 0; p < TELGrabHandles::Count; ++p)
        EXPECT_TRUE(overlay().handleRect(root, p).isEmpty());

    selection().SelectOnly(one);
    EXPECT_EQ(overlay().handleRect(one, 0), QRect(8, 18, 5, 5));
    EXPECT_EQ(overlay().handleRect(one, 5), QRect(45, 42, 5, 5));

    selection().Add(two);
    EXPECT_EQ(overlay().handleRect(one, 0), QRect(10, 20, 5, 5));
    EXPECT_TRUE(overlay().handleRect(one, 1).isEmpty());
    EXPECT_EQ(overlay().handleRect(two, 4), QRect(170, 80, 5, 5));

    two->move(104, 60); // follows geometry changes
    EXPECT_EQ(overlay().handleRect(two, 4), QRect(174, 80, 5, 5));
}

TEST_F(Selection, HandlesAreClippedToTheParentsClientArea)
{
    TButton *corner = add<TButton>("Button1", {0, 0, 75, 25});
    designer->SetActive(true);
    selection().SelectOnly(corner);
    EXPECT_EQ(overlay().handleRect(corner, 0), QRect(0, 0, 3, 3));
}

TEST_F(Selection, ColoursFollowFocusModeAndLocks)
{
    TELHandleColors palette;
    palette.handleClr = Qt::blue;
    palette.handleBorderClr = Qt::darkBlue;
    using Colors = TELGrabHandles::Colors;
    const QColor grey(0x80, 0x80, 0x80);
    EXPECT_EQ(TELGrabHandles::colors(1, true, 0, palette), (Colors{Qt::blue, Qt::darkBlue}));
    EXPECT_EQ(TELGrabHandles::colors(2, true, 0, palette), (Colors{grey, grey}));
    EXPECT_EQ(TELGrabHandles::colors(1, true, LockMove, palette), (Colors{Qt::red, Qt::darkBlue}));
    EXPECT_EQ(TELGrabHandles::colors(2, true, LockResize, palette), (Colors{grey, Qt::red}));
    EXPECT_EQ(TELGrabHandles::colors(1, false, LockMove, palette), (Colors{grey, Qt::black}));
    EXPECT_EQ(TELGrabHandles::colors(2, false, 0, palette), (Colors{grey, grey}));

    designer->SetActive(true);
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(&overlay(), &in);
    EXPECT_TRUE(selection().Active());
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&overlay(), &out);
    EXPECT_FALSE(selection().Active());
}

TEST_F(Selection, PaintedHandlesFollowAControlMovedFromOutside)
{
    TButton *button = add<TButton>("Button1", {40, 40, 75, 25});
    TELHandleColors colors;
    colors.handleClr = Qt::blue;
    colors.handleBorderClr = Qt::blue;
    designer->SetHandleColors(colors);
    designer->SetActive(true);
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(&overlay(), &in);
    selection().SelectOnly(button);
    const auto colourAt = [&](const QPoint &point) {
        return panel->hostForm()->surface()->grab().toImage().pixelColor(point);
    };
    EXPECT_EQ(colourAt(overlay().handleRect(button, 0).center()), QColor(Qt::blue));

    const QPoint before = overlay().handleRect(button, 0).center();
    button->setLeft(100); // as the inspector does it
    QCoreApplication::processEvents();
    EXPECT_EQ(colourAt(overlay().handleRect(button, 0).center()), QColor(Qt::blue));
    EXPECT_NE(colourAt(before), QColor(Qt::blue));
}

} // namespace talmo
