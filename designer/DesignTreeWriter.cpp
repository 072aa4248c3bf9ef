#include "designer/DesignTreeWriter.h"

#include "designer/DesignBitmap.h"
#include "designer/DesignClassRegistry.h"
#include "designer/DesignControl.h"
#include "designer/DesignStrings.h"
#include "designer/DesignValueCodec.h"
#include "helpers/core/ComponentTextError.h"

namespace talmo {

namespace {

QObject *objectValue(const QMetaProperty &property, const QObject &owner)
{
    return property.read(&owner).value<QObject *>();
}

void writeTable(const DesignPropertyTable &table, const QObject &object, const QString &prefix,
                ComponentTextProperties &out)
{
    for (const DesignProperty &property : table.properties()) {
        if (!property.isStored(object))
            continue;
        const QMetaProperty meta = table.metaProperty(property);
        const QString path = prefix + property.name;
        switch (property.form) {
        case DesignValueForm::Object:
            if (const QObject *sub = objectValue(meta, object))
                writeTable(*property.objectTable, *sub, path + u'.', out);
            break;
        case DesignValueForm::Strings:
            if (const auto *strings = qobject_cast<const TDesignStrings *>(objectValue(meta, object));
                strings && !strings->strings().isEmpty())
                out.push_back({path + QStringLiteral(".Strings"), ComponentTextValue::fromStringList(strings->strings())});
            break;
        case DesignValueForm::Bitmap:
            if (const auto *bitmap = qobject_cast<const TDesignBitmap *>(objectValue(meta, object));
                bitmap && !bitmap->data().isEmpty())
                out.push_back({path + QStringLiteral(".Data"), ComponentTextValue::fromBinary(bitmap->data())});
            break;
        case DesignValueForm::Reference:
            if (const auto *target = qobject_cast<const TDesignControl *>(objectValue(meta, object));
                target && !target->name().isEmpty())
                out.push_back({path, ComponentTextValue::fromIdentifier(target->name())});
            break;
        default: {
            const QVariant value = meta.read(&object);
            if (!DesignValueCodec::isDefault(property.form, value, property.defaultValue))
                out.push_back({path, DesignValueCodec::write(property.form, meta, value)});
            break;
        }
        }
    }
}

} // namespace

TDesignTreeWriter::TDesignTreeWriter(const TDesignClassRegistry &registry)
    : m_registry(registry)
{
}

ComponentTextNode TDesignTreeWriter::write(const TDesignControl &component, const TDesignControl &root) const
{
    ComponentTextNode node;
    node.name = component.name();
    node.className = m_registry.classNameOf(component);
    node.properties = storedProperties(component);
    std::vector<ComponentTextNode> windowed;
    for (const QObject *child : component.children()) {
        const auto *control = qobject_cast<const TDesignControl *>(child);
        if (!control || control->owner() != &root)
            continue;
        if (control->isWindowless())
            node.children.push_back(write(*control, root));
        else
            windowed.push_back(write(*control, root));
    }
    for (ComponentTextNode &child : windowed)
        node.children.push_back(std::move(child));
    return node;
}

ComponentTextProperties TDesignTreeWriter::storedProperties(const TDesignControl &component) const
{
    const TDesignClassRegistry::Entry *entry = m_registry.entryOf(component);
    if (!entry)
        throw ComponentTextError(QStringLiteral("Class %1 is not registered").arg(QLatin1String(component.metaObject()->className())));
    ComponentTextProperties properties;
    writeTable(entry->table, component, QString(), properties);
    for (const ComponentTextProperty &kept : component.keptProperties())
        properties.push_back(kept);
    return properties;
}

} // namespace talmo
