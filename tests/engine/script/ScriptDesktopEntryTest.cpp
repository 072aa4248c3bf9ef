#include "engine/script/ComponentCondition.h"
#include "engine/script/DesktopEntryWriter.h"
#include "model/ProjectContainer.h"

#include "ScriptTestSupport.h"

#include <functional>

namespace talmo {
namespace {

class ScriptDesktopEntryTest : public ::testing::Test
{
protected:
    ScriptDesktopEntryTest()
    {
        project.FileName = QStringLiteral("C:\\Proj\\app.talmo");
        project.Win32Plugins.AddNew();
        scripttest::AddComponent(project, ModuleType::Win32, 0);
    }

    TProjectContainer project;
    ComponentCondition conditions{ project };
    DesktopEntryWriter writer{ project, conditions };
};

struct FileCase
{
    const char *what;
    std::function<void(TWin32FileEntry &)> setUp;
    int downloadIndex;
    const char *line;
};

TEST_F(ScriptDesktopEntryTest, FileLines)
{
    const FileCase cases[] = {
        { "local source with one flag",
          [](TWin32FileEntry &e) {
              e.Source = "C:\\Proj\\bin\\app.exe";
              e.Destination = "{app}";
              e.FlagIgnoreVersion = true;
          },
          -1, "Source: C:\\Proj\\bin\\app.exe ; DestDir: {app} ; Flags: ignoreversion ; components: WIN320;" },
        { "first download without a destination name",
          [](TWin32FileEntry &e) {
              e.Source = "http://example.com/files/setup.exe";
              e.Destination = "{app}";
          },
          0, "Source: \"{tmp}\\down-0\"; DestDir: {app} ; DestName: setup.exe; Flags: external ; components: WIN320;" },
        { "the name taken from the address is plain text",
          [](TWin32FileEntry &e) {
              e.Source = "http://example.com/files/tool{2}.exe";
              e.Destination = "{app}";
          },
          1, "Source: \"{tmp}\\down-1\"; DestDir: {app} ; DestName: tool{{2}.exe; Flags: external ; components: WIN320;" },
        { "download keeps its own destination name",
          [](TWin32FileEntry &e) {
              e.Source = "ftp://example.com/a.dll";
              e.Destination = "{sys}";
              e.DestinationName = "b.dll";
              e.FlagSharedFile = true;
          },
          4, "Source: \"{tmp}\\down-4\"; DestDir: {sys} ; DestName: b.dll ; Flags: sharedfile external ; components: WIN320;" },
        { "dontcopy goes after the version flags",
          [](TWin32FileEntry &e) {
              e.Source = "app.exe";
              e.Destination = "{app}";
              e.FlagDontCopy = true;
              e.FlagIgnoreVersion = true;
          },
          -1, "Source: C:\\Proj\\app.exe ; DestDir: {app} ; Flags: ignoreversion dontcopy ; components: WIN320;" },
        { "relative source, destination name and attributes",
          [](TWin32FileEntry &e) {
              e.Source = "..\\lib\\x.dll";
              e.Destination = "{app}\\lib";
              e.DestinationName = "y.dll";
              e.AttributesSystem = true;
              e.AttributesReadOnly = true;
              e.Flag64bit = true;
              e.FlagCompareTimestap = true;
          },
          -1, "Source: C:\\lib\\x.dll ; DestDir: {app}\\lib ; DestName: y.dll ; Attribs: readonly system ; "
              "Flags: comparetimestamp 64bit ; components: WIN320;" },
        { "a semicolon in a path is quoted",
          [](TWin32FileEntry &e) {
              e.Source = "C:\\a;b\\c.txt";
              e.Destination = "{app}";
          },
          -1, "Source: \"C:\\a;b\\c.txt\" ; DestDir: {app} ; components: WIN320;" },
    };
    const QString condition = writer.ModuleCondition(0);
    for (const FileCase &c : cases) {
        SCOPED_TRACE(c.what);
        TWin32FileEntry entry;
        c.setUp(entry);
        EXPECT_EQ(writer.FileLine(entry, c.downloadIndex, condition), QString::fromUtf8(c.line));
    }
}

TEST_F(ScriptDesktopEntryTest, RegistryLines)
{
    TWin32RegistryEntry entry;
    entry.Root = "HKEY_LOCAL_MACHINE";
    entry.SubKey = "Software\\MyApp";
    entry.ValueType = "string";
    entry.ValueName = "Path";
    entry.ValueData = "{app}";
    entry.FlagDeleteKeyOnUninstall = true;
    EXPECT_EQ(DesktopEntryWriter::RegistryLine(entry, " components: WIN320;"),
              "Root:HKLM; Subkey:Software\\MyApp; ValueType:string;ValueName: Path;ValueData: {app}; "
              "Flags: uninsdeletekey ; components: WIN320;");

    entry.Root = "hkey_local_machine";
    entry.ValueName.clear();
    entry.ValueData = "%PATH%;{app}\\bin";
    entry.FlagDeleteKeyOnUninstall = false;
    entry.FlagPreserveStringType = true;
    entry.FlagCreateIfDoesntExists = true;
    EXPECT_EQ(DesktopEntryWriter::RegistryLine(entry, QString()),
              "Root:HKLM; Subkey:Software\\MyApp; ValueType:string;ValueData: \"%PATH%;{app}\\bin\"; "
              "Flags: createvalueifdoesntexist preservestringtype ;");

    entry.Root = "HKEY_CURRENT_CONFIG";
    entry.ValueData = "say \"hi\"";
    entry.FlagPreserveStringType = entry.FlagCreateIfDoesntExists = false;
    EXPECT_EQ(DesktopEntryWriter::RegistryLine(entry, QString()),
              "Root:HKCC; Subkey:Software\\MyApp; ValueType:string;ValueData: \"say \"\"hi\"\"\";");
}

TEST_F(ScriptDesktopEntryTest, BinaryRegistryDataIsWrittenAsBlankSeparatedPairs)
{
    TWin32RegistryEntry entry;
    entry.Root = "HKEY_CURRENT_USER";
    entry.SubKey = "Software\\MyApp";
    entry.ValueType = "Binary";
    entry.ValueName = "Blob";
    entry.ValueData = "01,02,ff,10";
    EXPECT_EQ(DesktopEntryWriter::RegistryLine(entry, QString()),
              "Root:HKCU; Subkey:Software\\MyApp; ValueType:Binary;ValueName: Blob;ValueData: 01 02 FF 10;");
    EXPECT_EQ(entry.ValueData, "01,02,ff,10");

    // Data that no spacing makes valid goes out as it was kept, for the compile to refuse.
    entry.ValueData = "01,0G";
    EXPECT_EQ(DesktopEntryWriter::RegistryLine(entry, QString()),
              "Root:HKCU; Subkey:Software\\MyApp; ValueType:Binary;ValueName: Blob;ValueData: 01,0G;");
}

TEST_F(ScriptDesktopEntryTest, IconLines)
{
    TWIn32IconEntry entry;
    entry.Name = "{group}\\My App";
    entry.FileName = "{app}\\app.exe";
    EXPECT_EQ(DesktopEntryWriter::IconLine(entry, QString()), "Name: {group}\\My App; FileName: {app}\\app.exe;");

    entry.Parameters = "/s";
    entry.WorkingDir = "{app}";
    entry.HotKey = "ctrl+alt+a";
    entry.Comment = "Starts it";
    entry.IconFileName = "{app}\\app.ico";
    entry.IconIndex = -2;
    entry.FlagFolderShortcut = true;
    entry.FlagRunMinimized = true;
    EXPECT_EQ(DesktopEntryWriter::IconLine(entry, " languages: lang0;"),
              "Name: {group}\\My App; FileName: {app}\\app.exe;Parameters:/s;WorkingDir:{app};HotKey:ctrl+alt+a;"
              "Comment:Starts it;IconFilename:{app}\\app.ico;IconIndex:-2; Flags: runminimized foldershortcut ; "
              "languages: lang0;");
}

TEST_F(ScriptDesktopEntryTest, RunLinesHoldWhatTheirSectionTakes)
{
    TWin32RunEntry entry;
    entry.FileName = "{app}\\app.exe";
    EXPECT_EQ(DesktopEntryWriter::InstallRunLine(entry, QString()), "FileName:{app}\\app.exe;");
    EXPECT_EQ(DesktopEntryWriter::UninstallRunLine(entry, QString()), "FileName:{app}\\app.exe;");

    entry.FlagPostInstall = true;
    entry.FlagHideWizard = true;
    entry.Parameters = "/x";
    entry.StatusMessage = "Working";
    entry.RunOnceID = "once";
    entry.Description = "Start";
    EXPECT_EQ(DesktopEntryWriter::InstallRunLine(entry, " components: WIN320;"),
              "FileName:{app}\\app.exe;Parameters:/x;Description:Start;StatusMsg:Working; "
              "Flags: postinstall hidewizard; components: WIN320;");
    EXPECT_EQ(DesktopEntryWriter::UninstallRunLine(entry, " components: WIN320;"),
              "FileName:{app}\\app.exe;Parameters:/x;StatusMsg:Working;RunOnceId:once; "
              "Flags: hidewizard ; components: WIN320;");

    // Install-only flags alone leave an uninstall line without a flags part.
    entry.FlagHideWizard = false;
    entry.FlagCheckBoxUnChecked = entry.FlagSkipIfSilent = entry.FlagSkipIfNotSilent = true;
    EXPECT_EQ(DesktopEntryWriter::UninstallRunLine(entry, QString()),
              "FileName:{app}\\app.exe;Parameters:/x;StatusMsg:Working;RunOnceId:once;");
}

TEST_F(ScriptDesktopEntryTest, DeleteLinesQuoteTheName)
{
    TWin32DeleteEntry entry;
    entry.DeleteType = "filesandordirs";
    entry.DeleteName = "{app}\\a \"b\"";
    EXPECT_EQ(DesktopEntryWriter::DeleteLine(entry, " components: WIN320;"),
              "Type: filesandordirs; Name: \"{app}\\a \"\"b\"\"\"; components: WIN320;");
}

TEST_F(ScriptDesktopEntryTest, SectionsWalkModulesAndEntriesInOrder)
{
    TWin32Plugin &second = project.Win32Plugins.AddNew();
    scripttest::AddComponent(project, ModuleType::Win32, 1);
    second.InstallDeleteEntries.AddNew().DeleteName = "b";
    project.Win32Plugins[0].InstallDeleteEntries.AddNew().DeleteName = "a";
    project.Win32Plugins[0].UninstallDeleteEntries.AddNew().DeleteName = "u";

    QStringList install, uninstall, registry;
    writer.WriteDeleteEntries(install, uninstall);
    writer.WriteRegistryEntries(registry);
    EXPECT_EQ(install, QStringList({ "Type: ; Name: \"a\"; components: WIN320;", "Type: ; Name: \"b\"; components: WIN321;" }));
    EXPECT_EQ(uninstall, QStringList({ "Type: ; Name: \"u\"; components: WIN320;" }));
    EXPECT_TRUE(registry.isEmpty());
}

TEST_F(ScriptDesktopEntryTest, AModuleWithoutComponentRaisesOnlyWhenItHasLines)
{
    project.Win32Plugins.AddNew();
    QStringList lines;
    EXPECT_NO_THROW(writer.WriteIconEntries(lines));
    project.Win32Plugins[1].IconEntries.AddNew().Name = "x";
    EXPECT_THROW(writer.WriteIconEntries(lines), ScriptGenerationError);
}

} // namespace
} // namespace talmo
