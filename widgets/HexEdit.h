#pragma once

#include "widgets/HexEditBuffer.h"

#include <QAbstractScrollArea>
#include <QByteArray>

namespace talmo {

// A small hex editor: rows of eight bytes with their offset, hex pairs and
// characters, always inserting. Only the rows in view are painted, so the
// cost of a key does not grow with the data.
class HexEdit : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit HexEdit(QWidget *parent = nullptr);

    // Replaces the bytes without emitting dataChanged.
    void setData(const QByteArray &data);
    QByteArray data() const { return m_buffer.data(); }
    const HexEditBuffer &buffer() const { return m_buffer; }

    // The rows painted by the last paint, for checking that painting stays in view.
    qsizetype lastPaintedRowCount() const { return m_lastPaintedRows; }

signals:
    void dataChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool moveCaret(const QKeyEvent *event);
    bool edit(const QKeyEvent *event);
    int lineHeight() const;
    int charWidth() const;
    int visibleRows() const;
    void updateScrollBars();
    void ensureCaretVisible();

    HexEditBuffer m_buffer;
    qsizetype m_lastPaintedRows = 0;
};

} // namespace talmo
