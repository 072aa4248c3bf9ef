#include "editors/modules/AppearanceOptionsForm.h"
#include "editors/ModulePages.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/ProgramFolder.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/support/QtPrinters.h"
#include "widgets/NxButtonEdit.h"
#include "widgets/NxCheckBox.h"
#include "widgets/NxColorPicker.h"
#include "widgets/NxEdit.h"
#include "widgets/NxMemo.h"
#include "widgets/NxSmallButton.h"
#include "widgets/NxSpinEdit.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>

using namespace talmo;
using namespace talmo::testing;

namespace {

class AppearanceOptionsFormTest : public EditorTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        project.FileName = folder.filePath("demo.talmo");
        QDir(folder.path()).mkpath("art");
        ASSERT_TRUE(QImage(40, 30, QImage::Format_RGB32).save(folder.filePath("art/splash.bmp"), "BMP"));
        QFile notAnImage(folder.filePath("art/notes.bmp"));
        ASSERT_TRUE(notAnImage.open(QIODevice::WriteOnly));
        notAnImage.write("not a bitmap at all");
    }

    std::unique_ptr<TAppearanceOptionsForm> openPage()
    {
        auto page = std::make_unique<TAppearanceOptionsForm>(project, host);
        page->show();
        return page;
    }

    QTemporaryDir folder;
    TProjectContainer project;
    FakeProjectWindowHost host;
};

} // namespace

TEST_F(AppearanceOptionsFormTest, OpeningShowsTheProjectAndLeavesItUnmodified)
{
    project.BuilderWizardImageFile = "art\\wizard.bmp";
    project.BuilderWizardImageStretch = "yes";
    project.SplashScreenImage = "art\\splash.bmp";
    project.SplashScreenWidth = 40;
    project.SplashScreenHeight = 30;
    project.SplashScreenTime = 3;
    project.URLText = "Home";
    project.URL = "http://example.org";
    project.AboutText = "One\r\nTwo";
    project.BuilderWizardImageBackColor.clear();
    auto page = openPage();
    EXPECT_EQ(page->WizardImage->text(), "art\\wizard.bmp");
    EXPECT_TRUE(page->ImageStretch->isChecked());
    EXPECT_EQ(page->BackgroundColor->selectedColor(), rgbColor(0, 0, 0x40));
    EXPECT_EQ(page->SplashDuration->asInteger(), 3);
    EXPECT_TRUE(page->SplashDuration->isEnabled());
    EXPECT_EQ(page->URLTarget->text(), "http://example.org");
    EXPECT_EQ(page->AboutText->toPlainText(), "One\nTwo");
    EXPECT_EQ(page->focusWidget(), page->WizardImage);
    EXPECT_EQ(project.BuilderWizardImageBackColor, "");
    EXPECT_FALSE(project.Modified);
}

TEST_F(AppearanceOptionsFormTest, OpeningWithoutUrlCaptionEmptiesOnlyTheScreen)
{
    project.URL = "http://example.org";
    auto page = openPage();
    EXPECT_EQ(page->URLTarget->text(), "");
    EXPECT_FALSE(page->URLTarget->isEnabled());
    EXPECT_FALSE(page->URLTargetLabel->isEnabled());
    EXPECT_FALSE(page->SplashDuration->isEnabled());
    EXPECT_EQ(project.URL, "http://example.org");
    EXPECT_FALSE(project.Modified);
}

TEST_F(AppearanceOptionsFormTest, ClearingTheUrlCaptionStoresAnEmptyUrl)
{
    project.URLText = "Home";
    project.URL = "http://example.org";
    auto page = openPage();
    page->URLCaption->clear();
    EXPECT_EQ(project.URLText, "");
    EXPECT_EQ(project.URL, "");
    EXPECT_FALSE(page->URLTarget->isEnabled());
    EXPECT_TRUE(project.Modified);
    QTest::keyClicks(page->URLCaption, "Web");
    EXPECT_TRUE(page->URLTarget->isEnabled());
}

TEST_F(AppearanceOptionsFormTest, TheSplashImageGivesItsSizeAndClearingItZeroesAll)
{
    project.SplashScreenTime = 5;
    auto page = openPage();
    page->SplashImage->setText("art\\splash.bmp");
    EXPECT_EQ(project.SplashScreenImage, "art\\splash.bmp");
    EXPECT_EQ(project.SplashScreenWidth, 40);
    EXPECT_EQ(project.SplashScreenHeight, 30);
    EXPECT_TRUE(page->SplashDuration->isEnabled());
    page->SplashDuration->setAsInteger(7);
    EXPECT_EQ(project.SplashScreenTime, 7);

    page->SplashImage->setText("art\\notes.bmp");
    EXPECT_EQ(project.SplashScreenWidth, 40);
    EXPECT_EQ(project.SplashScreenHeight, 30);
    EXPECT_TRUE(ui.calls().isEmpty());

    page->SplashImage->clear();
    EXPECT_EQ(project.SplashScreenWidth, 0);
    EXPECT_EQ(project.SplashScreenHeight, 0);
    EXPECT_EQ(project.SplashScreenTime, 0);
    EXPECT_FALSE(page->SplashDuration->isEnabled());
    EXPECT_FALSE(page->SplashDurationLabel->isEnabled());
}

TEST_F(AppearanceOptionsFormTest, OpeningMeasuresASplashWhoseSizeWasNotStored)
{
    project.SplashScreenImage = folder.filePath("art/splash.bmp");
    auto page = openPage();
    EXPECT_EQ(project.SplashScreenWidth, 40);
    EXPECT_EQ(project.SplashScreenHeight, 30);
}

TEST_F(AppearanceOptionsFormTest, ControlsStoreTheirValues)
{
    auto page = openPage();
    page->ImageStretch->setChecked(true);
    EXPECT_EQ(project.BuilderWizardImageStretch, "yes");
    page->ImageStretch->setChecked(false);
    EXPECT_EQ(project.BuilderWizardImageStretch, "no");
    page->BackgroundColor->setSelectedColor(clRed);
    EXPECT_EQ(project.BuilderWizardImageBackColor, "clRed");
    page->BackgroundColor->setSelectedColor(rgbColor(1, 2, 3));
    EXPECT_EQ(project.BuilderWizardImageBackColor, "$00030201");
    page->WelcomeMessage->setPlainText("Hello\n%AppName%");
    EXPECT_EQ(project.WelcomeMessage, "Hello\r\n%AppName%");
    page->BeveledLabel->setText("Made here");
    EXPECT_EQ(project.BeaveledLabelText, "Made here");
    page->WizardSmallImage->setText("small.bmp");
    EXPECT_EQ(project.BuilderWizardSmallImageFile, "small.bmp");
}

TEST_F(AppearanceOptionsFormTest, ImageMenuBrowsesClearsAndHidesSamplesForTheSplash)
{
    ProgramFolder::setOverride(folder.path() + "/program/");
    auto page = openPage();
    QStringList visible;
    QString chosenText = "Browse Samples ...";
    page->setPopupMenuRunner(scriptedPopupMenu([&](QMenu &menu) -> QAction * {
        visible.clear();
        QAction *chosen = nullptr;
        for (QAction *action : menu.actions()) {
            if (action->isVisible() && !action->isSeparator())
                visible.append(action->text());
            if (action->text() == chosenText)
                chosen = action;
        }
        return chosen;
    }));

    ui.queueFilesWithCheckBox({folder.filePath("art/small.bmp")}, true);
    click(page->WizardSmallImage->button());
    EXPECT_EQ(visible, QStringList({"Browse ...", "Browse Samples ...", "Clear Image"}));
    EXPECT_EQ(ui.calls().last().request.folder, folder.path() + "/program/WizardImages/Small/");
    EXPECT_EQ(ui.calls().last().request.filter, "Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*");
    EXPECT_EQ(project.BuilderWizardSmallImageFile, "art\\small.bmp");

    chosenText = "Browse ...";
    page->SplashImage->setText("art\\splash.bmp");
    ui.queueFilesWithCheckBox({folder.filePath("art/splash.bmp")}, false);
    click(page->SplashImage->button());
    EXPECT_EQ(visible, QStringList({"Browse ...", "Clear Image"}));
    EXPECT_EQ(ui.calls().last().request.fileName, folder.filePath("art/splash.bmp"));
    EXPECT_EQ(project.SplashScreenImage, folder.filePath("art/splash.bmp"));

    chosenText = "Clear Image";
    click(page->SplashImage->button());
    EXPECT_EQ(project.SplashScreenImage, "");
    ProgramFolder::clearOverride();
}

TEST_F(AppearanceOptionsFormTest, TheFactoryMakesEveryPageOfThisLibrary)
{
    ProjectPageFactory factory;
    registerModulePages(factory);
    for (const PageKind kind : {PageKind::CabCollectionModule, PageKind::PalmModule, PageKind::DirectCopyModule,
                                PageKind::Appearance})
        EXPECT_TRUE(factory.hasCreator(kind));
    std::unique_ptr<HostedPage> page(factory.create(PageKind::Appearance, {project, host}, nullptr));
    EXPECT_NE(dynamic_cast<TAppearanceOptionsForm *>(page.get()), nullptr);
    EXPECT_FALSE(project.Modified);
}
