#include "tests/editors/core/device/CabPageFixture.h"

#include "editors/core/device/DeviceFolderTree.h"
#include "editors/core/device/TargetEdits.h"
#include "editors/core/device/TargetShortcuts.h"
#include "model/PathMacros.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

QStringList shortcutCaptions(const TProjectContainer &project)
{
    QStringList captions;
    for (const TShortcutSection &section : project.ShortcutsSections)
        captions.append(section.Caption);
    return captions;
}

TargetFields fieldsNamed(const char *name)
{
    TargetFields fields;
    fields.name = QString::fromUtf8(name);
    fields.processorType = QStringLiteral("2577");
    fields.buildMax = 2;
    return fields;
}

TEST(TargetEditsTest, CaptionRuleAndProcessorNames)
{
    EXPECT_EQ(TargetEdits::CaptionFromName(QStringLiteral("SH3")), QStringLiteral("CEDevice.SH3"));
    EXPECT_EQ(TargetEdits::CaptionFromName(QStringLiteral("CEDevice.SH3")), QStringLiteral("CEDevice.SH3"));
    EXPECT_EQ(TargetEdits::CaptionFromName(QStringLiteral("Default")), QStringLiteral("CEDevice.Default"));
    EXPECT_EQ(TargetEdits::CaptionFromName(QStringLiteral("  SH3 ")), QStringLiteral("CEDevice.SH3"));
    const struct { const char *type; const char *shown; } cases[] = {
        { "1824", "ARM720" }, { "10003", "Hitachi SH3" }, { "10005", "hitachi SH4" },
        { "4000", "MIPS R4XXX" }, { "2577", "StrongARM" }, { "1825", "" }, { " 1824", "" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(TargetEdits::ProcessorName(QLatin1String(c.type)), QLatin1String(c.shown)) << c.type;
}

TEST(TargetEditsTest, AddLinksAFreshShortcutSection)
{
    auto project = test::cabPageProject();
    TargetEdits edits(*project);
    EXPECT_EQ(edits.AddTarget(fieldsNamed("SH4")), 3);
    const TCEDevice &added = project->CEDevices[3];
    EXPECT_EQ(added.Caption, QStringLiteral("CEDevice.SH4"));
    EXPECT_EQ(added.ProcessorType, QStringLiteral("2577"));
    EXPECT_EQ(added.BuildMax, 2);
    EXPECT_EQ(added.Installation.defaultInstallShortcuts, QStringList({ "wiz-3" }));
    const TShortcutSection &section = project->ShortcutsSections[3];
    EXPECT_EQ(section.Caption, QStringLiteral("wiz-3"));
    EXPECT_EQ(section.DefaultDestinationDir, QStringLiteral("%CE11%"));
    EXPECT_TRUE(project->Modified);
}

TEST(TargetEditsTest, DeleteRemovesSectionsAndShiftsLaterTargets)
{
    auto project = test::cabPageProject();
    TargetEdits edits(*project);
    EXPECT_FALSE(edits.DeleteTarget(0));
    EXPECT_FALSE(edits.DeleteTarget(3));
    EXPECT_FALSE(project->Modified);

    ASSERT_TRUE(edits.DeleteTarget(1));
    ASSERT_EQ(project->CEDevices.Count(), 2);
    EXPECT_EQ(project->CEDevices[1].Caption, QStringLiteral("CEDevice.MIPS"));
    EXPECT_EQ(shortcutCaptions(*project), QStringList({ "short-2", "short-0" }));
    ASSERT_EQ(project->CopyFilesSections.Count(), 2);
    EXPECT_EQ(project->CopyFilesSections[1].Caption, QStringLiteral("CopyFiles-2"));
    EXPECT_EQ(project->CopyFilesSections[1].linked_SourceName, 1);

    // The next refresh reads the CopyFiles sections and every target's files.
    RefreshCopyFilesNames(*project);
    EXPECT_EQ(project->CEDevices[1].Installation.defaultInstallCopyFiles, QStringList({ "CopyFiles-2" }));
    for (const TCEDevice &target : project->CEDevices)
        EXPECT_EQ(DeviceFolderTree::Build(*project, target).FindPath(QStringLiteral("Program Files\\My App\\data\\"))
                      != nullptr, true);
    EXPECT_EQ(TargetShortcuts(*project).ShownSection(1).sectionIndex, 0);
}

TEST(TargetEditsTest, AddAfterDeleteNeverReusesAShortcutSectionName)
{
    auto project = test::cabPageProject();
    TargetEdits edits(*project);
    edits.AddTarget(fieldsNamed("A"));  // wiz-3
    edits.AddTarget(fieldsNamed("B"));  // wiz-4
    edits.DeleteTarget(3);
    EXPECT_EQ(edits.AddTarget(fieldsNamed("C")), 4);
    EXPECT_EQ(project->CEDevices[4].Installation.defaultInstallShortcuts, QStringList({ "wiz-5" }));
    // Deleting the new target leaves B's shortcuts alone.
    edits.DeleteTarget(4);
    EXPECT_EQ(shortcutCaptions(*project), QStringList({ "short-2", "short-0", "short-1", "wiz-4" }));
}

TEST(TargetEditsTest, EditStoresFieldsAndRebuildsTheCaption)
{
    auto project = test::cabPageProject();
    TargetEdits edits(*project);
    TargetFields fields = TargetFields::of(project->CEDevices[0]);
    EXPECT_EQ(fields.name, QStringLiteral("Default"));
    fields.versionMax = QStringLiteral("5.0");
    edits.EditTarget(0, fields);
    EXPECT_EQ(project->CEDevices[0].Caption, QStringLiteral("CEDevice.Default"));
    EXPECT_EQ(project->CEDevices[0].VersionMax, QStringLiteral("5.0"));
    EXPECT_TRUE(project->Modified);
}

TEST(TargetEditsTest, InstalledRegistrySectionsAreNamedByTheirCaptionsInTheGivenOrder)
{
    auto project = test::cabPageProject();
    project->Modified = false;
    TargetEdits edits(*project);
    edits.SetInstalledRegistrySections(2, { 2, 0 });
    EXPECT_EQ(project->CEDevices[2].Installation.defaultInstallRegistry, QStringList({ "Reg C", "Reg A" }));
    EXPECT_EQ(project->CEDevices[1].Installation.defaultInstallRegistry, QStringList({ "Reg B" }));
    EXPECT_TRUE(project->Modified);
    edits.SetInstalledRegistrySections(1, {});
    EXPECT_TRUE(project->CEDevices[1].Installation.defaultInstallRegistry.isEmpty());
}

TEST(TargetEditsTest, DanglingSectionNamesAreDropped)
{
    auto project = test::cabPageProject();
    TInstallation &installation = project->CEDevices[2].Installation;
    installation.defaultInstallRegistry = { "Gone", "Reg C", "reg a" };
    installation.defaultInstallShortcuts = { "Missing", "short-2" };
    TargetEdits(*project).DropDanglingSectionNames();
    EXPECT_EQ(installation.defaultInstallRegistry, QStringList({ "Reg C" }));
    EXPECT_EQ(installation.defaultInstallShortcuts, QStringList({ "short-2" }));
    EXPECT_EQ(project->CEDevices[1].Installation.defaultInstallRegistry, QStringList({ "Reg B" }));
}

TEST(TargetShortcutsTest, ShownSectionFollowsTheFirstNameAndRepairsOnlyTheSelectedTarget)
{
    auto project = test::cabPageProject();
    TargetShortcuts shortcuts(*project);
    EXPECT_EQ(shortcuts.ShownSection(0).sectionIndex, 1);
    EXPECT_EQ(shortcuts.ShownSection(2).sectionIndex, 0);

    project->CEDevices[1].Installation.defaultInstallShortcuts = { "short-0", "short-2" };
    EXPECT_EQ(shortcuts.ShownSection(1).sectionIndex, 1);
    EXPECT_FALSE(shortcuts.ShownSection(1).repaired);

    project->CEDevices[2].Installation.defaultInstallShortcuts.clear();
    const TargetShortcuts::Shown repaired = shortcuts.ShownSection(2);
    EXPECT_TRUE(repaired.repaired);
    EXPECT_TRUE(TargetShortcuts::RepairNotice.startsWith(QStringLiteral("An error has been detected with your shortcuts.")));
    EXPECT_EQ(repaired.sectionIndex, 3);
    EXPECT_EQ(shortcutCaptions(*project), QStringList({ "short-2", "short-0", "short-1", "short-3" }));
    EXPECT_EQ(project->CEDevices[2].Installation.defaultInstallShortcuts, QStringList({ "short-3" }));
    EXPECT_EQ(project->ShortcutsSections[0].Entries.Count(), 1);
    EXPECT_TRUE(project->Modified);

    project->CEDevices[0].Installation.defaultInstallShortcuts = { "nowhere" };
    EXPECT_EQ(shortcuts.ShownSection(0).sectionIndex, -1);
    EXPECT_EQ(shortcuts.ShownSection(9).sectionIndex, -1);
}

TEST(TargetShortcutsTest, AddAndDeleteEntries)
{
    auto project = test::cabPageProject();
    TargetShortcuts shortcuts(*project);
    TShortcutEntry entry;
    entry.shortcut_filename = QStringLiteral("aShortcut");
    shortcuts.AddShortcut(2, entry);
    entry.standard_destination_path = QStringLiteral("%CE2%");
    shortcuts.AddShortcut(2, entry);
    entry.standard_destination_path.clear();
    shortcuts.AddShortcut(2, entry);
    TShortcutsEntries &entries = project->ShortcutsSections[2].Entries;
    ASSERT_EQ(entries.Count(), 4);
    EXPECT_EQ(entries[1].standard_destination_path, QStringLiteral("%CE11%"));
    EXPECT_EQ(entries[2].standard_destination_path, QStringLiteral("%CE2%"));

    entries[1].shortcut_filename = QStringLiteral("keep");
    shortcuts.DeleteShortcuts(2, { 3, 0, 2 });
    ASSERT_EQ(entries.Count(), 1);
    EXPECT_EQ(entries[0].shortcut_filename, QStringLiteral("keep"));
    EXPECT_EQ(project->ShortcutsSections[0].Entries.Count(), 1);
}

TEST(TargetEditsTest, ListRowsChoiceCaptionsAndWhatMayBeEdited)
{
    auto project = test::cabPageProject();
    project->CEDevices[1].ProcessorType = QStringLiteral("1824");
    project->CEDevices[1].UnsupportedPlatforms = QStringLiteral("HPC");
    project->CEDevices[1].VersionMin = QStringLiteral("3.00");
    project->CEDevices[1].VersionMax = QStringLiteral("5.00");
    TargetEdits targets(*project);
    EXPECT_EQ(targets.RowTexts(0), QStringList({ "Default", "", "", "", "" }));
    EXPECT_EQ(targets.RowTexts(1), QStringList({ "ARM", "ARM720", "HPC", "3.00", "5.00" }));
    project->CEDevices[0].Caption = QStringLiteral("CEDevice.Renamed");
    EXPECT_EQ(TargetEdits::ChoiceCaption(project->CEDevices[0], 0), QStringLiteral("CEDevice [ Default ]"));
    EXPECT_EQ(TargetEdits::ChoiceCaption(project->CEDevices[2], 2), QStringLiteral("CEDevice.MIPS"));

    const struct
    {
        bool win32Only;
        int row;
        bool edit;
        bool remove;
    } cases[] = {
        { false, -1, false, false }, { false, 0, true, false }, { false, 2, true, true },
        { false, 3, false, false },  { true, 0, false, false }, { true, 2, false, false },
    };
    for (const auto &c : cases) {
        project->Win32Only = c.win32Only;
        EXPECT_EQ(targets.CanEdit(c.row), c.edit) << c.win32Only << c.row;
        EXPECT_EQ(targets.CanDelete(c.row), c.remove) << c.win32Only << c.row;
    }
}

TEST(TargetShortcutsTest, RowsIconFilesAndReplacedEntries)
{
    auto project = test::cabPageProject();
    TargetShortcuts shortcuts(*project);
    TShortcutEntry entry;
    entry.shortcut_filename = QStringLiteral("Run");
    entry.target_file_path = QStringLiteral("app.exe");
    entry.standard_destination_path = QStringLiteral("%CE11%\\%AppName%");
    EXPECT_EQ(shortcuts.RowTexts(entry),
              QStringList({ "Run", "app.exe", ExpandPathMacros(*project, entry.standard_destination_path, true, true),
                            "Target is file" }));
    EXPECT_TRUE(shortcuts.RowTexts(entry).at(2).endsWith(QStringLiteral("My App")));
    entry.shortcut_type_flag = 1;
    EXPECT_EQ(shortcuts.RowTexts(entry).last(), QStringLiteral("Target is folder"));

    TPPCFS_File &library = project->CEDevices[1].Files.AddNew();
    library.DestinationDir = QStringLiteral("%CE2%");
    library.DestinationName = QStringLiteral("core.Dll");
    project->CEDevices[1].Files.AddNew().DestinationName = QStringLiteral("notes.exe.txt");
    EXPECT_EQ(shortcuts.IconFiles(1), QStringList({ "%CE1%\\%AppName%\\app.exe", "%CE2%\\core.Dll" }));

    project->Modified = false;
    shortcuts.ReplaceShortcut(2, 0, entry);
    EXPECT_EQ(project->ShortcutsSections[2].Entries[0].shortcut_filename, QStringLiteral("Run"));
    EXPECT_EQ(project->ShortcutsSections[2].Entries.Count(), 1);
    EXPECT_TRUE(project->Modified);
}

} // namespace
