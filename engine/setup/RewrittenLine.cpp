#include "engine/setup/RewrittenLine.h"

namespace talmo {

RewrittenLine::RewrittenLine(const QString &userLine)
    : m_text(userLine)
{
    m_userPositions.reserve(userLine.size() + 1);
    for (qsizetype position = 0; position <= userLine.size(); ++position)
        m_userPositions.append(position);
}

void RewrittenLine::replace(qsizetype position, qsizetype length, const QString &replacement)
{
    // What the replacement keeps at its start and its end stands for itself;
    // what it puts between stands for the first replaced character there.
    const QStringView replaced = QStringView(m_text).mid(position, length);
    qsizetype kept = 0;
    while (kept < length && kept < replacement.size() && replaced[kept] == replacement[kept])
        ++kept;
    qsizetype keptAtEnd = 0;
    while (keptAtEnd < length - kept && keptAtEnd < replacement.size() - kept
           && replaced[length - 1 - keptAtEnd] == replacement[replacement.size() - 1 - keptAtEnd])
        ++keptAtEnd;
    const qsizetype changed = length - kept - keptAtEnd;
    QList<qsizetype> positions;
    positions.reserve(replacement.size());
    for (qsizetype index = 0; index < replacement.size(); ++index) {
        qsizetype from = 0;
        if (index < kept)
            from = index;
        else if (index >= replacement.size() - keptAtEnd)
            from = length - (replacement.size() - index);
        else
            from = kept + qMin(index - kept, qMax<qsizetype>(0, changed - 1));
        positions.append(m_userPositions.at(position + from));
    }
    m_text.replace(position, length, replacement);
    m_userPositions.remove(position, length);
    for (qsizetype index = 0; index < positions.size(); ++index)
        m_userPositions.insert(position + index, positions.at(index));
}

int RewrittenLine::userColumn(int column) const
{
    if (m_userPositions.isEmpty())
        return column;
    const qsizetype index = qMax(0, column - 1);
    if (index < m_userPositions.size())
        return int(m_userPositions.at(index)) + 1;
    return int(m_userPositions.last() + index - m_text.size()) + 1;
}

} // namespace talmo
