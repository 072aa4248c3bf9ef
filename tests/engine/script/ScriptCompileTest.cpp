#include "engine/script/ScriptCodeSection.h"
#include "engine/script/ScriptGenerator.h"
#include "model/ProjectContainer.h"

#include "ScriptTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

namespace talmo {
namespace {

using scripttest::AddComponent;

// The support routines and a routine of the device transfer library, which
// the setup of a project with CABs carries.
class SupportAndTransferRoutines : public scripttest::SupportRoutinesOnly
{
public:
    void WriteCodeSection(const ScriptCodeContext &context, QStringList &script) override
    {
        SupportRoutinesOnly::WriteCodeSection(context, script);
        script << "procedure Transfer; external 'GetTransferExitCode@files:kestrin.dll stdcall';";
    }
};

// Texts with quotes and semicolons in every place the user can type them.
void fillProjectWithAwkwardTexts(TProjectContainer &project, const QString &folder)
{
    project.FileName = folder + "/awkward.talmo";
    project.Win32AppName = "Awkward; \"Quoted\" App";
    project.BeaveledLabelText = "Say \"hello\"; twice";
    project.Languages.AddNew().LanguageID = "English";
    project.Languages.AddNew().LanguageID = "German";
    project.CabCreatorModuleLanguages = QStringList{ "German" };
    project.SetupCaption = "Mobile \"part\"";
    project.AppName = "Mobile; App";
    project.InstallTypesDescriptions[0] = "All \"of it\"";

    TWin32Plugin &module = project.Win32Plugins.AddNew();
    module.Caption = "Desk \"top\"";
    TWin32FileEntry &file = module.FileEntries.AddNew();
    file.Source = "bin\\tool.exe";
    file.Destination = "{app}";
    file.DestinationName = "my;tool.exe";
    TWin32RegistryEntry &value = module.RegistryEntries.AddNew();
    value.Root = "HKEY_CURRENT_USER";
    value.SubKey = "Software\\Awkward";
    value.ValueType = "string";
    value.ValueName = "Path";
    value.ValueData = "%PATH%;{app};\"{app}\\bin\"";
    TWIn32IconEntry &icon = module.IconEntries.AddNew();
    icon.Name = "{group}\\Tool; v2";
    icon.FileName = "{app}\\my;tool.exe";
    icon.Comment = "It's \"the\" tool";
    TWin32RunEntry &run = module.InstallRunEntries.AddNew();
    run.FileName = "{app}\\my;tool.exe";
    run.Parameters = "/say \"hi\"";
    run.FlagPostInstall = true;
    module.UninstallDeleteEntries.AddNew() = TWin32DeleteEntry{ "files", "{app}\\log \"1\".txt" };

    TCabCollection &collection = project.CabCollections.AddNew();
    collection.Caption = "Extra; cabs";
    collection.Files.AddNew().Source = "http://example.com/x;y.cab";
    collection.Files.AddNew().Source = "cabs\\local.cab";
    TPalmSection &palm = project.PalmSections.AddNew();
    palm.Caption = "Palm";
    palm.Files.AddNew().Source = "http://example.com/app.prc";
    palm.Files.AddNew().Source = "palm\\app.pdb";
    TDirectCopyModule &direct = project.DirectCopyModules.AddNew();
    direct.Caption = "Direct";
    direct.Files.AddNew().Source = "data.zip";

    project.InstallComponents.Clear();
    AddComponent(project, ModuleType::CabCreator, -1, -1);
    AddComponent(project, ModuleType::CabCollection, 0, -1);
    AddComponent(project, ModuleType::PalmOS, 0, -1);
    AddComponent(project, ModuleType::DirectCopy, 0, -1);
    AddComponent(project, ModuleType::Container, -1, -1).moduleName = "Group \"A\"";
    AddComponent(project, ModuleType::Win32, 0, 4);
}

TEST(ScriptCompileTest, TheCompilerLibraryAcceptsQuotesAndSemicolonsFromTheProject)
{
    QTemporaryDir folder;
    scripttest::Touch(folder.filePath("bin/tool.exe"));
    scripttest::Touch(folder.filePath("setup.ini"));
    scripttest::Touch(folder.filePath("comp-0.ini"));
    scripttest::Touch(folder.filePath("cabs/local.cab"));
    scripttest::Touch(folder.filePath("palm/app.pdb"));
    scripttest::Touch(folder.filePath("data.zip"));
    scripttest::Touch(folder.filePath("out/Mobile;_App.CAB"));
    TProjectContainer project;
    project.CreateNewProject();
    fillProjectWithAwkwardTexts(project, folder.path());

    SupportAndTransferRoutines code;
    const QStringList script = scripttest::GenerateWith(code, project, folder.filePath("out"));

    const scripttest::CompileOutcome outcome = scripttest::CompileWithShippedLibrary(script, folder.path());
    EXPECT_EQ(outcome.result, 0) << outcome.log.join('\n').toStdString() << "\n" << script.join('\n').toStdString();
}

} // namespace
} // namespace talmo
