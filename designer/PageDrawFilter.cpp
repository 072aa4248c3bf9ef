#include "designer/PageDrawFilter.h"

#include "designer/DesignClassRegistry.h"

#include <algorithm>

namespace talmo {

namespace {

const QLatin1String Draw("Draw");

bool isDrawProperty(const ComponentTextProperty &property, const DesignPropertyTable *table)
{
    if (property.path.contains(Draw))
        return true;
    if (!table || property.value.kind() != ComponentTextValue::Kind::Identifier
        || !property.value.text().contains(Draw))
        return false;
    const std::optional<DesignPropertyPath> path = table->resolve(property.path);
    return path && path->property->form == DesignValueForm::Enumeration;
}

} // namespace

void PageDrawFilter::apply(ComponentTextNode &tree, const TDesignClassRegistry &registry)
{
    const TDesignClassRegistry::Entry *entry = registry.find(tree.className);
    const DesignPropertyTable *table = entry ? &entry->table : nullptr;
    std::erase_if(tree.properties, [&](const ComponentTextProperty &property) { return isDrawProperty(property, table); });
    for (ComponentTextNode &child : tree.children)
        apply(child, registry);
}

} // namespace talmo
