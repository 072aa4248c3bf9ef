#pragma once

#include <QList>
#include <QString>

namespace talmo {

// A line of the user's code as the generated script writes it, which
// remembers for each of its characters the character of the user's line it
// stands for, so that a compiler's column can be told in the user's line.
// A replacement maps what it keeps of the replaced text at its start and its
// end onto itself, and what it puts between onto the first character it
// replaced there: a name that gains a prefix ("Edit1" -> "Page_Edit1", or
// " Caption" -> " Page.Caption") maps the prefix onto the name's first letter.
class RewrittenLine
{
public:
    RewrittenLine() = default;
    explicit RewrittenLine(const QString &userLine);

    const QString &text() const { return m_text; }

    // Replaces length characters at position (0-based) by replacement.
    void replace(qsizetype position, qsizetype length, const QString &replacement);
    void prepend(const QString &text) { replace(0, 0, text); }

    // The 1-based column of the user's line under the 1-based column of the
    // text; a column past the end stays as far past the user's line's end.
    int userColumn(int column) const;

private:
    QString m_text;
    // One entry per character of m_text, plus one for its end: 0-based
    // positions in the user's line.
    QList<qsizetype> m_userPositions;
};

} // namespace talmo
