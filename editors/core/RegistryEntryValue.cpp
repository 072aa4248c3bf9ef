#include "editors/core/RegistryEntryValue.h"

#include "editors/core/RegValueText.h"

#include <cctype>

namespace talmo {

const QStringList &RegistryEntryValue::typeNames()
{
    static const QStringList names = {
        QStringLiteral("TYPE_SZ"),
        QStringLiteral("TYPE_MULTI_SZ"),
        QStringLiteral("TYPE_BINARY"),
        QStringLiteral("TYPE_DWORD"),
    };
    return names;
}

int RegistryEntryValue::typeIndexOf(const QString &typeText)
{
    const qsizetype index = typeNames().indexOf(typeText);
    return index < 0 ? DwordType : static_cast<int>(index);
}

std::optional<QByteArray> RegistryEntryValue::bytesOfText(const QString &text)
{
    QByteArray digits;
    for (const QChar c : text) {
        if (c.unicode() < 0x80 && std::isxdigit(c.unicode()))
            digits.append(c.toLatin1());
    }
    if (digits.size() % 2 != 0)
        return std::nullopt;
    return QByteArray::fromHex(digits);
}

void RegistryEntryValue::load(const QString &typeText, const QString &value)
{
    m_text = value;
    m_type = StringType;
    setType(typeIndexOf(typeText));
}

void RegistryEntryValue::setType(int index)
{
    const bool becomesBinary = index == BinaryType && m_type != BinaryType;
    m_type = index;
    if (becomesBinary)
        m_bytes = bytesOfText(m_text).value_or(QByteArray());
}

void RegistryEntryValue::setText(const QString &text)
{
    m_text = text;
}

void RegistryEntryValue::setBytes(const QByteArray &bytes)
{
    m_bytes = bytes;
    m_text = RegValueText::binary(bytes);
}

QString RegistryEntryValue::storedValue() const
{
    return isBinary() ? RegValueText::binary(m_bytes) : m_text;
}

} // namespace talmo
