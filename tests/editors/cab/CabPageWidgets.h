#pragma once

#include "widgets/NextInspector.h"
#include "widgets/NxPropertyItem.h"
#include "widgets/NxPropertyItems.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace talmo::testing {

// A widget of the CAB page found by its name, as a UI test finds what a user works in.
template <typename Widget>
Widget *pageWidget(const QWidget &page, const char *name)
{
    auto *widget = page.findChild<Widget *>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

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
