#include "editors/core/device/CeMacroPath.h"
#include "model/PathMacros.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

struct Case
{
    const char *name;
    QString path;
    QString expected;
};

class CeMacroPathTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.Reset();
        project.AppName = QStringLiteral("My App");
        project.Provider = QStringLiteral("Acme");
        TStringPair &twice = project.StringPairs.AddNew();
        twice.Name = QStringLiteral("Part");
        twice.Value = QStringLiteral("Data");
        TStringPair &empty = project.StringPairs.AddNew();
        empty.Name = QStringLiteral("Nothing");
        TStringPair &cyrillic = project.StringPairs.AddNew();
        cyrillic.Name = QStringLiteral("Docs");
        cyrillic.Value = QStringLiteral("Документы");
    }

    TProjectContainer project;
};

TEST_F(CeMacroPathTest, ReplacesNamesValuesAndLeadingDeviceFolders)
{
    const Case cases[] = {
        { "games", "Windows\\Start Menu\\Programs\\Games\\X", "%CE14%\\X" },
        { "programs", "Windows\\Start Menu\\Programs", "%CE11%" },
        { "start menu", "Windows\\Start Menu\\", "%CE17%\\" },
        { "lower-case fonts", "windows\\fonts", "%CE15%" },
        { "startup", "Windows\\StartUp\\", "%CE4%\\" },
        { "windows", "Windows\\Other\\", "%CE2%\\Other\\" },
        { "program files games", "Program Files\\Games\\", "%CE8%\\" },
        { "documents", "My Documents\\", "%CE5%\\" },
        { "install dir kept", "%InstallDir%\\My App\\Windows\\", "%InstallDir%\\My App\\Windows\\" },
        { "app name", "Program Files\\My App\\", "%CE1%\\%AppName%\\" },
        { "provider any case", "Program Files\\ACME\\", "%CE1%\\%Provider%\\" },
        { "custom value first only", "My Documents\\data\\Data\\", "%CE5%\\%Part%\\Data\\" },
        { "folder words inside a name", "Program Files\\Windows Tools\\", "%CE1%\\Windows Tools\\" },
        { "folder name not leading", "Stuff\\Windows\\", "Stuff\\Windows\\" },
        { "component only a prefix", "Windows2\\", "Windows2\\" },
        { "non-Latin", "My Documents\\документы\\Ärger\\", "%CE5%\\%Docs%\\Ärger\\" },
        { "empty", "", "" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(PathToCEMacros(project, c.path), c.expected) << c.name;
}

TEST_F(CeMacroPathTest, EmptyNamesAndValuesReplaceNothing)
{
    project.AppName.clear();
    project.Provider.clear();
    EXPECT_EQ(PathToCEMacros(project, QStringLiteral("Program Files\\Tool\\")),
              QStringLiteral("%CE1%\\Tool\\"));
}

TEST_F(CeMacroPathTest, ExpandingTheResultGivesThePathBack)
{
    for (const char *path : { "Program Files\\My App\\bin\\", "Windows\\Start Menu\\Programs\\Games\\",
                              "Program Files\\Windows Tools\\" }) {
        const QString original = QString::fromUtf8(path);
        EXPECT_EQ(ExpandPathMacros(project, PathToCEMacros(project, original), false, true), original)
            << path;
    }
}

TEST_F(CeMacroPathTest, EveryStandardFolderTakesItsOwnMacroAndExpandsBack)
{
    for (const DeviceFolderMacro &folder : DeviceFolderMacros()) {
        const QString path = folder.folder + QStringLiteral("\\Tool");
        const QString withMacro = PathToCEMacros(project, path);
        EXPECT_EQ(withMacro, folder.macro + QStringLiteral("\\Tool"));
        EXPECT_EQ(ExpandPathMacros(project, withMacro, false, true), path);
    }
}

} // namespace
