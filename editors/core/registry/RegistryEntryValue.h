#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace talmo {

// What the registry value dialog edits: a type and the value either as text
// or, for binary data, as the hex editor's bytes. Both are kept while the
// type changes, so switching back and forth loses nothing. Until the user
// changes something the stored type and value are exactly the loaded ones,
// so confirming an untouched dialog never rewrites an entry: neither a type
// text the dialog does not edit nor binary text the hex editor cannot show.
class RegistryEntryValue
{
public:
    static constexpr int StringType = 0;
    static constexpr int BinaryType = 2;
    static constexpr int DwordType = 3;

    // "TYPE_SZ", "TYPE_MULTI_SZ", "TYPE_BINARY", "TYPE_DWORD", in combo order.
    static const QStringList &typeNames();
    // The index among typeNames, -1 for a text the dialog does not edit.
    static int typeIndexOf(const QString &typeText);
    // The bytes of the text's hex digits, other characters skipped; none for an odd digit count.
    static std::optional<QByteArray> bytesOfText(const QString &text);

    void load(const QString &typeText, const QString &value);
    void setType(int index);
    void setText(const QString &text);
    void setBytes(const QByteArray &bytes);

    // typeNames, followed by the loaded type text when the dialog does not edit it.
    const QStringList &typeChoices() const { return m_typeChoices; }
    // The current type as an index of typeChoices.
    int type() const { return m_type; }
    QString typeText() const { return m_typeChoices.at(m_type); }
    bool isBinary() const { return m_type == BinaryType; }
    const QString &text() const { return m_text; }
    const QByteArray &bytes() const { return m_bytes; }
    QString storedValue() const;

private:
    int m_type = StringType;
    QStringList m_typeChoices = typeNames();
    QString m_loadedValue;
    bool m_edited = false;
    QString m_text;
    QByteArray m_bytes;
};

} // namespace talmo
