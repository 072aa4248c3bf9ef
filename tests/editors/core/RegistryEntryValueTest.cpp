#include "editors/core/RegistryEntryValue.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(RegistryEntryValue, TypeTextsOpenAsTheirIndexAndUnknownOnesAsDword)
{
    const std::pair<const char *, int> cases[] = {
        {"TYPE_SZ", 0}, {"TYPE_MULTI_SZ", 1}, {"TYPE_BINARY", 2}, {"TYPE_DWORD", 3},
        {"TYPE_EXPAND_SZ", 3}, {"", 3}, {"type_sz", 3},
    };
    for (const auto &[text, index] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(RegistryEntryValue::typeIndexOf(text), index);
        RegistryEntryValue value;
        value.load(text, "5");
        EXPECT_EQ(value.typeText(), RegistryEntryValue::typeNames().at(index));
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

TEST(RegistryEntryValue, TheStoredValueIsWhatTheCurrentEditorShowsAndSwitchingLosesNothing)
{
    RegistryEntryValue value;
    value.load("TYPE_SZ", "hello");
    value.setType(RegistryEntryValue::BinaryType);
    EXPECT_EQ(value.bytes(), QByteArray());
    EXPECT_EQ(value.storedValue(), QString());
    value.setType(RegistryEntryValue::StringType);
    EXPECT_EQ(value.storedValue(), QString("hello"));

    value.load("TYPE_BINARY", "hello");
    EXPECT_EQ(value.storedValue(), QString()) << "binary data the hex editor cannot show is not kept";

    value.load("TYPE_BINARY", "0a,ff");
    EXPECT_EQ(value.storedValue(), QString("0A,FF"));
    value.setBytes(QByteArray("\x01\x02", 2));
    EXPECT_EQ(value.storedValue(), QString("01,02"));
    value.setType(RegistryEntryValue::StringType);
    EXPECT_EQ(value.storedValue(), QString("01,02")) << "the text follows the hex editor's edits";
}
