#include "model/EventUnitHandOver.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

struct UnitRow
{
    const char *object;
    int linkTo;
    bool enabled;
};

// A page without its default "Form" units, holding exactly the given units;
// each unit's code names its own index, so hand-overs are easy to follow.
void fill(TFormCodeExecutionUnits &units, std::initializer_list<UnitRow> rows)
{
    for (const UnitRow &row : rows) {
        TFormCodeExecutionUnit &unit = units.AddNew();
        unit.Object = QString::fromLatin1(row.object);
        unit.Event = QStringLiteral("OnClick");
        unit.linkTo = row.linkTo;
        unit.Enabled = row.enabled;
        unit.eventNameInCode = QStringLiteral("Page_%1OnClick").arg(unit.Object);
        unit.Code = QStringList{ QStringLiteral("begin"), QStringLiteral("  // unit %1").arg(units.Count() - 1),
                                 QStringLiteral("end;") };
    }
}

QList<int> links(const TFormCodeExecutionUnits &units)
{
    QList<int> result;
    for (const TFormCodeExecutionUnit &unit : units)
        result << unit.linkTo;
    return result;
}

QStringList objects(const TFormCodeExecutionUnits &units)
{
    QStringList result;
    for (const TFormCodeExecutionUnit &unit : units)
        result << unit.Object;
    return result;
}

} // namespace

TEST(EventHandOver, DisablingHandsTheProcedureToTheFirstLinkedUnit)
{
    TCustomForm page(true);
    fill(page.ExecUnits, { { "Other", -1, true }, { "Owner", -1, true }, { "B", 1, true }, { "C", 1, true } });

    DisableEventUnit(page.ExecUnits, 1);

    const TFormCodeExecutionUnit &disabled = page.ExecUnits[1];
    EXPECT_FALSE(disabled.Enabled);
    EXPECT_EQ(disabled.linkTo, -1);
    EXPECT_EQ(disabled.Code.at(1), "  // unit 1") << "the disabled unit keeps its own code";
    EXPECT_EQ(page.ExecUnits[2].Code.at(1), "  // unit 1") << "the new owner gets a copy of the code";
    EXPECT_EQ(links(page.ExecUnits), QList<int>({ -1, -1, -1, 2 }));
}

TEST(EventHandOver, DisablingAnUnsharedUnitTouchesNoOtherUnit)
{
    TCustomForm page(true);
    fill(page.ExecUnits, { { "A", -1, true }, { "B", 0, true }, { "C", -1, true } });

    DisableEventUnit(page.ExecUnits, 2);

    EXPECT_EQ(links(page.ExecUnits), QList<int>({ -1, 0, -1 }));
    EXPECT_EQ(page.ExecUnits[1].Code.at(1), "  // unit 1");
}

TEST(EventHandOver, RemovingAControlHandsItsSharedProcedureOverAndRenumbersLinks)
{
    struct Case
    {
        const char *name;
        std::initializer_list<UnitRow> units;
        QStringList remaining;  // controls still on the page
        QStringList objectsAfter;
        QList<int> linksAfter;
        QStringList codeOwners;  // the unit whose code each remaining unit carries, by comment
    };
    const Case cases[] = {
        { "shared procedure of the removed control",
          { { "Form", -1, false }, { "Button1", -1, true }, { "Button2", 1, true }, { "Edit1", 1, true } },
          { "Button2", "Edit1" },
          { "Form", "Button2", "Edit1" },
          { -1, -1, 1 },
          { "  // unit 0", "  // unit 1", "  // unit 3" } },
        { "links behind a removed unit move down with their target",
          { { "Gone", -1, true }, { "Button1", -1, true }, { "Button2", 1, true } },
          { "Button1", "Button2" },
          { "Button1", "Button2" },
          { -1, 0 },
          { "  // unit 1", "  // unit 2" } },
        { "the owner and one of its linked units removed together",
          { { "Gone", -1, true }, { "AlsoGone", 0, true }, { "Kept", 0, true }, { "Other", -1, true } },
          { "Kept", "Other" },
          { "Kept", "Other" },
          { -1, -1 },
          { "  // unit 0", "  // unit 3" } },
        { "the page's own units always stay",
          { { "Form", -1, true }, { "Form", 0, true } },
          {},
          { "Form", "Form" },
          { -1, 0 },
          { "  // unit 0", "  // unit 1" } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TCustomForm page(true);
        fill(page.ExecUnits, c.units);

        RemoveUnitsOfMissingObjects(page, c.remaining);

        EXPECT_EQ(objects(page.ExecUnits), c.objectsAfter);
        EXPECT_EQ(links(page.ExecUnits), c.linksAfter);
        QStringList codes;
        for (const TFormCodeExecutionUnit &unit : page.ExecUnits)
            codes << unit.Code.value(1);
        EXPECT_EQ(codes, c.codeOwners);
    }
}

TEST(EventHandOver, EveryLinkAfterARemovalNamesAnEnabledOwnerOnThePage)
{
    TCustomForm page(true);
    fill(page.ExecUnits, { { "A", -1, true }, { "B", -1, true }, { "C", 1, true }, { "D", 0, true },
                           { "E", 1, true }, { "F", -1, false } });

    RemoveUnitsOfMissingObjects(page, { "C", "D", "E", "F" });

    for (const TFormCodeExecutionUnit &unit : page.ExecUnits) {
        if (unit.linkTo < 0)
            continue;
        ASSERT_LT(unit.linkTo, page.ExecUnits.Count()) << unit.Object.toStdString();
        const TFormCodeExecutionUnit &owner = page.ExecUnits[unit.linkTo];
        EXPECT_EQ(owner.linkTo, -1) << unit.Object.toStdString();
        EXPECT_TRUE(owner.Enabled) << unit.Object.toStdString();
    }
    EXPECT_EQ(objects(page.ExecUnits), QStringList({ "C", "D", "E", "F" }));
    EXPECT_EQ(links(page.ExecUnits), QList<int>({ -1, -1, 0, -1 }));
}
