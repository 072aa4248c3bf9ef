#include "helpers/core/ComponentTextClassRegistry.h"

namespace talmo {

void ComponentTextClassRegistry::registerClass(const QString &className)
{
    if (!contains(className))
        m_classNames << className;
}

bool ComponentTextClassRegistry::contains(const QString &className) const
{
    return m_classNames.contains(className, Qt::CaseInsensitive);
}

QString ComponentTextClassRegistry::registeredName(const QString &className) const
{
    for (const QString &name : m_classNames) {
        if (name.compare(className, Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}

} // namespace talmo
