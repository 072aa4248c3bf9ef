#pragma once

#include <QScrollArea>

class QVBoxLayout;

namespace talmo {

class TNxFlipPanel;

enum TFlipBorderStyle { fbNone, fbSingle };

// A scrolling column of flip panels stacked from the top.
class TNxFlipContainer : public QScrollArea
{
    Q_OBJECT
public:
    explicit TNxFlipContainer(QWidget *parent = nullptr);

    TFlipBorderStyle borderStyle() const { return m_borderStyle; }
    // bsSingle draws a two-pixel frame; bsNone none.
    void setBorderStyle(TFlipBorderStyle style);
    // Appends the panel below the others. A panel that fills takes the
    // height the others leave instead of an empty band below them.
    void addPanel(TNxFlipPanel *panel, bool fills = false);
    QWidget *column() const { return widget(); }

protected:
    void wheelEvent(QWheelEvent *event) override;
    // The frame lies outside the viewport, so it is painted on the container's own paint.
    bool event(QEvent *event) override;

private:
    void paintBorder();
    QVBoxLayout *m_layout;
    TFlipBorderStyle m_borderStyle = fbSingle;
};

} // namespace talmo
