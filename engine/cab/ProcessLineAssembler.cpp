#include "engine/cab/ProcessLineAssembler.h"

#include <QString>

namespace talmo {

QStringList ProcessLineAssembler::Feed(const QByteArray &chunk)
{
    QStringList lines;
    for (const char c : chunk) {
        if (c == '\n' && m_afterCarriageReturn) {
            m_afterCarriageReturn = false;  // the LF of a CR LF whose CR already ended the line
            continue;
        }
        m_afterCarriageReturn = c == '\r';
        if (c == '\r' || c == '\n')
            completeLine(lines);
        else
            m_pending.append(c);
    }
    return lines;
}

QStringList ProcessLineAssembler::Finish()
{
    QStringList lines;
    if (!m_pending.isEmpty())
        completeLine(lines);
    m_afterCarriageReturn = false;
    return lines;
}

void ProcessLineAssembler::completeLine(QStringList &lines)
{
    lines.append(QString::fromLocal8Bit(m_pending));
    m_pending.clear();
}

} // namespace talmo
