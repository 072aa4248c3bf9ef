#pragma once

#include <QPlainTextEdit>

namespace talmo {

// A multi-line edit whose text keeps Margin pixels from the left edge (and
// one more from the right).
class TNxMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TNxMemo(QWidget *parent = nullptr);

    int margin() const { return m_margin; }
    void setMargin(int value);
    // The formatting rectangle in client coordinates.
    virtual QRect textRect() const;

private:
    int m_margin = 0;
};

} // namespace talmo
