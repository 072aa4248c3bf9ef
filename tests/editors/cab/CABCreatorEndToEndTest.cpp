#include "editors/cab/CABCreatorForm.h"
#include "editors/dialogs/DropFilesDialog.h"
#include "editors/dialogs/EditorStrings.h"
#include "engine/builder/BuildController.h"
#include "model/RandomSource.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "tests/cabwiz/CabwizRunner.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/editors/cab/CabPageWidgets.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxEdit.h"
#include "widgets/NxTextItem.h"

#include <QLineEdit>
#include <QMap>
#include <QTreeWidget>
#include <QXmlStreamReader>

using namespace talmo;
using namespace talmo::testing;

namespace {

// The files a cabinet installs, by device folder and file name, with the
// member that holds each, as its setup descriptor lists them.
QMap<QString, QString> installedFiles(const QString &cab)
{
    QMap<QString, QString> files;
    QXmlStreamReader xml(cabMember(cab, QStringLiteral("_setup.xml")));
    QStringList path;
    bool inFiles = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("characteristic")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            if (type == QLatin1String("FileOperation"))
                inFiles = true;
            path.append(type);
        } else if (xml.isEndElement() && xml.name() == QLatin1String("characteristic")) {
            if (path.takeLast() == QLatin1String("FileOperation"))
                inFiles = false;
        } else if (inFiles && xml.isStartElement() && xml.name() == QLatin1String("parm")
                   && xml.attributes().value(QLatin1String("name")) == QLatin1String("Source")) {
            // FileOperation > folder > file > Extract
            files.insert(path.at(path.size() - 3) + u'\\' + path.at(path.size() - 2),
                         xml.attributes().value(QLatin1String("value")).toString());
        }
    }
    return files;
}

// The same numbers for every project it is given to afresh, so two saves of
// equal projects draw equal section and disk names.
class CountingRandomSource : public RandomSource
{
public:
    int Bounded(int limit) override { return (m_next++ * 7919 + 1000) % limit; }

private:
    int m_next = 0;
};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QTreeWidgetItem *rowNamed(const QTreeWidget *list, const QString &caption)
{
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->text(0) == caption)
            return list->topLevelItem(row);
    }
    return nullptr;
}

class CABCreatorEndToEndTest : public EditorTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fixture.root.isValid());
        WriteTestFile(fixture.Path("project/data/readme.txt"), "read me");
        WriteTestFile(fixture.Path("project/data/sub/Notes.Txt"), "the notes");
        fixture.project.Modified = false;
        ProgramFolder::setOverride(QStringLiteral(TALMO_TEST_PROGRAM_DIR));
        builder.SetQuestions(&questions);
        builder.SetWorkingFolder(fixture.WorkingFolder());
        builder.SetSetupBuildStep(&setup);
    }

    void TearDown() override
    {
        ProgramFolder::clearOverride();
        QDir::setCurrent(QDir::tempPath());
    }

    // Edits made the way a user makes them: a custom string, a folder named
    // after it, a dropped folder, a copy flag and a device name in the inspector.
    void EditOnThePage()
    {
        TCABCreatorForm page(fixture.project, host);
        page.setDialogRunner([](QDialog &dialog) {
            if (auto *strings = dynamic_cast<Teditor_strings *>(&dialog)) {
                strings->tb_key->setText("Folder");
                strings->tb_value->setText("Tools");
            }
            return int(QDialog::Accepted);  // the add-files options as offered
        });
        pageWidget<TNxEdit>(page, "gui_cab_filename_output")->setText("Pack");
        page.bt_str_addClick();
        ASSERT_TRUE(page.selectFolder("Program Files\\"));
        page.ppcfs_add_folderClick();
        ASSERT_TRUE(page.renameSelectedFolder("Tools"));
        page.AddFilesToTarget({fixture.Path("project/data")});
        ASSERT_TRUE(page.selectFolder("Program Files\\Tools\\data\\"));
        QTreeWidget *files = pageWidget<QTreeWidget>(page, "lv_ppcfs_files");
        QTreeWidgetItem *readme = rowNamed(files, "readme.txt");
        ASSERT_NE(readme, nullptr);
        files->clearSelection();
        readme->setSelected(true);
        fileInspectorRow<TNxComboBoxItem>(page, "Attributes")->setValue("COPYFLG_NOSKIP");
        fileInspectorRow<TNxTextItem>(page, "Filename")->setValue("ReadMe.txt");
    }

    BuilderTestProject fixture;
    FakeProjectWindowHost host;
    ScriptedBuildQuestions questions;
    FakeSetupStep setup;
    BuildController builder;
};

} // namespace

TEST_F(CABCreatorEndToEndTest, EditedProjectSavesReloadsEqualAndBuildsItsCab)
{
    EditOnThePage();
    TProjectContainer &edited = fixture.project;
    EXPECT_TRUE(edited.Modified);
    const TPPCFS_Files &files = edited.CEDevices[0].Files;
    ASSERT_EQ(files.Count(), 3);
    EXPECT_EQ(files[1].SourceDir, "data\\");
    EXPECT_EQ(files[1].DestinationDir, "%CE1%\\%Folder%\\data\\");
    EXPECT_EQ(files[1].DestinationName, "ReadMe.txt");

    const QString projectFile = edited.FileName;
    edited.SetRandomSource(std::make_shared<CountingRandomSource>());
    ASSERT_TRUE(edited.SaveToFile(projectFile));
    const QByteArray saved = contentOf(projectFile);
    TProjectContainer reloaded;
    ASSERT_TRUE(reloaded.LoadFromFile(projectFile));
    reloaded.SetRandomSource(std::make_shared<CountingRandomSource>());
    ASSERT_TRUE(reloaded.SaveToFile(projectFile));
    EXPECT_EQ(contentOf(projectFile), saved);

    EXPECT_EQ(reloaded.CABOutputFilename, "Pack");
    ASSERT_EQ(reloaded.StringPairs.Count(), 1);
    EXPECT_EQ(reloaded.StringPairs[0].Value, "Tools");
    const TPPCFS_Files &reloadedFiles = reloaded.CEDevices[0].Files;
    ASSERT_EQ(reloadedFiles.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(reloadedFiles[i].SourceDir, files[i].SourceDir);
        EXPECT_EQ(reloadedFiles[i].SourceName, files[i].SourceName);
        EXPECT_EQ(reloadedFiles[i].DestinationDir, files[i].DestinationDir);
        EXPECT_EQ(reloadedFiles[i].DestinationName, files[i].DestinationName);
        EXPECT_EQ(reloadedFiles[i].Attributes, files[i].Attributes);
    }

    questions.answers = {true};
    builder.Project = &reloaded;
    builder.WindowShown();
    builder.BuildCabs();
    ASSERT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    ASSERT_EQ(fixture.OutputFiles(), QStringList{"Pack.CAB"});
    const QString cab = fixture.OutputFolder() + QStringLiteral("/Pack.CAB");
    const QMap<QString, QString> installed = installedFiles(cab);
    const QMap<QString, QByteArray> expected = {
        {"%InstallDir%\\app.exe", "the application"},
        {"%CE1%\\Tools\\data\\ReadMe.txt", "read me"},
        {"%CE1%\\Tools\\data\\sub\\Notes.Txt", "the notes"},
    };
    EXPECT_EQ(installed.keys(), expected.keys());
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(cabMember(cab, installed.value(it.key())), it.value()) << it.key().toStdString();
    // The copy flag and the custom string reach the device through the .inf text.
    const QString inf = builder.InfText();
    EXPECT_TRUE(inf.contains("ReadMe.txt,readme.txt,,0x00000002")) << inf.toStdString();
    EXPECT_TRUE(inf.contains("=0,%CE1%\\%Folder%\\data\\sub")) << inf.toStdString();
    EXPECT_TRUE(inf.contains("Folder=Tools")) << inf.toStdString();
}
