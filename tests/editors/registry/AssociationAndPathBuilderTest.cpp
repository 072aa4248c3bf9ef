#include "editors/registry/AddFileAssociation.h"
#include "editors/registry/FileAssociationChoices.h"
#include "editors/dialogs/PathBuilder.h"
#include "editors/dialogs/PathBuilderText.h"
#include "model/ProjectContainer.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/support/QtPrinters.h"
#include "widgets/NxEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace talmo;
using namespace talmo::testing;

namespace {

void addDeviceFile(TCEDevice &target, const QString &folder, const QString &name)
{
    TPPCFS_File &file = target.Files.AddNew();
    file.DestinationDir = folder;
    file.DestinationName = name;
}

void addDesktopFile(TWin32Plugin &module, const QString &source, const QString &folder, const QString &name)
{
    TWin32FileEntry &entry = module.FileEntries.AddNew();
    entry.Source = source;
    entry.Destination = folder;
    entry.DestinationName = name;
}

} // namespace

TEST(FileAssociationChoicesTest, DeviceProgramsOfEveryTargetInOrder)
{
    TProjectContainer project;
    TCEDevice &first = project.CEDevices.AddNew();
    addDeviceFile(first, "%InstallDir%", "APP.exe");
    addDeviceFile(first, "%InstallDir%", "Setup.dll");
    addDeviceFile(first, "%CE2%\\", "tool.EXE");
    addDeviceFile(first, "", "bare.exe");
    TCEDevice &second = project.CEDevices.AddNew();
    addDeviceFile(second, "%InstallDir%", "APP.exe");
    addDeviceFile(second, "%InstallDir%", "readme.exe.txt");

    EXPECT_EQ(FileAssociationChoices::deviceFiles(project),
              QStringList({"%InstallDir%\\APP.exe", "%CE2%\\tool.EXE", "bare.exe", "%InstallDir%\\APP.exe"}));
}

TEST(FileAssociationChoicesTest, DesktopProgramsFallBackToTheSourceName)
{
    TWin32Plugin module;
    addDesktopFile(module, "C:\\build\\tool.EXE", "{app}", "");
    addDesktopFile(module, "C:\\build\\a.exe", "{app}\\bin", "renamed.exe");
    addDesktopFile(module, "C:\\build\\b.exe", "{app}", "b.dll");
    addDesktopFile(module, "/home/me/c.exe", "", "");

    EXPECT_EQ(FileAssociationChoices::desktopFiles(module),
              QStringList({"{app}\\tool.EXE", "{app}\\bin\\renamed.exe", "c.exe"}));
}

class FileAssociationDialogTest : public EditorTest
{
};

TEST_F(FileAssociationDialogTest, TheButtonsFollowTheFieldsWithoutAnEmptyBand)
{
    TaddFileAssociation dialog;
    dialog.show();
    const int fieldsBottom = dialog.cb_target->geometry().bottom();
    const int buttonsTop = dialog.bt_ok->geometry().top();
    EXPECT_LE(buttonsTop - fieldsBottom, 3 * dialog.layout()->spacing() + 1);
}

TEST_F(FileAssociationDialogTest, ShowingOffersTheChoicesAndOkNeedsAllThreeFields)
{
    TProjectContainer project;
    addDeviceFile(project.CEDevices.AddNew(), "%InstallDir%", "viewer.exe");
    TWin32Plugin module;
    addDesktopFile(module, "C:\\v\\desk.exe", "{app}", "");

    const struct
    {
        bool deviceMode;
        QString choice;
    } modes[] = {{true, "%InstallDir%\\viewer.exe"}, {false, "{app}\\desk.exe"}};
    for (const auto &mode : modes) {
        FakeUiServices answers;
        ScopedCurrentUiServices useAnswers{answers};
        TaddFileAssociation dialog;
        dialog.DeviceMode = mode.deviceMode;
        dialog.Project = &project;
        dialog.Plugin = &module;
        dialog.show();
        ASSERT_EQ(dialog.cb_target->count(), 1);
        EXPECT_EQ(dialog.cb_target->itemText(0), mode.choice);
        EXPECT_EQ(dialog.cb_target->currentText(), "");

        dialog.tb_Extension->setText(".txt");
        click(dialog.bt_ok);
        dialog.tb_description->setText("Text");
        click(dialog.bt_ok);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(answers.shownTexts(), QStringList(2, "Please fill all the fields !"));
        dialog.cb_target->setCurrentIndex(0);
        click(dialog.bt_ok);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.cb_target->currentText(), mode.choice);
    }
}

TEST(PathBuilderTextTest, MacroReplacesTheSelectionOrGoesToTheEnd)
{
    const struct
    {
        QString text;
        int start;
        int length;
        QString macro;
        QString result;
    } cases[] = {
        {"\\Old\\Path", 0, 9, "%CE1%", "%CE1%"},
        {"%CE1%\\", -1, 0, "%CE11%", "%CE1%\\%CE11%"},
        {"A\\B\\C", 2, 1, "%CE2%", "A\\%CE2%\\C"},
        {"", -1, 0, "%InstallDir%", "%InstallDir%"},
    };
    for (const auto &row : cases)
        EXPECT_EQ(PathBuilderText::insertMacro(row.text, row.start, row.length, row.macro), row.result);
}

TEST(PathBuilderTextTest, ColumnsOfferTheDeviceFoldersInOrderAndTheInstallFolderLast)
{
    const auto macrosOf = [](const QList<PathBuilderText::Macro> &column) {
        QStringList macros;
        for (const PathBuilderText::Macro &macro : column)
            macros.append(macro.macro);
        return macros;
    };
    EXPECT_EQ(macrosOf(PathBuilderText::firstColumn()), QStringList({ "%CE1%", "%CE2%", "%CE4%", "%CE5%", "%CE8%" }));
    EXPECT_EQ(macrosOf(PathBuilderText::secondColumn()),
              QStringList({ "%CE11%", "%CE14%", "%CE15%", "%CE17%", "%InstallDir%" }));
    EXPECT_EQ(PathBuilderText::secondColumn().first().meaning, "Windows\\Start Menu\\Programs");
}

TEST(PathBuilderTextTest, InterpretationIsTheExpandedPathInBoldAndEscaped)
{
    TProjectContainer project;
    project.InstallDir = "%CE1%\\%AppName%";
    project.AppName = "App";
    EXPECT_EQ(PathBuilderText::interpretation(project, "%InstallDir%"), "[ Interpreted: <b>Program Files\\App</b> ]");
    project.AppName = "<i>R&D</i>";
    EXPECT_EQ(PathBuilderText::interpretation(project, "%InstallDir%\\x"),
              "[ Interpreted: <b>Program Files\\&lt;i&gt;R&amp;D&lt;/i&gt;\\x</b> ]");
}

class PathBuilderDialogTest : public EditorTest
{
protected:
    void SetUp() override
    {
        project.InstallDir = "%CE1%\\%AppName%";
        project.AppName = "App";
        dialog.Project = &project;
        dialog.Path = "\\Old";
    }
    TProjectContainer project;
    TPathBuilder dialog;
};

TEST_F(PathBuilderDialogTest, LinksInsertIntoTheShownPath)
{
    dialog.show();
    EXPECT_EQ(dialog.eb_path->selectedText(), "\\Old");
    EXPECT_TRUE(dialog.JvLinkLabel1->text().contains("<a href=\"%CE1%\">%CE1%</a> = Program Files"));
    EXPECT_TRUE(dialog.JvLinkLabel2->text().contains("%InstallDir%</a> = Default Installation Dir in Project Settings"));

    emit dialog.JvLinkLabel1->linkActivated("%CE1%");
    EXPECT_EQ(dialog.eb_path->text(), "%CE1%");
    dialog.eb_path->insert("\\");
    emit dialog.JvLinkLabel2->linkActivated("%CE11%");
    EXPECT_EQ(dialog.eb_path->text(), "%CE1%\\%CE11%");
    EXPECT_EQ(dialog.JvLinkLabel3->text(), "[ Interpreted: <b>Program Files\\Windows\\Start Menu\\Programs</b> ]");

    click(dialog.NxButton2);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Path, "%CE1%\\%CE11%");
}

TEST_F(PathBuilderDialogTest, CancelKeepsTheCallersPath)
{
    dialog.show();
    dialog.eb_path->setText("%InstallDir%");
    EXPECT_EQ(dialog.JvLinkLabel3->text(), "[ Interpreted: <b>Program Files\\App</b> ]");
    click(dialog.NxButton1);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Path, "\\Old");
}
