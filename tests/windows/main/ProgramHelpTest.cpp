#include "tests/support/QtPrinters.h"
#include "windows/main/ProgramHelp.h"

#include "helpers/ui/FakeUiServices.h"
#include "platform/ProgramFolder.h"
#include "platform/ShellServices.h"
#include "windows/main/ProgramInfo.h"
#include "windows/main/TAboutBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

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

namespace {

TEST(AboutBox, TheSupportGroupTakesThePageHeight)
{
    TAboutBox about;
    about.show();
    auto *pages = about.findChild<QTabWidget *>(QStringLiteral("pc_Pages"));
    ASSERT_NE(pages, nullptr);
    pages->setCurrentIndex(2);
    QWidget *page = pages->currentWidget();
    const auto *group = page->findChild<QGroupBox *>();
    ASSERT_NE(group, nullptr);
    QCoreApplication::processEvents();
    const int above = group->y();
    const int below = page->height() - group->geometry().bottom() - 1;
    EXPECT_EQ(below, above);
}

// Every library the program ships or is built from, the [Code] checker's included.
TEST(AboutBox, TheThirdPartyTabNamesEveryLibraryWithItsLicence)
{
    TAboutBox about;
    about.show();
    const auto *pages = about.findChild<QTabWidget *>(QStringLiteral("pc_Pages"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->tabText(1), QStringLiteral("Third Party"));
    const auto *memo = qobject_cast<QPlainTextEdit *>(pages->widget(1));
    ASSERT_NE(memo, nullptr);
    const QString shown = memo->toPlainText();
    const struct
    {
        const char *library;
        const char *licence;
    } libraries[] = {
        { "Qt 6", "LGPL 3" },
        { "QScintilla", "GPL 3" },
        { "Scintilla", "Scintilla licence" },
        { "libgcab", "LGPL 2.1" },
        { "GLib", "LGPL 2.1" },
        { "zlib", "zlib licence" },
        { "Pascal Script", "Pascal Script licence" },
        { "Free Pascal runtime library", "static linking exception" },
    };
    const QStringList lines = shown.split(u'\n');
    for (const auto &entry : libraries) {
        const bool named = std::any_of(lines.begin(), lines.end(), [&entry](const QString &line) {
            return line.contains(QLatin1String(entry.library)) && line.contains(QLatin1String(entry.licence));
        });
        EXPECT_TRUE(named) << entry.library;
    }
}

} // namespace
