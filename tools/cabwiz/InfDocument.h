#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace talmo::cabwiz {

// One significant line of a section, with its number in the file (from 1).
struct InfLine
{
    int number = 0;
    QString text;
};

// One "key = value" line; key and value are trimmed, the key unquoted.
struct InfEntry
{
    int line = 0;
    QString key;
    QString value;
};

// All lines written under one section name. A section written twice in the
// file is one section holding both parts in file order.
struct InfSection
{
    QString name;
    int headerLine = 0;
    QList<InfLine> lines;

    QList<InfEntry> entries() const;
    // The last entry of this key (keys compare ignoring case), if any.
    std::optional<InfEntry> entry(const QString &key) const;
};

// A cabwiz .inf file split into sections. Section names compare ignoring case.
// A ";" outside double quotes starts a comment that runs to the end of the
// line, after a section header as after a value; a quoted ";" is data.
class InfDocument
{
public:
    // Reads UTF-16LE with BOM, UTF-8 with or without BOM, up to the first NUL
    // character if any; throws InfError when the file cannot be read or decoded.
    static InfDocument load(const QString &path);
    static InfDocument parse(const QString &text);
    static QString decode(const QByteArray &bytes);

    const InfSection *section(const QString &name) const;

private:
    QList<InfSection> m_sections;
    QHash<QString, qsizetype> m_index;
};

// Splits text at commas that stand outside double quotes. Fields are trimmed
// but keep their quotes. At most maxFields fields: the last one then holds the
// rest of the text unsplit.
QStringList splitFields(const QString &text, int maxFields = -1);

// The value a field stands for: its quoted and unquoted pieces joined, the
// quotes removed; "" inside quotes stands for one quote.
QString unquote(const QString &field);

// A flag word written "0x" and hexadecimal digits, or in decimal.
std::optional<quint32> parseFlagWord(const QString &text);

// Splits "key = value" at the first "=" outside quotes; std::nullopt without one.
std::optional<InfEntry> splitEntry(const InfLine &line);

} // namespace talmo::cabwiz
