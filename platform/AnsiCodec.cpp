#include "platform/AnsiCodec.h"

#include "platform/Windows1252.h"

namespace talmo {

QByteArray AnsiCodec::encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character, one "?"
        const int b = windows1252::ByteOf(c.unicode());
        bytes.append(b < 0 ? '?' : char(b));
    }
    return bytes;
}

QString AnsiCodec::decode(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes)
        text.append(QChar(windows1252::CharacterOf(static_cast<unsigned char>(ch))));
    return text;
}

bool AnsiCodec::canEncode(const QString &text)
{
    for (const QChar c : text) {
        if (windows1252::ByteOf(c.unicode()) < 0)
            return false;
    }
    return true;
}

} // namespace talmo
