#include "engine/builder/BuildController.h"
#include "engine/cab/CabItemNames.h"
#include "model/ProjectFileReader.h"
#include "model/ProjectFileWriter.h"
#include "tests/cabwiz/CabwizRunner.h"
#include "tests/engine/builder/BuilderTestProject.h"

#include <QCryptographicHash>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace talmo;
using namespace talmo::testing;

namespace {

QByteArray md5(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

// The attributes of every element of a cabinet's setup descriptor, in order.
QList<QXmlStreamAttributes> descriptorElements(const QString &cab)
{
    QXmlStreamReader xml(cabMember(cab, QStringLiteral("_setup.xml")));
    QList<QXmlStreamAttributes> elements;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            elements.append(xml.attributes());
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return elements;
}

// The member that installs the device file of that name.
QString memberOf(const QString &cab, const QString &deviceName)
{
    const QList<QXmlStreamAttributes> elements = descriptorElements(cab);
    for (qsizetype i = 0; i + 2 < elements.size(); ++i) {
        if (elements[i].value(QStringLiteral("type")) == deviceName
            && elements[i + 2].value(QStringLiteral("name")) == QStringLiteral("Source"))
            return elements[i + 2].value(QStringLiteral("value")).toString();
    }
    ADD_FAILURE() << "no member installs " << deviceName.toStdString();
    return QString();
}

// The data of every registry value the descriptor sets, by value name.
QMap<QString, QString> registryData(const QString &cab)
{
    QMap<QString, QString> data;
    for (const QXmlStreamAttributes &element : descriptorElements(cab)) {
        if (element.hasAttribute(QStringLiteral("datatype")))
            data.insert(element.value(QStringLiteral("name")).toString(), element.value(QStringLiteral("value")).toString());
    }
    return data;
}

// The data of every registry value the descriptor sets, by key and value name ("key|name").
QMap<QString, QString> registryDataByKey(const QString &cab)
{
    QMap<QString, QString> data;
    QString key;
    for (const QXmlStreamAttributes &element : descriptorElements(cab)) {
        if (element.hasAttribute(QStringLiteral("datatype")))
            data.insert(key + u'|' + element.value(QStringLiteral("name")).toString(), element.value(QStringLiteral("value")).toString());
        else if (element.hasAttribute(QStringLiteral("type")))
            key = element.value(QStringLiteral("type")).toString();
    }
    return data;
}

// Why the build refuses a section or target name, after the item it names.
const QString unwritableName = QStringLiteral(
    "the name cannot be written into the .inf file. A section name may not be empty, hold a comma, a double quote, a "
    "square bracket, a semicolon, an equals sign or a percent sign, nor begin or end with a blank.");

// Builds the test project's CABs with the real cabwiz of the program folder.
class DeviceContentBuildTest : public BuilderFixture
{
protected:
    void SetUp() override
    {
        BuilderFixture::SetUp();
        questions.answers = {true};
    }

    void Build()
    {
        builder.WindowShown();
        builder.BuildCabs();
    }

    QString Log() const { return builder.LogLines().join(u'\n'); }
    QString Cab(const QString &name) const { return fixture.OutputFolder() + u'/' + name; }
};

// A processor target without files of its own installs the common files,
// the user's readme.txt among them, not the program's placeholder.
TEST_F(DeviceContentBuildTest, ATargetWithoutFilesShipsTheUsersReadme)
{
    const QByteArray readme = "the user's own notes";
    WriteTestFile(fixture.Path(QStringLiteral("project/bin/readme.txt")), readme);
    TPPCFS_File &file = fixture.project.CEDevices[0].Files.AddNew();
    file.SourceName = file.DestinationName = QStringLiteral("readme.txt");
    file.SourceDir = QStringLiteral("bin\\");
    file.DestinationDir = QStringLiteral("%InstallDir%\\");
    for (const char *processor : {"CEDevice.ARM", "CEDevice.MIPSII"})
        fixture.project.CEDevices.AddNew().Caption = QString::fromLatin1(processor);
    Build();

    ASSERT_EQ(builder.ResultCode, 0) << Log().toStdString();
    ASSERT_EQ(fixture.OutputFiles(), (QStringList{"My_App.ARM.CAB", "My_App.MIPSII.CAB"}));
    for (const QString &name : fixture.OutputFiles()) {
        const QString cab = Cab(name);
        EXPECT_EQ(md5(cabMember(cab, memberOf(cab, QStringLiteral("readme.txt")))), md5(readme)) << name.toStdString();
        EXPECT_EQ(cabMember(cab, memberOf(cab, QStringLiteral("app.exe"))), QByteArray("the application"));
    }
}

// Every text the user typed reaches the device as typed: through the .inf
// file, cabwiz and the cabinet's setup descriptor.
TEST_F(DeviceContentBuildTest, TypedTextsReachTheDeviceUnchanged)
{
    TProjectContainer &project = fixture.project;
    project.AppName = QStringLiteral("My App, 100%");
    project.Provider = QStringLiteral("Acme \"Tools\"; 5%");
    project.StringPairs.AddNew() = TStringPair{QStringLiteral("Greeting"), QStringLiteral("Hi, \"you\" 5% %windir%")};
    TRegistrySection &section = project.RegistrySections.AddNew();
    section.Caption = QStringLiteral("Texts");
    project.CEDevices[0].Installation.defaultInstallRegistry = {section.Caption};
    const QString subkey = QStringLiteral("Software\\Acme, Inc.\\100% \"sure\"");
    // typed data, what the device gets
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Hello, \"World\" %InstallDir%"), QStringLiteral("Hello, \"World\" %InstallDir%")},
        {QStringLiteral("%windir%\\a"), QStringLiteral("%windir%\\a")},
        {QStringLiteral("100%"), QStringLiteral("100%")},
        {QStringLiteral("%%"), QStringLiteral("%%")},
        {QStringLiteral("50%; off %1 %"), QStringLiteral("50%; off %1 %")},
        {QStringLiteral("  padded  "), QStringLiteral("  padded  ")},
        {QStringLiteral("ends in \\"), QStringLiteral("ends in \\")},
        {QStringLiteral("a=b"), QStringLiteral("a=b")},
        {QStringLiteral("\"\""), QStringLiteral("\"\"")},
        {QStringLiteral("%CE1%\\Data"), QStringLiteral("%CE1%\\Data")},
        {QStringLiteral("%Provider% %Version%"), QStringLiteral("%Provider% %Version%")},
        {QStringLiteral("%AppName%: %Greeting%"), QStringLiteral("My App, 100%: Hi, \"you\" 5% %windir%")},
    };
    for (qsizetype i = 0; i < qsizetype(std::size(cases)); ++i) {
        TRegistryEntry &entry = section.Entries.AddNew();
        entry.registry_root_string = QStringLiteral("HKEY_CURRENT_USER");
        entry.subkey = subkey;
        entry.value_name = QStringLiteral("value %1, \"%2\"%").arg(i).arg(i);
        entry.flags = QStringLiteral("TYPE_SZ");
        entry.value = cases[i].first;
    }
    TRegistryEntry &list = section.Entries.AddNew();
    list.registry_root_string = QStringLiteral("HKEY_CURRENT_USER");
    list.subkey = subkey;
    list.value_name = QStringLiteral("list");
    list.flags = QStringLiteral("TYPE_MULTI_SZ");
    list.value = QStringLiteral("\"one, 1%\",\"two \"\"2\"\"\"");
    TPPCFS_File &file = project.CEDevices[0].Files[0];
    file.DestinationName = QStringLiteral("report, \"100%\"; x.exe");
    TShortcutSection &links = project.ShortcutsSections.AddNew();
    links.Caption = QStringLiteral("Links");
    links.DefaultDestinationDir = QStringLiteral("%CE11%\\Acme, 5%");
    TShortcutEntry &link = links.Entries.AddNew();
    link.shortcut_filename = QStringLiteral("Run \"it\", 100%");
    link.target_file_path = QStringLiteral("%InstallDir%\\") + file.DestinationName;
    project.CEDevices[0].Installation.defaultInstallShortcuts = {links.Caption};
    Build();

    ASSERT_EQ(builder.ResultCode, 0) << Log().toStdString();
    const QString cab = Cab(QStringLiteral("My_App,_100%.CAB"));
    ASSERT_EQ(fixture.OutputFiles(), QStringList{"My_App,_100%.CAB"});
    const QMap<QString, QString> data = registryData(cab);
    for (qsizetype i = 0; i < qsizetype(std::size(cases)); ++i) {
        const QString name = QStringLiteral("value %1, \"%2\"%").arg(i).arg(i);
        ASSERT_TRUE(data.contains(name)) << name.toStdString();
        EXPECT_EQ(data.value(name), cases[i].second) << cases[i].first.toStdString();
    }
    EXPECT_EQ(data.value(QStringLiteral("list")).split(QChar(0xF000)), (QStringList{"one, 1%", "two \"2\""}));
    QStringList types;
    QString appName;
    for (const QXmlStreamAttributes &element : descriptorElements(cab)) {
        types.append(element.value(QStringLiteral("type")).toString());
        if (element.value(QStringLiteral("name")) == QStringLiteral("AppName"))
            appName = element.value(QStringLiteral("value")).toString();
    }
    EXPECT_EQ(appName, QStringLiteral("Acme \"Tools\"; 5% My App, 100%"));
    EXPECT_TRUE(types.contains(QStringLiteral("HKCU\\") + subkey)) << types.join(u'\n').toStdString();
    EXPECT_TRUE(types.contains(QStringLiteral("%CE11%\\Acme, 5%"))) << types.join(u'\n').toStdString();
    EXPECT_TRUE(types.contains(QStringLiteral("Run \"it\", 100%.lnk"))) << types.join(u'\n').toStdString();
    EXPECT_EQ(cabMember(cab, memberOf(cab, file.DestinationName)), QByteArray("the application"));
}

// A project saved when the file association values were kept in their .inf
// form gives the device the association the dialog meant.
TEST_F(DeviceContentBuildTest, AStoredOldFileAssociationReachesTheDeviceAsMeant)
{
    fixture.project.CEDevices[0].Installation.defaultInstallRegistry = {QStringLiteral("Assoc")};
    const QString fileName = fixture.Path(QStringLiteral("project/old.talmo"));
    ASSERT_TRUE(ProjectFileWriter::SaveToFile(fixture.project, fileName));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray document = file.readAll();
    file.close();
    const QByteArray entries = R"xml(<Registry><count>1</count><registrySection_0><Caption>Assoc</Caption><registryEntries><count>4</count>
<registryEntry_0><registry_root_string>HKEY_CLASSES_ROOT</registry_root_string><subkey>.txt</subkey><value_name></value_name><flags>TYPE_SZ</flags><value>txtfile</value><overwrite>0</overwrite></registryEntry_0>
<registryEntry_1><registry_root_string>HKEY_CLASSES_ROOT</registry_root_string><subkey>txtfile</subkey><value_name></value_name><flags>TYPE_SZ</flags><value>Text Document</value><overwrite>0</overwrite></registryEntry_1>
<registryEntry_2><registry_root_string>HKEY_CLASSES_ROOT</registry_root_string><subkey>txtfile\DefaultIcon</subkey><value_name></value_name><flags>TYPE_SZ</flags><value>"%InstallDir%\view.exe,0"</value><overwrite>0</overwrite></registryEntry_2>
<registryEntry_3><registry_root_string>HKEY_CLASSES_ROOT</registry_root_string><subkey>txtfile\Shell\Open\Command</subkey><value_name></value_name><flags>TYPE_SZ</flags><value>""""%InstallDir%\view.exe"""" """"%%1""""</value><overwrite>0</overwrite></registryEntry_3>
</registryEntries></registrySection_0></Registry>)xml";
    const QByteArray noRegistry = "<Registry><count>0</count></Registry>";
    ASSERT_TRUE(document.contains(noRegistry));
    document.replace(noRegistry, entries);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(document);
    file.close();
    ASSERT_TRUE(ProjectFileReader::LoadFromFile(fixture.project, fileName));
    ASSERT_EQ(fixture.project.RegistrySections.Count(), 1);
    Build();

    ASSERT_EQ(builder.ResultCode, 0) << Log().toStdString();
    const QMap<QString, QString> data = registryDataByKey(Cab(QStringLiteral("My_App.CAB")));
    EXPECT_EQ(data.value(QStringLiteral("HKCR\\.txt|")), QStringLiteral("txtfile"));
    EXPECT_EQ(data.value(QStringLiteral("HKCR\\txtfile|")), QStringLiteral("Text Document"));
    EXPECT_EQ(data.value(QStringLiteral("HKCR\\txtfile\\DefaultIcon|")), QStringLiteral("%InstallDir%\\view.exe,0"));
    EXPECT_EQ(data.value(QStringLiteral("HKCR\\txtfile\\Shell\\Open\\Command|")),
              QStringLiteral("\"%InstallDir%\\view.exe\" \"%1\""));
    EXPECT_EQ(data.size(), 4) << QStringList(data.keys()).join(u'\n').toStdString();
}

// A CAB that cannot take the project's CAB file name fails the build with the
// reason; the CAB it could not place is not left under another name.
TEST_F(DeviceContentBuildTest, ARenameThatFailsFailsTheBuild)
{
    fixture.project.CABOutputFilename = QStringLiteral("Pack.cab");
    ASSERT_TRUE(QDir().mkpath(Cab(QStringLiteral("Pack.CAB"))));
    Build();

    EXPECT_EQ(builder.ResultCode, 3) << Log().toStdString();
    const QString error = QStringLiteral("Fatal Error: The CAB file My_App.CAB couldn't be renamed to Pack.CAB: "
                                         "a folder of that name is in the output folder");
    EXPECT_EQ(builder.ErrorText, error);
    EXPECT_EQ(builder.LogLines().mid(builder.LogLines().size() - 2), (QStringList{error, "CAB(s) File(s) not built."}));
    EXPECT_EQ(fixture.OutputFiles(), QStringList());
    EXPECT_TRUE(QFileInfo(Cab(QStringLiteral("Pack.CAB"))).isDir());
    EXPECT_EQ(fixture.WorkingFiles(), QStringList());
}

// A device file whose destination leaves its folder is refused before
// anything is built, named as the user knows it; the earlier build's CAB
// does not stay behind as if it were this build's.
TEST_F(DeviceContentBuildTest, ADestinationOutsideItsFolderIsRefused)
{
    const char *const names[] = {"../../evil.exe", "..\\..\\x", "\\Windows\\evil.exe"};
    for (const char *name : names) {
        SCOPED_TRACE(name);
        WriteTestFile(Cab(QStringLiteral("My_App.CAB")), "an earlier build");
        fixture.project.CEDevices[0].Files[0].DestinationName = QString::fromLatin1(name);
        Build();

        EXPECT_EQ(builder.ResultCode, 3);
        const QString error = QStringLiteral("Fatal Error: Device file \"bin\\app.exe\" of the Default Target: the destination "
                                             "name \"%1\" must name a file inside its folder on the device").arg(QString::fromLatin1(name));
        EXPECT_EQ(builder.ErrorText, error);
        EXPECT_EQ(builder.LogLines().mid(builder.LogLines().size() - 2),
                  (QStringList{error, "CAB(s) File(s) not built; the CAB(s) of an earlier build were removed from the "
                                      "output folder: My_App.CAB"}));
        EXPECT_EQ(fixture.OutputFiles(), QStringList());
        EXPECT_EQ(fixture.WorkingFiles(), QStringList());
    }
    TPPCFS_File &file = fixture.project.CEDevices[0].Files[0];
    file.DestinationName = QStringLiteral("app.exe");
    file.DestinationDir = QStringLiteral("%InstallDir%\\..\\..\\Windows\\");
    Build();
    EXPECT_EQ(builder.ErrorText, "Fatal Error: Device file \"bin\\app.exe\" of the Default Target: the destination folder "
                                 "\"%InstallDir%\\..\\..\\Windows\\\" must not climb out through \"..\"");
}

// A section name the .inf file's section lists cannot carry fails the build,
// named as the user knows the section; a name they can carry builds.
TEST_F(DeviceContentBuildTest, SectionNamesTheInfFileCannotCarryAreRefused)
{
    TRegistrySection &registry = fixture.project.RegistrySections.AddNew();
    TRegistryEntry &entry = registry.Entries.AddNew();
    entry.registry_root_string = QStringLiteral("HKEY_CURRENT_USER");
    entry.subkey = QStringLiteral("Software\\MyApp");
    entry.value_name = QStringLiteral("Level");
    entry.flags = QStringLiteral("TYPE_SZ");
    entry.value = QStringLiteral("high");
    TShortcutSection &links = fixture.project.ShortcutsSections.AddNew();
    links.DefaultDestinationDir = QStringLiteral("%CE11%");
    TShortcutEntry &link = links.Entries.AddNew();
    link.shortcut_filename = QStringLiteral("My App");
    link.target_file_path = QStringLiteral("%InstallDir%\\app.exe");
    TInstallation &installation = fixture.project.CEDevices[0].Installation;
    const char *const badNames[] = {"Reg,1", "Reg \"1\"", "Reg[1]", "Reg]", "Reg;1", "Reg=1", "100%", " Reg", "Reg ", ""};
    for (const bool registrySection : {true, false}) {
        for (const char *name : badNames) {
            SCOPED_TRACE(name);
            registry.Caption = registrySection ? QString::fromUtf8(name) : QStringLiteral("Reg");
            links.Caption = registrySection ? QStringLiteral("Links") : QString::fromUtf8(name);
            installation.defaultInstallRegistry = {registry.Caption};
            installation.defaultInstallShortcuts = {links.Caption};
            Build();

            EXPECT_EQ(builder.ResultCode, 3);
            const QString error = QStringLiteral("Fatal Error: %1 section \"%2\": ")
                                      .arg(registrySection ? "Registry" : "Shortcut", QString::fromUtf8(name)) + unwritableName;
            EXPECT_EQ(builder.LogLines().mid(builder.LogLines().size() - 2), (QStringList{error, "CAB(s) File(s) not built."}));
            EXPECT_EQ(fixture.OutputFiles(), QStringList());
        }
    }
    registry.Caption = QStringLiteral("My Reg-1 (a+b)");
    links.Caption = QStringLiteral("My Links");
    installation.defaultInstallRegistry = {registry.Caption};
    installation.defaultInstallShortcuts = {links.Caption};
    Build();
    ASSERT_EQ(builder.ResultCode, 0) << Log().toStdString();
    const QString cab = Cab(QStringLiteral("My_App.CAB"));
    EXPECT_EQ(registryData(cab).value(QStringLiteral("Level")), QStringLiteral("high"));
    QStringList types;
    for (const QXmlStreamAttributes &element : descriptorElements(cab))
        types.append(element.value(QStringLiteral("type")).toString());
    EXPECT_TRUE(types.contains(QStringLiteral("My App.lnk"))) << types.join(u'\n').toStdString();
}

// cabwiz and the .inf file do not tell section names apart by case: two
// sections whose names differ only in case would merge, and a target would
// install both. The build refuses them, naming both as the user knows them.
TEST_F(DeviceContentBuildTest, SectionNamesThatDifferOnlyInCaseAreRefused)
{
    struct Section
    {
        bool registry;
        const char *name;
    };
    const std::pair<Section, Section> clashes[] = {
        {{true, "Reg"}, {true, "reg"}},
        {{false, "Links"}, {false, "LINKS"}},
        {{true, "Data"}, {false, "data"}},
        {{true, "Reg"}, {true, "Reg"}},
    };
    TProjectContainer &project = fixture.project;
    for (const auto &[first, second] : clashes) {
        SCOPED_TRACE(second.name);
        project.RegistrySections.Clear();
        project.ShortcutsSections.Clear();
        TInstallation &installation = project.CEDevices[0].Installation;
        installation.defaultInstallRegistry.clear();
        installation.defaultInstallShortcuts.clear();
        QStringList items;
        for (const Section &section : {first, second}) {
            const QString name = QString::fromUtf8(section.name);
            if (section.registry) {
                TRegistrySection &registry = project.RegistrySections.AddNew();
                registry.Caption = name;
                TRegistryEntry &entry = registry.Entries.AddNew();
                entry.registry_root_string = QStringLiteral("HKEY_CURRENT_USER");
                entry.subkey = QStringLiteral("Software\\MyApp");
                entry.value_name = name;
                entry.flags = QStringLiteral("TYPE_SZ");
                entry.value = QStringLiteral("on");
                installation.defaultInstallRegistry.append(name);
            } else {
                TShortcutSection &links = project.ShortcutsSections.AddNew();
                links.Caption = name;
                links.DefaultDestinationDir = QStringLiteral("%CE11%");
                TShortcutEntry &link = links.Entries.AddNew();
                link.shortcut_filename = name;
                link.target_file_path = QStringLiteral("%InstallDir%\\app.exe");
                installation.defaultInstallShortcuts.append(name);
            }
            items.append(QStringLiteral("%1 section \"%2\"").arg(section.registry ? "registry" : "shortcut", name));
        }
        Build();

        EXPECT_EQ(builder.ResultCode, 3);
        const QString error = QStringLiteral("Fatal Error: %1 and %2: the .inf file would merge them into one section, as "
                                             "it ignores the case of section names.")
                                  .arg(CabItemNames::Capitalized(items[0]), items[1]);
        EXPECT_EQ(builder.LogLines().mid(builder.LogLines().size() - 2), (QStringList{error, "CAB(s) File(s) not built."}));
        EXPECT_EQ(fixture.OutputFiles(), QStringList());
    }
}

// A processor target's name heads sections of the .inf file: what a section
// name cannot carry fails the build, and so do two names that differ only in
// case, whose sections would merge. A name it can carry builds.
TEST_F(DeviceContentBuildTest, TargetNamesTheInfFileCannotCarryAreRefused)
{
    TCEDevices &targets = fixture.project.CEDevices;
    targets.AddNew();
    const char *const badNames[] = {"ARM,1", "ARM \"1\"", "ARM[1]", "ARM]", "ARM;1", "ARM=1", "100%", " ARM", "ARM ", ""};
    for (const char *name : badNames) {
        SCOPED_TRACE(name);
        targets[1].Caption = QStringLiteral("CEDevice.") + QString::fromUtf8(name);
        Build();

        EXPECT_EQ(builder.ResultCode, 3);
        const QString error = QStringLiteral("Fatal Error: The %1 Target: ").arg(QString::fromUtf8(name)) + unwritableName;
        EXPECT_EQ(builder.LogLines().mid(builder.LogLines().size() - 2), (QStringList{error, "CAB(s) File(s) not built."}));
        EXPECT_EQ(fixture.OutputFiles(), QStringList());
    }

    targets[1].Caption = QStringLiteral("CEDevice.ARM");
    targets.AddNew().Caption = QStringLiteral("CEDevice.arm");
    Build();
    EXPECT_EQ(builder.ResultCode, 3);
    EXPECT_EQ(builder.LogLines().mid(builder.LogLines().size() - 2),
              (QStringList{"Fatal Error: The ARM Target and the arm Target: the .inf file would merge them into one "
                           "section, as it ignores the case of section names.",
                           "CAB(s) File(s) not built."}));
    EXPECT_EQ(fixture.OutputFiles(), QStringList());

    targets[1].Caption = QStringLiteral("CEDevice.ARM v4");
    targets[2].Caption = QStringLiteral("CEDevice.arm_V4");
    Build();
    EXPECT_EQ(builder.ResultCode, 3);
    EXPECT_EQ(builder.LogLines().mid(builder.LogLines().size() - 2),
              (QStringList{"Fatal Error: The ARM v4 Target and the arm_V4 Target: both would build the CAB file "
                           "My_App.arm_V4.CAB.",
                           "CAB(s) File(s) not built."}));
    EXPECT_EQ(fixture.OutputFiles(), QStringList());

    targets[1].Caption = QStringLiteral("CEDevice.ARM");
    targets[2].Caption = QStringLiteral("CEDevice.ARM-v4");
    Build();
    ASSERT_EQ(builder.ResultCode, 0) << Log().toStdString();
    EXPECT_EQ(fixture.OutputFiles(), (QStringList{"My_App.ARM-v4.CAB", "My_App.ARM.CAB"}));
}

// Registry data the build cannot take is named by section, key and value,
// not by a line of a temporary file.
TEST_F(DeviceContentBuildTest, InvalidRegistryDataIsNamedByItsItem)
{
    TRegistrySection &section = fixture.project.RegistrySections.AddNew();
    section.Caption = QStringLiteral("MyAppReg");
    TRegistryEntry &entry = section.Entries.AddNew();
    entry.registry_root_string = QStringLiteral("HKEY_CURRENT_USER");
    entry.subkey = QStringLiteral("Software\\MyApp");
    entry.value_name = QStringLiteral("Level");
    entry.flags = QStringLiteral("TYPE_DWORD");
    entry.value = QStringLiteral("abc");
    fixture.AddConfigurations({QStringLiteral("ARM")});
    fixture.project.CEDevices[1].Installation.defaultInstallRegistry = {section.Caption};
    Build();

    EXPECT_EQ(builder.ResultCode, 3);
    const QString error = QStringLiteral("Fatal Error: Registry section \"MyAppReg\", key HKEY_CURRENT_USER\\Software\\MyApp, "
                                         "value \"Level\": the TYPE_DWORD data \"abc\" cannot be built. DWORD data must be "
                                         "a whole number from -2147483648 to 4294967295, or a hex number such as 0xFF.");
    EXPECT_EQ(builder.LogLines().mid(builder.LogLines().size() - 2), (QStringList{error, "CAB(s) File(s) not built."}));
    EXPECT_EQ(fixture.OutputFiles(), QStringList());

    entry.value = QStringLiteral("0xFF");
    Build();
    ASSERT_EQ(builder.ResultCode, 0) << Log().toStdString();
    EXPECT_EQ(registryData(Cab(QStringLiteral("My_App.ARM.CAB"))).value(QStringLiteral("Level")), QStringLiteral("255"));
}

// An error cabwiz finds in a line of the generated text names the project
// item the line comes from, and the log ends saying nothing was built.
TEST_F(DeviceContentBuildTest, CabwizErrorsNameTheProjectItem)
{
    ASSERT_TRUE(QFile::remove(fixture.Path(QStringLiteral("project/bin/app.exe"))));
    Build();

    EXPECT_EQ(builder.ResultCode, 3);
    const QString prefix = QStringLiteral("Error: Device file \"app.exe\" of the Default Target: the source file ");
    EXPECT_TRUE(builder.ErrorText.startsWith(prefix)) << builder.ErrorText.toStdString();
    EXPECT_TRUE(builder.ErrorText.contains(QStringLiteral("app.exe does not exist ("))) << builder.ErrorText.toStdString();
    EXPECT_TRUE(builder.ErrorText.contains(QStringLiteral("My_App.inf, line "))) << builder.ErrorText.toStdString();
    EXPECT_EQ(builder.LogLines().last(), QStringLiteral("CAB(s) File(s) not built."));

    // Text the user edited keeps cabwiz's own line.
    builder.EditInfText(builder.InfText() + QStringLiteral("; edited\r\n"));
    builder.BuildCabs();
    EXPECT_TRUE(builder.ErrorText.startsWith(QStringLiteral("Error: ") + fixture.WorkingFolder())) << builder.ErrorText.toStdString();
}

// The whole of it at once: a target without files of its own, the user's
// readme.txt, registry strings with quotes, commas and percent signs, and a
// shortcut with an icon of its own; every member and value is as entered.
TEST_F(DeviceContentBuildTest, EveryMemberAndValueOfATargetsCabinetIsAsEntered)
{
    TProjectContainer &project = fixture.project;
    project.InstallDir = QStringLiteral("%CE1%\\My App");
    const QByteArray readme = "read me, 100%";
    WriteTestFile(fixture.Path(QStringLiteral("project/bin/readme.txt")), readme);
    TPPCFS_File &file = project.CEDevices[0].Files.AddNew();
    file.SourceName = file.DestinationName = QStringLiteral("readme.txt");
    file.SourceDir = QStringLiteral("bin\\");
    file.DestinationDir = QStringLiteral("%InstallDir%\\");
    TRegistrySection &section = project.RegistrySections.AddNew();
    section.Caption = QStringLiteral("Settings");
    const QStringList texts = {QStringLiteral("Say \"hi\", 50%"), QStringLiteral("%windir%\\system32; x"),
                               QStringLiteral("%InstallDir%\\readme.txt")};
    for (qsizetype i = 0; i < texts.size(); ++i) {
        TRegistryEntry &entry = section.Entries.AddNew();
        entry.registry_root_string = QStringLiteral("HKEY_LOCAL_MACHINE");
        entry.subkey = QStringLiteral("Software\\My App");
        entry.value_name = QStringLiteral("Text %1").arg(i);
        entry.flags = QStringLiteral("TYPE_SZ");
        entry.value = texts[i];
    }
    TShortcutSection &links = project.ShortcutsSections.AddNew();
    links.Caption = QStringLiteral("Links");
    links.DefaultDestinationDir = QStringLiteral("%CE11%");
    TShortcutEntry &link = links.Entries.AddNew();
    link.shortcut_filename = QStringLiteral("My App");
    link.target_file_path = QStringLiteral("\\%InstallDir%\\app.exe");
    link.CustomIconFileName = QStringLiteral("%InstallDir%\\app.exe");
    link.CustomIconIndex = QStringLiteral("101");
    link.CustomIconIndexType = QStringLiteral("1");
    link.CustomParameters = QStringLiteral("/open \"%1\"");
    TInstallation &common = project.CEDevices[0].Installation;
    common.defaultInstallRegistry = {section.Caption};
    common.defaultInstallShortcuts = {links.Caption};
    project.CEDevices.AddNew().Caption = QStringLiteral("CEDevice.ARM");
    Build();

    ASSERT_EQ(builder.ResultCode, 0) << Log().toStdString();
    ASSERT_EQ(fixture.OutputFiles(), QStringList{"My_App.ARM.CAB"});
    const QString cab = Cab(QStringLiteral("My_App.ARM.CAB"));
    EXPECT_EQ(md5(cabMember(cab, memberOf(cab, QStringLiteral("readme.txt")))), md5(readme));
    EXPECT_EQ(cabMember(cab, memberOf(cab, QStringLiteral("app.exe"))), QByteArray("the application"));
    const QByteArray body = "\"\\Program Files\\My App\\app.exe\" /open \"%1\"?\\Program Files\\My App\\app.exe,-101";
    EXPECT_EQ(cabMember(cab, memberOf(cab, QStringLiteral("My App.lnk"))), QByteArray::number(body.size()) + '#' + body + "\r\n");
    const QMap<QString, QString> data = registryData(cab);
    for (qsizetype i = 0; i < texts.size(); ++i)
        EXPECT_EQ(data.value(QStringLiteral("Text %1").arg(i)), texts[i]);
}

} // namespace
