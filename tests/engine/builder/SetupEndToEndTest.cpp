#include "engine/builder/BuildController.h"
#include "engine/scriptcode/FullScriptSource.h"
#include "engine/setup/SetupBuild.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/pascalcheck/SetupPackage.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>

namespace talmo::testing {
namespace {

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The builder with the program's whole script, our cabwiz and our compiler library.
class SetupEndToEndTest : public BuilderFixture
{
protected:
    void SetUp() override
    {
        BuilderFixture::SetUp();
        questions.answers = { true };
        source = std::make_unique<FullScriptSource>(knowledge(), nullptr);
        builder.SetSetupBuildStep(nullptr);
        builder.DefaultSetupBuild().SetScriptSource(source.get());
        fixture.project.BuildCabsFirst = true;
        fixture.project.Languages.AddNew().LanguageID = QStringLiteral("English");
        builder.WindowShown();
    }

    static const ScriptKnowledgeBase &knowledge()
    {
        static const ScriptKnowledgeBase base;
        return base;
    }

    std::unique_ptr<FullScriptSource> source;
};

TEST_F(SetupEndToEndTest, DeviceProjectBuildsItsCabsAndASetupThatCarriesThem)
{
    fixture.AddConfigurations({ QStringLiteral("ARMV4I") });
    fixture.project.AboutText = QStringLiteral("%AppName% by %Provider%");
    fixture.project.SkinName = QStringLiteral("Ocean");
    TCabCollection &maps = fixture.project.CabCollections.AddNew();
    maps.Caption = QStringLiteral("Maps");
    maps.Files.AddNew().Source = QStringLiteral("cabs/maps.cab");
    WriteTestFile(fixture.Path(QStringLiteral("project/cabs/maps.cab")), "MSCF maps");
    TInstallComponent &component = fixture.project.InstallComponents.AddNew(&fixture.project);
    component.moduleType = ModuleType::CabCollection;
    component.moduleIndex = 0;
    component.parentIndex = -1;

    builder.BuildInstallation();

    ASSERT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    const QStringList outputs = fixture.OutputFiles();
    ASSERT_TRUE(outputs.contains(QStringLiteral("MySetup.exe"))) << outputs.join(u' ').toStdString();
    ASSERT_TRUE(outputs.contains(QStringLiteral("My_App.ARMV4I.CAB"))) << outputs.join(u' ').toStdString();
    const QMap<QString, QByteArray> package = SetupPackageEntries(fixture.OutputFolder() + QStringLiteral("/MySetup.exe"));
    const std::string manifest = package.value(QStringLiteral("manifest.txt")).toStdString();

    const std::optional<QByteArray> cab = SetupPackagePayload(package, QStringLiteral("My_App.ARMV4I.CAB"));
    ASSERT_TRUE(cab.has_value()) << manifest;
    EXPECT_EQ(*cab, fileContent(fixture.OutputFolder() + QStringLiteral("/My_App.ARMV4I.CAB")));
    const std::optional<QByteArray> setupIni = SetupPackagePayload(package, QStringLiteral("setup.ini"));
    ASSERT_TRUE(setupIni.has_value()) << manifest;
    EXPECT_TRUE(setupIni->startsWith("[CEAppManager]\r\n")) << setupIni->toStdString();
    EXPECT_EQ(SetupPackagePayload(package, QStringLiteral("maps.cab")), QByteArray("MSCF maps")) << manifest;
    EXPECT_EQ(QString::fromStdString(manifest).count(QStringLiteral(".ini|")), 2) << manifest;
    EXPECT_TRUE(package.value(QStringLiteral("script.iss")).contains("procedure InitializeWizard();"));
    EXPECT_EQ(builder.ErrorText, QString());
}

TEST_F(SetupEndToEndTest, ProjectInAFolderOutsideTheAnsiCodePageBuildsItsSetup)
{
    const QString folder = fixture.Path(QStringLiteral("Проект €"));
    fixture.project.FileName = folder + QStringLiteral("/demo.talmo");
    WriteTestFile(folder + QStringLiteral("/bin/app.exe"), "the application");

    builder.BuildInstallation();

    ASSERT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    const QString setup = folder + QStringLiteral("/out/MySetup.exe");
    ASSERT_TRUE(QFileInfo(setup).isFile()) << builder.LogLines().join(u'\n').toStdString();
    EXPECT_TRUE(builder.LogLines().contains(setup)) << builder.LogLines().join(u'\n').toStdString();
    const QMap<QString, QByteArray> package = SetupPackageEntries(setup);
    const std::string manifest = package.value(QStringLiteral("manifest.txt")).toStdString();
    EXPECT_EQ(SetupPackagePayload(package, QStringLiteral("My_App.CAB")),
              fileContent(folder + QStringLiteral("/out/My_App.CAB"))) << manifest;
    EXPECT_EQ(builder.ErrorText, QString());
}

} // namespace
} // namespace talmo::testing
