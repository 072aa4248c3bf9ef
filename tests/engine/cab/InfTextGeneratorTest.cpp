#include "engine/cab/InfTextGenerator.h"
#include "model/ProjectContainer.h"
#include "tests/engine/cab/InfFixtureProject.h"
#include "tests/support/QtPrinters.h"

#include <QFile>

#include <gtest/gtest.h>


using namespace talmo;
using namespace talmo::testing;

namespace {

const QString ProgramFolder = QStringLiteral("C:\\Program Files\\Talmo");
const QString WorkingFolder = QStringLiteral("C:\\Temp");

QString readGolden(const QString &name)
{
    QFile file(QStringLiteral(TALMO_TEST_SOURCE_DIR "/inf/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

// Compares line by line first, so a difference is reported where it is.
void expectSameText(const QString &actual, const QString &expected)
{
    const QStringList actualLines = actual.split(QStringLiteral("\r\n"));
    const QStringList expectedLines = expected.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < std::min(actualLines.size(), expectedLines.size()); ++i)
        ASSERT_EQ(actualLines[i], expectedLines[i]) << "line " << i + 1;
    EXPECT_EQ(actual, expected);
}

QString generate(TProjectContainer &project)
{
    return InfTextGenerator(ProgramFolder, WorkingFolder).Generate(project);
}

TEST(InfTextGeneratorTest, FixtureGivesTheGoldenText)
{
    TProjectContainer project;
    BuildInfFixture(project, InfFixtureFolders{QStringLiteral("C:\\Dev\\Demo\\demo.talmo"),
                                               QStringLiteral("C:\\Dev\\Demo\\bin\\"), QStringLiteral("..\\shared\\"),
                                               QStringLiteral("C:\\Dev\\Demo\\arm\\")});
    expectSameText(generate(project), readGolden(QStringLiteral("demo.inf")));
}

TEST(InfTextGeneratorTest, NewProjectTemplateGivesTheMinimalText)
{
    TProjectContainer project;
    project.CreateNewProject();
    expectSameText(generate(project), readGolden(QStringLiteral("new-project.inf")));
}

TEST(InfTextGeneratorTest, EveryCallRebuildsTheCopyFilesSections)
{
    TProjectContainer project;
    BuildInfFixture(project, InfFixtureFolders{QStringLiteral("C:\\Dev\\Demo\\demo.talmo"),
                                               QStringLiteral("C:\\Dev\\Demo\\bin\\"), QStringLiteral("..\\shared\\"),
                                               QStringLiteral("C:\\Dev\\Demo\\arm\\")});
    const QString first = generate(project);
    const QString second = generate(project);
    EXPECT_TRUE(first.contains(QStringLiteral("[CopyFiles-4]\r\n")));
    EXPECT_FALSE(second.contains(QStringLiteral("[CopyFiles-4]\r\n")));
    EXPECT_EQ(project.CEDevices[0].Installation.defaultInstallCopyFiles.size(), 2);
}

TEST(InfTextGeneratorTest, CopyFlagSuffixes)
{
    const std::pair<int, QString> cases[] = {
        {0, ""},           {1, ",0x00000001"}, {2, ",0x00000002"}, {3, ",0x00000010"},
        {4, ",0x00000400"}, {5, ",0x20000000"}, {6, ",0x40000000"}, {7, ",0x80000000"},
        {8, ""},           {255, ""},          {-1, ""},
    };
    for (const auto &[attributes, suffix] : cases)
        EXPECT_EQ(InfTextGenerator::CopyFlagSuffix(attributes), suffix) << attributes;
}

TEST(InfTextGeneratorTest, RegistryFlagWords)
{
    const std::tuple<QString, bool, QString> cases[] = {
        {"TYPE_SZ", false, "00000000"},       {"TYPE_SZ", true, "00000002"},
        {"TYPE_MULTI_SZ", false, "00010000"}, {"TYPE_MULTI_SZ", true, "00010002"},
        {"TYPE_BINARY", false, "00000001"},   {"TYPE_BINARY", true, "00000003"},
        {"TYPE_DWORD", false, "00010001"},    {"TYPE_DWORD", true, "00010003"},
        {"type_sz", false, "00010001"},       {"", true, "00010003"},
    };
    for (const auto &[type, keepExisting, word] : cases) {
        TRegistryEntry entry;
        entry.flags = type;
        entry.overwrite = keepExisting;
        EXPECT_EQ(InfTextGenerator::RegistryFlagWord(entry), word) << type.toStdString() << keepExisting;
    }
}

// The text reads back as typed: a quote inside is doubled, not taken for the end.
TEST(InfTextGeneratorTest, RegistryRootsAndTrailingBackslashes)
{
    TProjectContainer project;
    project.CreateNewProject();
    TRegistrySection &section = project.RegistrySections.AddNew();
    section.Caption = QStringLiteral("Reg");
    const std::pair<QString, QString> entries[] = {
        {"HKEY_LOCAL_MACHINE", "\\"},
        {"HKEY_USERS", "a\\b"},
        {"HKCU", "\"x\\"},
    };
    for (const auto &[root, value] : entries) {
        TRegistryEntry &entry = section.Entries.AddNew();
        entry.registry_root_string = root;
        entry.subkey = QStringLiteral("K");
        entry.flags = QStringLiteral("TYPE_SZ");
        entry.value = value;
    }
    EXPECT_TRUE(generate(project).endsWith(QStringLiteral("[Reg]\r\n"
                                                          "HKLM,K,,0x00000000,\"\\\"\r\n"
                                                          "HKEY_USERS,K,,0x00000000,a\\b\r\n"
                                                          "HKCU,K,,0x00000000,\"\"\"x\\\"\r\n"
                                                          "\r\n")));
}

TEST(InfTextGeneratorTest, TheSecondConfigurationWithoutFilesUsesDisks501And998)
{
    TProjectContainer project;
    project.CreateNewProject();
    TCEDevice &device = project.CEDevices.AddNew();
    device.Caption = QStringLiteral("CEDevice.SH3");
    TShortcutSection &section = project.ShortcutsSections[0];
    TShortcutEntry &entry = section.Entries.AddNew();
    entry.shortcut_filename = QStringLiteral("Tool");
    entry.target_file_path = QStringLiteral("tool.exe");
    entry.CustomIconFileName = QStringLiteral("tool.exe");
    device.Installation.defaultInstallShortcuts = {section.Caption};
    const QString text = generate(project);
    EXPECT_TRUE(text.contains(QStringLiteral("[SourceDisksNames.SH3]\r\n"
                                             "501=,\"tempDisk\",,C:\\Program Files\\Talmo\r\n"
                                             "998 = ,\"Custom Shortcuts\",,C:\\Temp\r\n\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[SourceDisksFiles.SH3]\r\n"
                                             "\"readme.txt\"=501\r\n"
                                             "\"shortcut_0_0_1.lnk\"=998\r\n\r\n")));
}

// A processor's sections add to the common ones: its own placeholder disk
// would shadow the common configuration's readme.txt.
TEST(InfTextGeneratorTest, APlaceholderDiskOnlyWhereNoConfigurationInstallsFiles)
{
    TProjectContainer project;
    project.CreateNewProject();
    project.FileName = QStringLiteral("C:\\Dev\\demo.talmo");
    project.CEDevices.AddNew().Caption = QStringLiteral("CEDevice.ARM");
    EXPECT_TRUE(generate(project).contains(QStringLiteral("[SourceDisksFiles.ARM]\r\n\"readme.txt\"=501\r\n")));

    TPPCFS_File &file = project.CEDevices[0].Files.AddNew();
    file.SourceName = file.DestinationName = QStringLiteral("readme.txt");
    file.SourceDir = QStringLiteral("C:\\Dev\\");
    file.DestinationDir = QStringLiteral("%InstallDir%");
    const QString text = generate(project);
    EXPECT_FALSE(text.contains(QStringLiteral("tempDisk"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("[SourceDisksFiles.ARM]\r\n\r\n"))) << text.toStdString();
}

// Resource sections are tracked for every configuration, not only the first 101.
TEST(InfTextGeneratorTest, ResourceSectionsForConfigurationsBeyondTheHundredth)
{
    TProjectContainer project;
    project.CreateNewProject();
    TShortcutSection &section = project.ShortcutsSections[0];
    TShortcutEntry &entry = section.Entries.AddNew();
    entry.shortcut_filename = QStringLiteral("Tool");
    entry.target_file_path = QStringLiteral("tool.exe");
    entry.CustomIconFileName = QStringLiteral("tool.ico");
    project.CEDevices[0].Installation.defaultInstallShortcuts.clear();
    for (int d = 1; d <= 102; ++d)
        project.CEDevices.AddNew().Caption = QStringLiteral("CEDevice.CPU%1").arg(d);
    project.CEDevices[102].Installation.defaultInstallShortcuts = {section.Caption};

    const QString text = generate(project);
    EXPECT_TRUE(text.contains(QStringLiteral("[defaultRES_102]\r\ntalmo_res.dll,talmo_res_102.dll,,0x00000001\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\ndefaultRES_102=0,%InstallDir%\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[DefaultInstall.CPU102]\r\nCopyfiles=Shortcut-0-0-102,defaultRES_102\r\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("defaultRES_0")));
}

} // namespace
