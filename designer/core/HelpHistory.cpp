#include "designer/core/HelpHistory.h"

namespace talmo {

void HelpHistory::clear()
{
    m_keys.clear();
    m_index = -1;
}

void HelpHistory::push(const QString &key)
{
    m_keys.append(key);
    m_index = int(m_keys.size()) - 1;
}

QString HelpHistory::back()
{
    if (m_index > 0)
        --m_index;
    return current();
}

QString HelpHistory::forward()
{
    if (m_index + 1 < m_keys.size())
        ++m_index;
    return current();
}

QString HelpHistory::current() const
{
    return m_index >= 0 && m_index < m_keys.size() ? m_keys.at(m_index) : QString();
}

} // namespace talmo
