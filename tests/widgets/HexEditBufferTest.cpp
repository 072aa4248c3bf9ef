#include "tests/support/QtPrinters.h"

#include "widgets/HexEditBuffer.h"

#include <gtest/gtest.h>

#include <functional>

using namespace talmo;

namespace {

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

} // namespace

TEST(HexEditBuffer, DigitsInsertBytesAndBackspaceOrDeleteRemoveOne)
{
    struct Case
    {
        const char *name;
        const char *start;
        qsizetype caret;
        std::function<void(HexEditBuffer &)> keys;
        const char *expected;
        qsizetype expectedCaret;
    };
    const auto type = [](const char *digits) {
        return [digits](HexEditBuffer &buffer) {
            for (const char *d = digits; *d; ++d)
                buffer.typeDigit(QChar(*d));
        };
    };
    const Case cases[] = {
        {"insert at the start", "aabb", 0, type("01"), "01aabb", 2},
        {"insert in the middle", "aabb", 2, type("fF"), "aaffbb", 4},
        {"insert at the end", "aabb", 4, type("0102"), "aabb0102", 8},
        {"one digit inserts the high nibble", "aa", 2, type("7"), "aa70", 3},
        {"the low nibble completes its byte", "aa", 1, type("c"), "ac", 2},
        {"other characters type nothing", "aa", 0, type("g -"), "aa", 0},
        {"backspace after one nibble drops that byte",
         "aabb", 2, [](HexEditBuffer &b) { b.typeDigit('1'); b.backspace(); }, "aabb", 2},
        {"backspace removes the byte before", "aabbcc", 4, [](HexEditBuffer &b) { b.backspace(); }, "aacc", 2},
        {"backspace at the start does nothing", "aa", 0, [](HexEditBuffer &b) { b.backspace(); }, "aa", 0},
        {"delete removes the byte at the caret", "aabbcc", 2, [](HexEditBuffer &b) { b.deleteForward(); }, "aacc", 2},
        {"delete at the end does nothing", "aa", 2, [](HexEditBuffer &b) { b.deleteForward(); }, "aa", 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HexEditBuffer buffer;
        buffer.setData(bytes(c.start));
        buffer.setCaret(c.caret);
        c.keys(buffer);
        EXPECT_EQ(buffer.data().toHex(), QByteArray(c.expected));
        EXPECT_EQ(buffer.caret(), c.expectedCaret);
    }
}

TEST(HexEditBuffer, MovesStayBetweenStartAndEndAndCrossRows)
{
    struct Case
    {
        const char *name;
        qsizetype caret;
        std::function<void(HexEditBuffer &)> move;
        qsizetype expected;
    };
    // 20 bytes: rows 0 and 1 full, row 2 holds four bytes; the end is 40.
    const Case cases[] = {
        {"right across a row", 15, [](HexEditBuffer &b) { b.moveBy(1); }, 16},
        {"left at the start", 0, [](HexEditBuffer &b) { b.moveBy(-1); }, 0},
        {"right at the end", 40, [](HexEditBuffer &b) { b.moveBy(1); }, 40},
        {"down keeps the column", 3, [](HexEditBuffer &b) { b.moveRows(1); }, 19},
        {"down into a short row stops at the end", 30, [](HexEditBuffer &b) { b.moveRows(1); }, 40},
        {"up on the first row", 5, [](HexEditBuffer &b) { b.moveRows(-1); }, 0},
        {"page down", 2, [](HexEditBuffer &b) { b.moveRows(2); }, 34},
        {"home", 21, [](HexEditBuffer &b) { b.moveToRowStart(); }, 16},
        {"end of a full row", 17, [](HexEditBuffer &b) { b.moveToRowEnd(); }, 31},
        {"end of the last row", 33, [](HexEditBuffer &b) { b.moveToRowEnd(); }, 40},
        {"ctrl+home", 33, [](HexEditBuffer &b) { b.moveToStart(); }, 0},
        {"ctrl+end", 3, [](HexEditBuffer &b) { b.moveToEnd(); }, 40},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HexEditBuffer buffer;
        buffer.setData(QByteArray(20, 'x'));
        buffer.setCaret(c.caret);
        c.move(buffer);
        EXPECT_EQ(buffer.caret(), c.expected);
    }
}

TEST(HexEditBuffer, RowsShowOffsetPairsAndCharactersAndClicksFindTheNibble)
{
    HexEditBuffer buffer;
    buffer.setData(QByteArray("ABCDEFGH\x01z", 10));
    EXPECT_EQ(buffer.rowCount(), 2);
    EXPECT_EQ(buffer.rowText(0), QString("00000000  41 42 43 44 45 46 47 48  ABCDEFGH"));
    EXPECT_EQ(buffer.rowText(1), QString("00000008  01 7A                    .z"));

    struct Case
    {
        qsizetype row;
        int column;
        qsizetype expected;
    };
    const Case clicks[] = {
        {0, 0, 0},                                  // on the offset: the row's first byte
        {0, HexEditBuffer::HexColumn + 4, 3},       // second pair, low digit
        {0, HexEditBuffer::HexColumn + 5, 4},       // the space after a pair: the next byte
        {0, HexEditBuffer::CharColumn + 2, 4},      // a character: its byte
        {1, HexEditBuffer::HexColumn + 12, 20},     // past the data: the end
        {5, 3, 20},                                 // below the rows: the end
    };
    for (const Case &c : clicks) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.column);
        EXPECT_EQ(buffer.positionAt(c.row, c.column), c.expected);
    }
}
