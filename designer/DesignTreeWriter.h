#pragma once

#include "helpers/core/ComponentTextNode.h"

namespace talmo {

class TDesignClassRegistry;
class TDesignControl;

// Designed controls as a component text tree: each control's stored
// properties in table order, then the properties it kept from the text it
// was read from, then its child controls owned by the root (window-less ones
// first, then windowed ones, each group back to front).
class TDesignTreeWriter
{
public:
    explicit TDesignTreeWriter(const TDesignClassRegistry &registry);

    // Throws ComponentTextError for a control whose class is not registered.
    ComponentTextNode write(const TDesignControl &component, const TDesignControl &root) const;
    ComponentTextProperties storedProperties(const TDesignControl &component) const;

private:
    const TDesignClassRegistry &m_registry;
};

} // namespace talmo
