#include "editors/core/device/ListActions.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(ListActionsTest, EditTakesOneRowDeleteAny)
{
    const struct
    {
        bool canAdd;
        int selected;
        bool add, edit, remove;
    } cases[] = {
        { true, 0, true, false, false },
        { true, 1, true, true, true },
        { true, 3, true, false, true },
        { false, 0, false, false, false },
        { false, 1, false, true, true },
    };
    for (const auto &c : cases) {
        const ListActions actions = ListActions::For(c.canAdd, c.selected);
        EXPECT_EQ(actions.add, c.add) << c.canAdd << c.selected;
        EXPECT_EQ(actions.edit, c.edit) << c.canAdd << c.selected;
        EXPECT_EQ(actions.remove, c.remove) << c.canAdd << c.selected;
    }
}

} // namespace
