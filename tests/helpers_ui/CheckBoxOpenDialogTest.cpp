#include "helpers/ui/CheckBoxFileDialog.h"
#include "helpers/ui/CheckBoxOpenDialogs.h"
#include "helpers/ui/FakeUiServices.h"

#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace talmo;

TEST(CheckBoxOpenDialogs, ExecuteReportsFilesAndTheBoxStateAlsoOnCancel)
{
    FakeUiServices ui;
    ScopedCurrentUiServices scope(ui);
    ui.queueFilesWithCheckBox({ QStringLiteral("/src/app.exe") }, false);
    ui.queueFilesWithCheckBox({}, true);

    TMakeRelativeOpenDialog dialog;
    EXPECT_FALSE(dialog.Checked);
    dialog.Checked = true;
    dialog.Filter = QStringLiteral("All Files (*.*)|*.*");
    dialog.FileName = QStringLiteral("/src/old.exe");
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, QStringLiteral("/src/app.exe"));
    EXPECT_FALSE(dialog.Checked);

    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(dialog.Checked);
    EXPECT_EQ(dialog.FileName, QStringLiteral("/src/app.exe"));

    ASSERT_EQ(ui.calls().size(), 2);
    EXPECT_EQ(ui.calls().at(0).text, QStringLiteral("Make Path Relative"));
    EXPECT_TRUE(ui.calls().at(0).checkBoxShownChecked);
    EXPECT_EQ(ui.calls().at(0).request.fileName, QStringLiteral("/src/old.exe"));
    EXPECT_FALSE(ui.calls().at(1).checkBoxShownChecked);
}

TEST(CheckBoxOpenDialogs, OldStyleDialogKeepsTheCallersValue)
{
    FakeUiServices ui;
    ScopedCurrentUiServices scope(ui);
    ui.queueFilesWithCheckBox({ QStringLiteral("/r/import.reg") }, false);

    TRegistryFlagOpenDialog dialog;
    dialog.Checked = true;
    dialog.OldStyleDialog = true;
    EXPECT_TRUE(dialog.Execute());
    EXPECT_TRUE(dialog.Checked);
    EXPECT_EQ(dialog.checkBoxText(), QStringLiteral("Import with Don't Overwrite Flag Enabled"));
    EXPECT_FALSE(ui.calls().at(0).checkBoxShownChecked);
}

TEST(CheckBoxFileDialog, BoxFollowsTheStateAndReportsItWhenClosed)
{
    struct Case { bool initial; bool accept; };
    for (const Case c : { Case{ true, true }, Case{ true, false }, Case{ false, true }, Case{ false, false } }) {
        CheckBoxFileDialog dialog(nullptr, QStringLiteral("Make Path Relative"));
        dialog.setChecked(c.initial);
        dialog.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(dialog.checkBox()->text(), QStringLiteral("Make Path Relative"));
        EXPECT_TRUE(dialog.checkBox()->isVisible());
        EXPECT_EQ(dialog.checkBox()->isChecked(), c.initial);
        dialog.checkBox()->click();
        if (c.accept)
            dialog.done(QDialog::Accepted);
        else
            dialog.reject();
        EXPECT_EQ(dialog.isChecked(), !c.initial);
    }
}
