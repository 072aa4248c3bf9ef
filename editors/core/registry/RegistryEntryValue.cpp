#include "editors/core/registry/RegistryEntryValue.h"

#include "editors/core/regimport/RegValueText.h"

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
    return static_cast<int>(typeNames().indexOf(typeText));
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
    const int index = typeIndexOf(typeText);
    m_typeChoices = typeNames();
    if (index < 0)
        m_typeChoices.append(typeText);
    m_type = index < 0 ? int(typeNames().size()) : index;
    m_loadedValue = value;
    m_text = value;
    m_bytes = isBinary() ? bytesOfText(value).value_or(QByteArray()) : QByteArray();
    m_edited = false;
}

void RegistryEntryValue::setType(int index)
{
    if (index == m_type || index < 0 || index >= m_typeChoices.size())
        return;
    if (index == BinaryType)
        m_bytes = bytesOfText(m_text).value_or(QByteArray());
    m_type = index;
    m_edited = true;
}

void RegistryEntryValue::setText(const QString &text)
{
    m_text = text;
    m_edited = true;
}

void RegistryEntryValue::setBytes(const QByteArray &bytes)
{
    m_bytes = bytes;
    m_text = RegValueText::binary(bytes);
    m_edited = true;
}

QString RegistryEntryValue::storedValue() const
{
    if (!m_edited)
        return m_loadedValue;
    return isBinary() ? RegValueText::binary(m_bytes) : m_text;
}

} // namespace talmo
