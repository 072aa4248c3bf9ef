#pragma once

#include "helpers/ui/FakeUiServices.h"
#include "model/ProjectContainer.h"
#include "model/ProjectManager.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/RegistryMemoryStore.h"
#include "platform/ShellServices.h"
#include "tests/windows/main/ScriptedBuilderRunner.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxTabSheet.h"
#include "windows/main/ProjectManagerPanel.h"
#include "windows/main/TmasterForm.h"
#include "windows/project/TprojectForm.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace talmo::testing {

// A main window over fakes, with a folder for its files.
class MasterFormFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
    }

    TmasterForm &Master(bool headless = false)
    {
        if (!master)
            master = std::make_unique<TmasterForm>(TmasterForm::Services{ pages, nullptr, runner, headless });
        return *master;
    }

    QString Path(const QString &relative) const { return root.filePath(relative); }

    // A project saved at the path; its application name names it to the runner.
    QString WriteProject(const QString &relative, const QString &appName, int buildMode = 0)
    {
        const QString path = Path(relative);
        QDir().mkpath(QFileInfo(path).path());
        TProjectContainer project;
        project.CreateNewProject();
        project.AppName = appName;
        project.DefaultBuildMode = buildMode;
        EXPECT_TRUE(project.SaveToFile(path));
        return path;
    }

    QString WriteManager(const QString &relative, const QStringList &entries)
    {
        TProjectManager manager;
        for (const QString &entry : entries)
            manager.Entries.AddNew().FileName = entry;
        const QString path = Path(relative);
        EXPECT_TRUE(manager.SaveToFile(path));
        return path;
    }

    int ProjectTabCount()
    {
        int count = 0;
        for (int index = 0; index < Master().projectPages()->getPageCount(); ++index)
            count += Master().projectFormAt(index) ? 1 : 0;
        return count;
    }

    QTemporaryDir root;
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{ store };
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ ui };
    FakeShellServices shell;
    ScopedCurrentShellServices useShell{ shell };
    ProjectPageFactory pages;
    ScriptedBuilderRunner runner;
    std::unique_ptr<TmasterForm> master;
};

} // namespace talmo::testing
