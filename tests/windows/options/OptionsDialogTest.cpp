#include "editors/modules/RuntimeModuleDialog.h"
#include "helpers/ui/FakeUiServices.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProgramOptions.h"
#include "model/SqlMobileSearch.h"
#include "platform/RegistryMemoryStore.h"
#include "tests/support/QtPrinters.h"
#include "tests/windows/main/MasterFormTestSupport.h"
#include "windows/options/RuntimeSetPage.h"
#include "windows/options/SearchProgressDialog.h"
#include "windows/options/TOptionsForm.h"
#include "windows/options/TaddPluginSet.h"
#include "windows/options/TtextEditor.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace talmo;
using namespace talmo::testing;

namespace {

// Fills the page's dialogs from a script: the texts for the text editor, the
// name and folder for a new set; a dialog nobody scripted is cancelled.
struct ScriptedDialogs
{
    DialogRunner runner()
    {
        return [this](QDialog &dialog) {
            shown.append(dialog.windowTitle());
            if (auto *editor = qobject_cast<TtextEditor *>(&dialog)) {
                seenTexts.append(editor->text());
                seenSuggestions.append(editor->tb_editor->count());
                if (texts.isEmpty())
                    return int(QDialog::Rejected);
                editor->setText(texts.takeFirst());
                return int(QDialog::Accepted);
            }
            if (auto *set = qobject_cast<TaddPluginSet *>(&dialog)) {
                folderEnabled = set->tb_DirectoryEdit->isEnabled();
                if (setNames.isEmpty())
                    return int(QDialog::Rejected);
                set->eb_CustomSetName->setText(setNames.takeFirst());
                set->tb_DirectoryEdit->setText(folder);
                return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        };
    }

    QStringList texts;
    QStringList setNames;
    QString folder;
    QStringList shown;
    QStringList seenTexts;
    QList<int> seenSuggestions;
    bool folderEnabled = false;
};

struct CancellingProgress : SqlMobileSearchProgress
{
    void folderEntered(const QString &) override { ++folders; }
    void setText(const QString &) override {}
    void setCaption(const QString &) override {}
    bool cancelled() override { return folders >= 2; }
    int folders = 0;
};

class OptionsDialogTest : public ::testing::TestWithParam<RuntimeModuleKind>
{
protected:
    void SetUp() override
    {
        page = GetParam() == RuntimeModuleKind::SqlMobile ? form.sqlMobilePage : form.netcf2Page;
        page->runDialog = dialogs.runner();
        form.show();
    }

    std::vector<TMSQL_CustomSet> &sets() { return page->sets(); }

    // A user set with two platforms, the first with three processors.
    void AddSampleSet()
    {
        sets().push_back({ QStringLiteral("Mine"),
                           { { QStringLiteral("WCE400"),
                               { { QStringLiteral("armv4"), { QStringLiteral("/r/a.cab"), QStringLiteral("/r/b.cab") } },
                                 { QStringLiteral("mipsii"), { QStringLiteral("/r/m.cab") } },
                                 { QStringLiteral("sh4"), {} } } },
                             { QStringLiteral("WCE500"), {} } } });
        page->RefillSets();
    }

    QTreeWidgetItem *Node(int platform, int processor = -1)
    {
        QTreeWidgetItem *item = page->tv_platforms->topLevelItem(platform);
        return processor < 0 ? item : item->child(processor);
    }

    void SelectNode(int platform, int processor = -1)
    {
        page->tv_platforms->setCurrentItem(Node(platform, processor));
    }

    QStringList Processors(int platform)
    {
        QStringList names;
        for (const TMSQL_Processors &processor : sets()[1].Platforms[std::size_t(platform)].Processors)
            names.append(processor.Caption);
        return names;
    }

    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{ store };
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ ui };
    TProgramOptions options;
    TOptionsForm form{ options };
    RuntimeSetPage *page = nullptr;
    ScriptedDialogs dialogs;
};

} // namespace

TEST_P(OptionsDialogTest, WithoutUserSetsThePageOffersNothingToChange)
{
    ASSERT_EQ(sets().size(), 1u) << "the built-in set only";
    EXPECT_EQ(page->cb_sets->count(), 0);
    EXPECT_FALSE(page->bt_rename->isEnabled());
    EXPECT_FALSE(page->bt_delete->isEnabled());
    EXPECT_FALSE(page->bt_node_add->isEnabled());
    EXPECT_FALSE(page->bt_node_delete->isEnabled());
    EXPECT_FALSE(page->bt_cab_add->isEnabled());
    EXPECT_EQ(page->tv_platforms->topLevelItemCount(), 0);
    EXPECT_EQ(form.pc_Pages->currentIndex(), 0);
}

TEST_P(OptionsDialogTest, ASetShowsItsTreeAndTheCabsOfTheSelectedNode)
{
    AddSampleSet();
    EXPECT_EQ(page->cb_sets->count(), 1);
    EXPECT_EQ(page->gb_settings->title(), "Settings for Mine");
    ASSERT_EQ(page->tv_platforms->topLevelItemCount(), 2);
    EXPECT_EQ(Node(0)->childCount(), 3);
    EXPECT_EQ(page->tv_platforms->currentItem(), Node(0)) << "the first node is shown";
    ASSERT_EQ(page->lv_cabs->topLevelItemCount(), 3) << "a group per processor of the platform";
    EXPECT_EQ(page->lv_cabs->topLevelItem(0)->text(0), "armv4");
    EXPECT_EQ(page->lv_cabs->topLevelItem(0)->child(1)->text(0), "/r/b.cab");
    EXPECT_EQ(page->lv_cabs->topLevelItem(0)->child(1)->toolTip(0), "/r/b.cab") << "a path cut short shows whole";
    EXPECT_EQ(page->lv_cabs->textElideMode(), Qt::ElideMiddle);
    EXPECT_EQ(page->lv_cabs->headerItem()->text(0), "Cab Files for WCE400");
    EXPECT_FALSE(page->bt_cab_add->isEnabled()) << "CABs are added to processors";

    SelectNode(0, 1);
    ASSERT_EQ(page->lv_cabs->topLevelItemCount(), 1);
    EXPECT_EQ(page->lv_cabs->topLevelItem(0)->text(0), "mipsii");
    EXPECT_TRUE(page->bt_cab_add->isEnabled());
    EXPECT_FALSE(page->bt_cab_edit->isEnabled());
    page->lv_cabs->setCurrentItem(page->lv_cabs->topLevelItem(0)->child(0));
    EXPECT_TRUE(page->bt_cab_edit->isEnabled());
    EXPECT_TRUE(page->bt_cab_delete->isEnabled());
}

TEST_P(OptionsDialogTest, DeletingTheMiddleProcessorKeepsTheOthersInOrder)
{
    AddSampleSet();
    SelectNode(0, 1);
    ui.queueAnswer(UiButton::No);
    page->DeleteNode();
    EXPECT_EQ(Processors(0), QStringList({ "armv4", "mipsii", "sh4" }));

    SelectNode(0, 1);
    ui.queueAnswer(UiButton::Yes);
    page->DeleteNode();
    EXPECT_EQ(ui.shownTexts(), QStringList({ "Are you sure ?", "Are you sure ?" }));
    EXPECT_EQ(Processors(0), QStringList({ "armv4", "sh4" }));
    EXPECT_EQ(sets()[1].Platforms[0].Processors[1].CabFiles, QStringList());
    EXPECT_EQ(Node(0)->childCount(), 2);

    SelectNode(0);
    ui.queueAnswer(UiButton::Yes);
    page->DeleteNode();
    ASSERT_EQ(sets()[1].Platforms.size(), 1u);
    EXPECT_EQ(sets()[1].Platforms[0].Caption, "WCE500");
}

TEST_P(OptionsDialogTest, PlatformsAndProcessorsAreAddedFromTheMenuAndRenamedInTheTree)
{
    AddSampleSet();
    page->FillNodeAddMenu();
    QStringList captions;
    for (QAction *action : page->pm_node_add->actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions, QStringList({ "Add Platfrom", "-", "Add Processor for WCE400", "Add Processor for WCE500" }));

    dialogs.texts = { QStringLiteral("WCE600"), QStringLiteral("x86") };
    page->pm_node_add->actions().constFirst()->trigger();
    page->pm_node_add->actions().constLast()->trigger();
    EXPECT_EQ(dialogs.seenSuggestions, QList<int>({ 2, 7 }));
    ASSERT_EQ(sets()[1].Platforms.size(), 3u);
    EXPECT_EQ(sets()[1].Platforms[2].Caption, "WCE600");
    EXPECT_EQ(Processors(1), QStringList{ "x86" });

    Node(0, 2)->setText(0, QStringLiteral("sh4a"));
    Node(1)->setText(0, QStringLiteral("WCE501"));
    EXPECT_EQ(Processors(0), QStringList({ "armv4", "mipsii", "sh4a" }));
    EXPECT_EQ(sets()[1].Platforms[1].Caption, "WCE501");
}

TEST_P(OptionsDialogTest, CabFilesAreAddedEditedAndDeleted)
{
    AddSampleSet();
    SelectNode(0, 0);
    ui.queueFiles({ QStringLiteral("/r/c.cab") });
    page->AddCab();
    EXPECT_EQ(ui.calls().constLast().request.filter, "Cab Files|*.cab|All Files|*.*");
    EXPECT_EQ(sets()[1].Platforms[0].Processors[0].CabFiles,
              QStringList({ "/r/a.cab", "/r/b.cab", "/r/c.cab" }));

    // On a platform node the CAB belongs to the processor whose group holds it.
    SelectNode(0);
    page->lv_cabs->setCurrentItem(page->lv_cabs->topLevelItem(1)->child(0));
    ui.queueFiles({ QStringLiteral("/r/m2.cab") });
    page->EditCab();
    EXPECT_EQ(ui.calls().constLast().request.fileName, "/r/m.cab");
    EXPECT_EQ(sets()[1].Platforms[0].Processors[1].CabFiles, QStringList{ "/r/m2.cab" });

    page->lv_cabs->setCurrentItem(page->lv_cabs->topLevelItem(0)->child(1));
    ui.queueAnswer(UiButton::Yes);
    page->DeleteCab();
    EXPECT_EQ(sets()[1].Platforms[0].Processors[0].CabFiles, QStringList({ "/r/a.cab", "/r/c.cab" }));
}

TEST_P(OptionsDialogTest, SetsAreAddedRenamedAndDeleted)
{
    dialogs.setNames = { QStringLiteral("First"), QStringLiteral("Second") };
    page->AddSet();
    page->AddSet();
    EXPECT_EQ(dialogs.folderEnabled, GetParam() == RuntimeModuleKind::SqlMobile);
    EXPECT_EQ(dialogs.shown.constFirst(), GetParam() == RuntimeModuleKind::SqlMobile
                                              ? "Add Mobile SQL Custom Set"
                                              : "Add .Net CompactFramework v2 Custom Set");
    ASSERT_EQ(sets().size(), 3u);
    EXPECT_EQ(sets()[0].Caption, TProgramOptions::BuiltinSetCaption);
    EXPECT_EQ(page->cb_sets->currentText(), "Second") << "the new set is selected";
    EXPECT_TRUE(page->bt_node_add->isEnabled());

    dialogs.texts = { QStringLiteral("Renamed") };
    page->RenameSet();
    EXPECT_EQ(dialogs.seenTexts, QStringList{ "Second" });
    EXPECT_EQ(sets()[2].Caption, "Renamed");
    EXPECT_EQ(page->cb_sets->currentText(), "Renamed");
    EXPECT_EQ(page->gb_settings->title(), "Settings for Renamed");

    page->cb_sets->setCurrentIndex(0);
    ui.queueAnswer(UiButton::Yes);
    page->DeleteSet();
    ASSERT_EQ(sets().size(), 2u);
    EXPECT_EQ(sets()[1].Caption, "Renamed");
    EXPECT_EQ(page->cb_sets->count(), 1);
}

INSTANTIATE_TEST_SUITE_P(BothKinds, OptionsDialogTest,
                         ::testing::Values(RuntimeModuleKind::NetCF2, RuntimeModuleKind::SqlMobile),
                         [](const ::testing::TestParamInfo<RuntimeModuleKind> &info) {
                             return info.param == RuntimeModuleKind::SqlMobile ? "SqlMobile" : "NetCF2";
                         });

namespace {

class SqlMobileSetSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString cab = root.filePath(QStringLiteral("SDK/SQL Server/Mobile/v3.0/wce500/armv4i/sqlce.CAB"));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(cab).path()));
        QFile file(cab);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        page.runDialog = dialogs.runner();
        dialogs.setNames = { QStringLiteral("Found") };
        dialogs.folder = root.path();
    }

    QTemporaryDir root;
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{ store };
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ ui };
    TProgramOptions options;
    RuntimeSetPage page{ RuntimeModuleKind::SqlMobile, options };
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(SqlMobileSetSearchTest, TheSearchFillsTheNewSetBehindAProgressWindow)
{
    QStringList captions;
    page.makeSearchProgress = [&captions](QWidget *parent) {
        auto progress = std::make_unique<SearchProgressDialog>(parent);
        QObject::connect(&progress->dialog(), &QWidget::windowTitleChanged, &progress->dialog(),
                         [&captions](const QString &title) { captions.append(title); });
        captions.append(progress->dialog().windowTitle());
        return progress;
    };
    page.AddSet();
    ASSERT_EQ(options.MSQLSets.size(), 2u);
    const TMSQL_CustomSet &set = options.MSQLSets[1];
    ASSERT_EQ(set.Platforms.size(), 1u);
    EXPECT_EQ(set.Platforms[0].Caption, "wce500");
    ASSERT_EQ(set.Platforms[0].Processors.size(), 1u);
    EXPECT_EQ(set.Platforms[0].Processors[0].CabFiles,
              QStringList{ root.filePath(QStringLiteral("SDK/SQL Server/Mobile/v3.0/wce500/armv4i/sqlce.CAB")) });
    EXPECT_EQ(captions, QStringList({ "Automatic Search", "Adding Cabs ..." }));
    EXPECT_EQ(page.cb_sets->currentText(), "Found");
    EXPECT_EQ(page.tv_platforms->topLevelItemCount(), 1);
}

TEST(SearchProgressDialogTest, ADeepFolderIsCutInTheMiddleWithoutWideningTheWindow)
{
    SearchProgressDialog progress(nullptr);
    progress.dialog().show();
    progress.folderEntered(QStringLiteral("/opt"));
    const int width = progress.dialog().width();
    const QString deep = QStringLiteral("/opt/sdk/") + QStringLiteral("a long folder name/").repeated(12) + "armv4i";
    progress.folderEntered(deep);
    QCoreApplication::processEvents();
    EXPECT_EQ(progress.dialog().width(), width);
    EXPECT_TRUE(progress.label().text().startsWith(QStringLiteral("/opt/sdk/")));
    EXPECT_TRUE(progress.label().text().endsWith(QStringLiteral("armv4i")));
    EXPECT_LT(progress.label().text().size(), deep.size());
    EXPECT_EQ(progress.label().toolTip(), deep);
    progress.setText(QStringLiteral("Analyzing ..."));
    EXPECT_EQ(progress.label().text(), QStringLiteral("Analyzing ..."));
    EXPECT_TRUE(progress.label().toolTip().isEmpty());
}

TEST_F(SqlMobileSetSearchTest, CancelLeavesTheNewSetEmpty)
{
    dialogs.setNames = { QStringLiteral("First"), QStringLiteral("Cancelled") };
    dialogs.folder.clear();
    page.AddSet();
    dialogs.folder = root.path();
    page.makeSearchProgress = [](QWidget *) { return std::make_unique<CancellingProgress>(); };
    page.AddSet();
    ASSERT_EQ(options.MSQLSets.size(), 3u);
    EXPECT_EQ(options.MSQLSets[2].Caption, "Cancelled");
    EXPECT_TRUE(options.MSQLSets[2].Platforms.empty());
    EXPECT_EQ(page.cb_sets->count(), 2);
    EXPECT_EQ(page.cb_sets->currentIndex(), 0) << "the set list is filled anew";
}

TEST_F(SqlMobileSetSearchTest, ASearchThatFindsNothingSelectsTheEmptySet)
{
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("Empty")));
    dialogs.folder = root.filePath(QStringLiteral("Empty"));
    page.makeSearchProgress = [](QWidget *) { return std::make_unique<CancellingProgress>(); };
    page.AddSet();
    ASSERT_EQ(options.MSQLSets.size(), 2u);
    EXPECT_TRUE(options.MSQLSets[1].Platforms.empty());
    EXPECT_EQ(page.cb_sets->currentText(), "Found");
}

TEST(AddPluginSetTest, ANameIsRequiredAndTheFolderPickerStartsWhereItCan)
{
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ ui };
    TaddPluginSet dialog;
    dialog.show();
    dialog.bt_ok->click();
    EXPECT_EQ(ui.shownTexts(), QStringList{ "Please enter a name !" });
    EXPECT_TRUE(dialog.isVisible());

    QTemporaryDir folder;
    ui.queueFolder(folder.path());
    dialog.tb_DirectoryEditButtonClick();
    EXPECT_EQ(ui.calls().constLast().request.folder, "/");
    EXPECT_EQ(ui.calls().constLast().title, "Automatic Search Starting Path");
    EXPECT_EQ(dialog.tb_DirectoryEdit->text(), folder.path());
    dialog.tb_DirectoryEditButtonClick();
    EXPECT_EQ(ui.calls().constLast().request.folder, folder.path());
    EXPECT_EQ(dialog.tb_DirectoryEdit->text(), folder.path()) << "a cancelled picker changes nothing";

    dialog.eb_CustomSetName->setText(QStringLiteral("Mine"));
    dialog.bt_ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

namespace {

class MasterOptionsTest : public MasterFormFixture
{
protected:
    TProgramOptions options;
    ScopedCurrentProgramOptions useOptions{ options };
};

} // namespace

TEST_F(MasterOptionsTest, CancelLeavesTheOptionsAsTheyWereAndOkSavesTheChange)
{
    ScriptedDialogs dialogs;
    dialogs.setNames = { QStringLiteral("Dropped"), QStringLiteral("Saved") };
    int answer = QDialog::Rejected;
    Master().runDialog = [&](QDialog &dialog) {
        auto &optionsForm = dynamic_cast<TOptionsForm &>(dialog);
        optionsForm.show();
        optionsForm.netcf2Page->runDialog = dialogs.runner();
        optionsForm.netcf2Page->AddSet();
        return answer;
    };
    ASSERT_TRUE(Master().commandAction("Options1")->isEnabled());
    Master().commandAction("Options1")->trigger();
    EXPECT_EQ(options.NETCF2Sets.size(), 1u) << "the set added before Cancel is gone";
    TProgramOptions stored;
    EXPECT_EQ(stored.NETCF2Sets.size(), 1u) << "nothing saved after Cancel";

    answer = QDialog::Accepted;
    Master().ShowOptions();
    ASSERT_EQ(options.NETCF2Sets.size(), 2u);
    EXPECT_EQ(options.NETCF2Sets[1].Caption, "Saved");
    TProgramOptions saved;
    ASSERT_EQ(saved.NETCF2Sets.size(), 2u);
    EXPECT_EQ(saved.NETCF2Sets[1].Caption, "Saved");
    EXPECT_TRUE(ui.shownTexts().isEmpty());

    // Closing the program saves the options once more: still without the cancelled set.
    Master().close();
    TProgramOptions afterClose;
    EXPECT_EQ(afterClose.NETCF2Sets.size(), 2u);
}

TEST_F(MasterOptionsTest, AFailedSaveIsShownWithItsMessage)
{
    Master();
    store.failWritesWith(QStringLiteral("the settings file is read-only"));
    Master().runDialog = [](QDialog &) { return int(QDialog::Accepted); };
    Master().ShowOptions();
    EXPECT_EQ(ui.shownTexts(), QStringList{ TProgramOptions::RegistryErrorMessage });
    EXPECT_EQ(ui.calls().constLast().messageKind, UiMessageKind::Error);
}
