#include "editors/core/desktop/Win32DeleteEdits.h"
#include "editors/core/desktop/Win32RunEdits.h"
#include "editors/core/desktop/Win32ShortcutEdits.h"
#include "model/Win32Plugin.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(Win32ShortcutEditsTest, NewShortcutsAndTheirRows)
{
    TWin32Plugin plugin;
    Win32ShortcutEdits edits(plugin);
    EXPECT_EQ(edits.AddIcon(), 0);
    EXPECT_EQ(edits.AddUninstallIcon("My App"), 1);
    EXPECT_EQ(edits.AddWebIcon("My App", "http://example.org"), 2);
    const auto rows = [&] {
        QStringList lines;
        for (int i = 0; i < plugin.IconEntries.Count(); ++i)
            lines.append(Win32ShortcutEdits::RowTexts(plugin.IconEntries[i]).join('|'));
        return lines;
    };
    EXPECT_EQ(rows(), QStringList({"{group}\\||", "{group}\\{cm:UninstallProgram,My App}|{uninstallexe}|",
                                   "{group}\\{cm:ProgramOnTheWeb,My App}|http://example.org|"}));

    EXPECT_TRUE(edits.ChangeRow(0, 9, "yes"));
    EXPECT_TRUE(edits.ChangeRow(0, 5, "3"));
    EXPECT_EQ(plugin.IconEntries[0].IconIndex, 3);
    EXPECT_EQ(rows().first(), "{group}\\||RunMinimized ");
    EXPECT_FALSE(edits.ChangeRow(3, 9, "yes"));
    EXPECT_FALSE(edits.ChangeRow(0, 99, "yes"));

    EXPECT_FALSE(edits.Remove(3));
    EXPECT_FALSE(edits.Remove(-1));
    EXPECT_TRUE(edits.Remove(1));
    EXPECT_EQ(plugin.IconEntries.Count(), 2);
    EXPECT_EQ(plugin.IconEntries[1].FileName, "http://example.org");
}

TEST(Win32ShortcutEditsTest, NamesAndFoldersOfferFoldersTargetsOfferInstallPaths)
{
    TWin32Plugin plugin;
    TWin32FileEntry &tool = plugin.FileEntries.AddNew();
    tool.Source = "bin\\tool.exe";
    tool.Destination = "{app}\\";
    plugin.Dirs = QStringList{"{app}\\Data\\"};
    Win32ShortcutEdits edits(plugin);
    const QStringList installPaths = {"{app}\\tool.exe"};
    for (int tag : {0, 3})
        EXPECT_EQ(edits.Choices(tag).value_or(QStringList()).last(), "{app}\\Data\\") << tag;
    for (int tag : {1, 4})
        EXPECT_EQ(edits.Choices(tag), installPaths) << tag;
    for (int tag : {2, 5, 9, 99})
        EXPECT_FALSE(edits.Choices(tag).has_value()) << tag;
}

TEST(Win32RunEditsTest, InstallAndUninstallListsAreApart)
{
    TWin32Plugin plugin;
    TWin32FileEntry &setup = plugin.FileEntries.AddNew();
    setup.Source = "setup.exe";
    setup.Destination = "{tmp}\\";
    Win32RunEdits install(plugin, true);
    Win32RunEdits uninstall(plugin, false);
    EXPECT_EQ(install.Add(), 0);
    EXPECT_EQ(uninstall.Add(), 0);
    EXPECT_EQ(Win32RunEdits::RowTexts(plugin.InstallRunEntries[0]), QStringList({"Change me", "", "", ""}));
    // Tag 7 is "Wait Until Idle" on install, "Wait Until Terminated" on uninstall.
    EXPECT_TRUE(install.ChangeRow(0, 7, "yes"));
    EXPECT_TRUE(uninstall.ChangeRow(0, 7, "yes"));
    EXPECT_TRUE(plugin.InstallRunEntries[0].FlagWaitUntilIdle);
    EXPECT_TRUE(plugin.UninstallRunEntries[0].FlagWaitUntilTerminated);
    EXPECT_EQ(Win32RunEdits::RowTexts(plugin.InstallRunEntries[0]).last(), "WaitUntilIdle ");
    EXPECT_FALSE(uninstall.ChangeRow(0, 17, "yes")) << "the uninstall list has fewer rows";
    EXPECT_FALSE(install.ChangeRow(1, 0, "x"));

    EXPECT_EQ(install.Choices(0), QStringList({"{tmp}\\setup.exe"}));
    EXPECT_EQ(uninstall.Choices(2).value_or(QStringList()).first(), "{app}");
    EXPECT_FALSE(install.Choices(1).has_value());

    EXPECT_FALSE(install.Remove(1));
    EXPECT_TRUE(install.Remove(0));
    EXPECT_EQ(plugin.InstallRunEntries.Count(), 0);
    EXPECT_EQ(plugin.UninstallRunEntries.Count(), 1);
}

TEST(Win32DeleteEditsTest, TypesAreShownByNameAndStoredAsTheScriptWritesThem)
{
    TWin32Plugin plugin;
    Win32DeleteEdits edits(plugin, false);
    EXPECT_EQ(edits.Add(), 0);
    EXPECT_EQ(plugin.UninstallDeleteEntries[0].DeleteType, "files");
    EXPECT_EQ(plugin.InstallDeleteEntries.Count(), 0);
    EXPECT_TRUE(edits.ChangeRow(0, Win32DeleteEdits::TypeRow, "Dir If Empty"));
    EXPECT_TRUE(edits.ChangeRow(0, Win32DeleteEdits::NameRow, "{app}\\logs"));
    EXPECT_EQ(plugin.UninstallDeleteEntries[0].DeleteType, "dirifempty");
    EXPECT_EQ(Win32DeleteEdits::RowTexts(plugin.UninstallDeleteEntries[0]),
              QStringList({"Dir If Empty", "{app}\\logs"}));
    EXPECT_FALSE(edits.ChangeRow(0, 0, "x"));
    EXPECT_FALSE(edits.ChangeRow(1, Win32DeleteEdits::NameRow, "x"));

    EXPECT_EQ(Win32DeleteEdits::Choices(Win32DeleteEdits::TypeRow),
              QStringList({"Files", "Files and/or Dirs", "Dir If Empty"}));
    EXPECT_EQ(Win32DeleteEdits::Choices(Win32DeleteEdits::NameRow).value_or(QStringList()).size(), 24);
    EXPECT_FALSE(Win32DeleteEdits::Choices(0).has_value());

    EXPECT_FALSE(edits.Remove(1));
    EXPECT_TRUE(edits.Remove(0));
    EXPECT_EQ(plugin.UninstallDeleteEntries.Count(), 0);
}
