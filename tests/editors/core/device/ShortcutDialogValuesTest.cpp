#include "editors/core/device/ShortcutDialogValues.h"
#include "model/ShortcutSection.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TShortcutEntry folderShortcut()
{
    TShortcutEntry entry;
    entry.shortcut_filename = QStringLiteral("Data");
    entry.shortcut_type_flag = 1;
    entry.target_file_path = QStringLiteral("%InstallDir%");
    entry.standard_destination_path = QStringLiteral("%CE14%");
    entry.CustomIconFileName = QStringLiteral("%InstallDir%\\app.exe");
    entry.CustomIconIndex = QStringLiteral("2");
    entry.CustomIconIndexType = QStringLiteral("1");
    entry.CustomParameters = QStringLiteral("-x");
    return entry;
}

TEST(ShortcutDialogValuesTest, ANewShortcutStartsAsAFileInTheDefaultFolder)
{
    const ShortcutDialogValues values = ShortcutDialogValues::ForNewShortcut();
    EXPECT_EQ(values.name, QStringLiteral("aShortcut"));
    EXPECT_FALSE(values.targetIsFolder);
    EXPECT_EQ(values.destination, QStringLiteral("%CE11%"));
    EXPECT_EQ(values.iconSettings, 0);
    EXPECT_EQ(values.iconIndexType, 0);
    EXPECT_TRUE(values.iconFiles.isEmpty());
}

TEST(ShortcutDialogValuesTest, AnEntryShownAndStoredUnchangedStaysAsItWas)
{
    const TShortcutEntry entry = folderShortcut();
    const ShortcutDialogValues values = ShortcutDialogValues::Of(entry, { QStringLiteral("%CE1%\\a.exe") });
    EXPECT_TRUE(values.targetIsFolder);
    EXPECT_EQ(values.iconFiles, QStringList({ "%CE1%\\a.exe" }));
    EXPECT_EQ(values.listedIconFile, entry.CustomIconFileName);
    EXPECT_EQ(values.browsedIconFile, entry.CustomIconFileName);
    EXPECT_EQ(values.iconIndexType, 1);

    TShortcutEntry stored;
    values.StoreEdited(stored);
    EXPECT_EQ(stored.shortcut_filename, entry.shortcut_filename);
    EXPECT_EQ(stored.shortcut_type_flag, 1);
    EXPECT_EQ(stored.target_file_path, entry.target_file_path);
    EXPECT_EQ(stored.standard_destination_path, entry.standard_destination_path);
    EXPECT_EQ(stored.CustomIconFileName, entry.CustomIconFileName);
    EXPECT_EQ(stored.CustomIconIndex, entry.CustomIconIndex);
    EXPECT_EQ(stored.CustomIconIndexType, entry.CustomIconIndexType);
    EXPECT_EQ(stored.CustomParameters, entry.CustomParameters);
}

TEST(ShortcutDialogValuesTest, IndexTypesShowAsResourceIdUnlessZero)
{
    const struct
    {
        const char *stored;
        int shown;
    } cases[] = { { "0", 0 }, { "1", 1 }, { "", 1 }, { "7", 1 } };
    for (const auto &c : cases) {
        TShortcutEntry entry;
        entry.CustomIconIndexType = QLatin1String(c.stored);
        EXPECT_EQ(ShortcutDialogValues::Of(entry, {}).iconIndexType, c.shown) << c.stored;
    }
}

TEST(ShortcutDialogValuesTest, NewEntriesTakeTheListedIconEditedOnesTheChosenOne)
{
    ShortcutDialogValues values = ShortcutDialogValues::ForNewShortcut();
    values.listedIconFile = QStringLiteral("listed.exe");
    values.browsedIconFile = QStringLiteral("browsed.ico");
    values.iconSettings = 1;
    values.iconIndexType = 1;
    TShortcutEntry added;
    values.StoreNew(added);
    EXPECT_EQ(added.CustomIconFileName, QStringLiteral("listed.exe"));
    EXPECT_EQ(added.CustomIconIndexType, QStringLiteral("1"));
    TShortcutEntry edited;
    values.StoreEdited(edited);
    EXPECT_EQ(edited.CustomIconFileName, QStringLiteral("browsed.ico"));
    values.iconSettings = 0;
    values.StoreEdited(edited);
    EXPECT_EQ(edited.CustomIconFileName, QStringLiteral("listed.exe"));

    values.iconIndexType = 2;
    values.StoreNew(added);
    values.StoreEdited(edited);
    EXPECT_EQ(added.CustomIconIndexType, QStringLiteral("0"));
    EXPECT_EQ(edited.CustomIconIndexType, QStringLiteral("2"));
    EXPECT_EQ(added.shortcut_filename, QStringLiteral("aShortcut"));
    EXPECT_EQ(added.standard_destination_path, QStringLiteral("%CE11%"));
}

} // namespace
