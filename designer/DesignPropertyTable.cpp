#include "designer/DesignPropertyTable.h"

#include "helpers/core/ScriptText.h"

#include <QStringList>

#include <stdexcept>
#include <utility>

namespace talmo {

DesignProperty::DesignProperty(QString name, DesignValueForm form, QVariant defaultValue, StoredTest stored,
                               const DesignPropertyTable *objectTable)
    : name(std::move(name)),
      form(form),
      defaultValue(std::move(defaultValue)),
      stored(std::move(stored)),
      objectTable(objectTable)
{
}

DesignPropertyTable::DesignPropertyTable(const QMetaObject &meta, std::vector<DesignProperty> own)
    : m_meta(&meta)
{
    append(std::move(own));
}

DesignPropertyTable::DesignPropertyTable(const QMetaObject &meta, const DesignPropertyTable &ancestor,
                                         std::vector<DesignProperty> own)
    : m_meta(&meta),
      m_properties(ancestor.m_properties)
{
    if (!meta.inherits(ancestor.m_meta))
        throw std::logic_error(std::string(meta.className()) + " does not inherit " + ancestor.m_meta->className());
    append(std::move(own));
}

void DesignPropertyTable::append(std::vector<DesignProperty> own)
{
    for (DesignProperty &property : own) {
        if (m_meta->indexOfProperty(property.name.toLatin1().constData()) < 0)
            throw std::logic_error(std::string(m_meta->className()) + " has no property " + property.name.toStdString());
        if ((property.form == DesignValueForm::Object) != (property.objectTable != nullptr))
            throw std::logic_error("Only an object property has a table: " + property.name.toStdString());
        m_properties.push_back(std::move(property));
    }
}

const DesignProperty *DesignPropertyTable::find(const QString &name) const
{
    for (const DesignProperty &property : m_properties) {
        if (AsciiSameText(property.name, name))
            return &property;
    }
    return nullptr;
}

QMetaProperty DesignPropertyTable::metaProperty(const DesignProperty &property) const
{
    return m_meta->property(m_meta->indexOfProperty(property.name.toLatin1().constData()));
}

std::optional<DesignPropertyPath> DesignPropertyTable::resolve(const QString &path) const
{
    const QStringList steps = path.split(u'.');
    DesignPropertyPath result;
    result.table = this;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const DesignProperty *property = result.table->find(steps.at(i));
        if (!property)
            return std::nullopt;
        const qsizetype rest = steps.size() - 1 - i;
        if (property->form == DesignValueForm::Object && rest > 0) {
            result.objects.push_back(property);
            result.table = property->objectTable;
            continue;
        }
        bool complete = rest == 0 && property->form != DesignValueForm::Object;
        if (property->form == DesignValueForm::Strings)
            complete = rest == 1 && AsciiSameText(steps.last(), QStringLiteral("Strings"));
        else if (property->form == DesignValueForm::Bitmap)
            complete = rest == 1 && AsciiSameText(steps.last(), QStringLiteral("Data"));
        if (!complete)
            return std::nullopt;
        result.property = property;
        return result;
    }
    return std::nullopt;
}

} // namespace talmo
