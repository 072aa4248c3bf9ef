#pragma once

namespace talmo {

class TNxCustomScrollBar;

// What a scroll bar asks of the control that owns it: how far the content
// moves between two positions, moving it, and scroll requests that the
// control's own scroll handling carries out.
class ScrollBarOwner
{
public:
    enum ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Top, Bottom, EndScroll };

    virtual ~ScrollBarOwner() = default;
    virtual int horzScrollDelta(int oldPosition, int newPosition) const;
    virtual int vertScrollDelta(int oldPosition, int newPosition) const;
    virtual void scrollContent(TNxCustomScrollBar &bar, int dx, int dy);
    // A scroll request as the bar's owner receives it from the bar.
    virtual void scrollRequest(TNxCustomScrollBar &bar, ScrollCode code);
    // The bar's state changed and should reach the screen.
    virtual void scrollBarChanged(TNxCustomScrollBar &bar);
};

// The scroll-bar model shared by the window scroll bars and the painted bar:
// range, page, position with its clamping, and the step sizes.
class TNxCustomScrollBar
{
public:
    enum Kind { Horizontal, Vertical };
    // The class of the last scroll request.
    enum ScrollKind { NoScroll, LineScroll, PageScroll, ThumbScroll, EndsScroll };

    TNxCustomScrollBar(ScrollBarOwner &owner, Kind kind);
    virtual ~TNxCustomScrollBar() = default;

    Kind kind() const { return m_kind; }
    ScrollBarOwner &owner() const { return m_owner; }
    bool autoHide() const { return m_autoHide; }
    void setAutoHide(bool value) { m_autoHide = value; }
    bool manualScroll() const { return m_manualScroll; }
    void setManualScroll(bool value) { m_manualScroll = value; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool value);
    int largeChange() const { return m_largeChange; }
    void setLargeChange(int value) { m_largeChange = value; }
    int smallChange() const { return m_smallChange; }
    void setSmallChange(int value) { m_smallChange = value; }
    int min() const { return m_min; }
    void setMin(int value) { m_min = value; }
    int max() const { return m_max; }
    // Not below 0; hides an empty bar with autoHide; pulls the position back.
    void setMax(int value);
    int pageSize() const { return m_pageSize; }
    // At least 8.
    void setPageSize(int value);
    int position() const { return m_position; }
    int oldPosition() const { return m_oldPosition; }
    // Limited to max, then raised to min, then to 0; moves the content by
    // the owner's delta (also when the position did not change).
    void setPosition(int value);
    void moveBy(int delta) { setPosition(m_position + delta); }
    ScrollKind scrollKind() const { return m_scrollKind; }
    void setScrollKind(ScrollKind value) { m_scrollKind = value; }
    // While above 0 position changes do not move the content.
    void beginUpdate() { ++m_updateCount; }
    void endUpdate() { --m_updateCount; }
    bool visible() const { return m_visible; }

    virtual void setVisible(bool value);
    virtual void update();
    // Nothing when max < 1; otherwise a line request to the owner.
    void lineUp();
    void lineDown();
    virtual void pageUp();
    virtual void pageDown();

    // The position a scroll request leads to (and the request's kind noted).
    int positionForScroll(ScrollBarOwner::ScrollCode code, int trackPosition);

protected:
    int m_pageSize = 0;

private:
    ScrollBarOwner &m_owner;
    Kind m_kind;
    bool m_autoHide = true;
    bool m_manualScroll = false;
    bool m_enabled = true;
    int m_largeChange = 1;
    int m_max = 0;
    int m_min = 0;
    int m_oldPosition = 0;
    int m_position = 0;
    int m_smallChange = 1;
    ScrollKind m_scrollKind = NoScroll;
    int m_updateCount = 0;
    bool m_visible = false;
};

} // namespace talmo
