#include "editors/core/desktop/Win32EntryRows.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// Each row as "category|caption|tag".
template <typename Entry>
QStringList describe(const EntryRows<Entry> &rows)
{
    QStringList lines;
    for (const EntryRow<Entry> &row : rows)
        lines.append(row.category + '|' + row.caption + '|' + QString::number(row.tag));
    return lines;
}

} // namespace

TEST(Win32EntryRowsTest, ShortcutAndRunRows)
{
    const QStringList icons = {
        "Shortcut Properties|File Name|0", "Shortcut Properties|Target File Name|1",
        "Shortcut Properties|Paramaters|2", "Shortcut Properties|Working Folder|3",
        "Shortcut Properties|Icon File Name|4", "Shortcut Properties|Icon Index|5",
        "Shortcut Properties|Comment|6", "Shortcut Properties|HotKey|7",
        "Flags|Create Only If File Exists|8", "Flags|Run Minimized|9", "Flags|Never Uninstall|10",
        "Flags|Use App Paths|11", "Flags|Close On Exit|12", "Flags|Don't Close On Exit|13",
        "Flags|Run Maximized|14", "Flags|Folder Shortcut|15",
    };
    EXPECT_EQ(describe(iconEntryRows()), icons);
    EXPECT_EQ(iconEntryRows()[5].kind, EntryRowKind::Spin);

    const QStringList install = {
        "Run Properties|File Name|0", "Run Properties|Paramaters|1", "Run Properties|Working Folder|2",
        "Run Properties|Description|3", "Run Properties|StatusMessage|4", "Flags|No Wait|5",
        "Flags|Shell Execute|6", "Flags|Wait Until Idle|7", "Flags|Wait Until Terminated|8",
        "Flags|Run Maximized|9", "Flags|Run Minimized|10", "Flags|Skip If Doesn't Exists|11",
        "Flags|Post Install|12", "Flags|Checkbox Unchecked|13", "Flags|Skip If Silent|14",
        "Flags|Skip If Not Silent|15", "Flags|Hide Wizard|16", "Flags|Run Hidden|17",
    };
    EXPECT_EQ(describe(installRunEntryRows()), install);
    const QStringList uninstall = {
        "Run Properties|File Name|0", "Run Properties|Paramaters|1", "Run Properties|Working Folder|2",
        "Run Properties|Run Once ID|3", "Flags|No Wait|4", "Flags|Shell Execute|5", "Flags|Wait Until Idle|6",
        "Flags|Wait Until Terminated|7", "Flags|Run Maximized|8", "Flags|Run Minimized|9",
        "Flags|Skip If Doesn't Exists|10", "Flags|Hide Wizard|11", "Flags|Run Hidden|12",
    };
    EXPECT_EQ(describe(uninstallRunEntryRows()), uninstall);
}

TEST(Win32EntryRowsTest, FileAndRegistryRows)
{
    const QStringList files = describe(fileEntryRows());
    ASSERT_EQ(files.size(), 28);
    EXPECT_EQ(files.mid(0, 7), QStringList({"File Properties|Source|0", "File Properties|Destination Folder|1",
                                            "File Properties|Destination Name|2", "File Attributes|Read Only|3",
                                            "File Attributes|Hidden|4", "File Attributes|System|5",
                                            "Flags|Compare Time Stamp|6"}));
    EXPECT_EQ(files.mid(14, 2), QStringList({"Flags|Touch|14", "Flags|Skip If Source Doesn't Exists|15"}));
    EXPECT_EQ(files.mid(25), QStringList({"Flags|32bit|25", "Flags|64bit|26", "Flags|Don't Copy|27"}));
    EXPECT_EQ(fileEntryRows()[0].kind, EntryRowKind::Button);
    EXPECT_EQ(multipleFilesDestinationRow().caption, "Destination");
    EXPECT_EQ(multipleFilesDestinationRow().tag, 1);

    const QStringList registry = describe(registryEntryRows());
    EXPECT_EQ(registry.mid(0, 5), QStringList({"Registry Key|Root Key|0", "Registry Key|Subkey|1", "Value|Type|2",
                                               "Value|Name|3", "Value|Data|4"}));
    EXPECT_EQ(registry.mid(13), QStringList({"Flags|No Error|13", "Flags|Don't Create Key|14"}));
}

TEST(Win32EntryRowsTest, RowsReadAndStoreTheirFields)
{
    TWin32FileEntry file;
    const EntryRow<TWin32FileEntry> &readOnly = *rowOfTag(fileEntryRows(), 3);
    EXPECT_EQ(readOnly.valueOf(file), "no");
    readOnly.store(file, "yes");
    EXPECT_TRUE(file.AttributesReadOnly);
    rowOfTag(fileEntryRows(), 27)->store(file, "yes");
    EXPECT_TRUE(file.FlagDontCopy);
    rowOfTag(fileEntryRows(), 0)->store(file, "a.txt");
    EXPECT_EQ(file.Source, "a.txt");
    EXPECT_EQ(rowOfTag(fileEntryRows(), 28), nullptr);

    TWIn32IconEntry icon;
    rowOfTag(iconEntryRows(), 5)->store(icon, "3");
    EXPECT_EQ(icon.IconIndex, 3);
    EXPECT_EQ(rowOfTag(iconEntryRows(), 5)->valueOf(icon), "3");

    TWin32RunEntry run;
    rowOfTag(installRunEntryRows(), 7)->store(run, "yes");
    EXPECT_TRUE(run.FlagWaitUntilIdle);
    rowOfTag(uninstallRunEntryRows(), 7)->store(run, "yes");
    EXPECT_TRUE(run.FlagWaitUntilTerminated);
    rowOfTag(uninstallRunEntryRows(), 3)->store(run, "id");
    EXPECT_EQ(run.RunOnceID, "id");
}

// The installer's compiler refuses a file in both views; every other file
// flag goes with any other.
TEST(Win32EntryRowsTest, TickingOneViewOfAFileUnticksTheOther)
{
    const EntryRow<TWin32FileEntry> &bits32 = *rowOfFlag(fileEntryRows(), &TWin32FileEntry::Flag32bit);
    const EntryRow<TWin32FileEntry> &bits64 = *rowOfFlag(fileEntryRows(), &TWin32FileEntry::Flag64bit);
    const struct
    {
        const EntryRow<TWin32FileEntry> &ticked;
        bool TWin32FileEntry::*partner;
    } cases[] = {{bits32, &TWin32FileEntry::Flag64bit}, {bits64, &TWin32FileEntry::Flag32bit}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ticked.caption.toStdString());
        TWin32FileEntry file;
        file.*c.partner = true;
        file.FlagIgnoreVersion = true;
        c.ticked.store(file, "yes");
        EXPECT_TRUE(file.*c.ticked.flag);
        EXPECT_FALSE(file.*c.partner);
        EXPECT_TRUE(file.FlagIgnoreVersion);
        file.*c.partner = true;
        c.ticked.store(file, "no");
        EXPECT_TRUE(file.*c.partner) << "unticking a view leaves the other as it is";
    }
    for (const EntryRow<TWin32FileEntry> &row : fileEntryRows()) {
        if (row.flag != bits32.flag && row.flag != bits64.flag) {
            EXPECT_TRUE(row.excludes.empty()) << row.caption.toStdString();
        }
    }
}

namespace {

// Each flag row that excludes others as "caption|excluded caption, ...".
template <typename Entry>
QStringList exclusions(const EntryRows<Entry> &rows)
{
    QStringList lines;
    for (const EntryRow<Entry> &row : rows) {
        QStringList excluded;
        for (bool Entry::*flag : row.excludes)
            excluded.append(rowOfFlag(rows, flag)->caption);
        if (!excluded.isEmpty())
            lines.append(row.caption + '|' + excluded.join(", "));
    }
    return lines;
}

} // namespace

// The pairs the installer's compiler refuses on one line.
TEST(Win32EntryRowsTest, FlagsThatExcludeEachOther)
{
    EXPECT_EQ(exclusions(fileEntryRows()), QStringList({"32bit|64bit", "64bit|32bit"}));
    const QStringList waits = {"No Wait|Wait Until Idle, Wait Until Terminated",
                               "Wait Until Idle|No Wait, Wait Until Terminated",
                               "Wait Until Terminated|No Wait, Wait Until Idle"};
    EXPECT_EQ(exclusions(installRunEntryRows()), waits);
    EXPECT_EQ(exclusions(uninstallRunEntryRows()), waits);
    EXPECT_EQ(exclusions(registryEntryRows()),
              QStringList({"Clear Value On Uninstall|Delete Key On Uninstall, Delete Value On Uninstall",
                           "Delete Key On Uninstall|Delete Key If Empty On Uninstall, Clear Value On Uninstall, "
                           "Delete Value On Uninstall",
                           "Delete Key If Empty On Uninstall|Delete Key On Uninstall",
                           "Delete Value On Uninstall|Delete Key On Uninstall, Clear Value On Uninstall"}));
    EXPECT_TRUE(exclusions(iconEntryRows()).isEmpty());

    TWin32RegistryEntry reg;
    reg.FlagDeleteKeyOnUninstall = reg.FlagNoError = true;
    rowOfFlag(registryEntryRows(), &TWin32RegistryEntry::FlagDeleteValueOnUninstall)->store(reg, "yes");
    EXPECT_EQ(registryFlagWords(reg), "DeleteValueOnUninstall NoError ");
}

TEST(Win32EntryRowsTest, FlagWords)
{
    TWin32FileEntry file;
    file.FlagCompareTimestap = true;
    file.Flag64bit = true;
    file.FlagDontCopy = true;
    EXPECT_EQ(fileFlagWords(file), "CompareTimeStamp 64bitDontCopy");
    TWIn32IconEntry icon;
    icon.FlagFolderShortcut = icon.FlagCreateOnlyIfFileExists = true;
    EXPECT_EQ(iconFlagWords(icon), "CreateOnlyIfFileExists FolderShortcut ");
    TWin32RegistryEntry reg;
    reg.FlagDontCreateKey = reg.FlagCreateIfDoesntExists = true;
    EXPECT_EQ(registryFlagWords(reg), "CreateIfDoesntExists DontCreateKey ");
    TWin32RunEntry run;
    run.FlagWaitUntilIdle = run.FlagWaitUntilTerminated = run.FlagNoWait = true;
    EXPECT_EQ(runFlagWords(run), "NoWait WaitUntilTerminated WaitUntilIdle ");
}

TEST(Win32EntryRowsTest, DeleteTypes)
{
    EXPECT_EQ(deleteTypeNames(), QStringList({"Files", "Files and/or Dirs", "Dir If Empty"}));
    EXPECT_EQ(deleteTypeStored("Dir If Empty"), "dirifempty");
    EXPECT_EQ(deleteTypeStored("Files and/or Dirs"), "filesandordirs");
    EXPECT_EQ(deleteTypeShown("files"), "Files");
    EXPECT_EQ(deleteTypeShown("FILES"), QString());
}
