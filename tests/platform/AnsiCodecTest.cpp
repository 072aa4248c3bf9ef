#include "platform/AnsiCodec.h"

#include <gtest/gtest.h>

using talmo::AnsiCodec;

TEST(AnsiCodec, MapsWindows1252AndReplacesTheRest)
{
    struct Case { QString text; QByteArray bytes; };
    const Case cases[] = {
        { QStringLiteral("plain"), QByteArray("plain") },
        { QString::fromUtf8("caf\u00e9"), QByteArray("caf\xe9") },
        { QString::fromUtf8("\u20ac \u2122 \u0178"), QByteArray("\x80 \x99 \x9f") },
        { QString::fromUtf8("\u0416\u4e2d"), QByteArray("??") },
        { QString::fromUtf8("\U0001F600"), QByteArray("?") },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(AnsiCodec::encode(c.text), c.bytes) << c.text.toStdString();
        EXPECT_EQ(AnsiCodec::canEncode(c.text), !c.bytes.contains('?'));
    }
}

TEST(AnsiCodec, DecodesEveryDefinedByteBack)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(AnsiCodec::encode(AnsiCodec::decode(all)), all);
}
