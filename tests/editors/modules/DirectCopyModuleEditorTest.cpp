#include "editors/modules/DirectCopyModuleEditor.h"
#include "editors/ModulePages.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "pagehost/ProjectPageFactory.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/support/QtPrinters.h"
#include "widgets/NxButtonEdit.h"
#include "widgets/NxEdit.h"
#include "widgets/NxSmallButton.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>

using namespace talmo;
using namespace talmo::testing;

namespace {

class DirectCopyModuleEditorTest : public EditorTest
{
protected:
    TProjectContainer project;
    FakeProjectWindowHost host;
};

} // namespace

TEST_F(DirectCopyModuleEditorTest, ANewModuleGetsOneEmptyFile)
{
    auto page = std::make_unique<TDirectCopyModuleEditor>(project, host, -1);
    page->show();
    ASSERT_EQ(project.DirectCopyModules.Count(), 1);
    EXPECT_EQ(page->ModuleIndex(), 0);
    ASSERT_EQ(project.DirectCopyModules[0].Files.Count(), 1);
    EXPECT_EQ(project.DirectCopyModules[0].Files[0].Source, "");
    EXPECT_EQ(page->focusWidget(), page->tb_caption);
    EXPECT_FALSE(page->cb_UserFolderPrompt->isVisible());
}

TEST_F(DirectCopyModuleEditorTest, OpeningAndClosingKeepsTheFlags)
{
    TDirectCopyModule &module = project.DirectCopyModules.AddNew();
    module.Caption = "Maps";
    module.InstallLocationRootIsSDCard = false;
    module.UserCanChangeInstallRoot = true;
    module.UserMustSelectInstallLocation = true;
    module.UserCanUpdateInstall = true;
    module.Files.AddNew().Source = "maps.zip";
    {
        TDirectCopyModuleEditor page(project, host, 0);
        page.show();
        EXPECT_TRUE(page.cb_InstallOtherMedium->isChecked());
        EXPECT_FALSE(page.cb_InstallOtherMedium->isEnabled());
        EXPECT_EQ(page.tb_ZipFile->text(), "maps.zip");
    }
    EXPECT_FALSE(module.InstallLocationRootIsSDCard);
    EXPECT_TRUE(module.UserCanChangeInstallRoot);
    EXPECT_TRUE(module.UserMustSelectInstallLocation);
    EXPECT_TRUE(module.UserCanUpdateInstall);
    EXPECT_EQ(module.Caption, "Maps");
    EXPECT_FALSE(project.Modified);
}

TEST_F(DirectCopyModuleEditorTest, UncheckingTheCardDisablesButKeepsTheOtherMedium)
{
    TDirectCopyModule &module = project.DirectCopyModules.AddNew();
    module.InstallLocationRootIsSDCard = true;
    module.UserCanChangeInstallRoot = true;
    TDirectCopyModuleEditor page(project, host, 0);
    page.show();
    EXPECT_TRUE(page.cb_InstallOtherMedium->isEnabled());
    page.cb_InstallSDCard->click();
    EXPECT_FALSE(page.cb_InstallOtherMedium->isEnabled());
    EXPECT_TRUE(page.cb_InstallOtherMedium->isChecked());
    EXPECT_FALSE(module.InstallLocationRootIsSDCard);
    EXPECT_TRUE(module.UserCanChangeInstallRoot);
    EXPECT_TRUE(project.Modified);
}

TEST_F(DirectCopyModuleEditorTest, EditsStoreTheTextsAndRefreshTheNode)
{
    project.FileName = "/p/demo.talmo";
    TDirectCopyModule &module = project.DirectCopyModules.AddNew();
    TDirectCopyModuleEditor page(project, host, 0);
    page.show();
    QTest::keyClicks(page.tb_caption, "Maps");
    page.eb_DefaultFolder->setText("\\Storage Card\\Maps");
    EXPECT_EQ(module.Caption, "Maps");
    EXPECT_EQ(module.DefaultInstallLocation, "\\Storage Card\\Maps");
    EXPECT_EQ(host.calls(), QStringList(5, "refreshModuleNodeCaption"));

    ui.queueFilesWithCheckBox({"/p/zips/maps.zip"}, true);
    click(page.tb_ZipFile->button());
    EXPECT_EQ(module.Files[0].Source, "zips\\maps.zip");
    EXPECT_EQ(ui.calls().last().request.filter, "Zip Files (*.zip)|*.zip|All Files (*.*)|*.*");
    // The ZIP may be made after the project: its name is taken before it exists.
    EXPECT_FALSE(ui.calls().last().request.fileMustExist);
}

TEST_F(DirectCopyModuleEditorTest, ThePageOfAComponentWithoutModuleMakesOneForIt)
{
    ProjectPageFactory factory;
    registerModulePages(factory);
    project.InstallComponents.AddNew(&project).moduleType = ModuleType::DirectCopy;
    std::unique_ptr<HostedPage> page(factory.create(PageKind::DirectCopyModule, {project, host, 0}, nullptr));
    ASSERT_NE(dynamic_cast<TDirectCopyModuleEditor *>(page.get()), nullptr);
    EXPECT_EQ(project.DirectCopyModules.Count(), 1);
    EXPECT_EQ(project.InstallComponents[0].moduleIndex, 0);
}

TEST_F(DirectCopyModuleEditorTest, EveryControlGetsTheRoomItNeedsAtThePagesOwnSize)
{
    TDirectCopyModule &module = project.DirectCopyModules.AddNew();
    module.DefaultInstallLocation = "\\Storage Card\\Maps";
    TDirectCopyModuleEditor page(project, host, 0);
    page.resize(640, 560);
    page.show();
    QCoreApplication::processEvents();
    for (QWidget *control : {static_cast<QWidget *>(page.eb_DefaultFolder), static_cast<QWidget *>(page.cb_UserUpdate)})
        EXPECT_GE(control->height(), control->minimumSizeHint().height()) << control->metaObject()->className();
    for (QLabel *label : page.findChildren<QLabel *>()) {
        if (label->wordWrap())
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
    }
}
