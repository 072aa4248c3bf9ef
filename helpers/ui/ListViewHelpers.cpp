#include "helpers/ui/ListViewHelpers.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidgetItem>

#include <cmath>

namespace talmo {

void SetListViewSortArrow(QHeaderView *header, int column, bool descending)
{
    // A header shows one sort indicator at most, so setting it on the chosen
    // column clears every other.
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

int ColumnCaptionWidth(const QHeaderView *header, int column)
{
    const QString caption = header->model()->headerData(column, header->orientation()).toString();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int arrow = header->isSortIndicatorShown()
        ? header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + margin
        : 0;
    // Text is laid out in fractions of a pixel; the last one counts whole.
    const int text = int(std::ceil(QFontMetricsF(header->font()).horizontalAdvance(caption)));
    return text + 2 * margin + arrow;
}

void KeepColumnCaptionsWhole(QHeaderView *header)
{
    int stretching = 0;
    for (int column = 0; column < header->count(); ++column) {
        const int needed = ColumnCaptionWidth(header, column);
        const bool lastStretches = header->stretchLastSection() && column == header->count() - 1;
        if (lastStretches || header->sectionResizeMode(column) == QHeaderView::Stretch)
            stretching = qMax(stretching, needed);
        else if (header->sectionSize(column) < needed)
            header->resizeSection(column, needed);
    }
    if (stretching > header->minimumSectionSize())
        header->setMinimumSectionSize(stretching);
}

void SetRowTexts(QTreeWidgetItem *row, const QStringList &texts)
{
    for (int column = 0; column < texts.size(); ++column) {
        row->setText(column, texts[column]);
        row->setToolTip(column, texts[column]);
    }
}

QStringList ColumnTexts(const QTreeWidget *list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts.append(list->topLevelItem(row)->text(column));
    return texts;
}

QList<int> SelectedRowIndexes(const QTreeWidget *list)
{
    QList<int> rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->isSelected())
            rows.append(row);
    }
    return rows;
}

} // namespace talmo
