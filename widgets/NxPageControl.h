#pragma once

#include "widgets/Colors.h"
#include "widgets/NxImageList.h"
#include "widgets/NxNotebook.h"
#include "widgets/PopupMenuRunner.h"
#include "widgets/TabStripGeometry.h"

#include <QPointer>
#include <QTimer>

class QMenu;
class QPolygon;

namespace talmo {


enum TBackgroundKind { bkSolid, bkHorzGradient, bkTransparent, bkVertGradient, bkInveseVertGradient };

// The suite's tabbed page container: a painted tab strip (four styles, top or
// bottom) with close, tab-list and scroll buttons over the notebook's pages.
class TNxPageControl : public TNxCustomNotebook
{
    Q_OBJECT
public:
    static constexpr TPageOptions DefaultOptions = pgBoldActiveTab | pgCloseButton | pgScrollButtons | pgTopBorder;

    explicit TNxPageControl(QWidget *parent = nullptr);
    ~TNxPageControl() override;

    bool adaptiveColors() const { return m_adaptiveColors; }
    void setAdaptiveColors(bool value);
    TColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(TColor color);
    TBackgroundKind backgroundKind() const { return m_backgroundKind; }
    void setBackgroundKind(TBackgroundKind kind);
    TColor color() const { return m_color; }
    void setColor(TColor color);
    TNxImageList *images() const { return m_images; }
    void setImages(TNxImageList *images);
    int indent() const { return m_indent; }
    void setIndent(int value);
    int margin() const { return m_margin; }
    void setMargin(int value);
    TPageOptions options() const { return m_options; }
    void setOptions(TPageOptions options);
    bool showTabs() const { return m_showTabs; }
    // Repaints at once and re-aligns the pages.
    void setShowTabs(bool value);
    int spacing() const { return m_spacing; }
    void setSpacing(int value) { m_spacing = value; }
    int tabHeight() const { return m_tabHeight; }
    void setTabHeight(int value);
    int tabMaxWidth() const { return m_tabMaxWidth; }
    void setTabMaxWidth(int value);
    TTabPosition tabPosition() const { return m_tabPosition; }
    void setTabPosition(TTabPosition position);
    TTabStyle tabStyle() const { return m_tabStyle; }
    void setTabStyle(TTabStyle style);
    int topIndent() const { return m_topIndent; }
    void setTopIndent(int value);
    // With pgScrollButtons, the scroll buttons show (and take room from the
    // tabs) only while the tabs do not fit without them.
    bool scrollButtonsOnOverflow() const { return m_scrollButtonsOnOverflow; }
    void setScrollButtonsOnOverflow(bool value);

    int scrollOffset() const { return m_scrollOffset; }
    // Scrolls by whole tabs: each step brings the next (or, for a negative
    // step, the previous) tab's left end to the strip's left end.
    void scrollTabs(int steps);
    TTabButton hotButton() const { return m_hotButton; }
    TTabButton pressedButton() const { return m_pressedButton; }
    const QTimer &scrollTimer() const { return m_scrollTimer; }

    // The width of a page's tab in this control.
    int tabWidthOf(const TNxTabSheet *page) const;
    // Without the scroll buttons while they only show on overflow and the tabs fit.
    TabStripGeometry stripGeometry() const;
    int tabAt(const QPoint &point) const { return stripGeometry().tabAt(point); }
    TTabButton buttonAt(const QPoint &point) const { return stripGeometry().buttonAt(point); }
    QRect pageArea() const override;
    // Room for the largest least size of a page.
    QSize minimumSizeHint() const override;

    // Fills the tab list menu: one item per page with a tab, Tag = page index.
    QMenu *fillTabListMenu();
    QMenu *tabListMenu() const { return m_tabListMenu; }
    void setMenuRunner(PopupMenuRunner runner) { m_menuRunner = std::move(runner); }

protected:
    void activePageChanged() override;
    void invalidateTab(int index) override;
    void removePage(TNxTabSheet *page) override;
    virtual int getTabOverlap() const { return TabStripGeometry::overlap(m_tabStyle, m_tabHeight); }
    virtual QRect getButtonRect(TTabButton button) const { return stripGeometry().buttonRect(button); }
    // Point lists describe top tabs; bottom tabs mirror them about the tab's middle row.
    virtual void drawPolygon(QPainter &painter, QPolygon points, const QRect &tabRect);
    virtual void drawPolyline(QPainter &painter, QPolygon points, const QRect &tabRect);
    virtual void drawTabsBackground(QPainter &painter);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // A tab's hint shows as the tool tip over its tab.
    bool event(QEvent *event) override;

private:
    TabStripGeometry geometryWith(TPageOptions options) const;
    void setScrollOffset(int offset);
    // A double click presses the buttons but does not switch tabs.
    void leftPress(const QPoint &pos, bool doubleClick);
    void closeActivePage();
    void showTabListMenu();
    void setHotButton(TTabButton button);
    void invalidateButton(TTabButton button);
    void invalidateStrip();
    void activateNeighbour(int direction);
    void relayout();

    void drawTab(QPainter &painter, const QRect &rect, TNxTabSheet *page, bool active, bool first);
    void drawTabShape(QPainter &painter, const QRect &rect, TNxTabSheet *page, bool active, bool first);
    void fillWhidbeyTab(QPainter &painter, const QRect &rect, TNxTabSheet *page, bool first);
    void drawBaseLine(QPainter &painter, const QRect *activeRect, TNxTabSheet *active);
    // Drawn where strip, the geometry the strip is painted with, places it.
    void drawButton(QPainter &painter, const TabStripGeometry &strip, TTabButton button);
    void fillClipped(QPainter &painter, const QPolygon &clip, const QRect &tabRect, const QColor &top,
                     const QColor &bottom);

    bool m_adaptiveColors = true;
    TColor m_backgroundColor = clSilver;
    TBackgroundKind m_backgroundKind = bkSolid;
    TColor m_color = clWindow;
    QPointer<TNxImageList> m_images;
    int m_indent = 2;
    int m_margin = 0;
    TPageOptions m_options = DefaultOptions;
    bool m_showTabs = true;
    int m_spacing = 0;
    int m_tabHeight = 17;
    int m_tabMaxWidth = 0;
    TTabPosition m_tabPosition = tpTop;
    TTabStyle m_tabStyle = tsWhidbey;
    int m_topIndent = 3;
    bool m_scrollButtonsOnOverflow = false;

    TTabButton m_pressedButton = tbNone;
    TTabButton m_hotButton = tbNone;
    int m_scrollOffset = 0;
    QSize m_lastClientSize;
    QMenu *m_tabListMenu;
    QTimer m_scrollTimer;
    PopupMenuRunner m_menuRunner = execPopupMenu();
};

// Pages a person switches between but never closes, as the hosted pages and
// side panes have: no close button, scroll buttons only while the tabs do not
// fit.
void UseFixedPages(TNxPageControl &pages);

} // namespace talmo
