#include "helpers/core/PathHelpers.h"
#include "model/PathRebase.h"
#include "model/ProjectContainer.h"
#include "model/ProjectManager.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace talmo;

namespace {

// One stored path of the project and how to reach it.
struct PathField
{
    const char *label;
    std::function<QString &(TProjectContainer &)> field;
};

QList<PathField> relativeFields()
{
    return {
        {"device source folder", [](TProjectContainer &p) -> QString & { return p.CEDevices[0].Files[0].SourceDir; }},
        {"shortcut .ico icon", [](TProjectContainer &p) -> QString & { return p.ShortcutsSections[0].Entries[0].CustomIconFileName; }},
        {"CAB collection file", [](TProjectContainer &p) -> QString & { return p.CabCollections[0].Files[0].Source; }},
        {"direct-copy file", [](TProjectContainer &p) -> QString & { return p.DirectCopyModules[0].Files[0].Source; }},
        {"Palm OS file", [](TProjectContainer &p) -> QString & { return p.PalmSections[0].Files[0].Source; }},
        {"readme", [](TProjectContainer &p) -> QString & { return p.Languages[0].ReadmeFile; }},
        {"licence", [](TProjectContainer &p) -> QString & { return p.Languages[0].EULAFile; }},
        {"info after", [](TProjectContainer &p) -> QString & { return p.Languages[0].InfoAfterFile; }},
        {"desktop file", [](TProjectContainer &p) -> QString & { return p.Win32Plugins[0].FileEntries[0].Source; }},
        {"output folder", [](TProjectContainer &p) -> QString & { return p.OutputPath; }},
        {"wizard image", [](TProjectContainer &p) -> QString & { return p.BuilderWizardImageFile; }},
        {"small wizard image", [](TProjectContainer &p) -> QString & { return p.BuilderWizardSmallImageFile; }},
        {"icon", [](TProjectContainer &p) -> QString & { return p.IconFile; }},
        {"setup icon", [](TProjectContainer &p) -> QString & { return p.SetupIconFile; }},
        {"splash image", [](TProjectContainer &p) -> QString & { return p.SplashScreenImage; }},
        {"skin file", [](TProjectContainer &p) -> QString & { return p.SkinCrafterSkinFileName; }},
    };
}

// Paths that name no file relative to the project: they never move.
QList<PathField> fixedFields()
{
    return {
        {"folder shortcut icon", [](TProjectContainer &p) -> QString & { return p.ShortcutsSections[0].Entries[1].CustomIconFileName; }},
        {"shortcut icon in a DLL", [](TProjectContainer &p) -> QString & { return p.ShortcutsSections[0].Entries[2].CustomIconFileName; }},
        {"URL", [](TProjectContainer &p) -> QString & { return p.CabCollections[0].Files[1].Source; }},
        {"absolute path", [](TProjectContainer &p) -> QString & { return p.DirectCopyModules[0].Files[1].Source; }},
        {"drive path", [](TProjectContainer &p) -> QString & { return p.PalmSections[0].Files[1].Source; }},
    };
}

class PathRebaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        for (const char *folder : {"proj/child", "sibling"})
            ASSERT_TRUE(QDir(root.path()).mkpath(QString::fromLatin1(folder)));
        project.CreateNewProject();
        project.FileName = path("proj/demo.talmo");

        TPPCFS_File &file = project.CEDevices[0].Files.AddNew();
        file.SourceName = QStringLiteral("app.exe");
        file.SourceDir = QStringLiteral("bin\\");
        file.DestinationDir = QStringLiteral("%InstallDir%\\");
        file.DestinationName = QStringLiteral("app.exe");
        TShortcutSection &shortcuts = project.ShortcutsSections.Count() ? project.ShortcutsSections[0]
                                                                         : project.ShortcutsSections.AddNew();
        shortcuts.Entries.Clear();
        shortcuts.Entries.AddNew().CustomIconFileName = QStringLiteral("art\\app.Ico");
        TShortcutEntry &folderShortcut = shortcuts.Entries.AddNew();
        folderShortcut.shortcut_type_flag = 1;
        folderShortcut.CustomIconFileName = QStringLiteral("art\\folder.ico");
        shortcuts.Entries.AddNew().CustomIconFileName = QStringLiteral("art\\icons.dll");
        TCabCollection &collection = project.CabCollections.AddNew();
        collection.Files.AddNew().Source = QStringLiteral("cabs\\one.cab");
        collection.Files.AddNew().Source = QStringLiteral("http://example.org/two.cab");
        TDirectCopyModule &copy = project.DirectCopyModules.AddNew();
        copy.Files.AddNew().Source = QStringLiteral("..\\shared\\data.zip");
        copy.Files.AddNew().Source = QStringLiteral("/opt/data/all.zip");
        TPalmSection &palm = project.PalmSections.AddNew();
        palm.Files.AddNew().Source = QStringLiteral("palm/app.prc");
        palm.Files.AddNew().Source = QStringLiteral("C:\\palm\\app.prc");
        TLanguage &language = project.Languages.Count() ? project.Languages[0] : project.Languages.AddNew();
        language.ReadmeFile = QStringLiteral("docs\\readme.txt");
        language.EULAFile = QStringLiteral("docs\\licence.txt");
        language.InfoAfterFile = QStringLiteral("child\\after.txt");
        project.Win32Plugins.AddNew().FileEntries.AddNew().Source = QStringLiteral("desktop\\tool.exe");
        project.OutputPath = QStringLiteral("out");
        project.BuilderWizardImageFile = QStringLiteral("art\\wizard.bmp");
        project.BuilderWizardSmallImageFile = QStringLiteral("art\\small.bmp");
        project.IconFile = QStringLiteral("art\\app.ico");
        project.SetupIconFile = QStringLiteral("child\\setup.ico");
        project.SplashScreenImage = QStringLiteral("..\\splash.bmp");
        project.SkinCrafterSkinFileName = QStringLiteral("skins\\blue.skf");
    }

    QString path(const char *relative) const { return root.filePath(QString::fromLatin1(relative)); }

    // Where a stored reference leads, as a clean host path.
    static QString target(const QString &projectFile, const QString &reference)
    {
        return QDir::cleanPath(ToHostPath(ResolveFileReference(projectFile, reference)));
    }

    QTemporaryDir root;
    TProjectContainer project;
};

} // namespace

TEST_F(PathRebaseTest, SavingIntoSiblingOrChildFolderKeepsEveryPathOnTheSameFile)
{
    for (const char *newFile : {"sibling/moved.talmo", "proj/child/moved.talmo"}) {
        SetUp();
        QMap<QString, QString> before;
        for (const PathField &f : relativeFields())
            before[QString::fromLatin1(f.label)] = target(project.FileName, f.field(project));
        QMap<QString, QString> unchanged;
        for (const PathField &f : fixedFields())
            unchanged[QString::fromLatin1(f.label)] = f.field(project);

        ASSERT_TRUE(SaveProjectRebased(project, path(newFile))) << newFile;
        EXPECT_EQ(project.FileName, path(newFile));
        EXPECT_FALSE(project.Modified);
        for (const PathField &f : relativeFields()) {
            EXPECT_TRUE(IsRelativePath(f.field(project))) << newFile << ": " << f.label;
            EXPECT_EQ(target(project.FileName, f.field(project)), before[QString::fromLatin1(f.label)])
                << newFile << ": " << f.label;
        }
        for (const PathField &f : fixedFields())
            EXPECT_EQ(f.field(project), unchanged[QString::fromLatin1(f.label)]) << newFile << ": " << f.label;
        EXPECT_EQ(target(project.FileName, project.CEDevices[0].Disks[0].path), path("proj/bin"))
            << "the written disk follows its files";

        TProjectContainer reloaded;
        ASSERT_TRUE(reloaded.LoadFromFile(path(newFile)));
        EXPECT_EQ(target(reloaded.FileName, reloaded.SkinCrafterSkinFileName), path("proj/skins/blue.skf"));
    }
}

TEST_F(PathRebaseTest, FailedSaveChangesNothing)
{
    project.Modified = true;
    const QString oldFileName = project.FileName;
    QStringList before;
    for (const PathField &f : relativeFields())
        before.append(f.field(project));

    // No permission test: a missing parent folder fails for root as well.
    EXPECT_FALSE(SaveProjectRebased(project, path("missing/moved.talmo")));
    QStringList after;
    for (const PathField &f : relativeFields())
        after.append(f.field(project));
    EXPECT_EQ(after, before);
    EXPECT_EQ(project.FileName, oldFileName);
    EXPECT_TRUE(project.Modified);
    EXPECT_EQ(project.CEDevices[0].Disks[0].path, QStringLiteral("bin\\"));
    EXPECT_FALSE(QFile::exists(path("missing/moved.talmo")));
}

TEST_F(PathRebaseTest, ManagerEntriesFollowTheManagerFile)
{
    TProjectManager manager;
    manager.FileName = path("proj/all.talmopm");
    const QStringList stored = {"demo.talmo", "..\\sibling\\other.talmo", "child\\deep.talmo", "/opt/x.talmo"};
    for (const QString &name : stored)
        manager.Entries.AddNew().FileName = name;
    QStringList before;
    for (const QString &name : stored)
        before.append(target(manager.FileName, name));
    manager.Modified = true;

    EXPECT_FALSE(SaveManagerRebased(manager, path("missing/all.talmopm")));
    QStringList afterFailure;
    for (const TProjectEntry &entry : manager.Entries)
        afterFailure.append(entry.FileName);
    EXPECT_EQ(afterFailure, stored);
    EXPECT_EQ(manager.FileName, path("proj/all.talmopm"));
    EXPECT_TRUE(manager.Modified);

    ASSERT_TRUE(SaveManagerRebased(manager, path("sibling/all.talmopm")));
    QStringList after;
    for (const TProjectEntry &entry : manager.Entries)
        after.append(target(manager.FileName, entry.FileName));
    EXPECT_EQ(after, before);
    EXPECT_EQ(manager.Entries[3].FileName, QStringLiteral("/opt/x.talmo"));
    EXPECT_FALSE(manager.Modified);
}
