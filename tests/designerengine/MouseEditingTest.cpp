#include "SurfaceInput.h"

#include "designer/controls/Memo.h"
#include "designer/engine/TDEngDrag.h"

#include <QMenu>

namespace talmo {

using MouseEditing = SurfaceFixture;

TEST_F(MouseEditing, ClickInsertsAtTheSnappedPointWithTheDefaultSize)
{
    designer->SetActive(true);
    QStringList order;
    designer->events.OnControlInserting = [](TELControlInsertingArgs &args) { args.controlClass = "TButton"; };
    designer->events.OnControlInserted = [&] { order << "inserted"; };
    designer->events.OnModified = [&] { order << "modified"; };

    press({13, 22});
    release({13, 22});

    ASSERT_EQ(root->components().size(), 1);
    auto *button = qobject_cast<TButton *>(root->components().first());
    ASSERT_TRUE(button);
    EXPECT_EQ(button->name(), "Button1");
    EXPECT_EQ(button->parentWidget(), root);
    EXPECT_EQ(button->geometry(), QRect(12, 20, 75, 25));
    EXPECT_TRUE(button->isDesigning());
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(selected(), QList<TDesignControl *>{button});
    EXPECT_EQ(order, QStringList({"inserted", "modified"}));
}

TEST_F(MouseEditing, DraggedInsertTakesTheRectangleInsideItsContainer)
{
    TPanel *panel1 = add<TPanel>("Panel1", {100, 100, 200, 100});
    designer->SetActive(true);
    designer->events.OnControlInserting = [](TELControlInsertingArgs &args) { args.controlClass = "TMemo"; };

    // From (108, 108) to (150, 130): 42 and 22 pixels are 10.5 and 5.5 steps, which go to 10 and 6.
    press({109, 110});
    moveTo({150, 130});
    EXPECT_EQ(designer->engine()->dragOutlines(), QList<QRect>{QRect(108, 108, 41, 25)});
    release({150, 130});

    auto *memo = qobject_cast<TMemo *>(root->components().last());
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->name(), "Memo1");
    EXPECT_EQ(memo->parentWidget(), panel1);
    EXPECT_EQ(memo->geometry(), QRect(8, 8, 41, 25));
}

TEST_F(MouseEditing, NoClassToInsertOrALockedContainerMeansNoInsert)
{
    TPanel *locked = add<TPanel>("Panel1", {100, 100, 200, 100});
    locked->setDesignInfo(LockInsertInto);
    designer->SetActive(true);
    QString answer;
    designer->events.OnControlInserting = [&](TELControlInsertingArgs &args) { args.controlClass = answer; };
    press({10, 10});
    release({10, 10});
    answer = "TButton";
    press({150, 150});
    release({150, 150});
    EXPECT_EQ(root->components().size(), 1);
    EXPECT_EQ(selected(), QList<TDesignControl *>{locked});
}

TEST_F(MouseEditing, MovesSnapToWholeStepsFromTheStart)
{
    const struct
    {
        int dragged;
        int moved;
    } cases[] = {{6, 8}, {5, 4}, {10, 8}, {2, 0}, {-6, -8}, {14, 16}};
    TButton *button = add<TButton>("Button1", {20, 40, 75, 25});
    designer->SetActive(true);
    int modified = 0;
    designer->events.OnModified = [&] { ++modified; };
    for (const auto &c : cases) {
        button->setBounds(20, 40, 75, 25);
        drag({30, 50}, {30 + c.dragged, 50 + c.dragged});
        EXPECT_EQ(button->pos(), QPoint(20 + c.moved, 40 + c.moved)) << c.dragged;
        EXPECT_EQ(button->size(), QSize(75, 25));
    }
    EXPECT_EQ(modified, 5); // not for the drag that came to rest where it began
    EXPECT_EQ(selected(), QList<TDesignControl *>{button});
    EXPECT_EQ(selection().Entry(0).mode, 1); // handles back after the drag
}

TEST_F(MouseEditing, MoveTakesTheSelectedSiblingsButNotTheLockedOnes)
{
    TButton *one = add<TButton>("Button1", {20, 20, 75, 25});
    TButton *two = add<TButton>("Button2", {20, 60, 75, 25});
    TButton *fixed = add<TButton>("Button3", {20, 100, 75, 25});
    fixed->setDesignInfo(LockMove);
    designer->SetActive(true);
    selection().SelectList({one, two, fixed});

    press({30, 30});
    moveTo({38, 30});
    EXPECT_EQ(designer->engine()->dragOutlines(), (QList<QRect>{QRect(28, 20, 75, 25), QRect(28, 60, 75, 25)}));
    key(Qt::Key_Escape); // cancels: nothing moves
    release({38, 30});
    EXPECT_EQ(one->pos(), QPoint(20, 20));
    EXPECT_EQ(two->pos(), QPoint(20, 60));
    EXPECT_FALSE(designer->engine()->dragging());

    drag({30, 30}, {38, 34});
    EXPECT_EQ(one->pos(), QPoint(28, 24));
    EXPECT_EQ(two->pos(), QPoint(28, 64));
    EXPECT_EQ(fixed->pos(), QPoint(20, 100));
    EXPECT_EQ(selected(), (QList<TDesignControl *>{one, two}));
}

TEST_F(MouseEditing, ShiftClickTogglesAndFallsBackToTheRoot)
{
    TButton *one = add<TButton>("Button1", {20, 20, 75, 25});
    TButton *two = add<TButton>("Button2", {20, 60, 75, 25});
    designer->SetActive(true);
    press({30, 30});
    release({30, 30});
    EXPECT_EQ(selected(), QList<TDesignControl *>{one});

    press({30, 70}, Qt::ShiftModifier);
    EXPECT_EQ(selected(), (QList<TDesignControl *>{one, two}));
    press({300, 200}, Qt::ShiftModifier); // the root joins no selection
    EXPECT_EQ(selected(), (QList<TDesignControl *>{one, two}));
    press({30, 70}, Qt::ShiftModifier);
    press({30, 30}, Qt::ShiftModifier); // the only selected control
    EXPECT_EQ(selected(), QList<TDesignControl *>{root});
}

TEST_F(MouseEditing, CtrlDragDrawsABandThatSelectsWhatItTouches)
{
    TButton *one = add<TButton>("Button1", {20, 20, 75, 25});
    TButton *two = add<TButton>("Button2", {120, 60, 75, 25});
    add<TButton>("Button3", {20, 150, 75, 25});
    designer->SetActive(true);

    press({30, 30}, Qt::ControlModifier); // on a control: a band, not a move
    moveTo({120, 60});                    // touches the corner of Button2
    EXPECT_EQ(designer->engine()->dragPen(), TDEngDrag::Pen::Band);
    EXPECT_EQ(designer->engine()->dragOutlines(), QList<QRect>{QRect(30, 30, 90, 30)});
    release({120, 60});
    EXPECT_EQ(one->pos(), QPoint(20, 20));
    EXPECT_EQ(selected(), (QList<TDesignControl *>{one, two}));

    drag({300, 10}, {380, 40});
    EXPECT_EQ(selected(), QList<TDesignControl *>{root});
}

TEST_F(MouseEditing, ResizeByHandlesLocksTheOtherAxisAndFlips)
{
    TButton *button = add<TButton>("Button1", {40, 40, 76, 24});
    designer->SetActive(true);
    const struct
    {
        int handle;
        QPoint by;
        QRect bounds;
    } cases[] = {
        {5, {9, 8}, QRect(40, 40, 76, 32)},  // bottom middle: x stays
        {3, {8, 9}, QRect(40, 40, 84, 24)},  // right middle: y stays
        {0, {-4, -8}, QRect(36, 32, 80, 32)},
        {4, {-100, 0}, QRect(16, 40, 24, 24)}, // dragged past the left edge: flipped
    };
    for (const auto &c : cases) {
        button->setBounds(40, 40, 76, 24);
        selection().SelectOnly(button);
        const QPoint grip = overlay().handleRect(button, c.handle).center();
        drag(grip, grip + c.by);
        EXPECT_EQ(button->geometry(), c.bounds) << c.handle;
        EXPECT_EQ(selection().Entry(selection().IndexOf(button)).pressedHandle, c.handle);
    }
    button->setBounds(40, 40, 76, 24);
    button->setDesignInfo(LockResize);
    selection().SelectOnly(button);
    const QPoint grip = overlay().handleRect(button, 4).center();
    drag(grip, grip + QPoint(20, 20));
    EXPECT_EQ(button->size(), QSize(76, 24));
}

TEST_F(MouseEditing, RightReleasePopsTheMenuUnlessTheEventHandlesIt)
{
    designer->SetActive(true);
    QMenu menu;
    menu.addAction("Cut");
    designer->SetPopupMenu(&menu);
    bool handle = true;
    QList<QPoint> asked;
    designer->events.OnContextPopup = [&](TELContextPopupArgs &args) {
        asked << args.mousePos;
        args.handled = handle;
    };
    press({50, 50}, {}, Qt::RightButton);
    release({50, 50}, Qt::RightButton);
    EXPECT_FALSE(menu.isVisible());
    handle = false;
    press({50, 50}, {}, Qt::RightButton);
    release({50, 50}, Qt::RightButton);
    EXPECT_TRUE(menu.isVisible());
    menu.close();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked.first(), overlay().mapToGlobal(QPoint(50, 50)));
}

TEST_F(MouseEditing, DoubleClickRaisesTheEvent)
{
    designer->SetActive(true);
    int clicks = 0;
    designer->events.OnDblClick = [&] { ++clicks; };
    mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, {40, 40});
    EXPECT_EQ(clicks, 1);
}

} // namespace talmo
