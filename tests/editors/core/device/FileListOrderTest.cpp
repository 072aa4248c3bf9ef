#include "editors/core/device/FileListOrder.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(FileListOrderTest, ClicksTurnTheSortedColumnAndSortAnotherAscending)
{
    FileListOrder order;
    EXPECT_EQ(order.column(), 0);
    EXPECT_TRUE(order.ascending());
    const struct
    {
        int clicked;
        int column;
        bool ascending;
    } clicks[] = { { 0, 0, false }, { 2, 2, true }, { 2, 2, false }, { 2, 2, true }, { 3, 3, true }, { 0, 0, true } };
    for (const auto &click : clicks) {
        order.ClickColumn(click.clicked);
        EXPECT_EQ(order.column(), click.column) << click.clicked;
        EXPECT_EQ(order.ascending(), click.ascending) << click.clicked;
    }
}

TEST(FileListOrderTest, RestoredColumnsOutsideTheListSortByTheFirst)
{
    const struct
    {
        int column;
        int restored;
    } cases[] = { { 3, 3 }, { 0, 0 }, { 4, 0 }, { -1, 0 } };
    for (const auto &c : cases) {
        FileListOrder order;
        order.Restore(c.column, false, 4);
        EXPECT_EQ(order.column(), c.restored) << c.column;
        EXPECT_FALSE(order.ascending());
    }
}

} // namespace
