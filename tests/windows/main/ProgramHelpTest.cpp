#include "tests/support/QtPrinters.h"
#include "windows/main/ProgramHelp.h"

#include "helpers/ui/FakeUiServices.h"
#include "platform/ProgramFolder.h"
#include "platform/ShellServices.h"
#include "windows/main/ProgramInfo.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(ProgramHelp, TheHelpCommandsSayOrStartWhatIsThere)
{
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ ui };
    FakeShellServices shell;
    ScopedCurrentShellServices useShell{ shell };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ProgramFolder::setOverride(folder.path() + QLatin1Char('/'));
    const auto clear = qScopeGuard([] { ProgramFolder::clearOverride(); });

    ProgramHelp::ShowDocumentation(nullptr);
    ProgramHelp::VisitWebSite();
    ProgramHelp::CheckForLatestVersion(nullptr);
    EXPECT_EQ(ui.shownTexts(), (QStringList{ "No help file is installed.", "No update program is installed." }));
    ASSERT_EQ(shell.requests().size(), 1);
    EXPECT_EQ(shell.requests().first().target, ProgramInfo::WebSite);

    QFile update(folder.filePath(QStringLiteral("update")));
    ASSERT_TRUE(update.open(QIODevice::WriteOnly));
    update.close();
    ProgramHelp::CheckForLatestVersion(nullptr);
    EXPECT_EQ(ui.shownTexts().size(), 3) << "an update that cannot run is no update program";
    ASSERT_TRUE(update.setPermissions(update.permissions() | QFileDevice::ExeOwner));
    ProgramHelp::CheckForLatestVersion(nullptr);
    EXPECT_EQ(ui.shownTexts().size(), 3);
    ASSERT_EQ(shell.requests().size(), 2);
    EXPECT_EQ(shell.requests().last().target, folder.filePath(QStringLiteral("update")));
    EXPECT_TRUE(shell.requests().last().isProgram);
    EXPECT_EQ(shell.requests().last().workingFolder, folder.path() + QLatin1Char('/'));
}

} // namespace
