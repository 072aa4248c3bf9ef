#include "designer/controls/CheckListItems.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

using namespace talmo;

namespace {

//  0 Parent            check box
//  1   ChildA          check box, checked with its parent
//  2   ChildB          check box, checked with its parent
//  3   ChildC          check box
//  4 Options           check box
//  5   Radio1          radio
//  6   Radio2          radio
//  7 Single            check box
//  8 Internal          check box with internal children
//  9   Inner           check box
TCheckListItems fixture()
{
    TCheckListItems items;
    items.AddCheckBox(QStringLiteral("Parent"), QString(), 0, false, true, false, false);
    items.AddCheckBox(QStringLiteral("ChildA"), QString(), 1, false, true, false, true);
    items.AddCheckBox(QStringLiteral("ChildB"), QString(), 1, false, true, false, true);
    items.AddCheckBox(QStringLiteral("ChildC"), QString(), 1, false, true, false, false);
    items.AddCheckBox(QStringLiteral("Options"), QString(), 0, false, true, false, false);
    items.AddRadioButton(QStringLiteral("Radio1"), QString(), 1, false, true);
    items.AddRadioButton(QStringLiteral("Radio2"), QString(), 1, false, true);
    items.AddCheckBox(QStringLiteral("Single"), QString(), 0, false, true, false, false);
    items.AddCheckBox(QStringLiteral("Internal"), QString(), 0, false, true, true, false);
    items.AddCheckBox(QStringLiteral("Inner"), QString(), 1, false, true, false, false);
    return items;
}

// One letter an item: u unchecked, c checked, g grayed.
QString states(const TCheckListItems &items)
{
    QString letters;
    for (int index = 0; index < items.count(); ++index)
        letters += QStringLiteral("ucg").at(items.at(index).state);
    return letters;
}

struct CheckCase
{
    const char *what;
    std::function<void(TCheckListItems &)> before;
    int index;
    TCheckItemOperation operation;
    bool changed;
    const char *after;
};

const CheckCase CheckCases[] = {
    {"children flagged to follow are checked with the parent", nullptr, 0, coCheckWithChildren, true, "gccuuuuuuu"},
    {"plain check of a parent whose children are all unchecked", nullptr, 0, coCheck, false, "uuuuuuuuuu"},
    {"one child checked grays the parent", nullptr, 1, coCheck, true, "gcuuuuuuuu"},
    {"every child checked checks the parent",
     [](TCheckListItems &i) {
         i.CheckItem(1, coCheck);
         i.CheckItem(2, coCheck);
     },
     3, coCheck, true, "ccccuuuuuu"},
    {"unchecking the parent unchecks its children",
     [](TCheckListItems &i) { i.CheckItem(0, coCheckWithChildren); }, 0, coUncheck, true, "uuuuuuuuuu"},
    {"unchecking the last checked child unchecks the parent",
     [](TCheckListItems &i) { i.CheckItem(1, coCheck); }, 1, coUncheck, true, "uuuuuuuuuu"},
    {"a parent gets the first free radio of its group", nullptr, 4, coCheck, true, "uuuuccuuuu"},
    {"a checked radio checks its parent", nullptr, 6, coCheck, true, "uuuucucuuu"},
    {"checking a radio unchecks the other of its group",
     [](TCheckListItems &i) { i.CheckItem(5, coCheck); }, 6, coCheck, true, "uuuucucuuu"},
    {"a radio is not unchecked", [](TCheckListItems &i) { i.CheckItem(5, coCheck); }, 5, coUncheck, false,
     "uuuuccuuuu"},
    {"unchecking the parent unchecks its radios", [](TCheckListItems &i) { i.CheckItem(5, coCheck); }, 4,
     coUncheck, true, "uuuuuuuuuu"},
    {"an item without children", nullptr, 7, coCheck, true, "uuuuuuucuu"},
    {"internal children keep a parent checked, grayed", nullptr, 8, coCheck, true, "uuuuuuuugu"},
    {"an index outside the list", nullptr, -1, coCheck, false, "uuuuuuuuuu"},
    {"a disabled child is left alone",
     [](TCheckListItems &i) { i.setEnabled(2, false); }, 0, coCheckWithChildren, true, "gcuuuuuuuu"},
};

TEST(CheckListItems, CheckItemCarriesTheCheckToChildrenRadiosAndAncestors)
{
    for (const CheckCase &check : CheckCases) {
        TCheckListItems items = fixture();
        if (check.before)
            check.before(items);
        EXPECT_EQ(items.CheckItem(check.index, check.operation), check.changed) << check.what;
        EXPECT_EQ(states(items), QString::fromLatin1(check.after)) << check.what;
    }
}

TEST(CheckListItems, ToggleChecksUnchecksAndClearsAGrayedParentThatCannotGrow)
{
    TCheckListItems items = fixture();
    EXPECT_TRUE(items.toggle(0));
    EXPECT_EQ(states(items), QStringLiteral("gccuuuuuuu"));
    EXPECT_TRUE(items.toggle(0)) << "grayed, checking changes nothing, so it unchecks";
    EXPECT_EQ(states(items), QStringLiteral("uuuuuuuuuu"));

    items.CheckItem(3, coCheck);
    EXPECT_TRUE(items.toggle(0)) << "grayed, checking with children completes it";
    EXPECT_EQ(states(items), QStringLiteral("ccccuuuuuu"));
    EXPECT_TRUE(items.toggle(0));
    EXPECT_EQ(states(items), QStringLiteral("uuuuuuuuuu"));

    EXPECT_TRUE(items.toggle(6));
    EXPECT_FALSE(items.toggle(6)) << "a checked radio stays checked";
    EXPECT_EQ(states(items), QStringLiteral("uuuucucuuu"));
}

TEST(CheckListItems, TreeLinesRunFromAParentToItsLastChild)
{
    TCheckListItems items;
    for (const int level : {0, 1, 2, 1, 0, 1, 3})
        items.AddGroup(QStringLiteral("item"), QString(), level);
    items.updateLines();
    const QList<QList<int>> bits = {{}, {0}, {0, 1}, {0}, {}, {0}, {1}};
    const QList<bool> lastChild = {false, false, true, true, false, true, true};
    for (int index = 0; index < items.count(); ++index) {
        QList<int> set;
        for (int level = 0; level < 256; ++level) {
            if (items.at(index).lines.test(std::size_t(level)))
                set.append(level);
        }
        EXPECT_EQ(set, bits.at(index)) << index;
        EXPECT_EQ(items.at(index).lastChild, lastChild.at(index)) << index;
    }
}

} // namespace
