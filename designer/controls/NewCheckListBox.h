#pragma once

#include "designer/controls/FontedControl.h"

namespace talmo {

// The installer's list of check boxes, radio buttons and groups. On the
// design surface it is empty; it paints its frame and background.
class TNewCheckListBox : public TFontedControl
{
    Q_OBJECT
    Q_PROPERTY(TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool Flat READ flat WRITE setFlat)
    Q_PROPERTY(int MinItemHeight READ minItemHeight WRITE setMinItemHeight)
    Q_PROPERTY(int Offset READ offset WRITE setOffset)
    Q_PROPERTY(bool ShowLines READ showLines WRITE setShowLines)
    Q_PROPERTY(bool WantTabs READ wantTabs WRITE setWantTabs)

public:
    static constexpr int DefaultItemHeight = 16;

    explicit TNewCheckListBox(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style) { m_borderStyle = style; update(); }
    bool flat() const { return m_flat; }
    void setFlat(bool flat) { m_flat = flat; update(); }
    int minItemHeight() const { return m_minItemHeight; }
    void setMinItemHeight(int height) { m_minItemHeight = height; update(); }
    int offset() const { return m_offset; }
    void setOffset(int offset) { m_offset = offset; update(); }
    bool showLines() const { return m_showLines; }
    void setShowLines(bool show) { m_showLines = show; update(); }
    bool wantTabs() const { return m_wantTabs; }
    void setWantTabs(bool want) { m_wantTabs = want; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TBorderStyle m_borderStyle = bsSingle;
    bool m_flat = false;
    int m_minItemHeight = DefaultItemHeight;
    int m_offset = 4;
    bool m_showLines = true;
    bool m_wantTabs = false;
};

} // namespace talmo
