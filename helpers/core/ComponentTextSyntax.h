#pragma once

#include <QChar>
#include <QString>

namespace talmo::ComponentTextSyntax {

// Names in component text are ASCII identifiers; paths and references join
// them with ".".
inline bool isNameStart(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}

inline bool isNameChar(QChar c)
{
    return isNameStart(c) || (c >= u'0' && c <= u'9');
}

bool isName(const QString &text);
// "object", "end" and "item" open and close blocks; no value may be one of them.
bool isKeyword(const QString &text);
bool isDottedName(const QString &text);

// Characters a string may carry between quotes; every other one is written as
// "#" and its code.
inline bool isQuotable(QChar c)
{
    return c.unicode() >= 32 && c.unicode() <= 127 && c != u'\'';
}

inline QString indent(int level)
{
    return QString(2 * level, u' ');
}

constexpr int StringChunkLength = 64;
constexpr int BinaryGroupBytes = 32;

} // namespace talmo::ComponentTextSyntax
