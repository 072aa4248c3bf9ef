#include "editors/core/registry/RegistryEntryValue.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(RegistryEntryValue, TypeTextsOpenAsTheirIndexAndOthersAreKeptAsAFifthChoice)
{
    const std::pair<const char *, int> known[] = {
        {"TYPE_SZ", 0}, {"TYPE_MULTI_SZ", 1}, {"TYPE_BINARY", 2}, {"TYPE_DWORD", 3},
    };
    for (const auto &[text, index] : known) {
        SCOPED_TRACE(text);
        EXPECT_EQ(RegistryEntryValue::typeIndexOf(text), index);
        RegistryEntryValue value;
        value.load(text, "5");
        EXPECT_EQ(value.type(), index);
        EXPECT_EQ(value.typeChoices(), RegistryEntryValue::typeNames());
    }
    for (const char *text : {"TYPE_EXPAND_SZ", "", "type_sz"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(RegistryEntryValue::typeIndexOf(text), -1);
        RegistryEntryValue value;
        value.load(text, "%WINDIR%");
        EXPECT_EQ(value.typeChoices(), RegistryEntryValue::typeNames() + QStringList{text});
        EXPECT_EQ(value.type(), 4);
        EXPECT_FALSE(value.isBinary());
        EXPECT_EQ(value.typeText(), QString(text));
        EXPECT_EQ(value.storedValue(), QString("%WINDIR%"));
    }
}

TEST(RegistryEntryValue, BinaryTextGivesItsHexDigitBytesOrNothing)
{
    const std::pair<const char *, std::optional<QByteArray>> cases[] = {
        {"0A,FF", QByteArray("\x0a\xff", 2)},
        {"0a ff-01", QByteArray("\x0a\xff\x01", 3)},
        {"", QByteArray()},
        {"hello", std::nullopt},
        {"0A,F", std::nullopt},
    };
    for (const auto &[text, bytes] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(RegistryEntryValue::bytesOfText(text), bytes);
    }
}

TEST(RegistryEntryValue, AnUntouchedValueStoresExactlyWhatWasLoaded)
{
    const std::pair<const char *, const char *> cases[] = {
        {"TYPE_BINARY", "0A,F"}, {"TYPE_BINARY", "hello"}, {"TYPE_BINARY", "0a,ff"},
        {"TYPE_DWORD", "-1"}, {"TYPE_EXPAND_SZ", "%WINDIR%\\x"},
    };
    for (const auto &[type, text] : cases) {
        SCOPED_TRACE(text);
        RegistryEntryValue value;
        value.load(type, text);
        value.setType(value.type());
        EXPECT_EQ(value.typeText(), QString(type));
        EXPECT_EQ(value.storedValue(), QString(text));
    }
}

TEST(RegistryEntryValue, AfterAnEditTheStoredValueIsWhatTheCurrentEditorShowsAndSwitchingLosesNothing)
{
    RegistryEntryValue value;
    value.load("TYPE_SZ", "hello");
    value.setType(RegistryEntryValue::BinaryType);
    EXPECT_EQ(value.bytes(), QByteArray());
    EXPECT_EQ(value.storedValue(), QString());
    value.setType(RegistryEntryValue::StringType);
    EXPECT_EQ(value.storedValue(), QString("hello"));

    value.load("TYPE_BINARY", "0a,ff");
    EXPECT_EQ(value.bytes(), QByteArray("\x0a\xff", 2));
    value.setBytes(QByteArray("\x01\x02", 2));
    EXPECT_EQ(value.storedValue(), QString("01,02"));
    value.setType(RegistryEntryValue::StringType);
    EXPECT_EQ(value.storedValue(), QString("01,02")) << "the text follows the hex editor's edits";

    value.load("TYPE_EXPAND_SZ", "x");
    value.setType(RegistryEntryValue::StringType);
    EXPECT_EQ(value.typeText(), QString("TYPE_SZ"));
    value.setType(4);
    EXPECT_EQ(value.typeText(), QString("TYPE_EXPAND_SZ")) << "the kept type stays a choice";
}
