#include "editors/modules/CabFilenameEditor.h"
#include "editors/dialogs/DropFilesDialog.h"
#include "editors/dialogs/EditorShortcutEntry.h"
#include "editors/dialogs/EditorStrings.h"
#include "editors/dialogs/PathBuilder.h"
#include "editors/registry/AddFileAssociation.h"
#include "editors/registry/EditorRegistryEntry.h"
#include "editors/cab/PpcFileProperties.h"
#include "editors/dialogs/StringPairCheck.h"
#include "editors/cab/TargetPlatformOptions.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/support/QtPrinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace talmo;
using namespace talmo::testing;

namespace {

const QString noMessage;

struct StringPairCase
{
    QString caption;
    QString key;
    QString value;
    QString message;
};

} // namespace

TEST(StringPairCheckTest, EachCallerGetsItsOwnMessages)
{
    const QString setupTypes = StringPairCheck::SetupTypeCaption;
    const QString customStrings = StringPairCheck::CustomStringsCaption;
    const StringPairCase cases[] = {
        {setupTypes, "", "Full", "Please specify both values."},
        {setupTypes, "Full", "", "Please specify both values."},
        {setupTypes, "Full install", "All files", "name can't contain empty spaces."},
        {setupTypes, "1st", "A number first is fine here", noMessage},
        {setupTypes, "Full", "All files", noMessage},
        {customStrings, "", "v", "Please specify both key and value."},
        {customStrings, "k", "", "Please specify both key and value."},
        {customStrings, "My Key", "v", "name can't contain empty spaces."},
        {customStrings, "Company_Name", "Example Ltd", noMessage},
        {customStrings, "lang.de-DE", "v", noMessage},
    };
    for (const StringPairCase &row : cases)
        EXPECT_EQ(StringPairCheck::refusal(row.caption, row.key, row.value), row.message)
            << row.caption.toStdString() << " / " << row.key.toStdString();
}

TEST(StringPairCheckTest, CustomStringKeysTheProjectFileCannotHoldAreRefusedByName)
{
    for (const QString &key : {QStringLiteral("1st"), QStringLiteral("a&b"), QStringLiteral("x\ty"), QStringLiteral("-dash")}) {
        const QString message = StringPairCheck::refusal(StringPairCheck::CustomStringsCaption, key, "v");
        EXPECT_TRUE(message.contains(QLatin1Char('"') + key + QLatin1Char('"'))) << message.toStdString();
    }
}

class SmallDialogsTest : public EditorTest
{
};

TEST_F(SmallDialogsTest, StringsEditorStaysOpenOnRefusalAndClosesWithOk)
{
    Teditor_strings dialog;
    EXPECT_EQ(dialog.windowTitle(), "Strings Editor");
    dialog.setWindowTitle(StringPairCheck::SetupTypeCaption);
    dialog.show();
    dialog.tb_key->setText("Full install");
    dialog.tb_value->setText("Everything");
    click(dialog.TntBitBtn1);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(ui.calls()[0].messageKind, UiMessageKind::Error);
    EXPECT_EQ(ui.calls()[0].text, "name can't contain empty spaces.");

    dialog.tb_key->setText("Full");
    click(dialog.TntBitBtn1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SmallDialogsTest, StringsEditorShowsASetupTypeDescriptionWhole)
{
    Teditor_strings dialog;
    dialog.tb_key->setText("Compact");
    dialog.tb_value->setText("Compact installation, without the help files");
    dialog.show();
    QCoreApplication::processEvents();
    const int text = dialog.tb_value->fontMetrics().horizontalAdvance(dialog.tb_value->text());
    EXPECT_GT(dialog.tb_value->width(), text);
    EXPECT_GT(dialog.tb_value->width(), dialog.tb_key->width());
}

TEST_F(SmallDialogsTest, FilePropertiesChecksSourceThenDestination)
{
    TppcFileProperties dialog;
    dialog.show();
    click(dialog.bt_ok);
    dialog.eb_ppcfs_source->setText("app.exe");
    click(dialog.bt_ok);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui.shownTexts(),
              QStringList({"The Source FileName can't be empty !", "Destination FileName can't be empty !!"}));
    dialog.eb_ppcfs_dest->setText("app.exe");
    click(dialog.bt_ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.cb_ppcfs_flags->count(), 8);
    EXPECT_EQ(dialog.cb_ppcfs_flags->itemText(7), "CE_COPYFLG_SHARED");
}

TEST_F(SmallDialogsTest, FilePropertiesRefuseADestinationOutsideItsFolder)
{
    TppcFileProperties dialog;
    dialog.show();
    dialog.eb_ppcfs_source->setText("app.exe");
    for (const char *name : {"../../evil.exe", "..\\..\\x", "sub\\..\\..\\x", "\\Windows\\x.exe", "/x", "C:x.exe"}) {
        dialog.eb_ppcfs_dest->setText(name);
        click(dialog.bt_ok);
        EXPECT_TRUE(dialog.isVisible()) << name;
    }
    EXPECT_EQ(ui.shownTexts().size(), 6);
    EXPECT_EQ(ui.shownTexts().last(),
              "The Destination FileName must name a file inside its folder: no \"..\" and no leading \\ or drive !");
    dialog.eb_ppcfs_dest->setText("..app.exe");
    click(dialog.bt_ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SmallDialogsTest, BrowsedSourceIsStoredAsTheProjectWouldKeepIt)
{
    TProjectContainer project;
    project.FileName = "/work/demo/demo.talmo";
    TppcFileProperties dialog;
    dialog.Project = &project;
    const struct
    {
        QString chosen;
        bool relative;
        QString source;
    } cases[] = {
        {"/work/demo/app.exe", true, "app.exe"},
        {"/work/demo/bin/x86/app.exe", true, "bin\\x86\\app.exe"},
        {"/work/other/app.exe", true, "..\\other\\app.exe"},
        {"/work/demo/bin/app.exe", false, "/work/demo/bin/app.exe"},
    };
    for (const auto &row : cases) {
        ui.queueFilesWithCheckBox({row.chosen}, row.relative);
        dialog.eb_ppcfs_source->button()->click();
        EXPECT_EQ(dialog.eb_ppcfs_source->text(), row.source);
        EXPECT_EQ(dialog.eb_ppcfs_dest->text(), "app.exe");
    }
    const auto &request = ui.calls().last();
    EXPECT_EQ(request.kind, FakeUiServices::CallKind::OpenFilesWithCheckBox);
    EXPECT_EQ(request.request.filter, "All Files (*.*)|*.*");
    // The dialog opens on the file the source names, read against the project's folder.
    EXPECT_EQ(request.request.fileName, "/work/other/app.exe");
    EXPECT_EQ(request.request.folder, "/work/other");
    EXPECT_TRUE(request.checkBoxShownChecked);

    ui.queueFilesWithCheckBox({}, true);
    dialog.eb_ppcfs_source->button()->click();
    EXPECT_EQ(dialog.eb_ppcfs_source->text(), "/work/demo/bin/app.exe");
}

TEST_F(SmallDialogsTest, TargetOptionsTakeAProcessorCodeFromThePopupAndNeedAName)
{
    TtargetPlatformOptions dialog;
    QStringList offered;
    dialog.setPopupMenuRunner([&offered](QMenu &menu, const QPoint &) -> QAction * {
        for (QAction *action : menu.actions())
            offered.append(action->text());
        return menu.actions().at(3);
    });
    dialog.show();
    dialog._ProcessorType->button()->click();
    EXPECT_EQ(offered, QStringList({"ARM720 | 1824", "Hitachi SH3 | 10003", "Hitachi SH4 | 10005",
                                    "MIPS R4XXX | 4000", "StrongARM SA11XX | 2577"}));
    EXPECT_EQ(dialog._ProcessorType->text(), "4000");
    dialog.ARM72018241Click(7);
    EXPECT_EQ(dialog._ProcessorType->text(), "4000");

    EXPECT_EQ(dialog._buildMax->itemText(3), "Supports both square screens and screen rotation.");
    EXPECT_EQ(dialog._buildMax->itemText(0), "");
    click(dialog.TntButton1);
    EXPECT_EQ(ui.shownTexts(), QStringList({"You must specify a name"}));
    EXPECT_TRUE(dialog.isVisible());
    dialog.tb_editor->setEditText("ARM");
    click(dialog.TntButton1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// The target's name heads sections of the .inf file: what a section name
// cannot carry is refused as it is typed, and blanks alone are no name.
TEST_F(SmallDialogsTest, TargetNameRefusesWhatTheInfFileCannotCarry)
{
    TtargetPlatformOptions dialog;
    dialog.show();
    QTest::keyClicks(dialog.tb_editor, "ARM, \"v4\" [x]; a=b 5%");
    EXPECT_EQ(dialog.tb_editor->currentText(), "ARM v4 x ab 5");

    dialog.tb_editor->setEditText(QString());
    QTest::keyClicks(dialog.tb_editor, "   ");
    click(dialog.TntButton1);
    EXPECT_EQ(ui.shownTexts(), QStringList({"You must specify a name"}));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SmallDialogsTest, CabFilenameAcceptsAnyTextAndBrowsesWithTheCallersFilter)
{
    TProjectContainer project;
    project.FileName = "/p/demo.talmo";
    TCABFilenameEditor dialog;
    dialog.Project = &project;
    dialog.Filter = "CAB Files (*.cab)|*.cab|All files (*.*)|*.*";
    dialog.tb_filename->setText("old.cab");
    dialog.show();
    EXPECT_EQ(dialog.tb_filename->selectedText(), "old.cab");

    ui.queueFilesWithCheckBox({"/p/cabs/new.cab"}, true);
    dialog.tb_filename->button()->click();
    EXPECT_EQ(dialog.tb_filename->text(), "cabs\\new.cab");
    EXPECT_EQ(ui.calls().last().request.filter, dialog.Filter);
    EXPECT_EQ(ui.calls().last().request.fileName, "/p/old.cab");
    EXPECT_EQ(ui.calls().last().request.folder, "/p");

    dialog.tb_filename->clear();
    click(dialog.TntBitBtn1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(ui.shownTexts().isEmpty());
}

TEST_F(SmallDialogsTest, DropFilesOptionsAreReadByTheCaller)
{
    TDropFilesDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Add Files Options");
    dialog.cb_InstallFolder->setEditText("%InstallDir%");
    dialog.show();
    dialog.cb_Recurse->setChecked(true);
    click(dialog.bt_ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.cb_InstallFolder->currentText(), "%InstallDir%");
    EXPECT_TRUE(dialog.cb_Recurse->isChecked());
}

// Every dialog puts its confirming button before its cancelling one, at the
// right of one row, and tabs from the first to the second.
TEST_F(SmallDialogsTest, EveryDialogShowsOkBeforeCancel)
{
    TProjectContainer project;
    project.CEDevices.AddNew();
    const std::pair<const char *, std::function<QDialog *()>> dialogs[] = {
        {"strings", [] { return new Teditor_strings; }},
        {"file association", [] { return new TaddFileAssociation; }},
        {"registry value", [] { return new TeditorRegistryEntry; }},
        {"shortcut",
         [&project] {
             auto *dialog = new Teditor_ShortcutEntry;
             dialog->Project = &project;
             dialog->TargetIndex = 0;
             return dialog;
         }},
        {"path builder",
         [&project] {
             auto *dialog = new TPathBuilder;
             dialog->Project = &project;
             return dialog;
         }},
        {"drop files", [] { return new TDropFilesDialog; }},
    };
    for (const auto &[name, make] : dialogs) {
        SCOPED_TRACE(name);
        std::unique_ptr<QDialog> dialog(make());
        dialog->show();
        QPushButton *ok = nullptr;
        QPushButton *cancel = nullptr;
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            const QString text = button->text().remove(QLatin1Char('&'));
            if (text.compare(QLatin1String("Ok"), Qt::CaseInsensitive) == 0)
                ok = button;
            else if (text == QLatin1String("Cancel"))
                cancel = button;
        }
        ASSERT_NE(ok, nullptr);
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(ok->y(), cancel->y());
        EXPECT_LT(ok->x(), cancel->x());
        EXPECT_EQ(ok->nextInFocusChain(), cancel);
    }
}
