#include "helpers/ui/HexText.h"

namespace talmo {

QString BytesToHex(const QByteArray &bytes, bool swapNibbles)
{
    static const char digits[] = "0123456789ABCDEF";
    QString text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const QChar high = QLatin1Char(digits[(uchar(byte) >> 4) & 0xF]);
        const QChar low = QLatin1Char(digits[uchar(byte) & 0xF]);
        text.append(swapNibbles ? low : high);
        text.append(swapNibbles ? high : low);
    }
    return text;
}

} // namespace talmo
