#include "editors/core/regimport/RegImport.h"
#include "editors/core/regimport/RegImportEntry.h"
#include "editors/core/regimport/RegValueText.h"
#include "tests/editors/core/regimport/RegImportTestSupport.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;
using talmo::test::utf16File;

namespace {

// Every entry as root|subkey|name|flags|value|overwrite.
QStringList importEntries(const QByteArray &file, bool overwrite)
{
    QStringList entries;
    ImportRegBytes(file, [&](const RegImportEvent &event) {
        if (const auto entry = registryEntryFromImport(event, overwrite)) {
            entries.append(QStringList{entry->registry_root_string, entry->subkey, entry->value_name, entry->flags,
                                       entry->value, entry->overwrite ? "1" : "0"}
                               .join('|'));
        }
        return true;
    });
    return entries;
}

const char *const EveryKind =
    "[HKEY_LOCAL_MACHINE\\Software\\A]\r\n"
    "@=\"\"\r\n"
    "\"s\"=\"text\"\r\n"
    "\"d\"=dword:ffffffff\r\n"
    "\"z\"=dword:00000010\r\n"
    "\"b\"=hex:0a,ff\r\n"
    "\"e\"=hex(2):25,00,41,00,25,00,00,00\r\n"
    "\"m\"=hex(7):6f,00,6e,00,65,00,00,00,22,00,74,00,22,00,00,00,00,00\r\n"
    "\"q\"=hex(4):02,00,00,00\r\n"
    "\"gone\"=-\r\n"
    "[-HKEY_LOCAL_MACHINE\\Software\\Old]\r\n"
    "[HKEY_USERS]\r\n"
    "@=\"u\"\r\n";

const QStringList EveryKindEntries = {
    "HKEY_LOCAL_MACHINE|Software\\A|s|TYPE_SZ|text|1",
    "HKEY_LOCAL_MACHINE|Software\\A|d|TYPE_DWORD|-1|1",
    "HKEY_LOCAL_MACHINE|Software\\A|z|TYPE_DWORD|16|1",
    "HKEY_LOCAL_MACHINE|Software\\A|b|TYPE_BINARY|0A,FF|1",
    "HKEY_LOCAL_MACHINE|Software\\A|e|TYPE_SZ|%A%|1",
    "HKEY_LOCAL_MACHINE|Software\\A|m|TYPE_MULTI_SZ|\"one\",\"\"\"t\"\"\"|1",
    "HKEY_LOCAL_MACHINE|Software\\A|q|TYPE_DWORD|2|1",
    "HKEY_USERS|||TYPE_SZ|u|1",
};

} // namespace

TEST(RegImportEntry, EveryValueKindOfAnAnsiAndAUnicodeFileBecomesItsEntry)
{
    EXPECT_EQ(importEntries(QByteArray("Windows Registry Editor Version 5.00\r\n\r\n") + EveryKind, true), EveryKindEntries);
    EXPECT_EQ(importEntries(utf16File(QString("Windows Registry Editor Version 5.00\r\n\r\n") + EveryKind), true),
              EveryKindEntries);

    const QStringList cleared = importEntries(EveryKind, false);
    ASSERT_EQ(cleared.size(), EveryKindEntries.size());
    for (const QString &entry : cleared)
        EXPECT_TRUE(entry.endsWith("|0")) << entry.toStdString();
}

TEST(RegImportEntry, KeysDeletionsAndEmptyDefaultsAddNothingButDataDefaultsStay)
{
    struct Case
    {
        const char *name;
        const char *lines;
        QStringList entries;
    };
    const Case cases[] = {
        {"key lines", "[HKEY_LOCAL_MACHINE\\A]\n[HKEY_LOCAL_MACHINE\\B]\n", {}},
        {"deletions, with or without data", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=-\n@=-\n\"w\"=-dword:00000001\n", {}},
        {"empty default string and hex list", "[HKEY_LOCAL_MACHINE\\A]\n@=\"\"\n@=hex:\n", {}},
        {"a default dword of zero is data", "[HKEY_LOCAL_MACHINE\\A]\n@=dword:00000000\n",
         {"HKEY_LOCAL_MACHINE|A||TYPE_DWORD|0|0"}},
        {"an empty named string is a value", "[HKEY_LOCAL_MACHINE\\A]\n\"n\"=\"\"\n",
         {"HKEY_LOCAL_MACHINE|A|n|TYPE_SZ||0"}},
        {"other typed lists keep their name only", "[HKEY_LOCAL_MACHINE\\A]\n\"q\"=hex(b):01,02\n",
         {"HKEY_LOCAL_MACHINE|A|q|TYPE_SZ||0"}},
        {"entries before a broken line stay", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=\"1\"\n\"w\"=\"abc\n",
         {"HKEY_LOCAL_MACHINE|A|v|TYPE_SZ|1|0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(importEntries(c.lines, false), c.entries);
    }
}

TEST(RegValueText, BinaryDwordAndMultiStringTexts)
{
    EXPECT_EQ(RegValueText::binary(QByteArray::fromHex("000aff7f")), QString("00,0A,FF,7F"));
    EXPECT_EQ(RegValueText::binary({}), QString());
    EXPECT_EQ(RegValueText::dword(0xffffffffu), QString("-1"));
    EXPECT_EQ(RegValueText::dword(0x80000000u), QString("-2147483648"));
    EXPECT_EQ(RegValueText::dword(0x7fffffffu), QString("2147483647"));
    EXPECT_EQ(RegValueText::multiString({"a", "b\"c", ""}), QString("\"a\",\"b\"\"c\",\"\""));
    EXPECT_EQ(RegValueText::multiString({}), QString());
}
