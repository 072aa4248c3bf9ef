// Feeds arbitrary bytes to the ANSI codec, once as 8-bit text and once as
// UTF-16 text. Every byte must survive decode and encode; text must come back
// exactly when the codec says it can hold it, one byte per character.

#include "platform/AnsiCodec.h"

#include <cstdlib>
#include <cstring>

using namespace talmo;

namespace {

void checkBytes(const QByteArray &bytes)
{
    const QString text = AnsiCodec::decode(bytes);
    if (text.size() != bytes.size() || !AnsiCodec::canEncode(text) || AnsiCodec::encode(text) != bytes)
        std::abort();
}

qsizetype characterCount(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
    }
    return count;
}

void checkText(const QString &text)
{
    const QByteArray bytes = AnsiCodec::encode(text);
    if (bytes.size() != characterCount(text))
        std::abort();
    if ((AnsiCodec::decode(bytes) == text) != AnsiCodec::canEncode(text))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkBytes(bytes);
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * sizeof(QChar));
    checkText(text);
    return 0;
}
