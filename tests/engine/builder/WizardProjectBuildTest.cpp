#include "engine/builder/BuildController.h"
#include "engine/scriptcode/FullScriptSource.h"
#include "engine/setup/SetupBuild.h"
#include "model/SetupCatalogueFolder.h"
#include "model/WizardProject.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "tests/cabwiz/CabwizRunner.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/pascalcheck/SetupPackage.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace talmo::testing {
namespace {

// A project made by the new-project wizard, built as it stands with our
// cabwiz and our compiler library.
class WizardProjectBuildTest : public BuilderFixture
{
protected:
    void SetUp() override
    {
        BuilderFixture::SetUp();
        builder.SetSetupBuildStep(nullptr);
        // The script source takes the program folder as it is when made.
        source = std::make_unique<FullScriptSource>(knowledge, nullptr);
        builder.DefaultSetupBuild().SetScriptSource(source.get());
        catalogue = LoadSetupCatalogue(QStringLiteral(TALMO_TEST_PROGRAM_DIR));
        WriteTestFile(fixture.Path(QStringLiteral("app/hello.exe")), "the program");
        WriteTestFile(fixture.Path(QStringLiteral("app/data/hello.dat")), "its data");
        WriteTestFile(fixture.Path(QStringLiteral("app/licence.txt")), "Use it kindly.");
        answers.Provider = QStringLiteral("Example Ltd");
        answers.ApplicationName = QStringLiteral("Hello");
        answers.InstallDir = QStringLiteral("%CE1%\\%AppName%");
        answers.Files = { { fixture.Path(QStringLiteral("app/hello.exe")), true },
                          { fixture.Path(QStringLiteral("app/data/hello.dat")), false } };
        answers.BaseDir = fixture.Path(QStringLiteral("Projects"));
        answers.EulaFile = QStringLiteral("\"") + fixture.Path(QStringLiteral("app/licence.txt")) + QStringLiteral("\"");
        answers.Description = QStringLiteral("Says hello");
    }

    ScriptKnowledgeBase knowledge;
    std::unique_ptr<FullScriptSource> source;
    SetupCatalogue catalogue;
    ScopedCurrentSetupCatalogue useCatalogue{ catalogue };
    WizardAnswers answers;
};

} // namespace

TEST_F(WizardProjectBuildTest, TheWizardsProjectBuildsACabWithItsFilesAndASetupCarryingIt)
{
    const WizardProjectOutcome outcome =
        WizardProject::Create(fixture.project, answers, [](const QString &) { return true; });
    ASSERT_EQ(outcome.kind, WizardProjectOutcome::Created) << outcome.error.toStdString();
    ASSERT_TRUE(fixture.project.SaveToFile(fixture.project.FileName));
    builder.WindowShown();

    builder.BuildInstallation();

    ASSERT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    const QString output = answers.BaseDir;
    const QStringList outputs = QDir(output).entryList(QDir::Files, QDir::Name);
    ASSERT_TRUE(outputs.contains(QStringLiteral("Hello.exe"))) << outputs.join(u' ').toStdString();
    const QStringList cabs = outputs.filter(QRegularExpression(QStringLiteral("\\.CAB$")));
    ASSERT_EQ(cabs.size(), 1) << outputs.join(u' ').toStdString();
    const QString cab = output + QLatin1Char('/') + cabs.first();

    QList<QByteArray> contents;
    for (const QString &member : cabMembers(cab))
        contents.append(cabMember(cab, member));
    EXPECT_TRUE(contents.contains("the program"));
    EXPECT_TRUE(contents.contains("its data"));

    const QMap<QString, QByteArray> package = SetupPackageEntries(output + QStringLiteral("/Hello.exe"));
    EXPECT_TRUE(SetupPackagePayload(package, cabs.first()).has_value())
        << package.value(QStringLiteral("manifest.txt")).toStdString();
    EXPECT_TRUE(package.value(QStringLiteral("script.iss")).contains("licence.txt"));
}

} // namespace talmo::testing
