#include "designer/core/PageEventRules.h"
#include "designer/pages/EventCodeTab.h"
#include "designer/pages/FormDesigner.h"
#include "designer/script/ScriptEditor.h"
#include "helpers/ui/FakeUiServices.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/support/QtPrinters.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace talmo::testing {
namespace {

// A page "Options" with a button, built by the builder with the program's
// whole script and our compiler library.
class CodeEditorMistakeBuild : public FullScriptBuilderFixture
{
protected:
    void SetUp() override
    {
        FullScriptBuilderFixture::SetUp();
        AddOptionsPageWithButton(fixture.project);
        builder.WindowShown();
    }

    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ ui };
    FakeProjectWindowHost host;
};

TEST_F(CodeEditorMistakeBuild, TheLogNamesThePageTheEventAndTheLineTyped)
{
    {
        TFormDesigner designer(fixture.project, host, 0, nullptr);
        designer.setCodeTabDelay(0);
        TCustomForm &page = fixture.project.CustomForms[0];
        const int click = PageEventRules::EntryOf(page.ExecUnits, QStringLiteral("Button1"), QStringLiteral("OnClick"));
        ASSERT_TRUE(PageEventRules::EnableEvent(page.ExecUnits, click, QStringLiteral("Options_Button1OnClick")).accepted);
        EventCodeTab *tab = designer.codeTab();
        tab->refreshObjects();
        tab->objectsBox()->setCurrentText(QStringLiteral("Button1"));
        // At the start of the default code's comment line, the editor's third.
        tab->editor()->setCursorPosition(2, 0);
        QTest::keyClicks(tab->editor(), QStringLiteral("  UndefinedProc(1, 2); "));
        ASSERT_EQ(page.ExecUnits[click].Code.value(1), QStringLiteral("  UndefinedProc(1, 2); // Your Code Here ..."));
    }

    builder.BuildInstallation();

    EXPECT_EQ(builder.ResultCode, 2);
    const QStringList log = builder.LogLines();
    ASSERT_GE(log.size(), 2);
    EXPECT_TRUE(log.at(log.size() - 2).startsWith(QStringLiteral("Error on line "))) << log.join(u'\n').toStdString();
    EXPECT_TRUE(log.at(log.size() - 2).endsWith(QStringLiteral(": Column 3: Unknown identifier 'UndefinedProc'")))
        << log.join(u'\n').toStdString();
    EXPECT_EQ(log.last(),
              QStringLiteral("The error is in line 3 of the event Button1.OnClick on the page \"Options\", at column 3."));
}

} // namespace
} // namespace talmo::testing
