#include "designer/DesignTreeReader.h"

#include "designer/DesignBitmap.h"
#include "designer/DesignClassRegistry.h"
#include "designer/DesignControl.h"
#include "designer/DesignStrings.h"
#include "designer/DesignValueCodec.h"
#include "helpers/core/ComponentTextError.h"
#include "helpers/core/ComponentTextSyntax.h"

#include <QPointer>
#include <QSet>

#include <algorithm>
#include <optional>

namespace talmo {

namespace {

[[noreturn]] void fail(const ComponentTextNode &node, const QString &path, const QString &message)
{
    const QString object = node.name.isEmpty() ? node.className : node.name;
    const QString place = path.isEmpty() ? object : object + u'.' + path;
    throw ComponentTextError(QStringLiteral("Error reading %1: %2").arg(place, message), node.sourceLine);
}

// The value a known property takes from the text; nothing for a value it cannot take.
std::optional<QVariant> plannedValue(const DesignPropertyPath &path, const ComponentTextValue &value)
{
    using Kind = ComponentTextValue::Kind;
    switch (path.property->form) {
    case DesignValueForm::Strings:
        if (value.kind() != Kind::List
            || std::any_of(value.items().cbegin(), value.items().cend(),
                           [](const ComponentTextValue &item) { return item.kind() != Kind::String; }))
            return std::nullopt;
        return QVariant(value.toStringList());
    case DesignValueForm::Bitmap:
        if (value.kind() != Kind::Binary)
            return std::nullopt;
        return QVariant(value.bytes());
    case DesignValueForm::Reference:
        if (value.kind() != Kind::Identifier || !ComponentTextSyntax::isName(value.text()))
            return std::nullopt;
        return QVariant(value.text());
    default:
        return DesignValueCodec::read(path.property->form, path.table->metaProperty(*path.property), value);
    }
}

} // namespace

class TDesignTreeReader::Session
{
public:
    // replacing: the owner's present components go before the build, so
    // their names are free.
    Session(const TDesignClassRegistry &registry, TDesignControl &owner, const TDesignReadHooks &hooks,
            bool replacing)
        : m_registry(registry),
          m_owner(owner),
          m_hooks(hooks),
          m_replacing(replacing)
    {
    }

    void check(const ComponentTextNode &node, const DesignPropertyTable &table)
    {
        checkProperties(node, table);
        for (const ComponentTextNode &child : node.children) {
            const TDesignClassRegistry::Entry *entry = m_registry.find(child.className);
            if (!entry)
                fail(child, QString(), QStringLiteral("Class %1 not found").arg(child.className));
            checkName(child);
            check(child, entry->table);
        }
    }

    void assign(TDesignControl &control, const DesignPropertyTable &table, const ComponentTextNode &node)
    {
        ComponentTextProperties kept;
        for (const ComponentTextProperty &property : node.properties) {
            const std::optional<DesignPropertyPath> path = table.resolve(property.path);
            if (path)
                assignKnown(control, table, *path, node, property);
            else
                kept.push_back(property);
        }
        control.setKeptProperties(kept);
    }

    void buildChildren(const ComponentTextNode &node, TDesignControl &parent)
    {
        for (const ComponentTextNode &child : node.children)
            build(child, parent);
    }

    TDesignControl *build(const ComponentTextNode &node, TDesignControl &parent)
    {
        const TDesignClassRegistry::Entry *entry = m_registry.find(node.className);
        TDesignControl *control = entry->create();
        m_created.push_back(control);
        control->beginLoading();
        m_owner.insertComponent(control);
        control->setParent(&parent);
        control->show();
        const QString name = m_hooks.name ? m_hooks.name(node.name, entry->className) : node.name;
        if (!name.isEmpty()) {
            const TRenameVerdict verdict = control->rename(name);
            if (!verdict.accepted)
                fail(node, QString(), verdict.message);
        }
        assign(*control, entry->table, node);
        buildChildren(node, *control);
        return control;
    }

    void resolveReferences()
    {
        for (const Reference &reference : m_references) {
            const QString name = m_hooks.reference ? m_hooks.reference(reference.storedName) : reference.storedName;
            TDesignControl *target = m_owner.findComponent(name);
            if (reference.object && target)
                reference.property.write(reference.object, QVariant::fromValue<QObject *>(target));
        }
    }

    void endLoading()
    {
        for (const QPointer<TDesignControl> &control : m_created) {
            if (control)
                control->endLoading();
        }
    }

    // Undoes a build that failed half way.
    void destroyCreated()
    {
        for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
            delete it->data();
        m_created.clear();
    }

    QList<TDesignControl *> created() const
    {
        QList<TDesignControl *> result;
        for (const QPointer<TDesignControl> &control : m_created)
            result.append(control.data());
        return result;
    }

private:
    struct Reference
    {
        QPointer<QObject> object;
        QMetaProperty property;
        QString storedName;
    };

    void checkProperties(const ComponentTextNode &node, const DesignPropertyTable &table)
    {
        for (const ComponentTextProperty &property : node.properties) {
            const std::optional<DesignPropertyPath> path = table.resolve(property.path);
            if (path && !plannedValue(*path, property.value))
                fail(node, property.path, QStringLiteral("Invalid property value"));
        }
    }

    // With a name hook the hook answers for names; without one every name of
    // the text must be free.
    void checkName(const ComponentTextNode &node)
    {
        if (node.name.isEmpty() || m_hooks.name)
            return;
        if (!ComponentTextSyntax::isName(node.name) || ComponentTextSyntax::isKeyword(node.name))
            fail(node, QString(), QStringLiteral("\"%1\" is not a valid component name").arg(node.name));
        const QString key = node.name.toLower();
        if (m_names.contains(key) || (!m_replacing && m_owner.findComponent(node.name)))
            fail(node, QString(), QStringLiteral("A component named %1 already exists").arg(node.name));
        m_names.insert(key);
    }

    void assignKnown(TDesignControl &control, const DesignPropertyTable &controlTable, const DesignPropertyPath &path,
                     const ComponentTextNode &node, const ComponentTextProperty &property)
    {
        const std::optional<QVariant> value = plannedValue(path, property.value);
        QObject *target = &control;
        const DesignPropertyTable *table = &controlTable;
        for (const DesignProperty *step : path.objects) {
            target = target ? table->metaProperty(*step).read(target).value<QObject *>() : nullptr;
            table = step->objectTable;
        }
        if (!value || !target)
            fail(node, property.path, QStringLiteral("Invalid property value"));
        const QMetaProperty meta = path.table->metaProperty(*path.property);
        bool written = true;
        switch (path.property->form) {
        case DesignValueForm::Strings:
            if (auto *strings = qobject_cast<TDesignStrings *>(meta.read(target).value<QObject *>()))
                strings->setStrings(value->toStringList());
            else
                written = false;
            break;
        case DesignValueForm::Bitmap:
            if (auto *bitmap = qobject_cast<TDesignBitmap *>(meta.read(target).value<QObject *>()))
                bitmap->setData(value->toByteArray());
            else
                written = false;
            break;
        case DesignValueForm::Reference:
            m_references.push_back({target, meta, value->toString()});
            break;
        default:
            written = meta.write(target, *value);
            break;
        }
        if (!written)
            fail(node, property.path, QStringLiteral("Invalid property value"));
    }

    const TDesignClassRegistry &m_registry;
    TDesignControl &m_owner;
    const TDesignReadHooks &m_hooks;
    bool m_replacing;
    QSet<QString> m_names;
    std::vector<QPointer<TDesignControl>> m_created;
    std::vector<Reference> m_references;
};

TDesignTreeReader::TDesignTreeReader(const TDesignClassRegistry &registry)
    : m_registry(registry)
{
}

void TDesignTreeReader::readRoot(TDesignControl &root, const ComponentTextNode &tree) const
{
    const TDesignClassRegistry::Entry *rootEntry = m_registry.entryOf(root);
    const DesignPropertyTable &rootTable = rootEntry ? rootEntry->table : TDesignControl::propertyTable();
    const TDesignReadHooks noHooks;
    Session session(m_registry, root, noHooks, true);
    session.check(tree, rootTable);
    root.destroyComponents();
    root.beginLoading();
    try {
        session.assign(root, rootTable, tree);
        session.buildChildren(tree, root);
    } catch (...) {
        session.destroyCreated();
        root.endLoading();
        throw;
    }
    session.resolveReferences();
    session.endLoading();
    root.endLoading();
}

QList<TDesignControl *> TDesignTreeReader::readComponents(TDesignControl &owner, TDesignControl &parent,
                                                          const std::vector<ComponentTextNode> &blocks,
                                                          const TDesignReadHooks &hooks) const
{
    Session session(m_registry, owner, hooks, false);
    ComponentTextNode holder;
    holder.children = blocks;
    session.check(holder, TDesignControl::propertyTable());
    QList<TDesignControl *> topLevel;
    try {
        for (const ComponentTextNode &block : blocks)
            topLevel.append(session.build(block, parent));
    } catch (...) {
        session.destroyCreated();
        throw;
    }
    session.resolveReferences();
    session.endLoading();
    return topLevel;
}

} // namespace talmo
