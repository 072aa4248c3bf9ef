#include "designer/pages/WrappingRowLayout.h"

#include <QWidget>

namespace talmo {

WrappingRowLayout::WrappingRowLayout(QWidget *parent)
    : QLayout(parent)
{
}

WrappingRowLayout::~WrappingRowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void WrappingRowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

int WrappingRowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *WrappingRowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *WrappingRowLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

Qt::Orientations WrappingRowLayout::expandingDirections() const
{
    return {};
}

bool WrappingRowLayout::hasHeightForWidth() const
{
    return true;
}

int WrappingRowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

// The widest item alone on its row.
QSize WrappingRowLayout::minimumSize() const
{
    QSize size(0, 0);
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(item->sizeHint());
    return size.grownBy(contentsMargins());
}

// Every item on one row.
QSize WrappingRowLayout::sizeHint() const
{
    QSize size(0, 0);
    for (const QLayoutItem *item : m_items) {
        const QSize hint = item->sizeHint();
        size = QSize(size.width() + hint.width() + (size.width() > 0 ? spacing() : 0),
                     std::max(size.height(), hint.height()));
    }
    return size.grownBy(contentsMargins());
}

void WrappingRowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int WrappingRowLayout::arrange(const QRect &rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(spacing(), 0);
    int x = area.x();
    int y = area.y();
    int rowHeight = 0;
    for (QLayoutItem *item : m_items) {
        const QSize hint = item->sizeHint();
        if (x > area.x() && x + hint.width() > area.right() + 1) {
            x = area.x();
            y += rowHeight + gap;
            rowHeight = 0;
        }
        if (place)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x += hint.width() + gap;
        rowHeight = std::max(rowHeight, hint.height());
    }
    const QMargins margins = contentsMargins();
    return y + rowHeight - rect.y() + margins.bottom();
}

} // namespace talmo
