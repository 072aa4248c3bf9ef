#pragma once

#include <QTreeWidgetItem>

namespace talmo {

// A row of one of the CAB creator page's report lists (files, shortcuts),
// ordered the way those lists compare their rows: by the sort column's cell,
// then by the caption, ignoring case.
class CaptionOrderedRow : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem &other) const override;
};

} // namespace talmo
