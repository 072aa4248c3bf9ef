#include "model/ProjectContainer.h"
#include "model/StandardWizardPages.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(CustomForm, ANewPageOffersFiveDisabledEventsOfItsForm)
{
    const TCustomForm page(false);
    EXPECT_EQ(page.Name, "CustomForm");
    EXPECT_EQ(page.Caption, "CustomForm Caption");
    EXPECT_EQ(page.Description, "CustomForm Description");
    EXPECT_EQ(page.CreationOrder, 0);
    EXPECT_TRUE(page.Enabled);
    EXPECT_TRUE(page.Data.isEmpty());

    struct Expected { const char *event; const char *declaration; const char *code; };
    const Expected expected[] = {
        { "OnActivate", "procedure {}OnActivate(Page: TWizardPage);", "// Your Code here ..." },
        { "OnShouldSkipPage", "function {}OnShouldSkipPage(Page: TWizardPage): Boolean;",
          "  Result := False;" },
        { "OnBackButtonClick", "function {}OnBackButtonClick(Page: TWizardPage): Boolean;",
          "  Result := True;" },
        { "OnNextButtonClick", "function {}OnNextButtonClick(Page: TWizardPage): Boolean;",
          "  Result := True;" },
        { "OnCancelButtonClick",
          "procedure {}OnCancelButtonClick(Page: TWizardPage; var Cancel, Confirm: Boolean);",
          "// Your Code Here ..." },
    };
    ASSERT_EQ(page.ExecUnits.Count(), 5);
    for (int i = 0; i < 5; ++i) {
        const TFormCodeExecutionUnit &unit = page.ExecUnits[i];
        const Expected &e = expected[i];
        EXPECT_EQ(unit.Object, "Form");
        EXPECT_EQ(unit.Event, e.event);
        EXPECT_EQ(unit.ShortHelp, e.declaration);
        EXPECT_EQ(unit.defCode, QStringList({ "begin", e.code, "end;" }));
        EXPECT_EQ(unit.eventNameInCode, QString("CustomForm_Form") + e.event);
        EXPECT_TRUE(unit.Code.isEmpty());
        EXPECT_FALSE(unit.Enabled);
        EXPECT_EQ(unit.linkTo, -1);
    }
}

TEST(CustomForm, APageForLoadingHasNoEvents)
{
    EXPECT_EQ(TCustomForm(true).ExecUnits.Count(), 0);
    const TFormCodeExecutionUnit unit;
    EXPECT_EQ(unit.linkTo, -1);
    EXPECT_FALSE(unit.Enabled);
}

TEST(CustomForm, EventNamesInCode)
{
    EXPECT_EQ(TFormCodeExecutionUnit::MakeEventNameInCode("Page2", "Button1", "OnClick"),
              "Page2_Button1OnClick");
}

TEST(CustomForm, CreationOrderOutsideTheTableMeansTheFirstPage)
{
    const std::pair<int, QString> cases[] = {
        { 0, "Welcome" }, { 5, "SelectDir" }, { 13, "Finished" },
        { 14, "Welcome" }, { -1, "Welcome" }, { 1000000, "Welcome" },
    };
    TCustomForm page(true);
    for (const auto &[order, name] : cases) {
        page.CreationOrder = order;
        EXPECT_EQ(page.CreatedAfterPageName(), name) << order;
        EXPECT_EQ(StandardWizardPageIndex(order), order >= 0 && order <= 13 ? order : 0);
    }
}

TEST(TrimCodeLines, DropsOnlyTheEmptyLinesAtTheEnd)
{
    const std::pair<QStringList, QStringList> cases[] = {
        { { "begin", "end;", "", "" }, { "begin", "end;" } },
        { { "begin", "  ", "" }, { "begin", "  " } },
        { { "", "begin", "", "end;" }, { "", "begin", "", "end;" } },
        { { "", "", "" }, {} },
        { {}, {} },
    };
    for (const auto &[code, trimmed] : cases) {
        TProjectContainer project;
        TCustomForm &page = project.CustomForms.AddNew(false);
        page.ExecUnits[3].Code = code;
        page.ExecUnits[3].defCode = code;
        page.Data = code;
        project.CommonCode = code;

        project.TrimCodeLines();

        EXPECT_EQ(page.ExecUnits[3].Code, trimmed) << code.join('|').toStdString();
        EXPECT_EQ(project.CommonCode, trimmed);
        EXPECT_EQ(page.ExecUnits[3].defCode, code);
        EXPECT_EQ(page.Data, code);
        EXPECT_FALSE(project.Modified);
    }
}
