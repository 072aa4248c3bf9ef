#pragma once

#include "designer/DesignPropertyTable.h"
#include "helpers/core/ComponentTextClassRegistry.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace talmo {

class TDesignControl;

// The classes of designed controls by the name page text and the white-list
// give them (never the C++ class name): how to make one and which properties
// it stores.
class TDesignClassRegistry
{
public:
    using Factory = std::function<TDesignControl *()>;

    struct Entry
    {
        QString className;
        const QMetaObject *metaObject;
        Factory create;
        DesignPropertyTable table;
    };

    template <typename T>
    void registerClass(const QString &className, const DesignPropertyTable &table)
    {
        registerClass(className, T::staticMetaObject, [] { return new T; }, table);
    }
    // A second registration of a name replaces the first. The table must be
    // the table of meta.
    void registerClass(const QString &className, const QMetaObject &meta, Factory create,
                       const DesignPropertyTable &table);

    // The entry of that class name, ignoring ASCII case.
    const Entry *find(const QString &className) const;
    // The entry of the control's own class; nullptr when it is not registered.
    const Entry *entryOf(const TDesignControl &control) const;
    QString classNameOf(const TDesignControl &control) const;

    // The registered names, for ComponentText::read.
    const ComponentTextClassRegistry &textRegistry() const { return m_textRegistry; }

private:
    std::vector<std::unique_ptr<Entry>> m_entries;
    ComponentTextClassRegistry m_textRegistry;
};

} // namespace talmo
