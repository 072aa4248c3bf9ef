#pragma once

namespace talmo {

// What a node of the registry section editor's key tree is.
enum class RegistryNodeKind {
    None, // no node selected
    Top,  // "Pocket PC Registry"
    Root, // a root key such as "HKEY_LOCAL_MACHINE"
    Key,  // a key below a root
};

// Which items of the key tree's popup are enabled for the selected node.
struct RegistryTreeMenuRules
{
    bool expand = false;
    bool collapseCaption = false; // "Collapse" instead of "Expand"
    bool create = false;
    bool key = false;
    bool data = false;
    bool remove = false;
    bool rename = false;

    static RegistryTreeMenuRules forNode(RegistryNodeKind node, bool expanded);
};

// Which items of the value list's popup are enabled for its selection.
struct RegistryListMenuRules
{
    bool edit = false;
    bool remove = false;
    bool rename = false;
    bool create = false;
    bool key = false;
    bool data = false;

    static RegistryListMenuRules forSelection(int selectedRows, bool defaultRowSelected, RegistryNodeKind node);
};

} // namespace talmo
