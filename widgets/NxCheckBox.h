#pragma once

#include "widgets/SharedDraw.h"

#include <QAbstractButton>

namespace talmo {

enum TCheckBoxOption { coExpandActiveRect = 0x1 };
Q_DECLARE_FLAGS(TCheckBoxOptions, TCheckBoxOption)

// A painted check box with a caption. Only the box reacts to the mouse
// unless coExpandActiveRect makes the whole control do so; Space toggles on
// release. toggled() reports every change of the checked state.
class TNxCheckBox : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TNxCheckBox(QWidget *parent = nullptr);

    HorzAlign alignment() const { return m_alignment; }
    void setAlignment(HorzAlign value);
    VertAlign verticalAlignment() const { return m_verticalAlignment; }
    void setVerticalAlignment(VertAlign value);
    int indent() const { return m_indent; }
    void setIndent(int value);
    TCheckBoxOptions options() const { return m_options; }
    void setOptions(TCheckBoxOptions value);
    // Stored only: nothing draws a grayed state.
    bool grayed() const { return m_grayed; }
    void setGrayed(bool value) { m_grayed = value; }
    bool hot() const { return m_hot; }

    // A caption that wraps onto further lines where the control is narrower
    // than its text, the box beside its first line.
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool value);
    // Where the caption is drawn.
    QRect textRect() const;

    // Where the box is drawn.
    QRect boxRect() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_wordWrap; }
    int heightForWidth(int width) const override;

protected:
    bool hitButton(const QPoint &pos) const override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setHot(bool value);

    HorzAlign m_alignment = HorzAlign::Left;
    VertAlign m_verticalAlignment = VertAlign::Center;
    int m_indent = 4;
    TCheckBoxOptions m_options;
    bool m_grayed = false;
    bool m_hot = false;
    bool m_wordWrap = false;
};

} // namespace talmo

Q_DECLARE_OPERATORS_FOR_FLAGS(talmo::TCheckBoxOptions)
