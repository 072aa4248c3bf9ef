#pragma once

#include "widgets/ColorSchemes.h"
#include "widgets/NxImageList.h"
#include "widgets/NxMargins.h"
#include "widgets/OutlookBarLayout.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

namespace talmo {

class TNxOutlookBar;

enum TDrawingOptions { doBackgroundOnly, doNormal, doCustom, doCustomOnly };
enum TOutlookBarStyle { osOffice2007, osWindowsLive };
enum TOutlookBarOption : unsigned { boOptionsMenu = 0x1 };
using TOutlookBarOptions = unsigned;
enum TOutlookItemState : unsigned { isPressed = 0x1, isHot = 0x2, isSelected = 0x4 };

// One button of the bar.
class TNxOutlookBarItem
{
public:
    explicit TNxOutlookBarItem(TNxOutlookBar *bar);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    TColor color() const { return m_color; }
    void setColor(TColor color);
    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    bool visible() const { return m_visible; }
    void setVisible(bool value);
    int index() const;

private:
    TNxOutlookBar *m_bar;
    QString m_caption;
    TColor m_color = clBtnFace;
    int m_imageIndex = -1;
    bool m_visible = true;
};

// The bar's items, owned by it.
class TNxOutlookBarItems
{
public:
    explicit TNxOutlookBarItems(TNxOutlookBar *bar);

    TNxOutlookBar *owner() const { return m_bar; }
    int count() const { return int(m_items.size()); }
    int visibleCount() const;
    TNxOutlookBarItem *add();
    // Throws ListIndexOutOfBounds for an index outside the list.
    TNxOutlookBarItem *item(int index) const;
    void remove(int index);
    void clear();
    int indexOf(const TNxOutlookBarItem *item) const;
    // Copies captions, colours, images and visibility of another list.
    void assign(const TNxOutlookBarItems &other);

private:
    TNxOutlookBar *m_bar;
    std::vector<std::unique_ptr<TNxOutlookBarItem>> m_items;
};

// A navigation pane: large item buttons under a draggable splitter, the
// items that do not fit as small toolbar buttons below them, and room for
// child controls above.
class TNxOutlookBar : public QWidget
{
    Q_OBJECT
public:
    explicit TNxOutlookBar(QWidget *parent = nullptr);
    ~TNxOutlookBar() override;

    bool adaptiveColors() const { return m_adaptiveColors; }
    void setAdaptiveColors(bool value);
    TColor color() const { return m_color; }
    void setColor(TColor color);
    TColorScheme colorScheme() const { return m_colorScheme; }
    void setColorScheme(TColorScheme scheme);
    int displayCount() const { return m_displayCount; }
    // Re-aligns and fires OnChange when the count changes.
    void setDisplayCount(int count);
    TDrawingOptions drawingOptions() const { return m_drawingOptions; }
    void setDrawingOptions(TDrawingOptions options);
    TNxMargins &innerMargins() { return m_innerMargins; }
    void setInnerMargins(const TNxMargins &margins) { m_innerMargins.assign(margins); }
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);
    int itemIndex() const { return m_itemIndex; }
    // Stores the index and selects the item when it exists.
    void setItemIndex(int index);
    TNxOutlookBarItems &items() { return m_items; }
    void setItems(const TNxOutlookBarItems &items) { m_items.assign(items); }
    TNxImageList *largeImages() const { return m_largeImages; }
    void setLargeImages(TNxImageList *images);
    TNxImageList *smallImages() const { return m_smallImages; }
    void setSmallImages(TNxImageList *images);
    TOutlookBarOptions options() const { return m_options; }
    void setOptions(TOutlookBarOptions options) { m_options = options; }
    int splitterHeight() const { return m_splitterHeight; }
    void setSplitterHeight(int height);
    TOutlookBarStyle style() const { return m_style; }
    void setStyle(TOutlookBarStyle style);
    int textIndent() const { return m_textIndent; }
    void setTextIndent(int indent);
    int toolbarHeight() const { return m_toolbarHeight; }
    void setToolbarHeight(int height);

    TNxOutlookBarItem *getItem(int index) const { return m_items.item(index); }
    // Nothing for nullptr or the selected item; else selects it and fires OnSelect.
    void selectItem(TNxOutlookBarItem *item);
    TNxOutlookBarItem *selectedItem() const { return m_selectedItem; }
    TNxOutlookBarItem *hotItem() const { return m_hotItem; }
    TNxOutlookBarItem *pressedItem() const { return m_pressedItem; }
    bool dragging() const { return m_dragging; }

    OutlookBarLayout layout() const;
    int navigationHeight() const { return layout().navigationHeight(); }
    TNxOutlookBarItem *itemAt(const QPoint &point) const;
    QRect itemRect(const TNxOutlookBarItem *item) const;

    virtual int getToolbarButtonWidth() const;
    // The first and second colour of an item in a state.
    virtual void getItemColors(unsigned state, TColorScheme scheme, TColor &second, TColor &first) const;

signals:
    void change();
    void select();
    // A left click released on an item, selected already or not.
    void itemClicked(TNxOutlookBarItem *item);
    void drawItem(QPainter *painter, TNxOutlookBarItem *item, const QRect &rect, unsigned state);

protected:
    friend class TNxOutlookBarItem;
    friend class TNxOutlookBarItems;
    virtual void doChange();
    virtual void doSelect();
    virtual void doDrawItem(QPainter &painter, TNxOutlookBarItem *item, const QRect &rect, unsigned state);
    virtual void drawItemBackground(QPainter &painter, TColor itemColor, const QRect &rect, unsigned state, bool small);
    virtual void drawItemContent(QPainter &painter, const QRect &rect, TNxOutlookBarItem *item, unsigned state,
                                 bool small);
    virtual void drawSplitter(QPainter &painter, const QRect &rect);
    virtual void drawToolbar(QPainter &painter, const QRect &rect);

    void itemsChanged();
    void itemVisibilityChanged();
    void itemRemoved(const TNxOutlookBarItem *item);
    void repaintItem(const TNxOutlookBarItem *item);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    unsigned stateOf(const TNxOutlookBarItem *item) const;
    void clampDisplayCount();
    void updateClientArea();
    void setHotItem(TNxOutlookBarItem *item);
    void drawOneItem(QPainter &painter, TNxOutlookBarItem *item, const QRect &rect, bool small);

    bool m_adaptiveColors = true;
    TColor m_color = clWindow;
    TColorScheme m_colorScheme = csDefault;
    int m_displayCount = 0;
    TDrawingOptions m_drawingOptions = doNormal;
    TNxMargins m_innerMargins;
    int m_itemHeight = 31;
    int m_itemIndex = 0;
    TNxOutlookBarItems m_items;
    QPointer<TNxImageList> m_largeImages;
    QPointer<TNxImageList> m_smallImages;
    TOutlookBarOptions m_options = boOptionsMenu;
    int m_splitterHeight = 9;
    TOutlookBarStyle m_style = osOffice2007;
    int m_textIndent = 35;
    int m_toolbarHeight = 30;

    TNxOutlookBarItem *m_pressedItem = nullptr;
    TNxOutlookBarItem *m_hotItem = nullptr;
    TNxOutlookBarItem *m_selectedItem = nullptr;
    bool m_dragging = false;
};

} // namespace talmo
