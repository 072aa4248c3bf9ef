#include "editors/core/regimport/RegFileText.h"

#include "platform/AnsiCodec.h"

#include <QtEndian>

namespace talmo {

namespace {

QString fromUtf16LittleEndian(const char *data, qsizetype byteCount)
{
    QString text(byteCount / 2, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(data, text.size(), text.data());
    return text;
}

// One pass in place: the text ends at its first NUL, and CR LF becomes LF.
// (QString::replace moves the tail once per batch of matches, which is
// quadratic on a file of a million lines.)
void normalizeLineEnds(QString &text)
{
    QChar *const begin = text.data();
    const QChar *const end = begin + text.size();
    QChar *to = begin;
    for (const QChar *from = begin; from != end && !from->isNull(); ++from) {
        if (*from == u'\r' && from + 1 != end && from[1] == u'\n')
            continue;
        *to++ = *from;
    }
    text.truncate(to - begin);
}

} // namespace

RegFileText RegFileText::decode(const QByteArray &bytes)
{
    RegFileText decoded;
    const bool utf16 = bytes.startsWith("\xff\xfe");
    if (utf16) {
        decoded.text = fromUtf16LittleEndian(bytes.constData() + 2, bytes.size() - 2);
    } else {
        decoded.text = AnsiCodec::decode(bytes);
        decoded.eightBitHexText = bytes.startsWith("REGEDIT4");
    }
    normalizeLineEnds(decoded.text);
    return decoded;
}

} // namespace talmo
