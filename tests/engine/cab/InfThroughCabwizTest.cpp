#include "engine/cab/InfTextGenerator.h"
#include "model/ProjectContainer.h"
#include "tests/engine/cab/InfFixtureProject.h"
#include "tests/cabwiz/CabwizRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;
using namespace talmo::testing;

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

// The fixture project with its files on disk and the shortcut files and
// resource DLL copies the CAB build would have put into the working folder.
class InfThroughCabwizTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        for (const char *name : {"demo/bin/app.exe", "demo/bin/helper.dll", "shared/data.db", "shared/notes.txt",
                                 "demo/arm/app.exe", "demo/arm/lib.dll", "demo/arm/big.bin", "demo/arm/shared.dll",
                                 "demo/arm/odd.dat"})
            writeFile(root.filePath(QString::fromLatin1(name)), QByteArray(name));
        for (int d = 0; d < 3; ++d) {
            for (int e = 0; e < 3; ++e)
                writeFile(working(QStringLiteral("shortcut_1_%1_%2.lnk").arg(e).arg(d)), "22#\"\\app.exe\"?icon,-108");
            writeFile(working(QStringLiteral("talmo_res_%1.dll").arg(d)), "MZ");
        }
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("out")));
    }

    QString working(const QString &name) const { return root.filePath(QStringLiteral("work/") + name); }

    QTemporaryDir root;
};

TEST_F(InfThroughCabwizTest, EveryProcessorCabinetHoldsItsFiles)
{
    TProjectContainer project;
    BuildInfFixture(project, InfFixtureFolders{root.filePath(QStringLiteral("demo/demo.talmo")),
                                               root.filePath(QStringLiteral("demo/bin/")), QStringLiteral("../shared/"),
                                               root.filePath(QStringLiteral("demo/arm/"))});
    const QString text = InfTextGenerator(QStringLiteral(TALMO_TEST_PROGRAM_DIR), root.filePath(QStringLiteral("work")))
                             .Generate(project);
    const QString inf = working(QStringLiteral("Demo_App.inf"));
    writeInfFile(inf, text);

    const CabwizResult result = runCabwiz({inf, QStringLiteral("/dest"), root.filePath(QStringLiteral("out")),
                                           QStringLiteral("/cpu"), QStringLiteral("ARMV4"), QStringLiteral("MIPSII"),
                                           QStringLiteral("/compress")});
    ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
    EXPECT_TRUE(result.lines.isEmpty()) << result.lines.join(u'\n').toStdString();
    EXPECT_EQ(cabinetsIn(root.filePath(QStringLiteral("out"))),
              (QStringList{"Demo_App.ARMV4.CAB", "Demo_App.MIPSII.CAB"}));

    const QString arm = root.filePath(QStringLiteral("out/Demo_App.ARMV4.CAB"));
    EXPECT_EQ(cabMembers(arm), (QStringList{"_setup.xml", "app.001", "big.002", "helper.010", "lib.004", "odd.003",
                                            "shared.005", "shortc~1.006", "shortc~1.007", "shortc~1.008",
                                            "talmo_~1.009"}));
    EXPECT_EQ(cabMember(arm, QStringLiteral("app.001")), QByteArray("demo/arm/app.exe"));
    const QString descriptor = QString::fromUtf8(cabMember(arm, QStringLiteral("_setup.xml")));
    EXPECT_TRUE(descriptor.contains(QStringLiteral("<characteristic type=\"%CE11%\\Demo\" translation=\"install\">\n"
                                                   "            <characteristic type=\"MakeDir\"/>\n"
                                                   "            <characteristic type=\"Demo Tool.lnk\">")));
    EXPECT_TRUE(descriptor.contains(QStringLiteral("<characteristic type=\"talmo_res.dll\">")));
    EXPECT_TRUE(descriptor.contains(QStringLiteral("<characteristic type=\"HKLM\\Software\\Acme\\Demo\\Arm\">")));

    EXPECT_EQ(cabMembers(root.filePath(QStringLiteral("out/Demo_App.MIPSII.CAB"))),
              (QStringList{"_setup.xml", "helper.005", "shortc~1.001", "shortc~1.002", "shortc~1.003",
                           "talmo_~1.004"}));
}

} // namespace

namespace {

TEST_F(InfThroughCabwizTest, NewProjectTemplateBuildsACabinetWithOnlyTheDescriptor)
{
    TProjectContainer project;
    project.CreateNewProject();
    const QString inf = working(QStringLiteral("My_Mobile_Application.inf"));
    writeInfFile(inf, InfTextGenerator(QStringLiteral(TALMO_TEST_PROGRAM_DIR), root.filePath(QStringLiteral("work")))
                          .Generate(project));
    const CabwizResult result = runCabwiz({inf, QStringLiteral("/dest"), root.filePath(QStringLiteral("out"))});
    ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
    EXPECT_TRUE(result.lines.isEmpty()) << result.lines.join(u'\n').toStdString();
    EXPECT_EQ(cabMembers(root.filePath(QStringLiteral("out/My_Mobile_Application.CAB"))), QStringList{"_setup.xml"});
}

} // namespace
