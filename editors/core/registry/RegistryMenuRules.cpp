#include "editors/core/registry/RegistryMenuRules.h"

namespace talmo {

RegistryTreeMenuRules RegistryTreeMenuRules::forNode(RegistryNodeKind node, bool expanded)
{
    RegistryTreeMenuRules rules;
    if (node == RegistryNodeKind::None)
        return rules;
    rules.expand = true;
    rules.collapseCaption = expanded;
    rules.create = node != RegistryNodeKind::Top;
    rules.key = rules.create;
    rules.data = node == RegistryNodeKind::Key;
    rules.remove = rules.data;
    rules.rename = rules.data;
    return rules;
}

RegistryListMenuRules RegistryListMenuRules::forSelection(int selectedRows, bool defaultRowSelected,
                                                          RegistryNodeKind node)
{
    RegistryListMenuRules rules;
    rules.edit = selectedRows == 1;
    rules.rename = rules.edit && !defaultRowSelected;
    rules.remove = selectedRows > 0;
    rules.create = node != RegistryNodeKind::Top;
    rules.key = true;
    rules.data = node != RegistryNodeKind::Root;
    return rules;
}

} // namespace talmo
