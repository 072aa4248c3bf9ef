#include "editors/dialogs/EditorShortcutEntry.h"
#include "editors/dialogs/PathBuilder.h"
#include "editors/dialogs/ShortcutChoices.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/support/QtPrinters.h"
#include "widgets/NxEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace talmo;
using namespace talmo::testing;

namespace {

void fillTarget(TCEDevice &target)
{
    const std::pair<QString, QString> files[] = {
        {"%InstallDir%", "app.exe"},
        {"%InstallDir%\\", "app.exe"},
        {"%CE2%", "helper.dll"},
        {"", "readme.txt"},
        {"%InstallDir%\\Data.v2", "data.bin"},
    };
    for (const auto &[folder, name] : files) {
        TPPCFS_File &file = target.Files.AddNew();
        file.DestinationDir = folder;
        file.DestinationName = name;
    }
}

QStringList choicesOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

} // namespace

TEST(ShortcutChoicesTest, TargetsPerModeEachOnce)
{
    TCEDevice target;
    fillTarget(target);
    EXPECT_EQ(ShortcutChoices::targets(target, false, false),
              QStringList({"app.exe", "helper.dll", "readme.txt", "data.bin"}));
    EXPECT_EQ(ShortcutChoices::targets(target, false, true),
              QStringList({"%InstallDir%\\app.exe", "%CE2%\\helper.dll", "readme.txt",
                           "%InstallDir%\\Data.v2\\data.bin"}));
    EXPECT_EQ(ShortcutChoices::targets(target, true, false),
              QStringList({"%InstallDir%", "%CE2%", "", "%InstallDir%\\Data.v2"}));
}

TEST(ShortcutChoicesTest, NamesFromTargets)
{
    const std::pair<QString, QString> names[] = {
        {"app.exe", "app"}, {"\\%CE1%\\App\\my.tool.exe", "my.tool"}, {"%InstallDir%\\Data.v2", "Data"},
        {"%CE11%", "%CE11%"}, {"", ""},
    };
    for (const auto &[target, name] : names)
        EXPECT_EQ(ShortcutChoices::nameFromTarget(target), name) << target.toStdString();
}

class ShortcutEntryTest : public EditorTest
{
protected:
    void SetUp() override
    {
        project.CEDevices.AddNew();
        fillTarget(project.CEDevices.AddNew());
        dialog.Project = &project;
        dialog.TargetIndex = 1;
        dialog.tb_short_filename->setText("aShortcut");
        dialog.tb_dest_dir->setText("%CE11%");
        dialog.cb_iconSettings->setCurrentIndex(0);
        dialog.cb_IconIndexType->setCurrentIndex(0);
    }

    TProjectContainer project;
    Teditor_ShortcutEntry dialog;
};

TEST_F(ShortcutEntryTest, ShowingWithoutIconOffersNamesAndKeepsTheCallersTarget)
{
    dialog.cb_target->setEditText("app.exe");
    dialog.show();
    EXPECT_EQ(choicesOf(dialog.cb_target), QStringList({"app.exe", "helper.dll", "readme.txt", "data.bin"}));
    EXPECT_EQ(dialog.cb_target->currentText(), "app.exe");
    EXPECT_FALSE(dialog.TntCheckBox1->isChecked());
    EXPECT_FALSE(dialog.TntGroupBox1->isEnabled());
    EXPECT_FALSE(dialog.cb_iconSettings->isEnabled());
    EXPECT_EQ(dialog.focusWidget(), dialog.tb_short_filename);
    EXPECT_EQ(dialog.tb_short_filename->cursorPosition(), 0);
}

TEST_F(ShortcutEntryTest, ShowingAFolderShortcutKeepsItsTargetAndOffersFolders)
{
    dialog.RadioButton2->setChecked(true);
    dialog.cb_target->setEditText("%CE2%");
    dialog.show();
    EXPECT_EQ(choicesOf(dialog.cb_target), QStringList({"%InstallDir%", "%CE2%", "", "%InstallDir%\\Data.v2"}));
    EXPECT_EQ(dialog.cb_target->currentText(), "%CE2%");
    EXPECT_FALSE(dialog.TntCheckBox1->isEnabled());
}

TEST_F(ShortcutEntryTest, ShowingWithAnIconChecksTheBoxAndPicksTheIconModeByExtension)
{
    const struct
    {
        QString iconFile;
        int mode;
        QString label;
    } cases[] = {
        {"\\%CE2%\\helper.dll", 0, "Icon Filename ( DLL or Exe File )"},
        {"icons\\app.ico", 1, "Icon Filename ( ICO File )"},
    };
    for (const auto &row : cases) {
        Teditor_ShortcutEntry shown;
        shown.Project = &project;
        shown.TargetIndex = 1;
        shown.cb_target->setEditText("\\%InstallDir%\\app.exe");
        shown.tb_iconFileName->setEditText(row.iconFile);
        shown.tb_iconIndex->setText("3");
        shown.show();
        EXPECT_TRUE(shown.TntCheckBox1->isChecked());
        EXPECT_EQ(shown.cb_iconSettings->currentIndex(), row.mode);
        EXPECT_EQ(shown.TntLabel4->text(), row.label);
        EXPECT_EQ(shown.be_IconFileName->text(), row.iconFile);
        EXPECT_EQ(shown.tb_iconFileName->currentText(), row.iconFile);
        EXPECT_EQ(shown.be_IconFileName->isVisible(), row.mode == 1);
        EXPECT_EQ(shown.tb_iconIndex->text(), row.mode == 0 ? "3" : "");
        EXPECT_EQ(shown.cb_target->currentText(), "\\%InstallDir%\\app.exe");
        EXPECT_EQ(choicesOf(shown.cb_target).first(), "%InstallDir%\\app.exe");
    }
}

TEST_F(ShortcutEntryTest, CustomIconSwitchRebuildsTheChoicesAndKeepsTheTarget)
{
    dialog.show();
    dialog.cb_target->setEditText("app.exe");
    click(dialog.TntCheckBox1);
    EXPECT_TRUE(dialog.TntGroupBox1->isEnabled());
    EXPECT_EQ(dialog.cb_target->currentText(), "app.exe");
    EXPECT_EQ(choicesOf(dialog.cb_target).first(), "%InstallDir%\\app.exe");
    dialog.cb_target->setCurrentIndex(0);
    emit dialog.cb_target->textActivated(dialog.cb_target->currentText());
    EXPECT_EQ(dialog.cb_target->currentText(), "%InstallDir%\\app.exe");

    dialog.tb_iconIndex->setText("2");
    dialog.be_Parameters->setText("/s");
    click(dialog.TntCheckBox1);
    EXPECT_FALSE(dialog.TntGroupBox1->isEnabled());
    EXPECT_EQ(dialog.tb_iconIndex->text(), "");
    EXPECT_EQ(dialog.be_Parameters->text(), "");
    EXPECT_EQ(choicesOf(dialog.cb_target).first(), "app.exe");
    EXPECT_EQ(dialog.cb_target->currentText(), "%InstallDir%\\app.exe");
    EXPECT_EQ(dialog.tb_short_filename->text(), "app") << "named by the picked target, not by the box";
}

TEST_F(ShortcutEntryTest, FolderModeUnchecksTheIconAndOffersInstallDir)
{
    dialog.show();
    click(dialog.TntCheckBox1);
    click(dialog.RadioButton2);
    EXPECT_FALSE(dialog.TntCheckBox1->isChecked());
    EXPECT_FALSE(dialog.TntCheckBox1->isEnabled());
    EXPECT_EQ(choicesOf(dialog.cb_target), QStringList({"%InstallDir%", "%CE2%", "", "%InstallDir%\\Data.v2"}));
    click(dialog.RadioButton1);
    EXPECT_TRUE(dialog.TntCheckBox1->isEnabled());
    EXPECT_EQ(choicesOf(dialog.cb_target).first(), "app.exe");
}

TEST_F(ShortcutEntryTest, IconSettingsSwitchClearsTheOtherModesFile)
{
    dialog.show();
    click(dialog.TntCheckBox1);
    dialog.tb_iconFileName->setEditText("\\%InstallDir%\\app.exe");
    EXPECT_EQ(dialog.be_IconFileName->text(), "\\%InstallDir%\\app.exe");
    dialog.cb_iconSettings->setCurrentIndex(1);
    dialog.cb_iconSettingsChange();
    EXPECT_EQ(dialog.be_IconFileName->text(), "");
    EXPECT_FALSE(dialog.tb_iconIndex->isEnabled());

    dialog.be_IconFileName->setText("app.ico");
    EXPECT_EQ(dialog.tb_iconFileName->currentText(), "app.ico");
    dialog.cb_iconSettings->setCurrentIndex(0);
    dialog.cb_iconSettingsChange();
    EXPECT_EQ(dialog.tb_iconFileName->currentText(), "");
    EXPECT_TRUE(dialog.tb_iconIndex->isEnabled());

    dialog.tb_iconIndex->setText("1");
    EXPECT_TRUE(dialog.cb_IconIndexType->isEnabled());
    dialog.tb_iconIndex->clear();
    EXPECT_FALSE(dialog.cb_IconIndexType->isEnabled());
}

TEST_F(ShortcutEntryTest, ChoosingATargetNamesTheShortcutUntilTheUserTypesAName)
{
    dialog.show();
    dialog.cb_target->setCurrentIndex(0);
    emit dialog.cb_target->textActivated(dialog.cb_target->currentText());
    EXPECT_EQ(dialog.tb_short_filename->text(), "app");
    dialog.cb_target->lineEdit()->clear();
    QTest::keyClicks(dialog.cb_target->lineEdit(), "%CE1%\\Tools.v1");
    EXPECT_EQ(dialog.tb_short_filename->text(), "Tools");

    dialog.tb_short_filename->selectAll();
    QTest::keyClicks(dialog.tb_short_filename, "My Tool");
    dialog.cb_target->setCurrentIndex(1);
    emit dialog.cb_target->textActivated(dialog.cb_target->currentText());
    QTest::keyClicks(dialog.cb_target->lineEdit(), "x");
    EXPECT_EQ(dialog.tb_short_filename->text(), "My Tool");
}

TEST_F(ShortcutEntryTest, OkChecksInOrderAndKeepsTheTargetAsTyped)
{
    dialog.tb_short_filename->clear();
    dialog.show();
    dialog.tb_dest_dir->clear();
    click(dialog.bt_ok);
    dialog.tb_short_filename->setText("App");
    click(dialog.bt_ok);
    dialog.cb_target->setEditText("%CE1%\\App\\app.exe");
    click(dialog.bt_ok);
    dialog.tb_dest_dir->setText("%CE11%");
    click(dialog.TntCheckBox1);
    dialog.cb_target->setEditText("%CE1%\\App\\app.exe");
    click(dialog.bt_ok);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui.shownTexts(), QStringList({"Please specify a filename !", "Please specify a target !",
                                            "Please specify a destination directory !",
                                            "Please specify a Icon Filename !"}));
    click(dialog.TntCheckBox1);
    dialog.cb_target->setEditText("%CE1%\\App\\app.exe");
    click(dialog.bt_ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.cb_target->currentText(), "%CE1%\\App\\app.exe");
}

TEST_F(ShortcutEntryTest, DestinationAndParametersButtonsOpenThePathBuilder)
{
    QStringList shownPaths;
    dialog.setDialogRunner([&shownPaths](QDialog &shown) {
        auto &builder = dynamic_cast<TPathBuilder &>(shown);
        builder.show();
        shownPaths.append(builder.eb_path->text());
        builder.eb_path->setText("%CE1%\\Tools");
        click(builder.NxButton2);
        return builder.result();
    });
    dialog.show();
    dialog.tb_dest_dir->button()->click();
    EXPECT_EQ(dialog.tb_dest_dir->text(), "%CE1%\\Tools");
    click(dialog.TntCheckBox1);
    dialog.be_Parameters->setText("/x");
    dialog.be_Parameters->button()->click();
    EXPECT_EQ(dialog.be_Parameters->text(), "%CE1%\\Tools");
    EXPECT_EQ(shownPaths, QStringList({"%CE11%", "/x"}));
}

TEST_F(ShortcutEntryTest, IconButtonBrowsesAnIcoFile)
{
    project.FileName = "/p/demo.talmo";
    dialog.show();
    click(dialog.TntCheckBox1);
    dialog.cb_iconSettings->setCurrentIndex(1);
    dialog.cb_iconSettingsChange();
    ui.queueFilesWithCheckBox({"/p/art/app.ico"}, true);
    dialog.be_IconFileName->button()->click();
    EXPECT_EQ(dialog.be_IconFileName->text(), "art\\app.ico");
    EXPECT_EQ(ui.calls().last().request.filter, "Icon Files (*.ico)|*.ico");
}
