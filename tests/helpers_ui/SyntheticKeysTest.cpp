#include "helpers/ui/SyntheticKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

class KeyRecorder : public QWidget
{
public:
    QStringList events;

protected:
    void keyPressEvent(QKeyEvent *event) override { record(QStringLiteral("down"), event); }
    void keyReleaseEvent(QKeyEvent *event) override { record(QStringLiteral("up"), event); }

private:
    void record(const QString &what, const QKeyEvent *event)
    {
        events.append(QStringLiteral("%1 %2%3").arg(what).arg(event->key(), 0, 16)
                          .arg(event->modifiers() & Qt::ShiftModifier ? QStringLiteral(" shift") : QString()));
    }
};

void deliverPostedEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

class FocusedListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < 6; ++i)
            list.addItem(QStringLiteral("item %1").arg(i));
        list.setCurrentRow(2);
        list.show();
        list.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
        list.setFocus();
        ASSERT_EQ(QApplication::focusWidget(), &list);
    }

    QListWidget list;
};

} // namespace

TEST_F(FocusedListTest, EachStrokeMovesTheSelectionByOneRow)
{
    SendDownKeys(2, 0);
    deliverPostedEvents();
    EXPECT_EQ(list.currentRow(), 4);
    SendUpKeys(1, 0);
    deliverPostedEvents();
    EXPECT_EQ(list.currentRow(), 3);
    SendHomeKeys(0, 0);
    deliverPostedEvents();
    EXPECT_EQ(list.currentRow(), 3);
    SendHomeKeys(1, 0);
    deliverPostedEvents();
    EXPECT_EQ(list.currentRow(), 0);
}

TEST_F(FocusedListTest, PressDownKeyArrivesAfterItsPause)
{
    QElapsedTimer timer;
    timer.start();
    PressDownKey();
    EXPECT_GE(timer.elapsed(), 50);
    deliverPostedEvents();
    EXPECT_EQ(list.currentRow(), 3);
}

TEST(SyntheticKeys, ShiftWrapsTheStrokeTheWayTheKeyboardReportsIt)
{
    KeyRecorder recorder;
    recorder.setFocusPolicy(Qt::StrongFocus);
    recorder.show();
    recorder.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&recorder));
    recorder.setFocus();

    SendKeyStroke(37, true);
    SendKeyStroke(39, false);
    deliverPostedEvents();
    EXPECT_EQ(recorder.events, (QStringList{ "down 1000020 shift", "down 1000012 shift", "up 1000012 shift",
                                             "up 1000020", "down 1000014", "up 1000014" }));
}

TEST(SyntheticKeys, DelayWaitsItsFullLength)
{
    QElapsedTimer timer;
    timer.start();
    DelayProcessingMessages(3);
    EXPECT_GE(timer.elapsed(), 30);
    timer.restart();
    DelayProcessingMessages(0);
    EXPECT_LT(timer.elapsed(), 30);
}
