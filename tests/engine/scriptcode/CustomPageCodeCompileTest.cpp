#include "engine/scriptcode/CustomPageCode.h"
#include "engine/scriptcode/DownloadCode.h"
#include "engine/scriptcode/PalmSupportCode.h"
#include "engine/script/ScriptCodeSection.h"
#include "engine/script/ScriptGenerator.h"
#include "model/ProjectContainer.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

#include "tests/engine/script/ScriptTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

namespace talmo {
namespace {

using scripttest::AddComponent;

// The page, Palm and download code with just enough of the rest of the
// script program around it to be called the way the setup calls it.
class PagePalmAndDownloadCode : public ScriptCodeSection
{
public:
    void WriteCodeSection(const ScriptCodeContext &context, QStringList &script) override
    {
        script << QString();
        WritePalmSupportCode(context.project, script);
        CustomPageCode::FromKnowledgeBase(m_knowledge).WriteCustomFormsCode(context.project, script);
        script << "[Code]"
               << "function CheckAsync(): Boolean;" << "begin" << "  Result := True;" << "end;"
               << "function CheckPalm(): Boolean;" << "begin" << "  Result:=PalmInitializeSetup();" << "end;";
        WriteDownloadCode(context.downloads, script);
        for (const char *name : { "GetCEappManager", "GetIniFile", "GetIniFileNoWait", "GetAsyncPath" })
            script << QStringLiteral("function %1(Param: String): String;").arg(name) << "begin"
                   << "  Result := Param;" << "end;";
        script << "procedure InitializeWizard();" << "begin" << "  itd_init;"
               << "  PalmInitializeWizard(wpSelectTasks);" << "  Info_CreatePage(wpWelcome);"
               << "  ITD_DownloadAfter(wpPreparing);" << "end;"
               << "procedure CurStepChanged(CurStep: TSetupStep);" << "begin"
               << "  if CurStep = ssPostInstall then"
               << "    PalmInstallApplication(ExpandConstant('{app}\\palmos_0\\app.pdb'));"
               << "  PalmCurStepChanged(CurStep);" << "end;";
    }

private:
    ScriptKnowledgeBase m_knowledge;
};

QStringList fixtureLines(const char *name)
{
    QFile file(QStringLiteral(TALMO_TEST_SOURCE_DIR "/fixtures/pagecode/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    lines.removeAll(QString());
    return lines;
}

TEST(CustomPageCodeCompile, TheCompilerLibraryAcceptsPagePalmAndDownloadCode)
{
    QTemporaryDir folder;
    scripttest::Touch(folder.filePath("setup.ini"));
    scripttest::Touch(folder.filePath("comp-0.ini"));
    scripttest::Touch(folder.filePath("palm/app.pdb"));
    scripttest::Touch(folder.filePath("out/App.CAB"));

    TProjectContainer project;
    project.CreateNewProject();
    project.FileName = folder.path() + "/pages.talmo";
    project.AppName = "App";
    TPalmSection &palm = project.PalmSections.AddNew();
    palm.Caption = "Palm";
    palm.Files.AddNew().Source = "palm\\app.pdb";
    palm.Files.AddNew().Source = "http://example.com/app.prc";
    TCabCollection &collection = project.CabCollections.AddNew();
    collection.Caption = "Extra";
    collection.Files.AddNew().Source = "http://example.com/extra.cab";
    AddComponent(project, ModuleType::PalmOS, 0);
    AddComponent(project, ModuleType::CabCollection, 0);

    TCustomForm &page = project.CustomForms.AddNew(false);
    page.Name = "Info";
    page.Caption = "Info's page";
    page.Description = "Tell us about 'you'";
    page.Data = fixtureLines("InfoPage.dfm.txt");
    page.ExecUnits[0].Enabled = true;
    page.ExecUnits[0].Code = QStringList{ "begin", "  Label1.Caption := Caption;", "end;" };
    project.CommonCode = QStringList{ "procedure Refresh;", "begin", "  Info.Label2.Caption := 'x';", "end;" };

    const QString programFolder = QStringLiteral(TALMO_TEST_PROGRAM_DIR "/");
    ScriptGenerator generator(ScriptEnvironment{ programFolder, &ScriptEnvironment::HostFileExists, nullptr });
    PagePalmAndDownloadCode code;
    generator.SetCodeSection(&code);
    QStringList script;
    generator.GenerateScript(project, script, folder.filePath("out"));
    ASSERT_EQ(generator.Downloads().Count(), 2);

    const scripttest::CompileOutcome outcome = scripttest::CompileWithShippedLibrary(script, folder.path());
    EXPECT_EQ(outcome.result, 0) << outcome.log.join('\n').toStdString() << "\n" << script.join('\n').toStdString();
}

} // namespace
} // namespace talmo
