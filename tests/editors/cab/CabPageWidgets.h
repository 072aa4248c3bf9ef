#pragma once

#include "tests/editors/EditorTestSupport.h"
#include "widgets/NextInspector.h"
#include "widgets/NxPropertyItem.h"
#include "widgets/NxPropertyItems.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace talmo::testing {

// The file inspector's row of this caption, to type into.
template <typename Item>
Item *fileInspectorRow(const QWidget &page, const QString &caption)
{
    const TNxPropertyItems *rows = pageWidget<TNextInspector>(page, "NextInspector1")->items();
    for (int i = 0; i < rows->count(); ++i) {
        if (rows->item(i)->caption() == caption)
            return dynamic_cast<Item *>(rows->item(i));
    }
    ADD_FAILURE() << "no inspector row " << caption.toStdString();
    return nullptr;
}

} // namespace talmo::testing
