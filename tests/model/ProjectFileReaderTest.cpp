#include "ProjectFileFixtures.h"

#include "model/ProgramOptions.h"
#include "model/ProjectFileReader.h"
#include "model/ProjectFileWriter.h"

#include "platform/ProgramFolder.h"
#include "tests/support/ProcessorTimer.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace talmo;
using namespace talmo::testing;

namespace {

// The full fixture as a parsed document, saved with known generated names.
std::unique_ptr<XmlElement> fullDocument()
{
    TProjectContainer project;
    FillFullProject(project);
    SeedNames(project);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(ProjectFileWriter::SaveToStream(project, "full.talmo", buffer));
    return XmlTree::parse(buffer.data());
}

bool loadEdited(TProjectContainer &project, const QList<ElementEdit> &edits)
{
    static const std::unique_ptr<XmlElement> full = fullDocument();
    const std::unique_ptr<XmlElement> document = Edited(*full, edits);
    SeedNames(project);
    return ProjectFileReader::LoadFromDocument(project, "/projects/edited.talmo", document.get());
}

QString joined(const QStringList &list)
{
    return list.join('|');
}

QString flag(bool value)
{
    return value ? "true" : "false";
}

} // namespace

TEST(ProjectFileReader, SaveLoadSaveGivesTheSameBytes)
{
    QTemporaryDir dir;
    const QString first = dir.filePath("first.talmo");
    TProjectContainer original;
    FillFullProject(original);
    SeedNames(original);
    ASSERT_TRUE(ProjectFileWriter::SaveToFile(original, first));

    TProjectContainer loaded;
    SeedNames(loaded);
    ASSERT_TRUE(ProjectFileReader::LoadFromFile(loaded, first));
    EXPECT_EQ(loaded.FileName, first);
    EXPECT_FALSE(loaded.Modified);

    const QString second = dir.filePath("second.talmo");
    SeedNames(loaded);
    ASSERT_TRUE(ProjectFileWriter::SaveToFile(loaded, second));
    EXPECT_EQ(ReadFile(second), ReadFile(first));
}

TEST(ProjectFileReader, TheContainerSavesAndLoadsThroughStreams)
{
    TProjectContainer original;
    FillFullProject(original);
    SeedNames(original);
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    ASSERT_TRUE(original.SaveToFile("/projects/a.talmo", &saved));
    EXPECT_EQ(original.FileName, "/projects/a.talmo");

    QBuffer source(&saved.buffer());
    source.open(QIODevice::ReadOnly);
    TProjectContainer loaded;
    ASSERT_TRUE(loaded.LoadFromFile("/projects/b.talmo", &source));
    EXPECT_EQ(loaded.FileName, "/projects/b.talmo");
    EXPECT_EQ(loaded.AboutText, "About <Roadrunner>");
    EXPECT_EQ(loaded.CustomForms[1].ExecUnits[1].linkTo, 0);
}

TEST(ProjectFileReader, RebuildsTheFlatDeviceFileListsFromTheSections)
{
    TProjectContainer project;
    ASSERT_TRUE(loadEdited(project, {}));
    ASSERT_EQ(project.CEDevices.Count(), 2);
    const TPPCFS_Files &files = project.CEDevices[0].Files;
    ASSERT_EQ(files.Count(), 4);
    EXPECT_EQ(files[2].SourceName, "a.dat");
    EXPECT_EQ(files[2].SourceDir, "C:\\src\\data\\");
    EXPECT_EQ(files[2].DestinationDir, "%InstallDir%\\Data\\");
    EXPECT_EQ(files[2].Attributes, 1);
    EXPECT_EQ(project.CEDevices[1].Files[3].SourceName, "r2.dat");
}

TEST(ProjectFileReader, EveryUnguardedElementIsNeeded)
{
    const char *paths[] = {
        "Signature", "CESignature", "Provider", "AppName", "InstallDir", "output_path", "setup_exec_name",
        "description", "Strings", "Strings/count", "CEDevices", "CEDevices/count", "SourceDisksNames",
        "SourceDisksNames/SourceDisksName_1/Disks", "SourceDisksNames/SourceDisksName_0/Disks/Disk_1/Files",
        "SourceDisksNames/SourceDisksName_0/Disks/Disk_0/disk_id", "Copyfiles",
        "Copyfiles/Copyfiles_2/includedFiles", "Copyfiles/Copyfiles_0/includedFiles/file_1/attributes",
        "Copyfiles/Copyfiles_1/linked_SourceDisk", "DefaultInstall", "DefaultInstall/DefaultInstall_1/defaultInstallRegistry",
        "Shortcuts", "Shortcuts/shortcutSection_0/shortcutEntries/shortcutEntry_0/shortcut_type_flag",
        "Registry", "Registry/registrySection_1/registryEntries/registryEntry_0/overwrite",
    };
    for (const char *path : paths) {
        TProjectContainer project;
        EXPECT_FALSE(loadEdited(project, { { path, std::nullopt } })) << path;
        EXPECT_TRUE(project.FileName.isEmpty()) << path;
    }
}

TEST(ProjectFileReader, BrokenStructureFailsTheLoad)
{
    const QList<QList<ElementEdit>> cases = {
        { { "Strings/Dir", "" }, { "Strings/Greeting", std::nullopt } },  // fine: one pair less
        { { "CEDevices/count", "0" } },              // no configuration for the disks
        { { "SourceDisksNames/count", "3" } },       // more items than children
        { { "Copyfiles/Copyfiles_3/linked_SourceDisk", "5" } },  // no such disk
        { { "CEDevices/CEDevice_1/BuildMax", "two" } },
        { { "Strings/Dir", std::nullopt }, { "Strings/count", "x" } },
    };
    TProjectContainer project;
    EXPECT_TRUE(loadEdited(project, cases[0]));
    for (int i = 1; i < cases.size(); ++i)
        EXPECT_FALSE(loadEdited(project, cases[i])) << "case " << i;
}

TEST(ProjectFileReader, GuardedElementsTakeTheirFallbacks)
{
    struct Case
    {
        QList<ElementEdit> edits;
        std::function<QString(const TProjectContainer &)> value;
        QString expected;
    };
    const std::nullopt_t removed = std::nullopt;
    const Case cases[] = {
        { { { "InstallTypes", removed } }, [](auto &p) { return joined(p.InstallTypes); }, "Full|Compact|Custom" },
        { { { "InstallTypesDescriptions", removed } }, [](auto &p) { return joined(p.InstallTypesDescriptions); },
          "Full installation|Compact installation|Custom installation" },
        { { { "InstallTypesIsCustom", "x" } }, [](auto &p) { return QString::number(p.InstallTypesIsCustom); }, "2" },
        { { { "InstallTypesIsCustom", "5" } }, [](auto &p) { return QString::number(p.InstallTypesIsCustom); }, "2" },
        { { { "InstallTypesIsCustom", "-1" } }, [](auto &p) { return QString::number(p.InstallTypesIsCustom); }, "-1" },
        { { { "StandardForm2", "yes" } },
          [](auto &p) { return flag(p.StandardForms[0]) + flag(p.StandardForms[1]) + flag(p.StandardForms[3]); },
          "truetruetrue" },
        { { { "CabCreatorModule_HiddenInstall", removed } },
          [](auto &p) { return joined(p.CabCreatorModuleInstallTypes) + "/" + joined(p.CabCreatorModuleLanguages) + "/" + flag(p.CabCreatorModuleHiddenInstall); },
          "Full|Two Words//false" },
        { { { "CommonCode", removed } }, [](auto &p) { return joined(p.CommonCode); }, "" },
        { { { "Win32AppName", removed } }, [](auto &p) { return p.Win32AppName; }, "Roadrunner" },
        { { { "Win32AppName", removed }, { "AppName", "" } }, [](auto &p) { return p.Win32AppName; }, "My Application" },
        { { { "Provider", "" } }, [](auto &p) { return p.Provider; }, "MyCompany" },
        { { { "VersionInfoCompany", removed } }, [](auto &p) { return p.VersionInfoCompany; }, "Acme & Sons" },
        { { { "VersionInfoDescription", removed } }, [](auto &p) { return p.VersionInfoDescription; }, "Roadrunner Desktop Setup" },
        { { { "VersionInfoVersion", removed } }, [](auto &p) { return p.VersionInfoVersion; }, "0.0.0.0" },
        { { { "CreateCABIcons", "" } }, [](auto &p) { return flag(p.CreateCABIcons); }, "true" },
        { { { "builderDefaultDirName", removed } }, [](auto &p) { return p.BuilderDefaultDirName; }, "{pf}\\%AppName%" },
        { { { "SkinName", removed } }, [](auto &p) { return p.SkinName; }, "Default" },
        { { { "DefaultUserInfoName", removed } }, [](auto &p) { return p.DefaultUserInfoName; }, "{sysuserinfoname}" },
        { { { "Win32Version", removed } }, [](auto &p) { return p.Win32Version; }, "" },
        { { { "builderWizardImageBackColor", removed } }, [](auto &p) { return p.BuilderWizardImageBackColor; }, "$400000" },
        { { { "ShowWelcomePage", "maybe" } }, [](auto &p) { return flag(p.ShowWelcomePage); }, "true" },
        { { { "builderWizardImageStretch", removed } }, [](auto &p) { return p.BuilderWizardImageStretch; }, "yes" },
        { { { "DefaultBuildMode", "1" }, { "BuildCabsFirst", removed } },
          [](auto &p) { return QString::number(p.DefaultBuildMode) + flag(p.BuildCabsFirst); }, "0true" },
        { { { "SplashScreen_Width", "wide" } },
          [](auto &p) { return QString::number(p.SplashScreenWidth) + "," + QString::number(p.SplashScreenHeight); }, "0,240" },
        { { { "SetupCaption", removed } }, [](auto &p) { return p.SetupCaption; }, "" },
        { { { "Platforms/count", "x" } }, [](auto &p) { return QString::number(p.Platforms.Count()); }, "0" },
        { { { "Languages/count", removed } }, [](auto &p) { return QString::number(p.Languages.Count()); }, "0" },
        { { { "Languages/lang-1/InfoAfterFile", removed } }, [](auto &p) { return p.Languages[1].InfoAfterFile + p.Languages[1].LanguageID; }, "German" },
        { { { "CEDevices/CEDevice_1/BuildMax", "" } }, [](auto &p) { return QString::number(p.CEDevices[1].BuildMax); }, "0" },
        { { { "Shortcuts/shortcutSection_1/shortcutEntries/shortcutEntry_1/CustomIconIndexType", removed } },
          [](auto &p) { return "[" + p.ShortcutsSections[1].Entries[1].CustomIconIndexType + "]"; }, "[]" },
    };
    for (const Case &c : cases) {
        TProjectContainer project;
        ASSERT_TRUE(loadEdited(project, c.edits)) << c.edits.front().path.toStdString();
        EXPECT_EQ(c.value(project), c.expected) << c.edits.front().path.toStdString();
        EXPECT_FALSE(project.Modified);
    }
}

TEST(ProjectFileReader, ModuleListsKeepWhatTheirUnitsAllow)
{
    struct Case
    {
        const char *path;
        std::optional<QString> text;
        std::function<QString(const TProjectContainer &)> value;
        QString expected;
    };
    const Case cases[] = {
        // A lost entry flag reads as false instead of costing every desktop-installer module.
        { "Win32Plugins/Win32Plugin-1/FileEntries/FileEntry-0/FlagTouch", std::nullopt,
          [](auto &p) { return QString::number(p.Win32Plugins.Count()) + flag(p.Win32Plugins[1].FileEntries[0].FlagTouch); }, "2false" },
        { "Win32Plugins/Win32Plugin-0/FileEntries/FileEntry-1/FlagDontCopy", "x",
          [](auto &p) { return QString::number(p.Win32Plugins[0].FileEntries.Count()) + flag(p.Win32Plugins[0].FileEntries[1].FlagDontCopy); }, "2false" },
        { "Win32Plugins/Win32Plugin-1/InstallRunEntries/RunEntry-0/FlagNoWait", std::nullopt,
          [](auto &p) { return QString::number(p.Win32Plugins[1].InstallRunEntries.Count()) + flag(p.Win32Plugins[1].InstallRunEntries[0].FlagNoWait); }, "2false" },
        { "Win32Plugins/Win32Plugin-0/FileEntries/FileEntry-0/Source", std::nullopt,
          [](auto &p) { return QString::number(p.Win32Plugins.Count()); }, "0" },
        { "Win32Plugins/Win32Plugin-0/IconEntries/IconEntry-1/IconIndex", "first",
          [](auto &p) { return QString::number(p.Win32Plugins.Count()); }, "0" },
        { "Win32Plugins/Win32Plugin-0/Dirs", std::nullopt,
          [](auto &p) { return joined(p.Win32Plugins[0].Dirs) + "/" + p.Win32Plugins[0].FileEntries[1].Source; }, "/w01.src" },
        { "Win32Plugins/Win32Plugin-1/InstallTypes", std::nullopt,
          [](auto &p) { return joined(p.Win32Plugins[1].InstallTypes); }, "Full|Two Words" },
        { "Win32Plugins/Win32Plugin-0/UninstallRunEntries/RunEntry-1/FileName", std::nullopt,
          [](auto &p) {
              const TWin32Plugin &m = p.Win32Plugins[0];
              return QString::number(m.UninstallRunEntries.Count()) + QString::number(m.InstallRunEntries.Count())
                  + QString::number(p.Win32Plugins[1].UninstallRunEntries.Count());
          }, "022" },
        { "Win32Plugins/Win32Plugin-1/InstallDeleteEntries", std::nullopt,
          [](auto &p) { return QString::number(p.Win32Plugins[1].InstallDeleteEntries.Count()) + QString::number(p.Win32Plugins[1].UninstallDeleteEntries.Count()); }, "02" },
        { "PalmSections/PalmSection-0/HiddenInstall", std::nullopt,
          [](auto &p) { return QString::number(p.PalmSections.Count()) + flag(p.PalmSections[0].HiddenInstall); }, "2false" },
        { "PalmSections/PalmSection-1/FileEntries/FileEntry-1/Source", std::nullopt,
          [](auto &p) { return QString::number(p.PalmSections.Count()); }, "0" },
        { "DirectCopySections/DirectCopySection-1/InstallTypes", std::nullopt,
          [](auto &p) { return joined(p.DirectCopyModules[1].InstallTypes) + "/" + p.DirectCopyModules[1].DefaultInstallLocation; }, "Full|Two Words/\\Storage Card\\App1" },
        { "DirectCopySections/DirectCopySection-0/UserCanUpdateInstall", std::nullopt,
          [](auto &p) { return QString::number(p.DirectCopyModules.Count()); }, "0" },
        { "CabCollections/CabCollections_0/Languages", std::nullopt,
          [](auto &p) { return "[" + joined(p.CabCollections[0].Languages) + "]" + QString::number(p.CabCollections.Count()); }, "[]2" },
        { "CabCollections/CabCollections_0/FlagFixed", "fixed",
          [](auto &p) { return flag(p.CabCollections[0].FlagFixed); }, "false" },
        { "CabCollections/CabCollections_1/InstallTypes", std::nullopt,
          [](auto &p) { return joined(p.CabCollections[1].InstallTypes); }, "Full|Two Words" },
        { "CabCollections/count", "3",
          [](auto &p) { return QString::number(p.CabCollections.Count()); }, "0" },
        { "PluginContainers/container-1/platform_1/processor_0/count", "3",
          [](auto &p) { return QString::number(p.PluginContainers.Count()); }, "0" },
        { "PluginContainers/container-0/someOldCaption", "",
          [](auto &p) { return p.PluginContainers[0].someOldCaption; }, "SQL Mobile 0" },
        { "PluginContainers/container-1/Languages", std::nullopt,
          [](auto &p) {
              const TPluginContainer &c = p.PluginContainers[1];
              return "[" + joined(c.Languages) + "]" + joined(c.InstallTypes) + flag(c.HiddenInstall);
          }, "[]Full|Two Wordsfalse" },
    };
    for (const Case &c : cases) {
        TProjectContainer project;
        ASSERT_TRUE(loadEdited(project, { { c.path, c.text } })) << c.path;
        EXPECT_EQ(c.value(project), c.expected) << c.path;
    }
}

TEST(ProjectFileReader, CustomPagesValidateAndCompleteTheirEvents)
{
    struct Case
    {
        QList<ElementEdit> edits;
        std::function<QString(const TProjectContainer &)> value;
        QString expected;
    };
    const QString unit0 = "CustomForms/CustomForm-0/ExecUnits/ExecUnit-0/";
    const QString unit1 = "CustomForms/CustomForm-0/ExecUnits/ExecUnit-1/";
    auto units = [](const TProjectContainer &p) -> const TFormCodeExecutionUnits & { return p.CustomForms[0].ExecUnits; };
    const Case cases[] = {
        { { { "CustomForms/CustomForm-1/CreationOrder", "14" } },
          [](auto &p) { return QString::number(p.CustomForms.Count()) + "," + QString::number(p.CustomForms[1].CreationOrder); }, "2,0" },
        { { { "CustomForms/CustomForm-1/CreationOrder", "-1" } },
          [](auto &p) { return QString::number(p.CustomForms.Count()) + "," + QString::number(p.CustomForms[1].CreationOrder); }, "2,0" },
        { { { "CustomForms/CustomForm-1/CreationOrder", "13" } }, [](auto &p) { return p.CustomForms[1].CreatedAfterPageName(); }, "Finished" },
        { { { unit1 + "linkTo", "7" } }, [&](auto &p) { return QString::number(units(p)[1].linkTo); }, "-1" },
        { { { unit1 + "linkTo", "1" } }, [&](auto &p) { return QString::number(units(p)[1].linkTo); }, "-1" },
        { { { unit0 + "linkTo", "1" } }, [&](auto &p) { return QString::number(units(p)[0].linkTo); }, "1" },
        { { { "CustomForms/CustomForm-0/Name", "Other" }, { unit0 + "eventNameInCode", std::nullopt }, { unit1 + "eventNameInCode", "" } },
          [&](auto &p) { return units(p)[0].eventNameInCode + "," + units(p)[1].eventNameInCode; },
          "Other_FormOnActivate,Other_Button1OnClick" },
        // A stored default code is kept when only the flag is lost.
        { { { unit0 + "Enabled", std::nullopt } },
          [&](auto &p) { return joined(units(p)[0].defCode) + "/" + flag(units(p)[0].Enabled); },
          "begin|// Your Code here ...|end;|/true" },
        { { { unit0 + "defCode", std::nullopt } },
          [&](auto &p) { return joined(units(p)[0].defCode) + "/" + flag(units(p)[0].Enabled); },
          "begin|// Your Code here ...|end;/true" },
        { { { unit1 + "defCode", std::nullopt } },
          [&](auto &p) { return joined(units(p)[1].defCode) + "/" + flag(units(p)[1].Enabled); },
          "begin|// Your Code here ...|end;/false" },
        { { { unit1 + "defCode", std::nullopt }, { unit1 + "Event", "OnShouldSkipPage" }, { unit1 + "Code", "begin\r\n  Result := False;\r\nend;\r\n" } },
          [&](auto &p) { return joined(units(p)[1].defCode) + "/" + flag(units(p)[1].Enabled); },
          "begin|  Result := False;|end;/false" },
        { { { unit1 + "defCode", std::nullopt }, { unit1 + "Event", "OnNextButtonClick" } },
          [&](auto &p) { return joined(units(p)[1].defCode); }, "begin|  Result := True;|end;" },
        { { { unit1 + "defCode", std::nullopt }, { unit1 + "Event", "OnExit" }, { unit1 + "Code", "x" } },
          [&](auto &p) { return "[" + joined(units(p)[1].defCode) + "]" + flag(units(p)[1].Enabled); }, "[]true" },
    };
    for (const Case &c : cases) {
        TProjectContainer project;
        ASSERT_TRUE(loadEdited(project, c.edits)) << c.edits.front().path.toStdString();
        EXPECT_EQ(c.value(project), c.expected) << c.edits.front().path.toStdString();
    }
}

TEST(ProjectFileReader, BadComponentIndexesRebuildTheTree)
{
    const QList<ElementEdit> cases[] = {
        { { "InstallComponents/InstallComponent-2/moduleIndex", "9" } },
        { { "InstallComponents/InstallComponent-2/parentIndex", "2" } },
        { { "InstallComponents/InstallComponent-2/parentIndex", "7" } },
        { { "InstallComponents/InstallComponent-1/parentIndex", "4" } },  // 1 -> 4 -> 1
        { { "InstallComponents/InstallComponent-3/moduleType", "9" } },
        { { "InstallComponents/InstallComponent-3/moduleType", "260" } },
        { { "InstallComponents/InstallComponent-0/FlagRestart", std::nullopt } },
    };
    for (const QList<ElementEdit> &edits : cases) {
        TProjectContainer project;
        ASSERT_TRUE(loadEdited(project, edits)) << edits.front().path.toStdString();
        QStringList names;
        for (int i = 0; i < project.InstallComponents.Count(); ++i) {
            EXPECT_EQ(project.InstallComponents[i].parentIndex, -1);
            names.append(project.GetComponentName(i, true));
        }
        EXPECT_EQ(names.join(','), "WIN320,WIN321,CABCOLLECTION0,CABCOLLECTION1,PALMOS0,PALMOS1,DCM0,DCM1,MSQL0,NETCF21,CABCREATOR")
            << edits.front().path.toStdString();
    }

    TProjectContainer desktopOnly;
    ASSERT_TRUE(loadEdited(desktopOnly, { { "InstallComponents/InstallComponent-2/moduleIndex", "9" }, { "Win32Only", "-1" } }));
    EXPECT_EQ(desktopOnly.InstallComponents.Count(), 10);
    EXPECT_EQ(desktopOnly.FindComponentIndex(ModuleType::CabCreator, 0), -1);
}

TEST(ProjectFileReader, ComponentsCarryFlagsIntoTheirModules)
{
    TProjectContainer project;
    ASSERT_TRUE(loadEdited(project, { { "InstallComponents/InstallComponent-2/FlagFixed", "-1" },
                                      { "InstallComponents/InstallComponent-1/HiddenInstall", "0" } }));
    EXPECT_TRUE(project.Win32Plugins[1].FlagFixed);
    EXPECT_FALSE(project.InstallComponents[1].HiddenInstall);
    EXPECT_EQ(project.GetComponentName(4, true), "CONTAINER1\\NETCF21");

    TProjectContainer saved;
    ASSERT_TRUE(loadEdited(saved, {}));
    EXPECT_TRUE(saved.InstallComponents[1].HiddenInstall);
    TProjectContainer older;
    ASSERT_TRUE(loadEdited(older, { { "InstallComponents/InstallComponent-1/HiddenInstall", std::nullopt } }));
    EXPECT_FALSE(older.InstallComponents[1].HiddenInstall);
}

TEST(ProjectFileReader, AFileOfOnlyTheUnguardedElementsTakesEveryFallback)
{
    const QByteArray document =
        "<Project><Signature>$Chicago$</Signature><CESignature/><Provider/><AppName>Tool</AppName><InstallDir/>"
        "<output_path/><setup_exec_name/><description/><Strings><count>0</count></Strings>"
        "<CEDevices><count>0</count></CEDevices><SourceDisksNames><count>0</count></SourceDisksNames>"
        "<Copyfiles><count>0</count></Copyfiles><DefaultInstall><count>0</count></DefaultInstall>"
        "<Shortcuts><count>0</count></Shortcuts><Registry><count>0</count></Registry></Project>";
    for (const bool desktopOnly : { false, true }) {
        QByteArray bytes = document;
        if (desktopOnly)
            bytes.replace("<description/>", "<description/><Win32Only>true</Win32Only>");
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TProjectContainer project;
        project.SetAppName("before");
        ASSERT_TRUE(ProjectFileReader::LoadFromStream(project, "/p/only.talmo", buffer));
        EXPECT_EQ(joined(project.InstallTypes), "Full|Compact|Custom");
        EXPECT_EQ(joined(project.CabCreatorModuleInstallTypes), "Full|Compact|Custom");
        EXPECT_EQ(project.Provider, "MyCompany");
        EXPECT_EQ(project.Win32AppName, "Tool");
        EXPECT_EQ(project.VersionInfoCompany, "MyCompany");
        EXPECT_EQ(project.VersionInfoDescription, "Tool Setup");
        EXPECT_EQ(project.Win32Version, "");
        EXPECT_EQ(project.ProjectVersion, 24);  // migrated from 0
        EXPECT_EQ(project.FileName, "/p/only.talmo");
        EXPECT_FALSE(project.Modified);
        if (desktopOnly) {
            EXPECT_EQ(project.InstallComponents.Count(), 0);
        } else {
            ASSERT_EQ(project.InstallComponents.Count(), 1);
            EXPECT_EQ(project.InstallComponents[0].moduleType, ModuleType::CabCreator);
            EXPECT_EQ(project.InstallComponents[0].moduleIndex, 0);
        }
    }
}

TEST(ProjectFileReader, WhatIsNotAProjectFailsAndWritesNothing)
{
    QTemporaryDir dir;
    const QByteArray valid = ReadFixture("minimal-project.talmo");
    const QByteArray contents[] = { "not xml at all", valid.left(valid.size() / 2), "", "<Talmo_Details>" };
    for (const QByteArray &content : contents) {
        const QString fileName = dir.filePath("broken.talmo");
        WriteFile(fileName, content);
        TProjectContainer project;
        EXPECT_FALSE(ProjectFileReader::LoadFromFile(project, fileName)) << content.left(20).toStdString();
        EXPECT_TRUE(project.FileName.isEmpty());
        EXPECT_EQ(ReadFile(fileName), content);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
    TProjectContainer project;
    EXPECT_FALSE(ProjectFileReader::LoadFromFile(project, dir.filePath("missing.talmo")));
    EXPECT_EQ(ProjectFileReader::LoadErrorMessage, "Error while loading project !");
}

TEST(ProjectFileReader, DeeplyNestedFilesAreRefusedPromptly)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath("deep.talmo");
    const int depth = 1000000;
    const QByteArray content = QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
    WriteFile(fileName, content);
    const talmo::testing::ProcessorTimer timer;
    TProjectContainer project;
    EXPECT_FALSE(ProjectFileReader::LoadFromFile(project, fileName));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_TRUE(project.FileName.isEmpty());
    EXPECT_EQ(ReadFile(fileName), content);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(ProjectFileReader, LegacyRuntimeModulesBecomeContainersOfTheBuiltinSets)
{
    ProgramFolder::setOverride("/opt/talmo");
    struct Case
    {
        QList<ElementEdit> edits;
        QString expected;  // type, then checked marks of platform 0, its processors, platform 1, its processors
    };
    const Case cases[] = {
        { { { "NetModuleV2", "100110000" } }, "NETCF2:0 0 / 1 10000" },
        { { { "NetModuleV2", "000000000" } }, "" },
        { { { "SQLModule", "11111111111" } }, "SQL:1 1 / 1 1111111" },
        { { { "SQLModule", "1101" } }, "SQL:1 0 / 1 0000000" },
        { { { "NetModuleV2", "1111111111111" }, { "SQLModule", "10" } }, "NETCF2:1 1 / 1 11111|SQL:0 0 / 0 0000000" },
    };
    for (const Case &c : cases) {
        TProjectContainer project;
        ASSERT_TRUE(loadEdited(project, c.edits + QList<ElementEdit>{ { "PluginContainers/count", "0" },
                                                                        { "InstallComponents/InstallComponent-3/moduleIndex", "5" } }));
        QStringList containers;
        for (const TPluginContainer &container : project.PluginContainers) {
            QString marks = container.Type + ":";
            for (int p = 0; p < container.Platforms.Count(); ++p) {
                const TPluginPlatform &platform = container.Platforms[p];
                marks += (p ? " / " : "") + QString(platform.Checked ? "1" : "0") + " ";
                for (const TPluginProcessor &processor : platform.Processors)
                    marks += processor.Checked ? "1" : "0";
            }
            EXPECT_EQ(container.Caption, "Builtin Distribution");
            EXPECT_EQ(container.someOldCaption, "Builtin Distribution");
            EXPECT_EQ(joined(container.InstallTypes), "Full|Two Words");
            EXPECT_TRUE(container.Languages.isEmpty());
            containers.append(marks);
        }
        EXPECT_EQ(containers.join('|'), c.expected) << c.edits.front().text->toStdString();
    }
    TProjectContainer project;
    ASSERT_TRUE(loadEdited(project, { { "SQLModule", "1" }, { "PluginContainers/count", "0" },
                                      { "InstallComponents/InstallComponent-3/moduleIndex", "5" } }));
    EXPECT_EQ(project.PluginContainers[0].Platforms[1].Processors[6].Files[2].Source,
              "/opt/talmo\\redist\\SQLServer\\Mobile\\v3.0\\wce500\\x86\\sqlce30.wce5.x86.CAB");
    ProgramFolder::clearOverride();
}

TEST(ProjectFileReader, LegacyRuntimeModulesUseTheProgramWideOptions)
{
    TProgramOptions options;
    options.MSQLSets.front().Caption = "Shipped";
    ScopedCurrentProgramOptions current(options);
    TProjectContainer project;
    ASSERT_TRUE(loadEdited(project, { { "SQLModule", "1" }, { "PluginContainers/count", "0" } }));
    ASSERT_EQ(project.PluginContainers.Count(), 1);
    EXPECT_EQ(project.PluginContainers[0].Caption, "Shipped");
}

TEST(ProjectFileReader, LegacyLanguageFilesAddEnglishOnce)
{
    struct Case
    {
        QList<ElementEdit> edits;
        QString languages;
    };
    const Case cases[] = {
        { { { "eula_file", "eula.rtf" }, { "readme_file", "" }, { "Languages/lang-0/LanguageID", "French" } }, "French,German" },
        { { { "eula_file", "eula.rtf" }, { "readme_file", "readme.rtf" }, { "Languages/lang-0/LanguageID", "French" } },
          "French,German,English:readme.rtf:eula.rtf" },
        { { { "eula_file", "eula.rtf" }, { "readme_file", "readme.rtf" } }, "English,German" },
    };
    for (const Case &c : cases) {
        TProjectContainer project;
        ASSERT_TRUE(loadEdited(project, c.edits));
        QStringList ids;
        for (const TLanguage &language : project.Languages)
            ids.append(language.LanguageID == "English" && language.ReadmeFile == "readme.rtf"
                           ? "English:" + language.ReadmeFile + ":" + language.EULAFile : language.LanguageID);
        EXPECT_EQ(ids.join(','), c.languages);
        EXPECT_EQ(project.LegacyEulaFile, "eula.rtf");
    }
}

TEST(ProjectFileReader, ReadsProjectsOfEarlierWindowsVersions)
{
    ProgramFolder::setOverride("/opt/talmo");
    QTemporaryDir dir;
    const QString fileName = dir.filePath("legacy.talmo");
    WriteFile(fileName, ReadFixture("legacy-project.talmo"));
    TProjectContainer project;
    ASSERT_TRUE(ProjectFileReader::LoadFromFile(project, fileName));
    ProgramFolder::clearOverride();

    EXPECT_FALSE(project.Modified);
    EXPECT_EQ(project.FileName, fileName);
    EXPECT_EQ(project.ProjectVersion, 24);
    EXPECT_EQ(project.AppName, "Old Tool");
    EXPECT_EQ(project.Provider, "Old & Co");
    EXPECT_EQ(project.AboutText, "Line one\nLine <two>");
    EXPECT_EQ(joined(project.CommonCode), "procedure A;|begin|end;");
    ASSERT_EQ(project.StringPairs.Count(), 2);
    EXPECT_EQ(project.StringPairs[1].Name, "My:Path");
    EXPECT_EQ(project.StringPairs[1].Value, "\\Program Files");

    ASSERT_EQ(project.CabCollections.Count(), 1);
    EXPECT_EQ(joined(project.CabCollections[0].Languages), "English|German");
    EXPECT_TRUE(project.CabCollections[0].FlagFixed);
    ASSERT_EQ(project.Languages.Count(), 1);
    EXPECT_EQ(project.Languages[0].EULAFile, "license.txt");

    ASSERT_EQ(project.PluginContainers.Count(), 1);
    EXPECT_EQ(project.PluginContainers[0].Type, "NETCF2");

    ASSERT_EQ(project.ShortcutsSections.Count(), 2);
    for (int d = 0; d < 2; ++d) {
        const TShortcutSection &section = project.ShortcutsSections[d];
        EXPECT_EQ(section.Caption, "wiz-" + QString::number(d));
        EXPECT_EQ(section.DefaultDestinationDir, "%CE11%");
        ASSERT_EQ(section.Entries.Count(), 2);
        EXPECT_EQ(section.Entries[0].shortcut_filename, "Tool");
        EXPECT_EQ(section.Entries[0].standard_destination_path, "%CE11%\\Tools");
        EXPECT_EQ(section.Entries[1].standard_destination_path, "%CE17%");
        EXPECT_EQ(project.CEDevices[d].Installation.defaultInstallShortcuts, QStringList{ section.Caption });
    }
    ASSERT_EQ(project.CEDevices[1].Files.Count(), 1);
    EXPECT_EQ(project.CEDevices[1].Files[0].SourceName, "tool.exe");
    ASSERT_EQ(project.InstallComponents.Count(), 3);
    EXPECT_EQ(project.GetComponentName(2, true), "CABCREATOR");
}
