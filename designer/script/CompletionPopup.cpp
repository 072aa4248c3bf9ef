#include "designer/script/CompletionPopup.h"


#include <algorithm>

namespace talmo {

namespace {

constexpr int VisibleRows = 10;
constexpr int MinimumWidth = 260;
constexpr int MaximumWidth = 560;
constexpr int InsertTextRole = Qt::UserRole;

} // namespace

CompletionPopup::CompletionPopup(QWidget *parent)
    : QListWidget(parent)
{
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this, &CompletionPopup::chosen);
}

void CompletionPopup::setEntries(const QStringList &displayLines, const QStringList &insertTexts)
{
    m_displayLines = displayLines;
    m_insertTexts = insertTexts;
}

bool CompletionPopup::filter(const QString &prefix)
{
    clear();
    const qsizetype count = std::min(m_displayLines.size(), m_insertTexts.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (!m_insertTexts.at(i).startsWith(prefix, Qt::CaseInsensitive))
            continue;
        auto *item = new QListWidgetItem(m_displayLines.at(i), this);
        item->setData(InsertTextRole, m_insertTexts.at(i));
    }
    if (this->count() > 0)
        setCurrentRow(0);
    return this->count() > 0;
}

QString CompletionPopup::chosenInsertText() const
{
    const QListWidgetItem *item = currentItem();
    return item ? item->data(InsertTextRole).toString() : QString();
}

QStringList CompletionPopup::shownLines() const
{
    QStringList lines;
    for (int row = 0; row < count(); ++row)
        lines.append(item(row)->text());
    return lines;
}

bool CompletionPopup::moveSelection(int key)
{
    const int last = count() - 1;
    int row = currentRow();
    switch (key) {
    case Qt::Key_Up: row = std::max(0, row - 1); break;
    case Qt::Key_Down: row = std::min(last, row + 1); break;
    case Qt::Key_PageUp: row = std::max(0, row - VisibleRows); break;
    case Qt::Key_PageDown: row = std::min(last, row + VisibleRows); break;
    default: return false;
    }
    setCurrentRow(row);
    return true;
}

void CompletionPopup::showAt(const QPoint &globalPosition)
{
    const int rowHeight = std::max(sizeHintForRow(0), fontMetrics().height());
    const int width = std::clamp(sizeHintForColumn(0) + 2 * frameWidth() + 24, MinimumWidth, MaximumWidth);
    resize(width, rowHeight * std::min(count(), VisibleRows) + 2 * frameWidth());
    move(globalPosition);
    show();
}

} // namespace talmo
