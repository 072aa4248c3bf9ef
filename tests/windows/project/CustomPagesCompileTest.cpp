#include "windows/project/TprojectForm.h"
#include "windows/project/WizardDialogsPage.h"

#include "engine/builder/BuildController.h"
#include "engine/scriptcode/FullScriptSource.h"
#include "engine/setup/SetupBuild.h"
#include "helpers/ui/FakeUiServices.h"
#include "model/ProjectContainer.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryMemoryStore.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

// Every page "Add" makes declares its own script variables, so a setup with
// two of them still compiles with the compiler library.
TEST(CustomPagesCompileTest, TwoAddedPagesStillCompile)
{
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ui};
    ProgramFolder::setOverride(QStringLiteral(TALMO_TEST_PROGRAM_DIR));
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("project/out")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("work")));

    auto project = std::make_unique<TProjectContainer>();
    project->CreateNewProject();
    project->FileName = root.filePath(QStringLiteral("project/pages.talmo"));
    project->AppName = QStringLiteral("Pages");
    project->Win32AppName = QStringLiteral("Pages");
    project->OutputPath = QStringLiteral("out");
    project->Win32Only = true;
    project->InstallComponents.Clear();
    ProjectPageFactory pages;
    TprojectForm form(std::move(project), pages, nullptr);
    form.RefreshFromProject();
    form.wizardDialogs()->cf_addClick();
    form.wizardDialogs()->cf_addClick();
    ASSERT_EQ(form.project().CustomForms.Count(), 2);

    ScriptKnowledgeBase knowledge;
    FullScriptSource source(knowledge, nullptr);
    talmo::testing::ScriptedBuildQuestions questions;
    BuildController builder;
    builder.Project = &form.project();
    builder.SetQuestions(&questions);
    builder.SetWorkingFolder(root.filePath(QStringLiteral("work")));
    builder.DefaultSetupBuild().SetScriptSource(&source);
    builder.BuildMode = 1;
    builder.BuildInstallation();

    EXPECT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    QStringList script;
    source.GenerateScript(form.project(), script, root.filePath(QStringLiteral("project/out")),
                          root.filePath(QStringLiteral("work")));
    QStringList pageFunctions;
    for (const QString &line : script) {
        if (line.startsWith(QStringLiteral("function ")) && line.contains(QStringLiteral("_CreatePage(")))
            pageFunctions << line.section(u'(', 0, 0).toLower();
    }
    EXPECT_EQ(pageFunctions, QStringList({"function customform_createpage", "function customform2_createpage"}));
    ProgramFolder::clearOverride();
    QDir::setCurrent(QDir::tempPath());
}
