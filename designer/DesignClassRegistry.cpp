#include "designer/DesignClassRegistry.h"

#include "designer/DesignControl.h"
#include "helpers/core/ScriptText.h"

#include <stdexcept>

namespace talmo {

void TDesignClassRegistry::registerClass(const QString &className, const QMetaObject &meta, Factory create,
                                         const DesignPropertyTable &table)
{
    if (&table.metaObject() != &meta)
        throw std::logic_error("The property table of " + className.toStdString() + " is another class's");
    auto entry = std::make_unique<Entry>(Entry{className, &meta, std::move(create), table});
    for (std::unique_ptr<Entry> &existing : m_entries) {
        if (AsciiSameText(existing->className, className)) {
            existing = std::move(entry);
            return;
        }
    }
    m_entries.push_back(std::move(entry));
    m_textRegistry.registerClass(className);
}

const TDesignClassRegistry::Entry *TDesignClassRegistry::find(const QString &className) const
{
    for (const std::unique_ptr<Entry> &entry : m_entries) {
        if (AsciiSameText(entry->className, className))
            return entry.get();
    }
    return nullptr;
}

const TDesignClassRegistry::Entry *TDesignClassRegistry::entryOf(const TDesignControl &control) const
{
    for (const std::unique_ptr<Entry> &entry : m_entries) {
        if (entry->metaObject == control.metaObject())
            return entry.get();
    }
    return nullptr;
}

QString TDesignClassRegistry::classNameOf(const TDesignControl &control) const
{
    const Entry *entry = entryOf(control);
    return entry ? entry->className : QString();
}

} // namespace talmo
