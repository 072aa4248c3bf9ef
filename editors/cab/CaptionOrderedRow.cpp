#include "editors/cab/CaptionOrderedRow.h"

#include "editors/core/device/DeviceFileEntries.h"

#include <QTreeWidget>

namespace talmo {

namespace {

QStringList TextsOf(const QTreeWidgetItem &row)
{
    QStringList cells;
    for (int column = 0; column < row.columnCount(); ++column)
        cells.append(row.text(column));
    return cells;
}

} // namespace

bool CaptionOrderedRow::operator<(const QTreeWidgetItem &other) const
{
    return CompareFileRows(TextsOf(*this), TextsOf(other), treeWidget()->sortColumn(), true) < 0;
}

} // namespace talmo
