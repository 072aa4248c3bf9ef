#include "editors/core/RegFileText.h"

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
    const qsizetype nul = decoded.text.indexOf(QChar(0));
    if (nul >= 0)
        decoded.text.truncate(nul);
    decoded.text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return decoded;
}

} // namespace talmo
