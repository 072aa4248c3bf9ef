#include "helpers/ui/FakeUiServices.h"
#include "model/AdvancedBuilderValues.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"
#include "tests/windows/main/MasterFormTestSupport.h"
#include "widgets/NextInspector.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxCheckBoxItem.h"
#include "windows/options/AdvancedHelpBrowser.h"
#include "windows/options/AdvancedOptionsHelp.h"
#include "windows/options/TadvancedBuilderOptions.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

using Values = AdvancedBuilderValues;

// Every setting away from the defaults of a new project.
void SetEverySetting(TProjectContainer &project)
{
    project.Uninstallable = false;
    project.BuilderDefaultDirName = QStringLiteral("{pf}\\Example\\%AppName%");
    project.CreateUninstallRegKey = false;
    project.UpdateUninstallLogAppName = false;
    project.AppID = QStringLiteral("{Example-Hello}");
    project.DefaultUserInfoName = QStringLiteral("{sysuserinfoname}");
    project.DefaultUserInfoOrg = QStringLiteral("Example Ltd");
    project.DefaultUserInfoSerial = QStringLiteral("0000-1111");
    project.AlwaysShowComponentsList = false;
    project.CompressCab = true;
    project.DCMRequired = true;
    project.WaitBetweenCabs = true;
    project.IconFile = QStringLiteral("icons\\sync.ico");
    project.VersionInfoCompany = QStringLiteral("Example Ltd");
    project.VersionInfoCopyright = QStringLiteral("(c) Example");
    project.VersionInfoDescription = QStringLiteral("Hello setup");
    project.VersionInfoVersion = QStringLiteral("1.2.3");
    project.SetupIconFile = QStringLiteral("icons\\setup.ico");
    project.CreateCABIcons = false;
    project.CreateCABIconsEnabledForHidden = true;
}

QStringList Settings(const TProjectContainer &project)
{
    const Values values = Values::FromProject(project);
    QStringList shown;
    for (int tag = 0; tag < Values::Count; ++tag)
        shown.append(Values::IsFlag(tag) ? QString::number(values.flag(tag)) : values.text(tag));
    return shown;
}

bool WriteIcon(const QString &fileName)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    return image.save(fileName, "ico");
}

class AdvancedOptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.CreateNewProject();
        SetEverySetting(project);
        project.Modified = false;
        project.FileName = root.filePath(QStringLiteral("Hello/Hello.talmo"));
    }

    // Shows the dialog over the project, lets the test work on it and closes it with result.
    bool Edit(const std::function<void(TadvancedBuilderOptions &)> &work, int result)
    {
        return TadvancedBuilderOptions::EditProject(project, nullptr, [&](QDialog &dialog) {
            auto &options = dynamic_cast<TadvancedBuilderOptions &>(dialog);
            options.show();
            work(options);
            return result;
        });
    }

    QTemporaryDir root;
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ ui };
    TProjectContainer project;
};

} // namespace

TEST_F(AdvancedOptionsTest, TheDialogHasItsTwentySixRowsAndShowsEveryValue)
{
    Edit([](TadvancedBuilderOptions &dialog) {
        EXPECT_EQ(dialog.NextInspector1->items()->count(), 26);
        EXPECT_EQ(dialog.row(Values::Uninstallable)->value(), "no");
        EXPECT_EQ(dialog.row(Values::CompressCab)->value(), "yes");
        EXPECT_EQ(dialog.row(Values::AppID)->value(), "{Example-Hello}");
        EXPECT_EQ(dialog.row(Values::DefaultDirName)->defaultValue(), "{pf}\\%AppName%");
        EXPECT_EQ(dialog.row(Values::DefaultUserInfoOrg)->defaultValue(), "{sysuserinfoorg}");
        EXPECT_EQ(dialog.row(Values::CreateCABIconsEnabledForHidden)->parentItem(), dialog.row(Values::CreateCABIcons));
        EXPECT_EQ(dialog.row(Values::VersionInfoVersion)->parentItem()->caption(), "Setup Wizard Version Info");
        EXPECT_EQ(qobject_cast<TNxButtonItem *>(dialog.row(Values::ActiveSyncIcon))->buttonCaption(), "...");
    }, QDialog::Rejected);
}

TEST_F(AdvancedOptionsTest, TheCaptionColumnShowsEveryRowCaptionWhole)
{
    Edit([](TadvancedBuilderOptions &dialog) {
        TNextInspector &inspector = *dialog.NextInspector1;
        const QFontMetrics metrics(inspector.font());
        const int widest = metrics.horizontalAdvance(QStringLiteral("Update Uninstall Log Application Name"));
        EXPECT_GE(inspector.splitterPosition(), TNextInspector::MarginWidth + widest);
        EXPECT_EQ(inspector.splitterPosition(), inspector.captionsWidth());
    }, QDialog::Rejected);
}

TEST_F(AdvancedOptionsTest, OkWithoutChangesGivesEveryValueBack)
{
    const QStringList before = Settings(project);
    ASSERT_TRUE(Edit([](TadvancedBuilderOptions &) {}, QDialog::Accepted));
    EXPECT_EQ(Settings(project), before);
    EXPECT_TRUE(project.Modified);
}

TEST_F(AdvancedOptionsTest, EveryRowChangesItsOwnSettingOnly)
{
    for (int tag = 0; tag < Values::Count; ++tag) {
        SCOPED_TRACE(tag);
        SetEverySetting(project);
        QStringList expected = Settings(project);
        ASSERT_TRUE(Edit([tag](TadvancedBuilderOptions &dialog) {
            TNxPropertyItem *row = dialog.row(tag);
            if (Values::IsFlag(tag))
                row->setAsBoolean(!row->asBoolean());
            else
                row->setAsString(QStringLiteral("changed"));
        }, QDialog::Accepted));
        expected[tag] = Values::IsFlag(tag) ? QString::number(expected[tag] == QLatin1String("0")) : QStringLiteral("changed");
        EXPECT_EQ(Settings(project), expected);
    }
}

TEST_F(AdvancedOptionsTest, CancelLeavesTheProjectUntouched)
{
    const QStringList before = Settings(project);
    EXPECT_FALSE(Edit([](TadvancedBuilderOptions &dialog) {
        dialog.row(Values::CompressCab)->setAsBoolean(false);
        dialog.row(Values::AppID)->setAsString(QStringLiteral("other"));
        EXPECT_EQ(dialog.Values.text(Values::AppID), "other");
    }, QDialog::Rejected));
    EXPECT_EQ(Settings(project), before);
    EXPECT_FALSE(project.Modified);
}

TEST_F(AdvancedOptionsTest, TheHiddenModulesRowFollowsTheShortcutQuestionAndKeepsItsValue)
{
    project.CreateCABIcons = true;
    ASSERT_TRUE(Edit([](TadvancedBuilderOptions &dialog) {
        TNxPropertyItem *hidden = dialog.row(Values::CreateCABIconsEnabledForHidden);
        EXPECT_TRUE(hidden->visible());
        dialog.row(Values::CreateCABIcons)->setAsBoolean(false);
        EXPECT_FALSE(hidden->visible());
        dialog.row(Values::CreateCABIcons)->setAsBoolean(true);
        EXPECT_TRUE(hidden->visible());
        dialog.row(Values::CreateCABIcons)->setAsBoolean(false);
    }, QDialog::Accepted));
    EXPECT_FALSE(project.CreateCABIcons);
    EXPECT_TRUE(project.CreateCABIconsEnabledForHidden) << "the hidden row keeps and returns its value";

    Edit([](TadvancedBuilderOptions &dialog) {
        EXPECT_FALSE(dialog.row(Values::CreateCABIconsEnabledForHidden)->visible());
    }, QDialog::Rejected);
}

TEST_F(AdvancedOptionsTest, TheHelpPaneExplainsTheSelectedRow)
{
    const Values values = Values::FromProject(project);
    const QString general = QStringLiteral("Advanced Settings for the Windows Setup Executable\n<br><br>\n"
                                           "It is safely to leave them to default values.");
    const QString head = QStringLiteral("<html>\n<header>\n</header>\n<body bgcolor=\"#FFFFCC\" text=\"#000000\">\n"
                                        "<font size=\"1\" face=\"tahoma\">\n");
    const QString tail = QStringLiteral("\n</body>\n</html>");
    EXPECT_EQ(AdvancedOptionsHelp::Html(std::nullopt, values, project.FileName), head + general + tail);
    EXPECT_EQ(AdvancedOptionsHelp::Html(Values::WaitBetweenCabs, values, project.FileName), head + general + tail);
    EXPECT_EQ(AdvancedOptionsHelp::Html(99, values, project.FileName), head + general + tail);
    EXPECT_EQ(AdvancedOptionsHelp::Html(Values::CompressCab, values, project.FileName),
              head + "Compress the CAB file created from CAB Creator Module.\n"
                     "<br><br>Warning: Compressed CAB Files are supported from Windows Mobile 5 and up." + tail);
    EXPECT_EQ(AdvancedOptionsHelp::Html(Values::VersionInfoVersion, values, project.FileName),
              head + "Specifies the binary file version value in X.X.X.X format for the Wizard Executable version "
                     "info.<br><br>\nPartial version numbers are allowed. Missing numbers will be appended as "
                     "zero's." + tail);
    const QString folderHelp = AdvancedOptionsHelp::Html(Values::DefaultDirName, values, project.FileName);
    EXPECT_TRUE(folderHelp.contains("<b>{async}</b><br>\nThe Active Sync directory.")) << folderHelp.toStdString();
    EXPECT_EQ(folderHelp.count("<b>{"), 11);
    const QString userHelp = AdvancedOptionsHelp::Html(Values::DefaultUserInfoSerial, values, project.FileName);
    EXPECT_TRUE(userHelp.contains("Specifies the default serial number shown on the User Information wizard page."));
    EXPECT_GT(userHelp.size(), 2000) << "the constants page follows";

    Edit([&](TadvancedBuilderOptions &dialog) {
        EXPECT_TRUE(dialog.htmlHelper->toPlainText().startsWith("Advanced Settings for the Windows Setup Executable"));
        dialog.NextInspector1->selectItem(dialog.row(Values::CompressCab));
        EXPECT_TRUE(dialog.htmlHelper->toPlainText().startsWith("Compress the CAB file"));
    }, QDialog::Rejected);
}

TEST_F(AdvancedOptionsTest, IconsAreShownFromTheProjectFolderAndBadOnesShowNothing)
{
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("Hello/icons"))));
    ASSERT_TRUE(WriteIcon(root.filePath(QStringLiteral("Hello/icons/sync.ico"))));
    QFile bad(root.filePath(QStringLiteral("Hello/icons/setup.ico")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not an icon");
    bad.close();

    const Values values = Values::FromProject(project);
    const QString expected = QStringLiteral("<img src=\"icon:") + root.filePath(QStringLiteral("Hello/icons\\sync.ico"))
        + QStringLiteral("\">");
    EXPECT_TRUE(AdvancedOptionsHelp::Html(Values::ActiveSyncIcon, values, project.FileName).contains(expected));
    EXPECT_EQ(AdvancedOptionsHelp::IconPath(QStringLiteral("icons\\a.ico"), QString()), "icons\\a.ico")
        << "an unsaved project resolves against an empty folder";
    EXPECT_EQ(AdvancedOptionsHelp::IconPath(QStringLiteral("/abs/a&b.ico"), project.FileName), "/abs/a&b.ico");
    Values escaped = values;
    escaped.setText(Values::WizardIcon, QStringLiteral("/abs/a&b\".ico"));
    EXPECT_TRUE(AdvancedOptionsHelp::Html(Values::WizardIcon, escaped, project.FileName)
                    .contains("<img src=\"icon:/abs/a&amp;b&quot;.ico\">"));
    Values none = values;
    none.setText(Values::WizardIcon, QString());
    EXPECT_TRUE(AdvancedOptionsHelp::Html(Values::WizardIcon, none, project.FileName)
                    .contains("<br><i>No Icon Selected</i>"));

    AdvancedHelpBrowser browser;
    const QVariant good = browser.loadResource(QTextDocument::ImageResource,
                                               QUrl(QStringLiteral("icon:") + AdvancedOptionsHelp::IconPath(
                                                   project.IconFile, project.FileName)));
    ASSERT_TRUE(good.canConvert<QImage>());
    EXPECT_EQ(good.value<QImage>().size(), QSize(16, 16));
    EXPECT_FALSE(browser.loadResource(QTextDocument::ImageResource,
                                      QUrl(QStringLiteral("icon:") + bad.fileName())).isValid());
    const QString odd = root.filePath(QStringLiteral("Hello/icons/no 1?#2.ico"));
    ASSERT_TRUE(WriteIcon(odd));
    EXPECT_TRUE(browser.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("icon:") + odd)).isValid());
    EXPECT_FALSE(browser.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("icon:/missing.ico"))).isValid());
}

TEST_F(AdvancedOptionsTest, IconRowsAndLinksChooseAndClearIcons)
{
    const QString chosen = root.filePath(QStringLiteral("art/new.ico"));
    ui.queueFilesWithCheckBox({ chosen }, true);
    ui.queueFilesWithCheckBox({ chosen }, false);
    ASSERT_TRUE(Edit([&](TadvancedBuilderOptions &dialog) {
        dialog.ButtonClick(dialog.row(Values::WizardIcon));
        EXPECT_EQ(ui.calls().constLast().request.filter, "Icons (*.ico)|*.ico|All Files (*.*)|*.*");
        // The stored reference, read against the project's folder.
        EXPECT_EQ(ui.calls().constLast().request.fileName, root.filePath(QStringLiteral("Hello/icons/setup.ico")));
        EXPECT_TRUE(ui.calls().constLast().checkBoxShownChecked);
        dialog.htmlHelperHotSpotClick(QUrl(QStringLiteral("browse_IC")));
    }, QDialog::Accepted));
    EXPECT_EQ(project.SetupIconFile, "..\\art\\new.ico");
    EXPECT_EQ(project.IconFile, chosen);

    ASSERT_TRUE(Edit([](TadvancedBuilderOptions &dialog) {
        dialog.htmlHelperHotSpotClick(QUrl(QStringLiteral("clear_IC")));
        dialog.htmlHelperHotSpotClick(QUrl(QStringLiteral("clear_ICW")));
    }, QDialog::Accepted));
    EXPECT_EQ(project.IconFile, "");
    EXPECT_EQ(project.SetupIconFile, "");
}

namespace {

class MasterAdvancedOptionsTest : public talmo::testing::MasterFormFixture
{
};

} // namespace

TEST_F(MasterAdvancedOptionsTest, TheProjectWindowsLinkEditsItsOwnProject)
{
    ASSERT_TRUE(Master().NewEmptyProject());
    TprojectForm *form = Master().activeProjectForm();
    form->project().Modified = false;
    Master().runDialog = [form](QDialog &dialog) {
        auto &options = dynamic_cast<TadvancedBuilderOptions &>(dialog);
        EXPECT_EQ(options.Container, &form->project());
        options.show();
        options.row(Values::CompressCab)->setAsBoolean(true);
        return int(QDialog::Accepted);
    };
    emit form->advancedOptionsRequested();
    EXPECT_TRUE(form->project().CompressCab);
    EXPECT_TRUE(form->project().Modified);
}
