#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace talmo {

// What the registry value dialog edits: a type and the value either as text
// or, for binary data, as the hex editor's bytes. Both are kept while the
// type changes, so switching back and forth loses nothing; the stored value
// is always what the editor of the current type shows.
class RegistryEntryValue
{
public:
    static constexpr int StringType = 0;
    static constexpr int BinaryType = 2;
    static constexpr int DwordType = 3;

    // "TYPE_SZ", "TYPE_MULTI_SZ", "TYPE_BINARY", "TYPE_DWORD", in combo order.
    static const QStringList &typeNames();
    // Unknown texts are DWORDs, the type the .inf writer gives them.
    static int typeIndexOf(const QString &typeText);
    // The bytes of the text's hex digits, other characters skipped; none for an odd digit count.
    static std::optional<QByteArray> bytesOfText(const QString &text);

    void load(const QString &typeText, const QString &value);
    void setType(int index);
    void setText(const QString &text);
    void setBytes(const QByteArray &bytes);

    int type() const { return m_type; }
    QString typeText() const { return typeNames().at(m_type); }
    bool isBinary() const { return m_type == BinaryType; }
    const QString &text() const { return m_text; }
    const QByteArray &bytes() const { return m_bytes; }
    QString storedValue() const;

private:
    int m_type = StringType;
    QString m_text;
    QByteArray m_bytes;
};

} // namespace talmo
