#include "editors/core/ListSortOrder.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(ListSortOrderTest, ClicksTurnTheSortedColumnAndSortAnotherAscending)
{
    ListSortOrder order;
    EXPECT_EQ(order.column, 0);
    EXPECT_TRUE(order.ascending);
    const struct
    {
        int clicked;
        int column;
        bool ascending;
    } clicks[] = { { 0, 0, false }, { 2, 2, true }, { 2, 2, false }, { 2, 2, true }, { 3, 3, true }, { 0, 0, true } };
    for (const auto &click : clicks) {
        order.HeaderClicked(click.clicked);
        EXPECT_EQ(order.column, click.column) << click.clicked;
        EXPECT_EQ(order.ascending, click.ascending) << click.clicked;
    }
}

TEST(ListSortOrderTest, RestoredColumnsOutsideTheListSortByTheFirst)
{
    const struct
    {
        int column;
        int restored;
    } cases[] = { { 3, 3 }, { 0, 0 }, { 4, 0 }, { -1, 0 } };
    for (const auto &c : cases) {
        ListSortOrder order;
        order.Restore(c.column, false, 4);
        EXPECT_EQ(order.column, c.restored) << c.column;
        EXPECT_FALSE(order.ascending);
    }
}

TEST(ListSortOrderTest, HeaderClicksTurnTheOrderAndMenuChoicesKeepIt)
{
    ListSortOrder order;
    order.HeaderClicked(0);
    EXPECT_EQ(order, (ListSortOrder{0, false}));
    order.ColumnChosen(0);
    EXPECT_EQ(order, (ListSortOrder{0, false})) << "the same column keeps its direction";
    order.ColumnChosen(2);
    EXPECT_EQ(order, (ListSortOrder{2, true}));
    order.HeaderClicked(2);
    order.HeaderClicked(1);
    EXPECT_EQ(order, (ListSortOrder{1, true})) << "another column starts ascending";
}

} // namespace
