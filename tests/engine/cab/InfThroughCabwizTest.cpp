#include "engine/cab/InfTextGenerator.h"
#include "model/ProjectContainer.h"
#include "tests/engine/cab/InfFixtureProject.h"
#include "tests/cabwiz/CabwizRunner.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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
        // Each holds its own name, so a cabinet shows whose it carries.
        for (int d = 0; d < 3; ++d) {
            for (int e = 0; e < 3; ++e) {
                const QString name = QStringLiteral("shortcut_1_%1_%2.lnk").arg(e).arg(d);
                writeFile(working(name), name.toLatin1());
            }
            writeFile(working(QStringLiteral("talmo_res_%1.dll").arg(d)), QStringLiteral("talmo_res_%1.dll").arg(d).toLatin1());
        }
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("out")));
    }

    QString working(const QString &name) const { return root.filePath(QStringLiteral("work/") + name); }

    QTemporaryDir root;
};

// Every processor cabinet holds the default configuration's installation and
// its own, its own files replacing those of the same device path.
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
    // The generator's copy flags that the device never sees are named, nothing else.
    EXPECT_EQ(result.lines.size(), 20);
    EXPECT_EQ(result.lines.filter(QRegularExpression(QStringLiteral("^Warning: .*: the setup descriptor has no place for "
                                                                    "the copy flag \\w+ \\(0x[0-9a-f]{8}\\); "))),
              result.lines);
    EXPECT_EQ(cabinetsIn(root.filePath(QStringLiteral("out"))),
              (QStringList{"Demo_App.ARMV4.CAB", "Demo_App.MIPSII.CAB"}));

    const QString arm = root.filePath(QStringLiteral("out/Demo_App.ARMV4.CAB"));
    EXPECT_EQ(cabMembers(arm), (QStringList{"_setup.xml", "app.001", "big.005", "data.003", "helper.002", "lib.007",
                                            "notes.004", "odd.006", "shared.008", "shortc~1.009", "shortc~1.010",
                                            "shortc~1.011", "talmo_~1.012"}));
    EXPECT_EQ(cabMember(arm, QStringLiteral("app.001")), QByteArray("demo/arm/app.exe"));
    EXPECT_EQ(cabMember(arm, QStringLiteral("data.003")), QByteArray("shared/data.db"));
    EXPECT_EQ(cabMember(arm, QStringLiteral("shortc~1.009")), QByteArray("shortcut_1_0_1.lnk"));
    EXPECT_EQ(cabMember(arm, QStringLiteral("talmo_~1.012")), QByteArray("talmo_res_1.dll"));
    const QString descriptor = QString::fromUtf8(cabMember(arm, QStringLiteral("_setup.xml")));
    for (const char *expected :
         {"<characteristic type=\"%CE11%\\Demo\" translation=\"install\">\n"
          "            <characteristic type=\"MakeDir\"/>\n"
          "            <characteristic type=\"Demo Tool.lnk\">\n"
          "                <characteristic type=\"Extract\">\n"
          "                    <parm name=\"Source\" value=\"shortc~1.009\"/>",
          "<characteristic type=\"talmo_res.dll\">\n"
          "                <characteristic type=\"Extract\">\n"
          "                    <parm name=\"Source\" value=\"talmo_~1.012\"/>",
          "<characteristic type=\"helper.dll\">\n"
          "                <characteristic type=\"Extract\">\n"
          "                    <parm name=\"Source\" value=\"helper.002\"/>\n"
          "                    <parm name=\"SelfRegister\"/>",
          "<parm name=\"SetupDLL\" value=\"helper.002\" translation=\"install\"/>",
          "<characteristic type=\"HKLM\\Software\\Acme\\Demo\">\n"
          "            <parm name=\"InstallPath\"",
          "<characteristic type=\"HKLM\\Software\\Acme\\Demo\\Arm\">",
          "<characteristic type=\"Demo App.lnk\">",
          "<parm name=\"NumFiles\" value=\"12\"/>"})
        EXPECT_TRUE(descriptor.contains(QString::fromUtf8(expected))) << expected << "\n" << descriptor.toStdString();

    const QString mips = root.filePath(QStringLiteral("out/Demo_App.MIPSII.CAB"));
    EXPECT_EQ(cabMembers(mips), (QStringList{"_setup.xml", "app.001", "data.003", "helper.002", "notes.004",
                                             "shortc~1.005", "shortc~1.006", "shortc~1.007", "talmo_~1.008"}));
    EXPECT_EQ(cabMember(mips, QStringLiteral("app.001")), QByteArray("demo/bin/app.exe"));
    EXPECT_EQ(cabMember(mips, QStringLiteral("shortc~1.005")), QByteArray("shortcut_1_0_2.lnk"));
}

} // namespace

namespace {

// A new project installs nothing on the device yet: no cabinet comes of it.
TEST_F(InfThroughCabwizTest, NewProjectTemplateIsRefusedForInstallingNothing)
{
    TProjectContainer project;
    project.CreateNewProject();
    const QString inf = working(QStringLiteral("My_Mobile_Application.inf"));
    writeInfFile(inf, InfTextGenerator(QStringLiteral(TALMO_TEST_PROGRAM_DIR), root.filePath(QStringLiteral("work")))
                          .Generate(project));
    const CabwizResult result = runCabwiz({inf, QStringLiteral("/dest"), root.filePath(QStringLiteral("out"))});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.lines, QStringList{"Error: " + inf + ", line 22, section [DefaultInstall]: the cabinet installs "
                                                          "nothing: no file, no registry value and no shortcut"});
    EXPECT_EQ(cabinetsIn(root.filePath(QStringLiteral("out"))), QStringList());
}

} // namespace

namespace {

// A device file that is a FIFO cannot go into a cabinet; the error names the
// user's file, not the member name the cabinet would have given it.
TEST_F(InfThroughCabwizTest, ADeviceFileThatIsNoRegularFileIsNamedInTheError)
{
    const QString fifo = root.filePath(QStringLiteral("demo/bin/helper.dll"));
    ASSERT_TRUE(QFile::remove(fifo));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    TProjectContainer project;
    BuildInfFixture(project, InfFixtureFolders{root.filePath(QStringLiteral("demo/demo.talmo")),
                                               root.filePath(QStringLiteral("demo/bin/")), QStringLiteral("../shared/"),
                                               root.filePath(QStringLiteral("demo/arm/"))});
    const QString inf = working(QStringLiteral("Demo_App.inf"));
    writeInfFile(inf, InfTextGenerator(QStringLiteral(TALMO_TEST_PROGRAM_DIR), root.filePath(QStringLiteral("work")))
                          .Generate(project));
    const CabwizResult result = runCabwiz({inf, QStringLiteral("/dest"), root.filePath(QStringLiteral("out")),
                                           QStringLiteral("/cpu"), QStringLiteral("ARMV4"), QStringLiteral("MIPSII")});
    EXPECT_EQ(result.exitCode, 1);
    ASSERT_FALSE(result.errorLines().isEmpty()) << result.lines.join(u'\n').toStdString();
    for (const QString &line : result.errorLines())
        EXPECT_TRUE(line.endsWith(QStringLiteral("the source file %1 is not a regular file").arg(fifo))) << line.toStdString();
    EXPECT_EQ(cabinetsIn(root.filePath(QStringLiteral("out"))), QStringList());
}

} // namespace
