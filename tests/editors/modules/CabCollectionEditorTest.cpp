#include "editors/modules/CabCollectionEditor.h"
#include "editors/modules/CabFilenameEditor.h"
#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/support/QtPrinters.h"
#include "widgets/NxEdit.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>

using namespace talmo;
using namespace talmo::testing;

namespace {

QStringList sourcesOf(const TFiles &files)
{
    QStringList sources;
    for (const TFile &file : files)
        sources.append(file.Source);
    return sources;
}

class CabCollectionEditorTest : public EditorTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        project.FileName = folder.filePath("demo.talmo");
        TCabCollection &cabs = project.CabCollections.AddNew();
        cabs.Caption = "Extras";
        cabs.Files.AddNew().Source = "first.cab";
        project.PalmSections.AddNew().Caption = "Palm";
        QDir(folder.path()).mkpath("sub");
        QDir(folder.path()).mkpath("folder.cab");
    }

    std::unique_ptr<TcabCollectionEditor> openPage(bool palmMode)
    {
        auto page = std::make_unique<TcabCollectionEditor>(project, host, 0, palmMode);
        page->show();
        return page;
    }

    QString file(const QString &name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    TProjectContainer project;
    FakeProjectWindowHost host;
};

} // namespace

TEST_F(CabCollectionEditorTest, OpeningShowsTheModuleAndChangesNothing)
{
    auto cabs = openPage(false);
    auto palm = openPage(true);
    EXPECT_EQ(cabs->ebModuleName->text(), "Extras");
    EXPECT_EQ(cabs->cab_files->headerItem()->text(0), "CAB Files");
    EXPECT_EQ(palm->cab_files->headerItem()->text(0), "PalmOS Related Files");
    EXPECT_EQ(ColumnTexts(cabs->cab_files, 0), QStringList({"first.cab"}));
    EXPECT_FALSE(cabs->cab_edit->isEnabled());
    EXPECT_FALSE(cabs->cab_delete->isEnabled());
    EXPECT_FALSE(project.Modified);
    EXPECT_TRUE(host.calls().isEmpty());
}

TEST_F(CabCollectionEditorTest, RenamingStoresTheCaptionAndRefreshesTheNode)
{
    auto page = openPage(false);
    QTest::keyClicks(page->ebModuleName, "!");
    EXPECT_EQ(project.CabCollections[0].Caption, "!Extras");
    EXPECT_TRUE(project.Modified);
    EXPECT_EQ(host.calls(), QStringList({"refreshModuleNodeCaption"}));
}

TEST_F(CabCollectionEditorTest, DropsKeepTheFilesOfTheModulesKind)
{
    const QStringList dropped = {file("a.CAB"), file("b.prc"), file("folder.cab"), file("c.Pdb"), file("d.txt"),
                                 file("sub/e.cab")};
    const struct
    {
        bool palmMode;
        UiButton answer;
        QStringList sources;
    } cases[] = {
        {false, UiButton::Yes, {"a.CAB", "sub\\e.cab"}},
        {false, UiButton::No, {file("a.CAB"), file("sub/e.cab")}},
        {true, UiButton::Yes, {"b.prc", "c.Pdb"}},
    };
    for (const auto &row : cases) {
        TFiles &files = row.palmMode ? project.PalmSections[0].Files : project.CabCollections[0].Files;
        files.Clear();
        project.Modified = false;
        auto page = openPage(row.palmMode);
        FakeUiServices answers;
        ScopedCurrentUiServices useAnswers{answers};
        answers.queueAnswer(row.answer);
        page->dropFiles(dropped);
        EXPECT_EQ(sourcesOf(files), row.sources);
        EXPECT_EQ(ColumnTexts(page->cab_files, 0), row.sources);
        EXPECT_TRUE(project.Modified);
        EXPECT_EQ(answers.shownTexts(),
                  QStringList({"Do you want to have the droped filenames relative to project's base path?"}));
    }
}

TEST_F(CabCollectionEditorTest, ADropEventOnTheListAddsItsFiles)
{
    project.CabCollections[0].Files.Clear();
    auto page = openPage(false);
    ui.queueAnswer(UiButton::Yes);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file("x.cab")), QUrl::fromLocalFile(file("y.doc"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page->cab_files->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page->cab_files->viewport(), &drop);
    EXPECT_EQ(sourcesOf(project.CabCollections[0].Files), QStringList({"x.cab"}));
}

TEST_F(CabCollectionEditorTest, AddUrlThenCancelKeepsTheEntry)
{
    auto page = openPage(true);
    QString shownText, caption, filter;
    page->setPopupMenuRunner(choose("Add URL"));
    page->setDialogRunner([&](QDialog &shown) {
        auto &dialog = dynamic_cast<TCABFilenameEditor &>(shown);
        shownText = dialog.tb_filename->text();
        caption = dialog.windowTitle();
        filter = dialog.Filter;
        return int(QDialog::Rejected);
    });
    click(page->cab_add);
    EXPECT_EQ(shownText, "http://");
    EXPECT_EQ(caption, "PalmOS Filename");
    EXPECT_EQ(filter, "PalmOS Files Files (*.prc;*.pdb;*.pqa;*.pnc;*.scp)|*.prc;*.pdb;*.pqa;*.pnc;*.scp|All files (*.*)|*.*");
    EXPECT_EQ(sourcesOf(project.PalmSections[0].Files), QStringList({"http://"}));
    EXPECT_TRUE(project.Modified);
    EXPECT_TRUE(page->cab_edit->isEnabled());
}

TEST_F(CabCollectionEditorTest, EditStoresTheDialogsTextAndDeleteAsksFirst)
{
    auto page = openPage(false);
    page->setDialogRunner([](QDialog &shown) {
        auto &dialog = dynamic_cast<TCABFilenameEditor &>(shown);
        EXPECT_EQ(dialog.windowTitle(), "Cab Filename");
        EXPECT_EQ(dialog.Filter, "CAB Files (*.cab)|*.cab|All files (*.*)|*.*");
        dialog.tb_filename->setText("ftp://downloads.example.org/second.cab");
        return int(QDialog::Accepted);
    });
    page->cab_files->setCurrentItem(page->cab_files->topLevelItem(0));
    ASSERT_TRUE(page->cab_edit->isEnabled());
    click(page->cab_edit);
    EXPECT_EQ(sourcesOf(project.CabCollections[0].Files), QStringList({"ftp://downloads.example.org/second.cab"}));

    page->cab_files->setCurrentItem(page->cab_files->topLevelItem(0));
    ui.queueAnswer(UiButton::No);
    click(page->cab_delete);
    EXPECT_EQ(project.CabCollections[0].Files.Count(), 1);
    ui.queueAnswer(UiButton::Yes);
    click(page->cab_delete);
    EXPECT_EQ(project.CabCollections[0].Files.Count(), 0);
    EXPECT_EQ(ui.shownTexts(), QStringList({"Are you sure ?", "Are you sure ?"}));
    EXPECT_FALSE(page->cab_delete->isEnabled());
}

TEST_F(CabCollectionEditorTest, AddLocalFileStoresItRelativeToTheProject)
{
    auto page = openPage(false);
    page->setPopupMenuRunner(choose("Add Local File"));
    ui.queueFilesWithCheckBox({file("local.cab")}, true);
    const auto callsBefore = ui.calls().size();
    click(page->cab_add);
    EXPECT_EQ(ui.calls().size(), callsBefore + 1) << "one menu choice opens one file dialog";
    EXPECT_EQ(sourcesOf(project.CabCollections[0].Files), QStringList({"first.cab", "local.cab"}));
    EXPECT_EQ(ui.calls().last().request.filter, "CAB Files (*.cab)|*.cab|All files (*.*)|*.*");
    EXPECT_TRUE(project.Modified);

    project.Modified = false;
    click(page->cab_add);
    EXPECT_EQ(project.CabCollections[0].Files.Count(), 2);
    EXPECT_FALSE(project.Modified);
}
