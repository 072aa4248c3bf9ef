#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// The classes a reader of component text may create. Class names compare
// ignoring the case of ASCII letters.
class ComponentTextClassRegistry
{
public:
    void registerClass(const QString &className);
    bool contains(const QString &className) const;
    // The class as it was registered, or an empty string.
    QString registeredName(const QString &className) const;
    const QStringList &classNames() const { return m_classNames; }

private:
    QStringList m_classNames;
};

} // namespace talmo
