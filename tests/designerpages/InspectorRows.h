#pragma once

#include "widgets/NextInspector.h"
#include "widgets/NxPropertyItem.h"
#include "widgets/NxPropertyItems.h"

#include <QString>

namespace talmo {

// The inspector's row of that caption under the row of the parent caption
// ("" for a top-level one); null when there is none.
inline TNxPropertyItem *inspectorRow(const TNextInspector &inspector, const QString &caption, const QString &parent)
{
    const TNxPropertyItems *items = inspector.items();
    for (int i = 0; i < items->count(); ++i) {
        TNxPropertyItem *item = items->item(i);
        const QString parentCaption = item->parentItem() ? item->parentItem()->caption() : QString();
        if (item->caption() == caption && parentCaption == parent)
            return item;
    }
    return nullptr;
}

} // namespace talmo
