#include "engine/script/ComponentCondition.h"
#include "engine/script/DesktopEntryWriter.h"
#include "engine/script/DownloadList.h"
#include "engine/script/FilesSectionWriter.h"
#include "model/ProjectContainer.h"

#include "ScriptTestSupport.h"

#include <functional>

namespace talmo {
namespace {

using namespace scripttest;

// The [Files] lines of the project, filling the download list.
QStringList FilesSection(TProjectContainer &project, DownloadList &downloads)
{
    const ScriptEnvironment environment = EnvironmentWith();
    const ComponentCondition conditions{ project };
    const DesktopEntryWriter desktop{ project, conditions };
    downloads.Clear();
    QStringList lines;
    FilesSectionWriter(project, environment, conditions, desktop, downloads).Write(outputFolder, lines);
    return lines;
}

void MakeDesktopOnly(TProjectContainer &project)
{
    project.FileName = QStringLiteral("C:\\Proj\\app.talmo");
    project.Win32Only = true;
    project.InstallComponents.Clear();
}

struct SupportCase
{
    const char *what;
    std::function<void(TProjectContainer &)> setUp;
    QStringList lines;
};

// The files the setup carries for itself: transfer DLL, skin button,
// SkinCrafter engine and skin.
TEST(ScriptSupportFilesTest, SkinAndSkinCrafterFilesAreCarriedForTheSetupOnly)
{
    const SupportCase cases[] = {
        { "default skin without SkinCrafter carries nothing", [](TProjectContainer &) {}, {} },
        { "a skin carries its button bitmap",
          [](TProjectContainer &p) { p.SkinName = "Ocean"; },
          { "Source: \"C:\\Talmo\\Setup Skins\\Ocean\\button.bmp\"; DestDir: {tmp}; Flags: dontcopy" } },
        { "SkinCrafter without a skin file takes the shipped one",
          [](TProjectContainer &p) { p.SkinCrafterSupport = true; },
          { "Source: \"C:\\Talmo\\SkinCrafter\\NSIS_SkinCrafter_Plugin.dll\"; DestDir: {tmp}; Flags: dontcopy",
            "Source: \"C:\\Talmo\\SkinCrafter\\callnsis.dll\"; DestDir: {tmp}; Flags: dontcopy",
            "Source: \"C:\\Talmo\\SkinCrafter\\vista.skf\"; DestDir: {tmp}; Flags: dontcopy" } },
        { "the project's own SkinCrafter skin is resolved against the project folder",
          [](TProjectContainer &p) {
              p.SkinCrafterSupport = true;
              p.SkinCrafterSkinFileName = "skins\\blue.skf";
          },
          { "Source: \"C:\\Talmo\\SkinCrafter\\NSIS_SkinCrafter_Plugin.dll\"; DestDir: {tmp}; Flags: dontcopy",
            "Source: \"C:\\Talmo\\SkinCrafter\\callnsis.dll\"; DestDir: {tmp}; Flags: dontcopy",
            "Source: \"C:\\Proj\\skins\\blue.skf\"; DestDir: {tmp}; Flags: dontcopy" } },
        { "transfer DLL, then the skin, then SkinCrafter, then the Palm DLLs",
          [](TProjectContainer &p) {
              p.SkinName = "default";
              p.SkinCrafterSupport = true;
              p.SkinCrafterSkinFileName = "D:\\skins\\dark.skf";
              p.DirectCopyModules.AddNew().Files.AddNew().Source = "http://example.com/data.zip";
              AddComponent(p, ModuleType::DirectCopy, 0);
              p.PalmSections.AddNew();
              AddComponent(p, ModuleType::PalmOS, 0);
          },
          { "Source: \"C:\\Talmo\\kestrin.dll\"; DestDir: {tmp}; Flags: dontcopy",
            "Source: \"C:\\Talmo\\Setup Skins\\default\\button.bmp\"; DestDir: {tmp}; Flags: dontcopy",
            "Source: \"C:\\Talmo\\SkinCrafter\\NSIS_SkinCrafter_Plugin.dll\"; DestDir: {tmp}; Flags: dontcopy",
            "Source: \"C:\\Talmo\\SkinCrafter\\callnsis.dll\"; DestDir: {tmp}; Flags: dontcopy",
            "Source: \"D:\\skins\\dark.skf\"; DestDir: {tmp}; Flags: dontcopy",
            "Source: \"C:\\Talmo\\condmgr.dll\"; DestDir: \"{app}\"; Check: CheckPalm;",
            "Source: \"C:\\Talmo\\HSAPI.dll\"; DestDir: \"{app}\"; Check: CheckPalm;",
            "Source: \"C:\\Talmo\\Instaide.dll\"; DestDir: \"{app}\"; Check: CheckPalm;" } },
    };
    for (const SupportCase &c : cases) {
        SCOPED_TRACE(c.what);
        TProjectContainer project;
        MakeDesktopOnly(project);
        c.setUp(project);
        DownloadList downloads;
        const QStringList lines = FilesSection(project, downloads);
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(ScriptSupportFilesTest, WithoutTheComponentPageEveryDownloadIsMadeForEveryone)
{
    TProjectContainer project;
    MakeDesktopOnly(project);
    DownloadList downloads;
    project.DirectCopyModules.AddNew().Files.AddNew().Source = "http://example.com/data.zip";
    AddComponent(project, ModuleType::DirectCopy, 0);
    project.CabCollections.AddNew().Files.AddNew().Source = "http://example.com/extra.cab";
    AddComponent(project, ModuleType::CabCollection, 0);
    TWin32FileEntry &file = project.Win32Plugins.AddNew().FileEntries.AddNew();
    file.Source = "http://example.com/tool.exe";
    file.Destination = "{app}";
    AddComponent(project, ModuleType::Win32, 0);

    FilesSection(project, downloads);
    EXPECT_EQ(downloads.DownloadModuleNames, QStringList({ "DCM0", "CABCOLLECTION0", "WIN320" }));

    project.ShowComponentsDialog = false;
    const QStringList lines = FilesSection(project, downloads);
    EXPECT_EQ(downloads.DownloadModuleNames, QStringList({ "", "", "" }));
    EXPECT_EQ(downloads.DownloadCheckTypes, QStringList({ "1", "1", "0" }));
    // Nor does any line name a component the script never declares.
    for (const QString &line : lines)
        EXPECT_FALSE(line.contains(QStringLiteral("components:"))) << line.toStdString();
}

} // namespace
} // namespace talmo
