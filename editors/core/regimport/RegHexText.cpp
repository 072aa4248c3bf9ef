#include "editors/core/regimport/RegHexText.h"

#include "platform/AnsiCodec.h"

#include <QtEndian>

namespace talmo {

QString RegHexText::characters(const QByteArray &bytes) const
{
    if (m_eightBit)
        return AnsiCodec::decode(bytes);
    QString text(bytes.size() / 2, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(bytes.constData(), text.size(), text.data());
    return text;
}

QString RegHexText::string(const QByteArray &bytes) const
{
    QString text = characters(bytes);
    const qsizetype end = text.indexOf(QChar(0));
    if (end >= 0)
        text.truncate(end);
    return text;
}

QStringList RegHexText::strings(const QByteArray &bytes) const
{
    const QString text = characters(bytes);
    QStringList list;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QChar(0), start);
        if (end < 0)
            end = text.size();
        if (end == start)
            break;
        list.append(text.mid(start, end - start));
        start = end + 1;
    }
    return list;
}

} // namespace talmo
