#include "tests/support/QtPrinters.h"

#include "widgets/HexEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace talmo;

namespace {

struct HexEditFixture : ::testing::Test
{
    void SetUp() override
    {
        edit.resize(400, 120);
        edit.show();
        QApplication::setActiveWindow(&edit);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
        edit.setFocus();
    }

    HexEdit edit;
};

} // namespace

TEST_F(HexEditFixture, KeysEditAndMoveAndEveryEditSignals)
{
    QSignalSpy changed(&edit, &HexEdit::dataChanged);
    edit.setData(QByteArray::fromHex("aabbccddeeff00112233"));
    EXPECT_EQ(changed.count(), 0) << "setData emits nothing";

    QTest::keyClicks(&edit, "01");
    EXPECT_EQ(edit.data().toHex(), QByteArray("01aabbccddeeff00112233"));
    QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&edit, "4");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, "ff");
    EXPECT_EQ(edit.data().toHex(), QByteArray("01aabbccddeeff00112233ff"));
    QTest::keyClick(&edit, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Down);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.data().toHex(), QByteArray("01aabbccddeeff002233ff"));
    EXPECT_EQ(changed.count(), 7);

    QTest::keyClick(&edit, Qt::Key_Up);
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::keyClicks(&edit, "5");
    EXPECT_EQ(edit.data().left(3).toHex(), QByteArray("0150aa"));
}

TEST_F(HexEditFixture, AClickPlacesTheCaretAndOffsetsAreShown)
{
    edit.setData(QByteArray(20, '\0'));
    const int charWidth = edit.fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int lineHeight = edit.fontMetrics().height();
    const QPoint secondRowThirdPair((HexEditBuffer::HexColumn + 6) * charWidth + 1, lineHeight + lineHeight / 2);
    QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, secondRowThirdPair);
    EXPECT_EQ(edit.buffer().caret(), 2 * 10);
    EXPECT_EQ(edit.buffer().rowText(2).left(8), QString("00000010"));
}

TEST_F(HexEditFixture, AMebibytePaintsOnlyTheRowsInView)
{
    edit.setData(QByteArray(1 << 20, 'a'));
    QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&edit, "12");
    edit.viewport()->repaint();
    EXPECT_LE(edit.lastPaintedRowCount(), 120 / edit.fontMetrics().height() + 1);
    EXPECT_EQ(edit.data().right(1).toHex(), QByteArray("12"));
    EXPECT_EQ(edit.buffer().caretRow(), edit.buffer().rowCount() - 1);
}
