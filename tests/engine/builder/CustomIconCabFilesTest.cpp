#include "engine/cab/BuildStepError.h"
#include "engine/cab/CustomIconCabFiles.h"
#include "engine/cab/DeviceResourceDll.h"
#include "engine/cab/ShortcutFile.h"
#include "model/ProjectContainer.h"
#include "resources/IconCursorResourceDetails.h"
#include "resources/PEResourceModule.h"
#include "resources/ResourceErrors.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/cabwiz/CabwizRunner.h"
#include "tests/support/ScopedFileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace talmo {
namespace {

const QString kProgramFolder = QStringLiteral(TALMO_TEST_PROGRAM_DIR "/");

// A one-image 16 x 16 icon file of 2 colours whose pixels are all `fill`.
QByteArray IconFile(char fill)
{
    QByteArray image;
    auto u16 = [&](QByteArray &to, int v) { to.append(char(v & 0xFF)).append(char(v >> 8 & 0xFF)); };
    auto u32 = [&](QByteArray &to, int v) { u16(to, v & 0xFFFF); u16(to, v >> 16 & 0xFFFF); };
    for (int v : {40, 16, 32})
        u32(image, v);
    u16(image, 1);
    u16(image, 1);
    image.append(24, '\0');
    image.append(QByteArray::fromHex("00000000ffffff00"));
    image.append(64, fill);
    image.append(64, '\0');
    QByteArray file;
    for (int v : {0, 1, 1})
        u16(file, v);
    file.append(char(16)).append(char(16)).append(char(2)).append('\0');
    u16(file, 1);
    u16(file, 1);
    u32(file, int(image.size()));
    u32(file, 22);
    return file + image;
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::filesystem::path HostPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

TShortcutEntry &AddShortcut(TShortcutSection &section, const QString &target, const QString &icon,
                            const QString &index = QString(), const QString &indexType = QStringLiteral("0"))
{
    TShortcutEntry &entry = section.Entries.AddNew();
    entry.shortcut_filename = QStringLiteral("Shortcut %1").arg(section.Entries.Count());
    entry.target_file_path = target;
    entry.CustomIconFileName = icon;
    entry.CustomIconIndex = index;
    entry.CustomIconIndexType = indexType;
    return entry;
}

// Three sections and three configurations: the default one includes "Main",
// ARMV4 "Tools", MIPSII "Main" and "Docs". Main holds A (app.ico, relative to
// the project, with parameters), B (an executable's icon by resource id), a
// folder shortcut with an icon and a shortcut without one; Docs holds C
// (doc.ICO, absolute); Tools holds D (a DLL's icon by index).
class CustomIconCabFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.FileName = root.filePath(QStringLiteral("project/demo.talmo"));
        project.InstallDir = QStringLiteral("%CE1%\\Démo");
        WriteFile(root.filePath(QStringLiteral("project/icons/app.ico")), IconFile('\x11'));
        WriteFile(root.filePath(QStringLiteral("doc.ICO")), IconFile('\x22'));

        TShortcutSection &main = project.ShortcutsSections.AddNew();
        main.Caption = QStringLiteral("Main");
        main.DefaultDestinationDir = QStringLiteral("%CE11%");
        AddShortcut(main, QStringLiteral("%InstallDir%\\app.exe"), QStringLiteral("icons\\app.ico")).CustomParameters =
            QStringLiteral("/s");
        AddShortcut(main, QStringLiteral("%CE2%\\tool.exe"), QStringLiteral("%InstallDir%\\tool.exe"),
                    QStringLiteral("2"), QStringLiteral("1"));
        AddShortcut(main, QStringLiteral("%InstallDir%"), QStringLiteral("folder.ico")).shortcut_type_flag = 1;
        AddShortcut(main, QStringLiteral("%InstallDir%\\plain.exe"), QString());
        TShortcutSection &docs = project.ShortcutsSections.AddNew();
        docs.Caption = QStringLiteral("Docs");
        AddShortcut(docs, QStringLiteral("%CE5%\\notes.txt"), root.filePath(QStringLiteral("doc.ICO")));
        TShortcutSection &tools = project.ShortcutsSections.AddNew();
        tools.Caption = QStringLiteral("Tools");
        AddShortcut(tools, QStringLiteral("%InstallDir%\\cmd.exe"), QStringLiteral("%CE2%\\shell.dll"),
                    QStringLiteral("5"));

        const QList<QPair<QString, QStringList>> devices = {
            {QStringLiteral("CEDevice [ Default ]"), {QStringLiteral("Main")}},
            {QStringLiteral("CEDevice.ARMV4"), {QStringLiteral("Tools")}},
            {QStringLiteral("CEDevice.MIPSII"), {QStringLiteral("Main"), QStringLiteral("Docs")}},
        };
        for (const auto &[caption, sections] : devices) {
            TCEDevice &device = project.CEDevices.AddNew();
            device.Caption = caption;
            device.Installation.defaultInstallShortcuts = sections;
        }
        QDir().mkpath(Working());
    }

    QString Working() const { return root.filePath(QStringLiteral("work")); }
    QString InWorking(const QString &name) const { return Working() + u'/' + name; }

    QTemporaryDir root;
    TProjectContainer project;
};

TEST_F(CustomIconCabFilesTest, WritesShortcutFilesAndResourceDllCopies)
{
    QStringList workingFiles{QStringLiteral("demo.inf")};
    CustomIconCabFiles().Write(project, Working(), kProgramFolder, workingFiles);
    EXPECT_EQ(workingFiles,
              QStringList({"demo.inf", "shortcut_0_0_0.lnk", "shortcut_0_0_2.lnk", "shortcut_0_1_0.lnk",
                           "shortcut_0_1_2.lnk", "shortcut_1_0_2.lnk", "shortcut_2_0_1.lnk", "talmo_res.dll",
                           "talmo_res.~dll", "talmo_res_0.dll", "talmo_res_2.dll", "talmo_res_2.dll"}));

    // The count is of characters: "é" is one, and one byte in the ANSI code
    // page. Target and icon are the paths the device resolves, from its root;
    // the parameters stay as typed.
    const QByteArray a = QByteArray("71#\"\\Program Files\\D\xE9mo\\app.exe\" /s?\\Program Files\\D\xE9mo\\talmo_res.dll,-108\r\n");
    const QByteArray b = QByteArray("51#\"\\Windows\\tool.exe\"?\\Program Files\\D\xE9mo\\tool.exe,-2\r\n");
    const QByteArray c = QByteArray("64#\"\\My Documents\\notes.txt\"?\\Program Files\\D\xE9mo\\talmo_res.dll,-109\r\n");
    const QByteArray d = QByteArray("50#\"\\Program Files\\D\xE9mo\\cmd.exe\"?\\Windows\\shell.dll,5\r\n");
    const QList<QPair<QString, QByteArray>> shortcuts = {
        {"shortcut_0_0_0.lnk", a}, {"shortcut_0_0_2.lnk", a}, {"shortcut_0_1_0.lnk", b},
        {"shortcut_0_1_2.lnk", b}, {"shortcut_1_0_2.lnk", c}, {"shortcut_2_0_1.lnk", d},
    };
    for (const auto &[name, content] : shortcuts)
        EXPECT_EQ(ReadFile(InWorking(name)), content) << name.toStdString();

    const QByteArray dll = ReadFile(InWorking("talmo_res.dll"));
    EXPECT_EQ(ReadFile(InWorking("talmo_res_0.dll")), dll);
    EXPECT_EQ(ReadFile(InWorking("talmo_res_2.dll")), dll);
    EXPECT_FALSE(QFile::exists(InWorking("talmo_res_1.dll")));
    EXPECT_EQ(ReadFile(InWorking("talmo_res.~dll")), ReadFile(kProgramFolder + "talmo_res.dll"));

    TPEResourceModule module;
    module.LoadFromFile(HostPath(InWorking("talmo_res.dll")));
    EXPECT_EQ(module.NextResourceId("14"), "110");
    for (const auto &[group, fill] : {std::pair<std::string, char>{"108", '\x11'}, {"109", '\x22'}}) {
        const QByteArray icon = IconFile(fill);
        QProcess wrestool;
        wrestool.start(QStringLiteral("wrestool"), {"-x", "-t14", "-n" + QString::fromStdString(group),
                                                    InWorking("talmo_res_2.dll")});
        ASSERT_TRUE(wrestool.waitForFinished());
        EXPECT_TRUE(wrestool.readAllStandardOutput().startsWith(icon)) << group;
    }
}

TEST_F(CustomIconCabFilesTest, ProjectWithoutIcoIconsGetsTheTemplateOnly)
{
    project.ShortcutsSections[0].Entries.Delete(0);
    project.ShortcutsSections[1].Entries.Delete(0);
    QStringList workingFiles;
    DeviceResourceDll::Build(project, Working(), kProgramFolder, workingFiles);
    EXPECT_EQ(workingFiles, QStringList({"talmo_res.dll", "talmo_res.~dll"}));
    TPEResourceModule saved;
    saved.LoadFromFile(HostPath(InWorking("talmo_res.dll")));
    TPEResourceModule original;
    original.LoadFromFile(HostPath(kProgramFolder + "talmo_res.dll"));
    EXPECT_EQ(saved.ResourceCount(), original.ResourceCount());
    EXPECT_EQ(saved.NextResourceId("14"), "108");
    EXPECT_EQ(QDir(Working()).entryList(QDir::Files), QStringList({"talmo_res.dll", "talmo_res.~dll"}));
}

// A full working folder stops the build at the template's copy, with the
// reason, instead of leaving a cut-off DLL for cabwiz to pack.
TEST_F(CustomIconCabFilesTest, ATemplateCopyThatCannotBeWrittenFailsTheStep)
{
    for (const bool withIcons : {true, false}) {
        SCOPED_TRACE(withIcons);
        QStringList workingFiles;
        try {
            talmo::testing::ScopedFileSizeLimit fullDisk(1000);
            if (withIcons)
                DeviceResourceDll::Build(project, Working(), kProgramFolder, workingFiles);
            else
                TemplateResourceDllOnly().Write(project, Working(), kProgramFolder, workingFiles);
            ADD_FAILURE() << "the copy was reported as made";
        } catch (const BuildStepError &error) {
            EXPECT_EQ(error.message(), QStringLiteral("Cannot copy %1 to %2: %3")
                                           .arg(kProgramFolder + "talmo_res.dll", InWorking("talmo_res.dll"),
                                                qt_error_string(EFBIG)));
        }
        EXPECT_EQ(workingFiles, QStringList{"talmo_res.dll"});
        EXPECT_EQ(QDir(Working()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}

TEST_F(CustomIconCabFilesTest, UnreadableIconFailsAfterNamingTheDll)
{
    for (const auto &[content, message] : {std::pair<QByteArray, std::string>{QByteArray(), "Cannot open file"},
                                          {QByteArray("not an icon"), "Invalid Icon or Cursor"}}) {
        QFile::remove(root.filePath(QStringLiteral("project/icons/app.ico")));
        if (!content.isEmpty())
            WriteFile(root.filePath(QStringLiteral("project/icons/app.ico")), content);
        QStringList workingFiles;
        try {
            DeviceResourceDll::Build(project, Working(), kProgramFolder, workingFiles);
            ADD_FAILURE() << "an unreadable icon was accepted";
        } catch (const EResourceError &error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
        EXPECT_EQ(workingFiles, QStringList{"talmo_res.dll"});
    }
}

TEST_F(CustomIconCabFilesTest, MissingTemplateMattersOnlyForIcoIcons)
{
    const QString emptyProgramFolder = root.filePath(QStringLiteral("no program")) + u'/';
    QDir().mkpath(emptyProgramFolder);
    QStringList workingFiles;
    EXPECT_THROW(DeviceResourceDll::Build(project, Working(), emptyProgramFolder, workingFiles), EOSError);

    for (int s : {0, 1})
        project.ShortcutsSections[s].Entries.Delete(0);
    workingFiles.clear();
    DeviceResourceDll::Build(project, Working(), emptyProgramFolder, workingFiles);
    EXPECT_EQ(workingFiles, QStringList{"talmo_res.dll"});
}

// The whole CAB build with the real cabwiz: the cabinet carries the shortcut
// file and the configuration's resource DLL with the icon group 108.
class CustomIconCabBuildTest : public testing::BuilderFixture
{
};

TEST_F(CustomIconCabBuildTest, CabCarriesShortcutFileAndResourceDll)
{
    TProjectContainer &project = fixture.project;
    WriteFile(fixture.Path(QStringLiteral("project/icons/app.ico")), IconFile('\x33'));
    TShortcutSection &section = project.ShortcutsSections.AddNew();
    section.Caption = QStringLiteral("Icons");
    section.DefaultDestinationDir = QStringLiteral("%CE11%");
    AddShortcut(section, QStringLiteral("%InstallDir%\\app.exe"), QStringLiteral("icons\\app.ico"));
    project.CEDevices[0].Installation.defaultInstallShortcuts = {QStringLiteral("Icons")};
    questions.answers = {true};
    builder.WindowShown();
    builder.BuildCabs();

    ASSERT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    EXPECT_EQ(fixture.WorkingFiles(), QStringList());
    const QString cab = fixture.OutputFolder() + QStringLiteral("/My_App.CAB");
    const QByteArray lnk = ShortcutFile::Content(ShortcutFile::Body(project, section.Entries[0], 0));
    bool foundLnk = false;
    bool foundDll = false;
    for (const QString &member : testing::cabMembers(cab)) {
        const QByteArray content = testing::cabMember(cab, member);
        foundLnk = foundLnk || content == lnk;
        if (content.startsWith("MZ")) {
            TPEResourceModule module;
            module.LoadFromBytes(Bytes(content.begin(), content.end()));
            foundDll = module.NextResourceId("14") == "109";
        }
    }
    EXPECT_TRUE(foundLnk) << testing::cabMembers(cab).join(u' ').toStdString();
    EXPECT_TRUE(foundDll);
}

// The device resolves the shortcut file's target and icon as written: both
// from its root, however the target was typed; the parameters as typed.
TEST_F(CustomIconCabBuildTest, ShortcutFileNamesThePathsTheDeviceUses)
{
    TProjectContainer &project = fixture.project;
    project.InstallDir = QStringLiteral("%CE1%\\MyApp Tool\\Bin");
    WriteFile(fixture.Path(QStringLiteral("project/icons/app.ico")), IconFile('\x44'));
    TShortcutSection &section = project.ShortcutsSections.AddNew();
    section.Caption = QStringLiteral("Icons");
    section.DefaultDestinationDir = QStringLiteral("%CE11%");
    AddShortcut(section, QStringLiteral("\\%InstallDir%\\app.exe"), QStringLiteral("icons\\app.ico")).CustomParameters =
        QStringLiteral("/settings %CE5%");
    project.CEDevices[0].Installation.defaultInstallShortcuts = {QStringLiteral("Icons")};
    questions.answers = {true};
    builder.WindowShown();
    builder.BuildCabs();

    ASSERT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    const QString cab = fixture.OutputFolder() + QStringLiteral("/My_App.CAB");
    const QString descriptor = QString::fromUtf8(testing::cabMember(cab, QStringLiteral("_setup.xml")));
    // The files the shortcut names lie there on the device.
    for (const char *expected : {"<parm name=\"InstallDir\" value=\"%CE1%\\MyApp Tool\\Bin\"",
                                 "<characteristic type=\"%InstallDir%\" translation=\"install\">\n"
                                 "            <characteristic type=\"MakeDir\"/>\n"
                                 "            <characteristic type=\"app.exe\">",
                                 "<characteristic type=\"talmo_res.dll\">"})
        EXPECT_TRUE(descriptor.contains(QString::fromUtf8(expected))) << expected << "\n" << descriptor.toStdString();
    const QByteArray body = "\"\\Program Files\\MyApp Tool\\Bin\\app.exe\" /settings %CE5%"
                            "?\\Program Files\\MyApp Tool\\Bin\\talmo_res.dll,-108";
    const QByteArray expected = QByteArray::number(body.size()) + '#' + body + "\r\n";
    QByteArrayList contents;
    for (const QString &member : testing::cabMembers(cab))
        contents.append(testing::cabMember(cab, member));
    EXPECT_TRUE(contents.contains(expected)) << contents.join("\n---\n").toStdString();
}

TEST(ShortcutFile, BodyIndexPartByIconKind)
{
    TProjectContainer project;
    project.InstallDir = QStringLiteral("\\Apps");
    TShortcutEntry entry;
    entry.target_file_path = QStringLiteral("%InstallDir%\\a.exe");
    entry.CustomIconFileName = QStringLiteral("b.exe");
    const QList<std::tuple<QString, QString, int, QString>> cases = {
        {QString(), QStringLiteral("1"), -1, QStringLiteral("\"\\Apps\\a.exe\"?b.exe")},
        {QStringLiteral("0"), QStringLiteral("0"), -1, QStringLiteral("\"\\Apps\\a.exe\"?b.exe,0")},
        {QStringLiteral("7"), QStringLiteral("1"), -1, QStringLiteral("\"\\Apps\\a.exe\"?b.exe,-7")},
        {QStringLiteral("7"), QStringLiteral("1"), 3, QStringLiteral("\"\\Apps\\a.exe\"?\\Apps\\talmo_res.dll,-111")},
    };
    for (const auto &[index, type, k, body] : cases) {
        entry.CustomIconIndex = index;
        entry.CustomIconIndexType = type;
        EXPECT_EQ(ShortcutFile::Body(project, entry, k), body);
    }
    EXPECT_EQ(ShortcutFile::Content(QStringLiteral("\"x\"?y")), QByteArray("5#\"x\"?y\r\n"));
}

} // namespace
} // namespace talmo
