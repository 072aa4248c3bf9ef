#include "widgets/HexEdit.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace talmo {

HexEdit::HexEdit(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    updateScrollBars();
}

void HexEdit::setData(const QByteArray &data)
{
    m_buffer.setData(data);
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

int HexEdit::lineHeight() const
{
    return fontMetrics().height();
}

int HexEdit::charWidth() const
{
    return fontMetrics().horizontalAdvance(QLatin1Char('0'));
}

int HexEdit::visibleRows() const
{
    return std::max(1, viewport()->height() / lineHeight());
}

void HexEdit::updateScrollBars()
{
    const qsizetype rows = m_buffer.rowCount();
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<qsizetype>(0, rows - visibleRows())));
    verticalScrollBar()->setPageStep(visibleRows());
    const int width = HexEditBuffer::RowLength * charWidth();
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void HexEdit::ensureCaretVisible()
{
    const qsizetype row = m_buffer.caretRow();
    const int top = verticalScrollBar()->value();
    if (row < top)
        verticalScrollBar()->setValue(static_cast<int>(row));
    else if (row >= top + visibleRows())
        verticalScrollBar()->setValue(static_cast<int>(row - visibleRows() + 1));
}

void HexEdit::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().base());
    painter.setPen(palette().text().color());
    const int height = lineHeight();
    const int ascent = fontMetrics().ascent();
    const int left = -horizontalScrollBar()->value();
    const qsizetype first = verticalScrollBar()->value();
    const qsizetype last = std::min(m_buffer.rowCount(), first + visibleRows() + 1);
    for (qsizetype row = first; row < last; ++row)
        painter.drawText(left, static_cast<int>(row - first) * height + ascent, m_buffer.rowText(row));
    m_lastPaintedRows = last - first;
    if (hasFocus()) {
        const int x = left + m_buffer.caretColumn() * charWidth();
        const int y = static_cast<int>(m_buffer.caretRow() - first) * height;
        painter.fillRect(x, y, 2, height, palette().text());
    }
}

void HexEdit::keyPressEvent(QKeyEvent *event)
{
    if (moveCaret(event)) {
        ensureCaretVisible();
        viewport()->update();
        return;
    }
    if (edit(event)) {
        updateScrollBars();
        ensureCaretVisible();
        viewport()->update();
        emit dataChanged();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

bool HexEdit::moveCaret(const QKeyEvent *event)
{
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
    case Qt::Key_Left: m_buffer.moveBy(-1); return true;
    case Qt::Key_Right: m_buffer.moveBy(1); return true;
    case Qt::Key_Up: m_buffer.moveRows(-1); return true;
    case Qt::Key_Down: m_buffer.moveRows(1); return true;
    case Qt::Key_PageUp: m_buffer.moveRows(-visibleRows()); return true;
    case Qt::Key_PageDown: m_buffer.moveRows(visibleRows()); return true;
    case Qt::Key_Home: control ? m_buffer.moveToStart() : m_buffer.moveToRowStart(); return true;
    case Qt::Key_End: control ? m_buffer.moveToEnd() : m_buffer.moveToRowEnd(); return true;
    default: return false;
    }
}

bool HexEdit::edit(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace: return m_buffer.backspace();
    case Qt::Key_Delete: return m_buffer.deleteForward();
    default: break;
    }
    const QString text = event->text();
    if (text.size() != 1 || event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier))
        return false;
    return m_buffer.typeDigit(text.front());
}

void HexEdit::mousePressEvent(QMouseEvent *event)
{
    const QPointF point = event->position();
    const qsizetype row = verticalScrollBar()->value() + static_cast<qsizetype>(point.y()) / lineHeight();
    const int column = (static_cast<int>(point.x()) + horizontalScrollBar()->value()) / charWidth();
    m_buffer.setCaret(m_buffer.positionAt(row, column));
    setFocus(Qt::MouseFocusReason);
    viewport()->update();
}

void HexEdit::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

} // namespace talmo
