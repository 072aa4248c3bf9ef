#pragma once

#include "helpers/core/ComponentTextNode.h"

#include <QList>
#include <QString>

#include <functional>
#include <vector>

namespace talmo {

class TDesignClassRegistry;
class TDesignControl;

// What a paste changes while reading: the name each component takes, and
// where a stored reference points.
struct TDesignReadHooks
{
    // The name a read component takes; by default its stored one. Asked in
    // text order, each time after the components before it were made.
    std::function<QString(const QString &storedName, const QString &className)> name;
    // The name a stored reference resolves to; by default the stored one.
    std::function<QString(const QString &storedName)> reference;
};

// Builds designed controls from a component text tree, all or nothing: the
// whole tree is checked first (classes, names, the values of known
// properties), then built in text order with the owner as owner and the
// enclosing control as parent, each in loading state; references resolve by
// name at the end, then every component ends loading. Properties a class does
// not know are kept verbatim on the control. A failure throws one
// ComponentTextError naming the object, the property and the block's line,
// and leaves nothing built.
class TDesignTreeReader
{
public:
    explicit TDesignTreeReader(const TDesignClassRegistry &registry);

    // The root takes the root block's properties (never its name) and the
    // root's components are replaced by the blocks inside it.
    void readRoot(TDesignControl &root, const ComponentTextNode &tree) const;
    // Each block becomes a new component of owner inside parent; returns them.
    QList<TDesignControl *> readComponents(TDesignControl &owner, TDesignControl &parent,
                                           const std::vector<ComponentTextNode> &blocks,
                                           const TDesignReadHooks &hooks = {}) const;

private:
    class Session;

    const TDesignClassRegistry &m_registry;
};

} // namespace talmo
