#pragma once

#include <QMargins>
#include <QObject>

namespace talmo {

// Two inner margins of the suite's panels. Every setter stores and notifies,
// so the owning control can repaint and re-align.
class TNxIndent : public QObject
{
    Q_OBJECT
public:
    explicit TNxIndent(QObject *parent = nullptr);

    int left() const { return m_left; }
    int top() const { return m_top; }
    void setLeft(int value);
    void setTop(int value);

signals:
    void changed();

protected:
    virtual void doChange();
    void store(int &field, int value);
    // Set while several values change under one notification.
    bool m_batch = false;

private:
    int m_left = 9;
    int m_top = 5;
};

// The four inner margins (9, 5, 8, 4 until set). Controls own one and copy
// values into it; they never share it.
class TNxMargins : public TNxIndent
{
    Q_OBJECT
public:
    explicit TNxMargins(QObject *parent = nullptr);

    int right() const { return m_right; }
    int bottom() const { return m_bottom; }
    void setRight(int value);
    void setBottom(int value);
    // Stores all four and notifies once.
    void setMargins(int left, int top, int right, int bottom);
    void assign(const TNxMargins &other);

    QMargins toQMargins() const { return QMargins(left(), top(), m_right, m_bottom); }
    // The rectangle shrunk by the four margins.
    QRect inset(const QRect &rect) const;

private:
    int m_right = 8;
    int m_bottom = 4;
};

} // namespace talmo
