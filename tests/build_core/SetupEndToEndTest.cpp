#include "build/core/BuildController.h"
#include "build/core/FullScriptSource.h"
#include "build/core/SetupBuild.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "tests/build_core/BuilderTestProject.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <optional>

namespace talmo::testing {
namespace {

// The entries of a package written by our compiler library: after its
// magic, each entry is a name and data, both with little-endian lengths.
QMap<QString, QByteArray> packageOf(const QString &path)
{
    QMap<QString, QByteArray> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    const QByteArray bytes = file.readAll();
    qsizetype pos = 12;
    while (pos + 4 <= bytes.size()) {
        const quint32 nameLength = qFromLittleEndian<quint32>(bytes.constData() + pos);
        const QString name = QString::fromUtf8(bytes.mid(pos + 4, nameLength));
        pos += 4 + nameLength;
        if (pos + 8 > bytes.size())
            break;
        const qsizetype dataLength = qsizetype(qFromLittleEndian<quint64>(bytes.constData() + pos));
        entries.insert(name, bytes.mid(pos + 8, dataLength));
        pos += 8 + dataLength;
    }
    return entries;
}

// The data of the payload file the package installs under the name, from
// its manifest lines "File=<entry>|<folder>|<name>|...".
std::optional<QByteArray> payloadNamed(const QMap<QString, QByteArray> &package, const QString &name)
{
    for (const QString &line : QString::fromUtf8(package.value(QStringLiteral("manifest.txt"))).split(u'\n')) {
        const QStringList fields = line.mid(int(qstrlen("File="))).split(u'|');
        if (line.startsWith(QLatin1String("File=")) && fields.size() > 2 && fields.at(2).compare(name, Qt::CaseInsensitive) == 0)
            return package.value(fields.at(0));
    }
    return std::nullopt;
}

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
    const QMap<QString, QByteArray> package = packageOf(fixture.OutputFolder() + QStringLiteral("/MySetup.exe"));
    const std::string manifest = package.value(QStringLiteral("manifest.txt")).toStdString();

    const std::optional<QByteArray> cab = payloadNamed(package, QStringLiteral("My_App.ARMV4I.CAB"));
    ASSERT_TRUE(cab.has_value()) << manifest;
    EXPECT_EQ(*cab, fileContent(fixture.OutputFolder() + QStringLiteral("/My_App.ARMV4I.CAB")));
    const std::optional<QByteArray> setupIni = payloadNamed(package, QStringLiteral("setup.ini"));
    ASSERT_TRUE(setupIni.has_value()) << manifest;
    EXPECT_TRUE(setupIni->startsWith("[CEAppManager]\r\n")) << setupIni->toStdString();
    EXPECT_EQ(payloadNamed(package, QStringLiteral("maps.cab")), QByteArray("MSCF maps")) << manifest;
    EXPECT_EQ(QString::fromStdString(manifest).count(QStringLiteral(".ini|")), 2) << manifest;
    EXPECT_TRUE(package.value(QStringLiteral("script.iss")).contains("procedure InitializeWizard();"));
    EXPECT_EQ(builder.ErrorText, QString());
}

} // namespace
} // namespace talmo::testing
