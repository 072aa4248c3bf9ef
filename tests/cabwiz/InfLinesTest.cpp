#include "tools/cabwiz/CommandLine.h"
#include "tools/cabwiz/InfError.h"
#include "tools/cabwiz/MemberName.h"
#include "tools/cabwiz/RegistryLine.h"
#include "tools/cabwiz/StringTable.h"

#include <gtest/gtest.h>

using namespace talmo::cabwiz;

namespace {

RegistryValue parseRegistry(const QString &text, QString *warning = nullptr)
{
    StringTable strings;
    strings.define(QStringLiteral("InstallDir"), QStringLiteral("%CE1%\\Demo"));
    QString ignored;
    return parseRegistryLine(InfLine{7, text}, QStringLiteral("Reg"), strings, warning ? warning : &ignored);
}

TEST(RegistryLineTest, FlagWordGivesTypeAndKeepExisting)
{
    const std::tuple<QString, RegistryType, bool> cases[] = {
        {"HKLM,K,V,0x00000000,text", RegistryType::String, false},
        {"HKLM,K,V,0x00000002,text", RegistryType::String, true},
        {"HKLM,K,V,0x00010000,a,b", RegistryType::MultiString, false},
        {"HKLM,K,V,0x00010002,a", RegistryType::MultiString, true},
        {"HKLM,K,V,0x00000001,0A,FF", RegistryType::Binary, false},
        {"HKLM,K,V,0x00000003,", RegistryType::Binary, true},
        {"HKLM,K,V,0x00010001,5", RegistryType::DWord, false},
        {"HKLM,K,V,0x00010003,-1", RegistryType::DWord, true},
    };
    for (const auto &[line, type, keepExisting] : cases) {
        const RegistryValue value = parseRegistry(line);
        EXPECT_EQ(value.type, type) << line.toStdString();
        EXPECT_EQ(value.keepExisting, keepExisting) << line.toStdString();
    }
}

TEST(RegistryLineTest, ReadsRootKeyNameAndData)
{
    const RegistryValue text = parseRegistry(QStringLiteral("HKEY_CURRENT_USER,Software\\Acme,Path,0x00000000,\"%InstallDir%\\\""));
    EXPECT_EQ(text.key, QStringLiteral("HKCU\\Software\\Acme"));
    EXPECT_EQ(text.name, QStringLiteral("Path"));
    EXPECT_EQ(text.strings, QStringList{QStringLiteral("%InstallDir%\\")});
    EXPECT_TRUE(text.holdsDeviceString);

    EXPECT_EQ(parseRegistry(QStringLiteral("HKCR,K,,0x00000000,a,b;c")).strings, QStringList{QStringLiteral("a,b;c")});
    EXPECT_EQ(parseRegistry(QStringLiteral("HKLM,K,V,0x00010000,one,\"two, three\"")).strings,
              (QStringList{QStringLiteral("one"), QStringLiteral("two, three")}));
    EXPECT_EQ(parseRegistry(QStringLiteral("HKLM,K,V,0x00000001,0A,FF")).bytes, QByteArray("\x0A\xFF", 2));
    EXPECT_EQ(parseRegistry(QStringLiteral("HKLM,K,V,0x00010001,-1")).number, -1);
    EXPECT_EQ(parseRegistry(QStringLiteral("HKLM,K,V,0x00010001,0x10")).number, 16);
}

TEST(RegistryLineTest, EmptyDWordIsZeroWithAWarning)
{
    QString warning;
    EXPECT_EQ(parseRegistry(QStringLiteral("HKLM,K,Count,0x00010001,"), &warning).number, 0);
    EXPECT_EQ(warning, QStringLiteral("the DWORD value Count has no data; 0 is written"));
}

TEST(RegistryLineTest, MalformedLinesAreLocatedErrors)
{
    const std::pair<QString, QString> cases[] = {
        {"HKXX,K,V,0x0,a", "unknown registry root HKXX"},
        {"HKLM,K,V", "a registry line needs a root, a key, a value name and flags"},
        {"HKLM,K,V,TYPE_SZ,a", "invalid registry flags TYPE_SZ"},
        {"HKLM,K,V,0x00010001,many", "invalid DWORD data many"},
        {"HKLM,K,V,0x00010001,4294967296", "invalid DWORD data 4294967296"},
        {"HKLM,K,V,0x00000001,0A,XYZ", "invalid binary data 0A,XYZ"},
        {"HKLM,%Nope%,V,0x0,a", "undefined string %Nope%"},
    };
    for (const auto &[line, message] : cases) {
        try {
            parseRegistry(line);
            ADD_FAILURE() << "no error for " << line.toStdString();
        } catch (const InfError &error) {
            EXPECT_EQ(error.message(), message);
            EXPECT_EQ(error.line(), 7);
            EXPECT_EQ(error.section(), QStringLiteral("Reg"));
        }
    }
}

TEST(MemberNameTest, ShortNamesWithTheSequenceAsExtension)
{
    const std::tuple<QString, int, QString> cases[] = {
        {"app.exe", 1, "app.001"},
        {"My Data File.dat", 2, "MyData~1.002"},
        {"readme", 12, "readme.012"},
        {"archive.tar.gz", 3, "archiv~1.003"},
        {".hidden", 4, "hidden.004"},
        {"\u00e9t\u00e9.txt", 5, "t.005"},
        {"+++.bin", 6, "FILE.006"},
        {"big.bin", 1234, "big.1234"},
    };
    for (const auto &[fileName, sequence, expected] : cases)
        EXPECT_EQ(cabMemberName(fileName, sequence), expected) << fileName.toStdString();
}

TEST(CommandLineTest, ReadsInfDestinationProcessorsAndCompression)
{
    const CommandLine line = CommandLine::parse({"/tmp/w/My_App.inf", "/DEST", "/tmp/out", "/cpu", "ARMV4", "MIPSII",
                                                 "/Compress"});
    EXPECT_EQ(line.infPath, QStringLiteral("/tmp/w/My_App.inf"));
    EXPECT_EQ(line.destination, QStringLiteral("/tmp/out"));
    EXPECT_EQ(line.processors, (QStringList{"ARMV4", "MIPSII"}));
    EXPECT_TRUE(line.compress);

    EXPECT_EQ(CommandLine::parse({"a.inf", "/dest", "out", "/cpu", "ARMV4", "armv4"}).processors, QStringList{"ARMV4"});

    const CommandLine plain = CommandLine::parse({"a.inf", "/dest", "out"});
    EXPECT_TRUE(plain.processors.isEmpty());
    EXPECT_FALSE(plain.compress);
}

TEST(CommandLineTest, IncompleteCommandLinesAreErrors)
{
    const QStringList cases[] = {
        {"a.inf"},
        {"a.inf", "/dest"},
        {"/dest", "out"},
        {"a.inf", "/dest", "out", "/cpu"},
        {"a.inf", "/dest", "out", "b.inf"},
        {"a.inf", "/dest", "out", "/cpu", ""},
        {"a.inf", "/dest", "out", "/cpu", "../ARM"},
    };
    for (const QStringList &arguments : cases)
        EXPECT_THROW(CommandLine::parse(arguments), InfError) << arguments.join(u' ').toStdString();
}

} // namespace
