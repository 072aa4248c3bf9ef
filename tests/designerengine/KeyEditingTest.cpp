#include "SurfaceInput.h"

#include "designer/engine/TDEngArrowNavigation.h"

#include <QAction>

namespace talmo {

using KeyEditing = SurfaceFixture;

TEST(ArrowNavigation, PicksTheNearestQualifyingSibling)
{
    using Nav = TDEngArrowNavigation;
    const QRect self(100, 100, 50, 20);
    const struct
    {
        const char *what;
        QList<QRect> candidates;
        Nav::Direction direction;
        int expected;
    } cases[] = {
        {"straight ahead", {QRect(200, 100, 50, 20), QRect(300, 100, 50, 20)}, Nav::Right, 0},
        {"behind never", {QRect(0, 100, 50, 20)}, Nav::Right, -1},
        {"further aside than ahead", {QRect(160, 200, 50, 20)}, Nav::Right, -1},
        {"as far aside as ahead", {QRect(160, 130, 50, 20)}, Nav::Right, 0},
        {"overlapping, centre beyond", {QRect(120, 110, 50, 20)}, Nav::Right, 0},
        {"overlapping, centre behind", {QRect(90, 110, 50, 20)}, Nav::Right, -1},
        {"tie goes to the earlier child", {QRect(200, 80, 20, 20), QRect(200, 120, 20, 20)}, Nav::Right, 0},
        {"nearer wins", {QRect(100, 300, 50, 20), QRect(100, 40, 50, 20)}, Nav::Up, 1},
        {"left", {QRect(10, 100, 20, 20), QRect(60, 100, 20, 20)}, Nav::Left, 1},
        {"down", {QRect(100, 160, 50, 20), QRect(100, 130, 50, 20)}, Nav::Down, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Nav::nearest(self, c.candidates, c.direction), c.expected) << c.what;
}

TEST_F(KeyEditing, ArrowsSelectTheNeighbourAndNeverLeaveTheRoot)
{
    TButton *left = add<TButton>("Button1", {20, 20, 75, 25});
    TButton *right = add<TButton>("Button2", {120, 20, 75, 25});
    TButton *below = add<TButton>("Button3", {20, 80, 75, 25});
    designer->SetActive(true);
    key(Qt::Key_Right); // the root has no siblings
    EXPECT_EQ(selected(), QList<TDesignControl *>{root});

    selection().SelectOnly(left);
    key(Qt::Key_Right);
    EXPECT_EQ(selected(), QList<TDesignControl *>{right});
    key(Qt::Key_Up); // nothing there: stays
    EXPECT_EQ(selected(), QList<TDesignControl *>{right});
    key(Qt::Key_Left);
    key(Qt::Key_Down);
    EXPECT_EQ(selected(), QList<TDesignControl *>{below});
    key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(selected(), QList<TDesignControl *>{below});
}

TEST_F(KeyEditing, ShiftSizesAndCtrlMovesByOnePixel)
{
    TButton *one = add<TButton>("Button1", {20, 20, 0, 25});
    TButton *two = add<TButton>("Button2", {120, 20, 75, 25});
    TPanel *panel1 = add<TPanel>("Panel1", {200, 100, 100, 100});
    TButton *elsewhere = add<TButton>("Button3", {5, 5, 75, 25}, panel1);
    designer->SetActive(true);
    int modified = 0;
    designer->events.OnModified = [&] { ++modified; };

    selection().SelectList({elsewhere, one, two}); // the last one's siblings only
    key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(selected(), (QList<TDesignControl *>{one, two}));
    EXPECT_EQ(one->geometry(), QRect(20, 20, 0, 25)); // never below 0
    EXPECT_EQ(two->geometry(), QRect(120, 20, 74, 25));
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(two->geometry(), QRect(120, 20, 74, 26));

    two->setDesignInfo(LockMove);
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(selected(), QList<TDesignControl *>{one});
    EXPECT_EQ(one->pos(), QPoint(21, 20));
    EXPECT_EQ(two->pos(), QPoint(120, 20));
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(one->pos(), QPoint(21, 19));
    EXPECT_EQ(modified, 4);
    EXPECT_EQ(elsewhere->pos(), QPoint(5, 5));
}

TEST_F(KeyEditing, TabWalksTheControlsInCreationOrderAndWraps)
{
    TButton *first = add<TButton>("Button1", {20, 20, 75, 25});
    TPanel *panel1 = add<TPanel>("Panel1", {200, 100, 100, 100});
    TButton *inner = add<TButton>("Button2", {5, 5, 75, 25}, panel1);
    designer->SetActive(true);
    key(Qt::Key_Tab); // the root is no component of its own
    EXPECT_EQ(selected(), QList<TDesignControl *>{root});

    selection().SelectOnly(first);
    key(Qt::Key_Tab);
    EXPECT_EQ(selected(), QList<TDesignControl *>{panel1});
    key(Qt::Key_Tab);
    EXPECT_EQ(selected(), QList<TDesignControl *>{inner});
    key(Qt::Key_Tab);
    EXPECT_EQ(selected(), QList<TDesignControl *>{first});
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(selected(), QList<TDesignControl *>{inner});
}

TEST_F(KeyEditing, EscapeClimbsToTheParentThenTheRoot)
{
    TPanel *panel1 = add<TPanel>("Panel1", {200, 100, 100, 100});
    TButton *inner = add<TButton>("Button1", {5, 5, 75, 25}, panel1);
    designer->SetActive(true);
    selection().SelectOnly(inner);
    key(Qt::Key_Escape);
    EXPECT_EQ(selected(), QList<TDesignControl *>{panel1});
    key(Qt::Key_Escape);
    EXPECT_EQ(selected(), QList<TDesignControl *>{root});
}

TEST_F(KeyEditing, DeleteReportsLocksThroughTheMessageService)
{
    TButton *one = add<TButton>("Button1", {20, 20, 75, 25});
    TButton *two = add<TButton>("Button2", {120, 20, 75, 25});
    TButton *three = add<TButton>("Button3", {220, 20, 75, 25});
    designer->SetActive(true);
    one->setDesignInfo(LockDelete);

    selection().SelectList({one, three});
    key(Qt::Key_Delete);
    two->setDesignInfo(LockDelete);
    selection().SelectList({one, two});
    key(Qt::Key_Delete);
    EXPECT_EQ(ui.shownTexts(),
              QStringList({"Control \"Button1\" or some of it chidrens can not\r be deleted becouse they are locked",
                           "Some controls is locked. Can not delete controls."}));
    EXPECT_EQ(ui.calls().first().messageKind, UiMessageKind::Error);
    EXPECT_EQ(root->components().size(), 3);

    selection().SelectOnly(three);
    key(Qt::Key_Delete);
    EXPECT_EQ(root->components(), (QList<TDesignControl *>{one, two}));
}

TEST_F(KeyEditing, KeyEventsComeFirstAndMayEatTheKey)
{
    TButton *one = add<TButton>("Button1", {20, 20, 75, 25});
    designer->SetActive(true);
    selection().SelectOnly(one);
    QStringList seen;
    designer->events.OnKeyDown = [&](TELKeyArgs &args) {
        seen << QStringLiteral("down %1").arg(args.key);
        if (args.key == Qt::Key_Delete)
            args.key = 0;
    };
    designer->events.OnKeyPress = [&](TELKeyPressArgs &args) { seen << "press " + args.key; };
    designer->events.OnKeyUp = [&](TELKeyArgs &args) { seen << QStringLiteral("up %1").arg(args.key); };
    key(Qt::Key_Delete);
    EXPECT_EQ(root->components().size(), 1);
    EXPECT_EQ(seen.first(), QStringLiteral("down %1").arg(Qt::Key_Delete));
    seen.clear();
    key(Qt::Key_A);
    EXPECT_EQ(seen, QStringList({QStringLiteral("down %1").arg(Qt::Key_A), "press a",
                                 QStringLiteral("up %1").arg(Qt::Key_A)}));
}

TEST_F(KeyEditing, EditingKeysBeatTheWindowsShortcutsOthersReachThem)
{
    TButton *one = add<TButton>("Button1", {20, 20, 75, 25});
    designer->SetActive(true);
    selection().SelectOnly(one);
    QAction save(QStringLiteral("Save"), &window);
    save.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction remove(QStringLiteral("Remove"), &window);
    remove.setShortcut(QKeySequence(Qt::Key_Delete));
    window.addAction(&save);
    window.addAction(&remove);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int saved = 0;
    int removed = 0;
    QObject::connect(&save, &QAction::triggered, [&] { ++saved; });
    QObject::connect(&remove, &QAction::triggered, [&] { ++removed; });

    key(Qt::Key_S, Qt::ControlModifier);
    key(Qt::Key_Delete);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(removed, 0);
    EXPECT_TRUE(root->components().isEmpty());
}

} // namespace talmo
