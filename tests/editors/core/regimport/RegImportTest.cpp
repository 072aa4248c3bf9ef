#include "tests/editors/core/regimport/RegImportTestSupport.h"

#include "editors/core/regimport/RegImport.h"
#include "platform/AnsiCodec.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;
using talmo::test::describe;
using talmo::test::FakeRegistryProbe;
using talmo::test::importText;
using talmo::test::utf16File;

namespace {

const char *const KeyA = "1|HKEY_LOCAL_MACHINE|A|@|0|0|none|";

struct Case
{
    const char *name;
    QByteArray text;
    int result;
    QStringList events;
};

} // namespace

TEST(RegImport, ReadsEveryLineShape)
{
    const Case cases[] = {
        { "headers, blank and comment lines are skipped",
          "Windows Registry Editor Version 5.00\n\n; note\n[HKEY_LOCAL_MACHINE\\A]\n; x=1\n\n\"x\"=\"1\"\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"x\"|1|2|text|\"1\"" } },
        { "no header at all", "[HKEY_LOCAL_MACHINE\\A]\n", 0, { KeyA } },
        { "empty default string", "[HKEY_LOCAL_MACHINE\\A]\n@=\"\"\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|@|1|1|text|\"\"" } },
        { "escaped backslash and quote", "[HKEY_LOCAL_MACHINE\\A]\n\"a\\\\b\\\"c\"=\"x\\\\y\\\"z\"\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"a\\b\"c\"|1|6|text|\"x\\y\"z\"" } },
        { "dword, LF", "[HKEY_LOCAL_MACHINE\\A]\n\"d\"=dword:0000000a\n\"n\"=\"x\"\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"d\"|4|4|0a000000|10", "3|HKEY_LOCAL_MACHINE|A|\"n\"|1|2|text|\"x\"" } },
        { "dword, CR LF", "[HKEY_LOCAL_MACHINE\\A]\r\n\"d\"=dword:0000000a\r\n\"n\"=\"x\"\r\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"d\"|4|4|0a000000|10", "3|HKEY_LOCAL_MACHINE|A|\"n\"|1|2|text|\"x\"" } },
        { "dword with leading zeros still fits", "[HKEY_LOCAL_MACHINE\\A]\n\"d\"=DWORD:000000000FFFFFFFF\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"d\"|4|4|ffffffff|4294967295" } },
        { "hex list continued on an indented line", "[HKEY_LOCAL_MACHINE\\A]\n\"b\"=hex:01,02,\\\n  03\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"b\"|3|3|010203|" } },
        { "hex list continued in column 1", "[HKEY_LOCAL_MACHINE\\A]\r\n\"b\"=hex:01,02,\\\r\n03,04\r\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"b\"|3|4|01020304|" } },
        { "continuation straight after the colon", "[HKEY_LOCAL_MACHINE\\A]\n\"b\"=hex:\\\n  Ab,cD\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"b\"|3|2|abcd|" } },
        { "empty hex list, CR LF", "[HKEY_LOCAL_MACHINE\\A]\r\n\"b\"=hex:\r\n\"n\"=\"x\"\r\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"b\"|3|0||", "3|HKEY_LOCAL_MACHINE|A|\"n\"|1|2|text|\"x\"" } },
        { "typed hex list", "[HKEY_LOCAL_MACHINE\\A]\n\"q\"=hex(b):01,02,03,04,05,06,07,08\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"q\"|11|8|0102030405060708|" } },
        { "hex(2) is UTF-16 text", "[HKEY_LOCAL_MACHINE\\A]\n\"e\"=hex(2):25,00,41,00,25,00,00,00\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"e\"|2|4|2500410025000000|\"%A%\"" } },
        { "hex(2) without its zero, odd length", "[HKEY_LOCAL_MACHINE\\A]\n\"e\"=hex(2):41,00,42,00,43\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"e\"|2|3|4100420043|\"AB\"" } },
        { "hex(7) gives every string", "[HKEY_LOCAL_MACHINE\\A]\n\"m\"=hex(7):61,00,00,00,62,00,00,00,63,00,00,00,00,00\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"m\"|7|14|6100000062000000630000000000|[\"a\",\"b\",\"c\"]" } },
        { "hex(7) without its final zeros", "[HKEY_LOCAL_MACHINE\\A]\n\"m\"=hex(7):61,00,00,00,62,00\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"m\"|7|6|610000006200|[\"a\",\"b\"]" } },
        { "hex(7) in a REGEDIT4 file is 8-bit text", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\A]\n\"m\"=hex(7):61,62,00,e9,00,00\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"m\"|7|6|616200e90000|[\"ab\",\"\u00e9\"]" } },
        { "hex(2) in a REGEDIT4 file is 8-bit text", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\A]\n\"e\"=hex(2):25,41,25,00\n", 0,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"e\"|2|4|25412500|\"%A%\"" } },
        { "value deletion", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=-\n@=-\n", 0,
          { KeyA, "4|HKEY_LOCAL_MACHINE|A|\"v\"|0|0|none|", "4|HKEY_LOCAL_MACHINE|A|@|0|0|none|" } },
        { "value deletion on the last line without line end", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=-", 0,
          { KeyA, "4|HKEY_LOCAL_MACHINE|A|\"v\"|0|0|none|" } },
        { "a deleted value keeps its data", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=-dword:00000001\n\"s\"=-\"t\"\n", 0,
          { KeyA, "4|HKEY_LOCAL_MACHINE|A|\"v\"|4|4|01000000|1", "4|HKEY_LOCAL_MACHINE|A|\"s\"|1|2|text|\"t\"" } },
        { "root-only key line", "[HKEY_USERS]\n@=\"u\"\n", 0,
          { "0|HKEY_USERS||@|0|0|none|", "3|HKEY_USERS||@|1|2|text|\"u\"" } },
        { "lower-case root takes its standard name", "[hkey_local_machine\\A]\n", 0, { KeyA } },
        { "key path keeps its closing brackets", "[HKEY_CLASSES_ROOT\\x]y[z]]\n", 0,
          { "1|HKEY_CLASSES_ROOT|x]y[z]|@|0|0|none|" } },
        { "deleting a missing key raises nothing", "[-HKEY_CURRENT_USER\\Gone]\n\"v\"=\"1\"\n", 0,
          { "3|HKEY_CURRENT_USER|Gone|\"v\"|1|2|text|\"1\"" } },
        { "the text ends at its first NUL", QByteArray("[HKEY_LOCAL_MACHINE\\A]\r\n\0\"v\"=\"1\"\r\n", 34), 0, { KeyA } },
        { "no key line", "REGEDIT4\n\"v\"=\"1\"\n", 0, {} },
        { "empty text", "", 11, {} },
        { "abbreviated root", "[HKLM\\A]\n", 11, {} },
        { "missing closing bracket", "[HKEY_LOCAL_MACHINE\\A]\n[HKEY_LOCAL_MACHINE\\B\n\"v\"=\"1\"\n", 11, { KeyA } },
        { "key deletion without a path", "[-HKEY_LOCAL_MACHINE]\n", 11, {} },
        { "unterminated string", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=\"abc\n", 11, { KeyA } },
        { "unterminated name", "[HKEY_LOCAL_MACHINE\\A]\n\"v=1\n", 11, { KeyA } },
        { "name without equals sign", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"\n\"w\"=\"1\"\n", 11, { KeyA } },
        { "blank after the equals sign", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=\"1\"\n\"w\"= \"1\"\n", 11,
          { KeyA, "3|HKEY_LOCAL_MACHINE|A|\"v\"|1|2|text|\"1\"" } },
        { "unknown value word", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=qword:1\n", 11, { KeyA } },
        { "value without type", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=1\n", 11, { KeyA } },
        { "dword wider than 32 bits", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=dword:100000000\n", 11, { KeyA } },
        { "dword without digits", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=dword:\n", 11, { KeyA } },
        { "bad hex digit", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=hex:01,0g\n", 11, { KeyA } },
        { "blank before the first byte", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=hex: 01\n", 11, { KeyA } },
        { "typed hex without colon after parenthesis", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=hex(b)x:01\n", 11, { KeyA } },
        { "typed hex wider than 32 bits", "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=hex(100000000):01\n", 11, { KeyA } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = importText(c.text);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.events, c.events);
    }
}

TEST(RegImport, Utf16AndAnsiFilesGiveEqualEvents)
{
    const QString text = QString::fromUtf8(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Caf\u00e9]\r\n"
        "\"Pr\u00eas\"=\"5 \u20ac\"\r\n"
        "\"e\"=hex(2):25,00,41,00,25,00,00,00\r\n"
        "\"b\"=hex:01,\\\r\n  02\r\n");
    QList<RegImportEvent> fromAnsi;
    QList<RegImportEvent> fromUtf16;
    const auto collectInto = [](QList<RegImportEvent> &events) {
        return [&events](const RegImportEvent &event) {
            events.append(event);
            return true;
        };
    };
    EXPECT_EQ(ImportRegBytes(AnsiCodec::encode(text), collectInto(fromAnsi)), 0);
    EXPECT_EQ(ImportRegBytes(utf16File(text), collectInto(fromUtf16)), 0);
    ASSERT_EQ(fromAnsi.size(), 4);
    EXPECT_EQ(fromAnsi, fromUtf16);
    EXPECT_EQ(fromUtf16[1].valueName, QString::fromUtf8("Pr\u00eas"));
}

TEST(RegImport, VersionFiveExportGivesItsGoldenEvents)
{
    QFile golden(QStringLiteral(TALMO_TEST_SOURCE_DIR "/fixtures/notes-v5.events"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QStringList expected = QString::fromUtf8(golden.readAll()).split(u'\n', Qt::SkipEmptyParts);

    QStringList events;
    const int result = ImportRegFile(QStringLiteral(TALMO_TEST_SOURCE_DIR "/fixtures/notes-v5.reg"),
                                     [&](const RegImportEvent &event) {
                                         events.append(describe(event));
                                         return true;
                                     });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(events, expected);
}

TEST(RegImport, CallbackThatDeclinesHearsNothingMoreButTheResultCountsTheWholeText)
{
    const QByteArray good = "[HKEY_LOCAL_MACHINE\\A]\n\"v\"=\"1\"\n[HKEY_LOCAL_MACHINE\\B]\n";
    const QByteArray bad = good + "\"w\"=bogus:1\n";
    for (const auto &[text, result] : { std::pair { good, 0 }, std::pair { bad, 11 } }) {
        int calls = 0;
        EXPECT_EQ(ImportRegBytes(text, [&](const RegImportEvent &) { return ++calls > 1; }), result);
        EXPECT_EQ(calls, 1);
    }
}

TEST(RegImport, KeyLinesAskTheProbeWhetherTheKeyExists)
{
    const FakeRegistryProbe probe({ QStringLiteral("HKEY_LOCAL_MACHINE\\Here") },
                                  { { QStringLiteral("HKEY_LOCAL_MACHINE\\Locked"), 5 } });
    const auto outcome = importText("[HKEY_LOCAL_MACHINE\\Here]\n[HKEY_LOCAL_MACHINE\\Gone]\n"
                                    "[HKEY_LOCAL_MACHINE\\Locked]\n[HKEY_LOCAL_MACHINE\\here]\n", probe);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.events, QStringList({
                                  "0|HKEY_LOCAL_MACHINE|Here|@|0|0|none|",
                                  "1|HKEY_LOCAL_MACHINE|Gone|@|0|0|none|",
                                  "0|HKEY_LOCAL_MACHINE|Locked|@|0|0|none|",
                                  "1|HKEY_LOCAL_MACHINE|here|@|0|0|none|",
                              }));
}

TEST(RegImport, KeyDeletionWalksTheSubkeysDeepestFirst)
{
    const QStringList keys = {
        "HKEY_CURRENT_USER\\S\\Old",
        "HKEY_CURRENT_USER\\S\\Old\\A",
        "HKEY_CURRENT_USER\\S\\Old\\A\\Deep",
        "HKEY_CURRENT_USER\\S\\Old\\B",
        "HKEY_CURRENT_USER\\S\\Other",
    };
    struct WalkCase
    {
        const char *name;
        QHash<QString, int> errors;
        int result;
        QStringList events;
    };
    const WalkCase cases[] = {
        { "whole tree", {}, 0,
          { "5|HKEY_CURRENT_USER|S\\Old\\A\\Deep|@|0|0|none|", "5|HKEY_CURRENT_USER|S\\Old\\A|@|0|0|none|",
            "5|HKEY_CURRENT_USER|S\\Old\\B|@|0|0|none|", "2|HKEY_CURRENT_USER|S\\Old|@|0|0|none|",
            "3|HKEY_CURRENT_USER|S\\Old|\"after\"|1|2|text|\"1\"" } },
        { "a subkey that cannot be opened ends the import with its code",
          { { "HKEY_CURRENT_USER\\S\\Old\\B", 5 } }, 5,
          { "5|HKEY_CURRENT_USER|S\\Old\\A\\Deep|@|0|0|none|", "5|HKEY_CURRENT_USER|S\\Old\\A|@|0|0|none|" } },
        { "the named key cannot be opened", { { "HKEY_CURRENT_USER\\S\\Old", 1018 } }, 1018, {} },
    };
    for (const WalkCase &c : cases) {
        SCOPED_TRACE(c.name);
        const FakeRegistryProbe probe(keys, c.errors);
        const auto outcome = importText("[-hkey_current_user\\S\\Old]\n\"after\"=\"1\"\n", probe);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.events, c.events);
    }
}

TEST(RegImport, ReportsFileAndParameterErrors)
{
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("one.reg"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("[HKEY_LOCAL_MACHINE\\A]\n");
    out.close();
    const RegImportCallback accept = [](const RegImportEvent &) { return true; };

    EXPECT_EQ(ImportRegFile(folder.filePath(QStringLiteral("missing.reg")), accept), 2);
    EXPECT_EQ(ImportRegFile(folder.filePath(QStringLiteral("missing/one.reg")), accept), 2);
    EXPECT_EQ(ImportRegFile(folder.path(), accept), 5);
    EXPECT_EQ(ImportRegFile(file, {}), 87);
    EXPECT_EQ(ImportRegBytes("[HKEY_LOCAL_MACHINE\\A]\n", {}), 87);
    EXPECT_EQ(ImportRegFile(file, accept), 0);
}
