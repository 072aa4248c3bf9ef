#include "designer/DesignClassRegistry.h"
#include "designer/DesignStrings.h"
#include "designer/PageDfm.h"
#include "designer/controls/FormDesignerClasses.h"
#include "designer/controls/Panel.h"
#include "designer/core/PageEventEntries.h"
#include "designer/core/PageEventRules.h"
#include "designer/core/ProcedureNames.h"
#include "designer/pages/PageControlNames.h"
#include "designer/pages/PageInspector.h"
#include "engine/scriptcode/CustomPageCode.h"
#include "helpers/ui/FakeUiServices.h"
#include "model/ProjectContainer.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "tests/designerpages/InspectorRows.h"
#include "tests/pascalcheck/PascalChecker.h"
#include "widgets/NextInspector.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

struct DesignedPage
{
    DesignedPage(TProjectContainer &project) : project(project)
    {
        TCustomForm &page = project.CustomForms.AddNew(false);
        page.Name = QStringLiteral("Details");
        InitFormDesignerUnit(registry);
        root.setDesigning(true);
    }
    ~DesignedPage() { root.destroyComponents(); }

    TCustomForm &page() { return project.CustomForms[0]; }

    TDesignControl *insert(const QString &className, const QString &name, QWidget *parent, int top)
    {
        TDesignControl *control = registry.find(className)->create();
        control->setParent(parent);
        root.insertComponent(control);
        control->setLeft(8);
        control->setTop(top);
        EXPECT_TRUE(control->rename(name).accepted);
        sync();
        return control;
    }

    void sync()
    {
        PageEventEntries::Sync(page(), PageControlNames(root, registry),
                               ProcedureNames(&project.CustomForms, page()));
    }

    TProjectContainer &project;
    TDesignClassRegistry registry;
    TPanel root;
};

} // namespace

TEST(PageRoundTrip, ADesignedPageSavesLoadsAndItsCodeCompiles)
{
    FakeUiServices ui;
    ScopedCurrentUiServices useUi(ui);
    TProjectContainer project;
    project.CommonCode = QStringList{ "var", "  Clicks: Integer;", "", "procedure CountClick;", "begin",
                                      "  Clicks := Clicks + 1;", "end;" };
    DesignedPage designed(project);
    designed.insert("TLabel", "Label1", &designed.root, 8)->setProperty("Caption", "Your name:");
    TDesignControl *panel = designed.insert("TPanel", "Panel1", &designed.root, 30);
    designed.insert("TEdit", "Edit1", panel, 4);
    designed.insert("TPasswordEdit", "PasswordEdit1", &designed.root, 100)->setProperty("OEMConvert", true);
    TDesignControl *list = designed.insert("TListBox", "ListBox1", &designed.root, 130);
    qobject_cast<TDesignStrings *>(list->property("Items").value<QObject *>())->setStrings({ "One", "Two's" });
    TDesignControl *button = designed.insert("TButton", "Button1", &designed.root, 200);
    designed.insert("TButton", "Button2", &designed.root, 200);

    // The button is renamed and given its click code through the inspector.
    TNextInspector inspector;
    QObject context;
    PageInspectorHooks hooks;
    hooks.savePage = [&] { PageDfm::SavePageDfm(designed.root, designed.page(), designed.registry); };
    hooks.controlRenamed = [&] { designed.sync(); };
    hooks.pageFieldsChanged = [] {};
    hooks.showEventCode = [](int) {};
    hooks.eventDisabled = [] {};
    static const ScriptKnowledgeBase knowledge;
    PageInspector binding(inspector, project, 0, knowledge.DesignerPropertyWhiteList(), hooks, &context);
    binding.fill({ button });
    inspectorRow(inspector, "Name", "Properties")->setValue("OkButton");
    inspectorRow(inspector, "OnClick", "Events")->setValue("Create Event");
    TCustomForm &page = designed.page();
    const int owner = PageEventRules::EntryOf(page.ExecUnits, "OkButton", "OnClick");
    page.ExecUnits[owner].Code = QStringList{ "begin", "  CountClick;", "  MsgBox('Clicked', mbInformation, MB_OK);",
                                              "end;" };
    ASSERT_TRUE(PageEventRules::EnableEvent(page.ExecUnits, PageEventRules::EntryOf(page.ExecUnits, "Button2", "OnClick"),
                                            "Details_OkButtonOnClick")
                    .accepted);
    PageDfm::SavePageDfm(designed.root, page, designed.registry);
    ASSERT_TRUE(page.Data.join(u'\n').contains("OEMConvert = True"));

    QTemporaryDir folder;
    const QString file = folder.filePath("RoundTrip.talmo");
    ASSERT_TRUE(project.SaveToFile(file));
    TProjectContainer loaded;
    ASSERT_TRUE(loaded.LoadFromFile(file));
    ASSERT_EQ(loaded.CustomForms.Count(), 1);
    const TCustomForm &read = loaded.CustomForms[0];
    EXPECT_EQ(read.Data, page.Data);
    ASSERT_EQ(read.ExecUnits.Count(), page.ExecUnits.Count());
    for (int i = 0; i < read.ExecUnits.Count(); ++i) {
        EXPECT_EQ(read.ExecUnits[i].eventNameInCode, page.ExecUnits[i].eventNameInCode) << i;
        EXPECT_EQ(read.ExecUnits[i].linkTo, page.ExecUnits[i].linkTo) << i;
    }

    QStringList script;
    CustomPageCode::FromKnowledgeBase(knowledge).WriteCustomFormsCode(loaded, script);
    EXPECT_FALSE(script.join(u'\n').contains("OEMConvert"));
    EXPECT_TRUE(script.contains("  Details_OkButton.OnClick:=@Details_OkButtonOnClick;"));
    EXPECT_TRUE(script.contains("  Details_Button2.OnClick:=@Details_OkButtonOnClick;"));
    const QStringList code = codeSectionsOf(script);
    const PascalCheckResult check = runPascalCheck(code);
    EXPECT_TRUE(check.compiled()) << check.output.toStdString() << "\n" << code.join(u'\n').toStdString();
}
