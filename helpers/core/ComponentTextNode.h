#pragma once

#include "helpers/core/ComponentTextValue.h"

#include <QString>

#include <vector>

namespace talmo {

// One object block of component text: a component with its name (empty for the
// unnamed root), class, properties in written order and its child blocks
// (back to front, as the parent's child list holds them).
struct ComponentTextNode
{
    QString name;
    QString className;
    ComponentTextProperties properties;
    std::vector<ComponentTextNode> children;
    // The line of the block's header in the text it was read from; 0 for a node
    // built in code. Not part of a node's value.
    int sourceLine = 0;

    const ComponentTextValue *property(const QString &path) const
    {
        return findComponentTextProperty(properties, path);
    }
    void setProperty(const QString &path, const ComponentTextValue &value)
    {
        setComponentTextProperty(properties, path, value);
    }

    friend bool operator==(const ComponentTextNode &a, const ComponentTextNode &b)
    {
        return a.name == b.name && a.className == b.className && a.properties == b.properties
            && a.children == b.children;
    }
};

} // namespace talmo
