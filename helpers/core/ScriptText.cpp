#include "helpers/core/ScriptText.h"

#include <algorithm>

namespace talmo {

namespace {

QChar asciiUpper(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') ? QChar(char16_t(u - (u'a' - u'A'))) : c;
}

bool matchesAt(const QString &text, qsizetype start, const QString &name)
{
    if (start + name.size() > text.size())
        return false;
    for (qsizetype k = 0; k < name.size(); ++k) {
        if (asciiUpper(text.at(start + k)) != asciiUpper(name.at(k)))
            return false;
    }
    return true;
}

// Moves from the opening quote at 'quote' (0-based) to the character after the
// closing one. A doubled quote inside the literal is Pascal's escaped quote and
// does not close it. As in the documented scan, the last character of the text
// never closes a literal, so an unterminated literal leaves the scan there.
// Returns text.size() or more when nothing is left to examine.
qsizetype skipLiteral(const QString &text, qsizetype quote)
{
    const qsizetype last = text.size() - 1;
    qsizetype i = quote + 1;
    while (i < last) {
        const QChar passed = text.at(i);
        ++i;
        if (passed != u'\'')
            continue;
        if (i < last && text.at(i) == u'\'') {
            ++i;
            continue;
        }
        break;
    }
    return i;
}

} // namespace

QString AsciiUpperCase(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        c = asciiUpper(c);
    return result;
}

bool AsciiSameText(const QString &a, const QString &b)
{
    return a.size() == b.size() && matchesAt(a, 0, b);
}

int AsciiCompareText(const QString &a, const QString &b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype k = 0; k < common; ++k) {
        const char16_t x = asciiUpper(a.at(k)).unicode();
        const char16_t y = asciiUpper(b.at(k)).unicode();
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool IsIdentifierChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
}

int FindIdentifier(const QString &name, const QString &text)
{
    return FindIdentifierFrom(name, text, 0);
}

int FindIdentifierFrom(const QString &name, const QString &text, qsizetype from)
{
    if (name.isEmpty())
        return 0;
    const qsizetype length = text.size();
    qsizetype i = from;
    while (i < length) {
        if (text.at(i) == u'\'') {
            i = skipLiteral(text, i);
            if (i >= length)
                return 0;
        }
        if (matchesAt(text, i, name)) {
            const qsizetype end = i + name.size();
            const QChar before = i == 0 ? QChar(u' ') : text.at(i - 1);
            const QChar after = end >= length ? QChar(u' ') : text.at(end);
            if (!IsIdentifierChar(before) && !IsIdentifierChar(after))
                return int(i + 1);
        }
        ++i;
    }
    return 0;
}

int DeclarationIndexList::lineOf(const QString &upperName) const
{
    for (const DeclarationIndexEntry &entry : m_entries) {
        if (entry.name == upperName)
            return entry.line;
    }
    return -1;
}

void IndexDeclarations(const QStringList &lines, DeclarationIndexList &index)
{
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QString &text = lines.at(line);
        const qsizetype paren = text.indexOf(u'(');
        if (paren < 0)
            continue;
        QString head = text.left(paren);
        const qsizetype blank = head.indexOf(u' ');
        if (blank >= 0)
            head = head.mid(blank + 1);
        index.append(AsciiUpperCase(head), int(line));
    }
}

} // namespace talmo
