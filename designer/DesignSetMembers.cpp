#include "designer/DesignSetMembers.h"

#include "widgets/NxPropertyBinding.h"

namespace talmo {

DesignSetMembers::DesignSetMembers(QObject *owner, const QString &property)
{
    if (!owner)
        return;
    const TNxResolvedProperty target = NxPropertyBinding::resolve(owner, property);
    if (target.isValid()) {
        m_object = target.object;
        m_property = target.property;
    }
}

bool DesignSetMembers::isValid() const
{
    return m_object != nullptr;
}

QString DesignSetMembers::text() const
{
    return u'[' + NxPropertyBinding::setToText(m_property, m_property.read(m_object)) + u']';
}

QList<DesignSetMembers::Member> DesignSetMembers::members() const
{
    const QMetaEnum keys = m_property.enumerator();
    const int bits = m_property.read(m_object).toInt();
    QList<Member> members;
    for (int i = 0; i < keys.keyCount(); ++i) {
        const int bit = keys.value(i);
        members.append({ QString::fromLatin1(keys.key(i)), bit != 0 && (bits & bit) == bit });
    }
    return members;
}

void DesignSetMembers::setTicked(const QStringList &ticked)
{
    if (const std::optional<int> bits = NxPropertyBinding::textToSet(m_property, ticked.join(u',')))
        m_property.write(m_object, QVariant::fromValue(*bits));
}

} // namespace talmo
