#include "helpers/core/PathFolders.h"
#include "model/ProjectContainer.h"
#include "model/SetupCatalogueFolder.h"
#include "model/WizardProject.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

QByteArray ReadAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Answers from a script and keeps the questions; a question nobody expected
// is answered No.
struct ScriptedQuestions
{
    WizardQuestion ask()
    {
        return [this](const QString &text) {
            asked.append(text);
            return !answers.isEmpty() && answers.takeFirst();
        };
    }
    QList<bool> answers;
    QStringList asked;
};

class WizardProjectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("app/bin")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("Projects")));
        answers.Provider = QStringLiteral("Example Ltd");
        answers.ApplicationName = QStringLiteral("Hello");
        answers.InstallDir = QStringLiteral("%CE1%\\%AppName%");
        answers.Files = { { root.filePath(QStringLiteral("app/hello.exe")), true },
                          { root.filePath(QStringLiteral("app/bin/helper.dll")), false },
                          { root.filePath(QStringLiteral("app/readme.txt")), true } };
        answers.BaseDir = root.filePath(QStringLiteral("Projects"));
        answers.EulaFile = QStringLiteral("\"licence.txt\"");
        answers.ReadmeFile = QStringLiteral("\"docs\\read\"me.txt\"");
        answers.Description = QStringLiteral("Says hello");
        catalogue.SetupLanguageNames = BuiltinSetupLanguageNames();
    }

    QTemporaryDir root;
    WizardAnswers answers;
    ScriptedQuestions questions;
    TProjectContainer project;
    SetupCatalogue catalogue;
    ScopedCurrentSetupCatalogue useCatalogue{ catalogue };
};

} // namespace

TEST_F(WizardProjectTest, TwoFoldersGiveTwoDisksAndSectionsOfTheFirstConfiguration)
{
    const WizardProjectOutcome outcome = WizardProject::Create(project, answers, questions.ask());
    ASSERT_EQ(outcome.kind, WizardProjectOutcome::Created) << outcome.error.toStdString();
    EXPECT_TRUE(questions.asked.isEmpty());

    ASSERT_EQ(project.CEDevices.Count(), 1);
    const TCEDevice &device = project.CEDevices[0];
    ASSERT_EQ(device.Disks.Count(), 2);
    const QString appFolder = root.filePath(QStringLiteral("app/"));
    const QString binFolder = root.filePath(QStringLiteral("app/bin/"));
    EXPECT_EQ(device.Disks[0].path, appFolder);
    EXPECT_EQ(device.Disks[1].path, binFolder);
    ASSERT_EQ(device.Disks[0].Files.Count(), 2);
    EXPECT_EQ(device.Disks[0].Files[0].Source, "hello.exe");
    EXPECT_EQ(device.Disks[0].Files[1].Source, "readme.txt");
    EXPECT_EQ(device.Disks[1].Files[0].Source, "helper.dll");
    EXPECT_NE(device.Disks[0].disk_id, device.Disks[1].disk_id);

    ASSERT_EQ(project.CopyFilesSections.Count(), 2);
    QStringList captions;
    for (int i = 0; i < 2; ++i) {
        const TCopyFilesSection &section = project.CopyFilesSections[i];
        captions.append(section.Caption);
        EXPECT_EQ(section.linked_SourceName, 0);
        EXPECT_EQ(section.linked_SourceDisk, i);
        EXPECT_EQ(section.Destination, "%InstallDir%");
        for (const TFile &file : section.Files) {
            EXPECT_EQ(file.Destination, file.Source);
            EXPECT_EQ(file.Attributes, 0);
        }
    }
    EXPECT_EQ(project.CopyFilesSections[0].Files.Count(), 2);
    EXPECT_EQ(project.CopyFilesSections[1].Files.Count(), 1);
    EXPECT_EQ(device.Installation.defaultInstallCopyFiles, captions);
    ASSERT_EQ(device.Files.Count(), 3);
    EXPECT_EQ(device.Files[0].SourceDir, appFolder);
    EXPECT_EQ(device.Files[0].DestinationDir, "%InstallDir%\\");
}

TEST_F(WizardProjectTest, ShortcutsLanguageSettingsAndFileNameFollowTheAnswers)
{
    ASSERT_EQ(WizardProject::Create(project, answers, questions.ask()).kind, WizardProjectOutcome::Created);

    // The shortcuts go into the one section the target names, the one its shortcuts tab shows.
    const QStringList names = project.CEDevices[0].Installation.defaultInstallShortcuts;
    ASSERT_EQ(names.size(), 1);
    ASSERT_EQ(project.ShortcutsSections.Count(), 1);
    const TShortcutSection &shortcuts = project.ShortcutsSections[0];
    EXPECT_EQ(shortcuts.Caption, names.first());
    EXPECT_EQ(shortcuts.DefaultDestinationDir, "%CE11%");
    ASSERT_EQ(shortcuts.Entries.Count(), 2) << "only the checked files";
    EXPECT_EQ(shortcuts.Entries[0].shortcut_filename, "hello");
    EXPECT_EQ(shortcuts.Entries[0].target_file_path, "hello.exe");
    EXPECT_EQ(shortcuts.Entries[0].shortcut_type_flag, 0);
    EXPECT_EQ(shortcuts.Entries[0].standard_destination_path, "%CE11%");
    EXPECT_EQ(shortcuts.Entries[1].shortcut_filename, "readme");

    ASSERT_EQ(project.Languages.Count(), 1);
    EXPECT_EQ(project.Languages[0].LanguageID, "English");
    EXPECT_EQ(project.Languages[0].EULAFile, "licence.txt");
    EXPECT_EQ(project.Languages[0].ReadmeFile, "docs\\readme.txt");

    EXPECT_EQ(project.Provider, "Example Ltd");
    EXPECT_EQ(project.AppName, "Hello");
    EXPECT_EQ(project.InstallDir, "%CE1%\\%AppName%");
    EXPECT_EQ(project.SetupExecName, "Hello.exe");
    EXPECT_EQ(project.Description, "Says hello");
    ASSERT_EQ(project.StringPairs.Count(), 1);
    EXPECT_EQ(project.StringPairs[0].Name, "Creator");
    EXPECT_EQ(project.StringPairs[0].Value, "Talmo Wizard");
    EXPECT_EQ(project.FileName, root.filePath(QStringLiteral("Projects/Hello.talmo")));
    EXPECT_TRUE(project.Modified);
}

TEST_F(WizardProjectTest, NoCheckedFileMakesNoShortcut)
{
    for (WizardFile &file : answers.Files)
        file.Checked = false;
    ASSERT_EQ(WizardProject::Create(project, answers, questions.ask()).kind, WizardProjectOutcome::Created);
    EXPECT_EQ(project.CEDevices[0].Installation.defaultInstallShortcuts.size(), 1);
    for (const TShortcutSection &section : project.ShortcutsSections)
        EXPECT_TRUE(section.Entries.IsEmpty());
}

TEST_F(WizardProjectTest, TheSavedProjectReadsBackEqual)
{
    ASSERT_EQ(WizardProject::Create(project, answers, questions.ask()).kind, WizardProjectOutcome::Created);
    ASSERT_TRUE(project.SaveToFile(project.FileName));
    TProjectContainer reloaded;
    ASSERT_TRUE(reloaded.LoadFromFile(project.FileName));

    const TCEDevice &saved = project.CEDevices[0];
    const TCEDevice &read = reloaded.CEDevices[0];
    ASSERT_EQ(read.Disks.Count(), saved.Disks.Count());
    for (int i = 0; i < saved.Disks.Count(); ++i) {
        EXPECT_EQ(read.Disks[i].path, saved.Disks[i].path);
        EXPECT_EQ(read.Disks[i].Files.Count(), saved.Disks[i].Files.Count());
    }
    // The reader draws the section names afresh; what the sections hold stays.
    ASSERT_EQ(reloaded.CopyFilesSections.Count(), project.CopyFilesSections.Count());
    for (int i = 0; i < project.CopyFilesSections.Count(); ++i) {
        EXPECT_EQ(reloaded.CopyFilesSections[i].linked_SourceDisk, project.CopyFilesSections[i].linked_SourceDisk);
        EXPECT_EQ(reloaded.CopyFilesSections[i].Destination, project.CopyFilesSections[i].Destination);
        EXPECT_EQ(reloaded.CopyFilesSections[i].Files.Count(), project.CopyFilesSections[i].Files.Count());
    }
    EXPECT_EQ(read.Installation.defaultInstallCopyFiles.size(), 2);
    EXPECT_EQ(read.Files.Count(), saved.Files.Count());
    EXPECT_EQ(read.Installation.defaultInstallShortcuts, saved.Installation.defaultInstallShortcuts);
    EXPECT_EQ(reloaded.ShortcutsSections.Count(), project.ShortcutsSections.Count());
    ASSERT_EQ(reloaded.Languages.Count(), 1);
    EXPECT_EQ(reloaded.Languages[0].ReadmeFile, "docs\\readme.txt");
    EXPECT_EQ(reloaded.AppName, "Hello");
    EXPECT_EQ(reloaded.SetupExecName, "Hello.exe");
}

TEST_F(WizardProjectTest, AMissingBaseFolderIsCreatedOnlyAfterYes)
{
    answers.BaseDir = root.filePath(QStringLiteral("New/Deeper"));
    questions.answers = { false };
    EXPECT_EQ(WizardProject::Create(project, answers, questions.ask()).kind, WizardProjectOutcome::Declined);
    EXPECT_EQ(questions.asked, QStringList{ WizardProject::MissingFolderQuestion });
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("New"))));
    EXPECT_EQ(project.CEDevices.Count(), 0) << "the project is left alone";

    questions.answers = { true };
    EXPECT_EQ(WizardProject::Create(project, answers, questions.ask()).kind, WizardProjectOutcome::Created);
    EXPECT_TRUE(QFileInfo(answers.BaseDir).isDir());
    EXPECT_EQ(project.FileName, answers.BaseDir + QStringLiteral("/Hello.talmo"));
}

TEST_F(WizardProjectTest, AnExistingProjectFileIsReplacedOnlyAfterYes)
{
    const QString existing = root.filePath(QStringLiteral("Projects/Hello.talmo"));
    const QByteArray content("<Project>older work</Project>");
    ASSERT_TRUE(WriteFile(existing, content));

    questions.answers = { false };
    EXPECT_EQ(WizardProject::Create(project, answers, questions.ask()).kind, WizardProjectOutcome::Declined);
    EXPECT_EQ(questions.asked, QStringList{ WizardProject::ReplaceFileQuestion(existing) });
    EXPECT_EQ(ReadAll(existing), content);
    EXPECT_EQ(project.CEDevices.Count(), 0);

    questions.answers = { true };
    EXPECT_EQ(WizardProject::Create(project, answers, questions.ask()).kind, WizardProjectOutcome::Created);
    EXPECT_EQ(project.FileName, existing);
}

TEST_F(WizardProjectTest, AFolderThatCannotBeCreatedFails)
{
    ASSERT_TRUE(WriteFile(root.filePath(QStringLiteral("plain")), "x"));
    answers.BaseDir = root.filePath(QStringLiteral("plain/Projects"));
    questions.answers = { true };
    const WizardProjectOutcome outcome = WizardProject::Create(project, answers, questions.ask());
    EXPECT_EQ(outcome.kind, WizardProjectOutcome::Failed);
    EXPECT_EQ(outcome.error, "Error creating project's directory");
}

TEST_F(WizardProjectTest, TheFileNameJoinsTheBaseFolderOnce)
{
    const struct
    {
        const char *base;
        const char *fileName;
    } cases[] = {
        { "/home/me/Projects", "/home/me/Projects/Hello.talmo" },
        { "/home/me/Projects/", "/home/me/Projects/Hello.talmo" },
        { "C:\\Work\\", "C:\\Work\\Hello.talmo" },
    };
    for (const auto &row : cases) {
        answers.BaseDir = QString::fromLatin1(row.base);
        EXPECT_EQ(WizardProject::ProjectFileName(answers), QString::fromLatin1(row.fileName)) << row.base;
    }
}

TEST_F(WizardProjectTest, ThePreviewFollowsTheApplicationNameAndEscapesTheFolder)
{
    project.CreateNewProject();
    EXPECT_EQ(WizardProject::PreviewHtml(project, QStringLiteral("%CE1%\\%APPNAME%"), QStringLiteral("Hello")),
              "[ Interpreted: <b>Program Files\\Hello</b> ]");
    EXPECT_EQ(WizardProject::InterpretedInstallDir(project, QStringLiteral("%CE1%\\%AppName%"), QStringLiteral("Bye")),
              "Program Files\\Bye");
    EXPECT_EQ(WizardProject::PreviewHtml(project, QStringLiteral("%CE5%\\<b>&Co"), QString()),
              "[ Interpreted: <b>My Documents\\&lt;b&gt;&amp;Co</b> ]");
}

TEST_F(WizardProjectTest, TheDefaultBaseFolderLiesInTheDocumentsFolder)
{
    SetMyDocumentsFolderOverride(QStringLiteral("/home/me/Documents"));
    EXPECT_EQ(WizardProject::DefaultBaseDir(QStringLiteral("Hello")), "/home/me/Documents/Talmo Projects/Hello");
    ClearMyDocumentsFolderOverride();
}

TEST(SetupCatalogueFolderTest, SkinsAndLanguagesComeFromTheProgramFolderByName)
{
    QTemporaryDir program;
    QDir folder(program.path());
    for (const char *skin : { "Setup Skins/ocean", "Setup Skins/Autumn", "Setup Skins/.cache" })
        ASSERT_TRUE(folder.mkpath(QLatin1String(skin)));
    ASSERT_TRUE(folder.mkpath(QStringLiteral("Languages")));
    ASSERT_TRUE(WriteFile(folder.filePath(QStringLiteral("Setup Skins/readme.txt")), "not a skin"));
    for (const char *file : { "German.isl", "Zulu.isl", "afrikaans.ISL", "notes.txt" })
        ASSERT_TRUE(WriteFile(folder.filePath(QStringLiteral("Languages/") + QLatin1String(file)), "; messages"));

    const SetupCatalogue catalogue = LoadSetupCatalogue(program.path());
    EXPECT_EQ(catalogue.SetupSkinNames, QStringList({ "Autumn", "ocean" }));
    QStringList languages = BuiltinSetupLanguageNames();
    ASSERT_EQ(languages.size(), 20);
    EXPECT_EQ(languages.first(), "English");
    languages << "afrikaans" << "Zulu";
    EXPECT_EQ(catalogue.SetupLanguageNames, languages) << "German.isl is not repeated";
}

TEST(SetupCatalogueFolderTest, AProgramFolderWithoutDataOffersTheBuiltInLanguagesOnly)
{
    QTemporaryDir program;
    const SetupCatalogue catalogue = LoadSetupCatalogue(program.path());
    EXPECT_TRUE(catalogue.SetupSkinNames.isEmpty());
    EXPECT_EQ(catalogue.SetupLanguageNames, BuiltinSetupLanguageNames());
}
