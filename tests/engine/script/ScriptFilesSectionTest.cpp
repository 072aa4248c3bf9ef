#include "engine/script/ComponentCondition.h"
#include "engine/script/DesktopEntryWriter.h"
#include "engine/script/DownloadList.h"
#include "engine/script/FilesSectionWriter.h"
#include "model/ProjectContainer.h"

#include "ScriptTestSupport.h"

namespace talmo {
namespace {

using namespace scripttest;

class ScriptFilesSectionTest : public ::testing::Test
{
protected:
    ScriptFilesSectionTest()
    {
        project.FileName = QStringLiteral("C:\\Proj\\app.talmo");
        project.Win32Only = true;
        project.InstallComponents.Clear();
    }


    void addDirectCopy(const QString &source)
    {
        TDirectCopyModule &module = project.DirectCopyModules.AddNew();
        module.Files.AddNew().Source = source;
        AddComponent(project, ModuleType::DirectCopy, project.DirectCopyModules.Count() - 1);
    }

    QStringList write()
    {
        QStringList lines;
        writer.Write(outputFolder, lines);
        return lines;
    }

    TProjectContainer project;
    ScriptEnvironment environment = EnvironmentWith();
    ComponentCondition conditions{ project };
    DesktopEntryWriter desktop{ project, conditions };
    DownloadList downloads;
    FilesSectionWriter writer{ project, environment, conditions, desktop, downloads };
};

TEST_F(ScriptFilesSectionTest, DirectCopyArchivesAreDownloadedOrCarriedUncompressed)
{
    addDirectCopy("http://example.com/dist/data.zip");
    addDirectCopy("..\\pkg\\data2.zip");
    EXPECT_EQ(write(), QStringList({
                           "Source: \"C:\\Talmo\\kestrin.dll\"; DestDir: {tmp}; Flags: dontcopy",
                           "Source: \"C:\\pkg\\data2.zip\"; DestDir: \"{tmp}\"; Flags: dontcopy nocompression;",
                       }));
    EXPECT_EQ(downloads.DownloadSources, QStringList({ "http://example.com/dist/data.zip" }));
    EXPECT_EQ(downloads.DownloadDestinations, QStringList({ "ExpandConstant('{tmp}\\data.zip')" }));
    EXPECT_EQ(downloads.DownloadModuleNames, QStringList({ "DCM0" }));
    EXPECT_EQ(downloads.DownloadCheckTypes, QStringList({ "1" }));
    EXPECT_EQ(writer.DirectCopyArchiveNames(), QStringList({ "data.zip", "data2.zip" }));
}

TEST_F(ScriptFilesSectionTest, DirectCopyArchivesOfOneNameGetTheirOwnTemporaryFiles)
{
    addDirectCopy("http://example.com/a/data.zip");
    addDirectCopy("http://example.com/b/DATA.zip");
    addDirectCopy("C:\\pkg\\data.zip");
    addDirectCopy("http://example.com/it's.zip");
    const QStringList lines = write();
    EXPECT_EQ(writer.DirectCopyArchiveNames(), QStringList({ "data.zip", "dcm1_DATA.zip", "dcm2_data.zip", "it's.zip" }));
    EXPECT_EQ(downloads.DownloadDestinations,
              QStringList({ "ExpandConstant('{tmp}\\data.zip')", "ExpandConstant('{tmp}\\dcm1_DATA.zip')",
                            "ExpandConstant('{tmp}\\it''s.zip')" }));
    EXPECT_EQ(lines.last(), "Source: \"C:\\pkg\\data.zip\"; DestDir: \"{tmp}\"; DestName: \"dcm2_data.zip\"; "
                            "Flags: dontcopy nocompression;");
}

TEST_F(ScriptFilesSectionTest, ADirectCopyModuleWithoutArchiveRaises)
{
    project.DirectCopyModules.AddNew();
    AddComponent(project, ModuleType::DirectCopy, 0);
    EXPECT_THROW(write(), ScriptGenerationError);
}

TEST_F(ScriptFilesSectionTest, PalmDownloadIsInstalledFromItsTemporaryFile)
{
    project.Languages.AddNew().LanguageID = "English";
    TPalmSection &palm = project.PalmSections.AddNew();
    palm.Languages = QStringList{ "English" };
    palm.Files.AddNew().Source = "http://example.com/app.prc";
    palm.Files.AddNew().Source = "data\\app.pdb";
    AddComponent(project, ModuleType::PalmOS, 0);
    EXPECT_EQ(write(), QStringList({
                           "Source: \"C:\\Talmo\\condmgr.dll\"; DestDir: \"{app}\"; Check: CheckPalm;",
                           "Source: \"C:\\Talmo\\HSAPI.dll\"; DestDir: \"{app}\"; Check: CheckPalm;",
                           "Source: \"C:\\Talmo\\Instaide.dll\"; DestDir: \"{app}\"; Check: CheckPalm;",
                           "Source: \"{tmp}\\down-0\"; DestDir: \"{app}\\palmos_0\"; DestName: \"app.prc\"; "
                           "Check: CheckPalm; components: PALMOS0; languages: lang0; flags: external;",
                           "Source: \"C:\\Proj\\data\\app.pdb\"; DestDir: \"{app}\\palmos_0\"; Check: CheckPalm; "
                           "components: PALMOS0; languages: lang0;",
                       }));
    EXPECT_EQ(downloads.DownloadCheckTypes, QStringList({ "2" }));
    EXPECT_EQ(downloads.DownloadDestinations, QStringList({ "ExpandConstant('{tmp}\\down-0')" }));

    project.ShowComponentsDialog = false;
    palm.Languages.clear();
    downloads.Clear();
    EXPECT_EQ(write().at(3), "Source: \"{tmp}\\down-0\"; DestDir: \"{app}\\palmos_0\"; DestName: \"app.prc\"; "
                             "Check: CheckPalm;flags: external;");
}

TEST_F(ScriptFilesSectionTest, CabCreatorBlockDependsOnDesktopOnlyAndConfigurations)
{
    project.IconFile = "icons\\app.ico";
    EXPECT_TRUE(write().isEmpty());

    project.Win32Only = false;
    AddComponent(project, ModuleType::CabCreator, -1);
    EXPECT_EQ(write(), QStringList({
                           "Source: \"setup.ini\"; DestDir: \"{app}\"; Check: CheckAsync; components: CABCREATOR;",
                           "Source: \"icons\\app.ico\"; DestDir: \"{app}\"; DestName: \"auni.ico\"; components: CABCREATOR;",
                       }));

    project.IconFile.clear();
    project.AppName = "My App";
    project.CEDevices.AddNew().Caption = "CEDevice [ Default ]";
    EXPECT_EQ(write(), QStringList({
                           "Source: \"setup.ini\"; DestDir: \"{app}\"; Check: CheckAsync; components: CABCREATOR;",
                           "Source: \"C:\\Out\\My_App.CAB\"; DestDir: \"{app}\"; Check: CheckAsync; components: CABCREATOR;",
                       }));
}

TEST_F(ScriptFilesSectionTest, RuntimeModulesTakeBuiltinCabsByPosition)
{
    TPluginContainer &builtin = project.PluginContainers.AddNew();
    builtin.Type = TPluginContainer::NetCF2Type;
    builtin.someOldCaption = "Builtin Distribution";
    TPluginPlatform &unused = builtin.Platforms.AddNew();
    unused.Processors.AddNew().Checked = true;
    unused.Processors[0].Files.AddNew().Source = "never.cab";
    TPluginPlatform &platform = builtin.Platforms.AddNew();
    platform.Checked = true;
    platform.Processors.AddNew().Files.AddNew().Source = "unchecked.cab";
    TPluginProcessor &processor = platform.Processors.AddNew();
    processor.Checked = true;
    processor.Files.AddNew().Source = "old\\path\\a.cab";
    processor.Files.AddNew().Source = "old\\path\\b.cab";
    AddComponent(project, ModuleType::NetCF2, 0);

    TPluginContainer &custom = project.PluginContainers.AddNew();
    custom.Type = TPluginContainer::SqlMobileType;
    custom.someOldCaption = "My set";
    custom.Platforms.AddNew().Checked = true;
    custom.Platforms[0].Processors.AddNew().Checked = true;
    custom.Platforms[0].Processors[0].Files.AddNew().Source = "D:\\cabs\\sql.cab";
    AddComponent(project, ModuleType::SqlMobile, 1);

    TPluginContainer &unchecked = project.PluginContainers.AddNew();
    unchecked.Type = TPluginContainer::SqlMobileType;
    unchecked.Platforms.AddNew().Processors.AddNew().Checked = true;
    unchecked.Platforms[0].Processors[0].Files.AddNew().Source = "x.cab";
    AddComponent(project, ModuleType::SqlMobile, 2);

    EXPECT_EQ(write(), QStringList({
                           "Source: \"netcf20.ini\"; DestDir: \"{app}\"; Check: CheckAsync; components: NETCF20;",
                           "Source: \"C:\\Talmo\\redist\\cf-1-1-0.cab\"; DestDir: \"{app}\\plug0\"; Check: CheckAsync; components: NETCF20;",
                           "Source: \"C:\\Talmo\\redist\\cf-1-1-1.cab\"; DestDir: \"{app}\\plug0\"; Check: CheckAsync; components: NETCF20;",
                           "Source: \"sqlmobile1.ini\"; DestDir: \"{app}\"; Check: CheckAsync; components: MSQL1;",
                           "Source: \"D:\\cabs\\sql.cab\"; DestDir: \"{app}\\plug1\"; Check: CheckAsync; components: MSQL1;",
                           "Source: \"sqlmobile2.ini\"; DestDir: \"{app}\"; Check: CheckAsync; components: MSQL2;",
                       }));

    processor.Files.AddNew();
    processor.Files.AddNew();
    EXPECT_THROW(write(), ScriptGenerationError);  // the built-in set has no fourth file
}

TEST_F(ScriptFilesSectionTest, DownloadIndexesRunAcrossBlocks)
{
    addDirectCopy("http://example.com/dcm.zip");
    project.PalmSections.AddNew().Files.AddNew().Source = "http://example.com/app.prc";
    project.PalmSections[0].HiddenInstall = true;
    AddComponent(project, ModuleType::PalmOS, 0);
    TCabCollection &collection = project.CabCollections.AddNew();
    collection.Files.AddNew().Source = "http://example.com/extra.cab";
    collection.Files.AddNew().Source = "cabs\\local.cab";
    AddComponent(project, ModuleType::CabCollection, 0);
    TWin32FileEntry &file = project.Win32Plugins.AddNew().FileEntries.AddNew();
    file.Source = "http://example.com/tool.exe";
    file.Destination = "{app}";
    AddComponent(project, ModuleType::Win32, 0);

    const QStringList lines = write();
    EXPECT_EQ(downloads.DownloadDestinations,
              QStringList({ "ExpandConstant('{tmp}\\dcm.zip')", "ExpandConstant('{tmp}\\down-1')",
                            "ExpandConstant('{tmp}\\down-2')", "ExpandConstant('{tmp}\\down-3')" }));
    EXPECT_EQ(downloads.DownloadModuleNames, QStringList({ "DCM0", "", "CABCOLLECTION0", "WIN320" }));
    EXPECT_EQ(downloads.DownloadCheckTypes, QStringList({ "1", "2", "1", "0" }));
    EXPECT_EQ(lines.mid(4), QStringList({
                                "Source: \"{tmp}\\down-1\"; DestDir: \"{app}\\palmos_0\"; DestName: \"app.prc\"; "
                                "Check: CheckPalm;flags: external;",
                                "Source: \"comp-0.ini\"; DestDir: \"{app}\"; Check: CheckAsync; components: CABCOLLECTION0;",
                                "Source: \"{tmp}\\down-2\"; DestDir: \"{app}\\comp-0\"; DestName: \"extra.cab\"; "
                                "Check: CheckAsync; components: CABCOLLECTION0;flags: external;",
                                "Source: \"C:\\Proj\\cabs\\local.cab\"; DestDir: \"{app}\\comp-0\"; Check: CheckAsync; "
                                "components: CABCOLLECTION0;",
                                "Source: \"{tmp}\\down-3\"; DestDir: {app} ; DestName: tool.exe; Flags: external ; "
                                "components: WIN320;",
                            }));
}

} // namespace
} // namespace talmo
