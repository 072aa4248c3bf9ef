#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace talmo::iscmplr {

// Names as the script defines them, in order, looked up ignoring case.
class NameSet
{
public:
    void add(const QString &name)
    {
        m_ordered << name;
        m_lowerCase.insert(name.toLower());
    }
    bool contains(const QString &name) const { return m_lowerCase.contains(name.toLower()); }
    bool isEmpty() const { return m_ordered.isEmpty(); }
    QString last() const { return m_ordered.isEmpty() ? QString() : m_ordered.last(); }
    const QStringList &ordered() const { return m_ordered; }

private:
    QStringList m_ordered;
    QSet<QString> m_lowerCase;
};

} // namespace talmo::iscmplr
