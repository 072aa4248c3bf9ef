#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

// Script text compares letters after folding a-z to A-Z only; every other
// character, accented letters included, stands for itself.
QString AsciiUpperCase(const QString &text);
bool AsciiSameText(const QString &a, const QString &b);
// <0, 0 or >0; a name that is a prefix of the other sorts first.
int AsciiCompareText(const QString &a, const QString &b);

// [A-Za-z0-9_]
bool IsIdentifierChar(QChar c);

// The 1-based position of the first whole-word occurrence of name in text,
// ignoring ASCII case and whatever stands inside single-quoted literals;
// 0 when there is none (also for an empty name). Comments are not skipped.
int FindIdentifier(const QString &name, const QString &text);
// The same search starting at the 0-based index from, which must lie outside
// a literal; the character before it still counts for the whole-word test.
int FindIdentifierFrom(const QString &name, const QString &text, qsizetype from);

// One routine of a declaration list: its upper-cased name and the index of its
// declaration line.
struct DeclarationIndexEntry
{
    QString name;
    int line = 0;

    friend bool operator==(const DeclarationIndexEntry &, const DeclarationIndexEntry &) = default;
};

// The routine names of a completion display list, for the parameter hints.
class DeclarationIndexList
{
public:
    void append(const QString &name, int line) { m_entries.append({ name, line }); }
    void clear() { m_entries.clear(); }
    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const DeclarationIndexEntry &at(qsizetype i) const { return m_entries.at(i); }
    const QList<DeclarationIndexEntry> &entries() const { return m_entries; }
    // The declaration line of the first entry named upperName, or -1.
    int lineOf(const QString &upperName) const;

private:
    QList<DeclarationIndexEntry> m_entries;
};

// Appends one entry per line that holds "(": the text before the first "(",
// without everything up to and including its first blank, upper-cased, with
// the line's index. Lines without "(" (variables, properties, constants) are
// skipped. The index is only appended to; callers clear it first.
void IndexDeclarations(const QStringList &lines, DeclarationIndexList &index);

} // namespace talmo
