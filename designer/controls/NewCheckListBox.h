#pragma once

#include "designer/controls/CheckListItems.h"
#include "designer/controls/FontedControl.h"

#include <QHash>

namespace talmo {

// The installer's list of check boxes, radio buttons and groups in levels
// with tree lines. Items come only from the run-time interface (AddCheckBox
// ...), so on the design surface the list is empty. Outside design state a
// press or Space toggles an item; with WantTabs items act as buttons (the
// press captures, the release over the same item toggles) and Tab and the
// arrows step through the items that take a click.
class TNewCheckListBox : public TFontedControl
{
    Q_OBJECT
    Q_PROPERTY(TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool Flat READ flat WRITE setFlat)
    Q_PROPERTY(int MinItemHeight READ minItemHeight WRITE setMinItemHeight)
    Q_PROPERTY(int Offset READ offset WRITE setOffset)
    Q_PROPERTY(bool RequireRadioSelection READ requireRadioSelection WRITE setRequireRadioSelection)
    Q_PROPERTY(bool ShowLines READ showLines WRITE setShowLines)
    Q_PROPERTY(bool WantTabs READ wantTabs WRITE setWantTabs)

public:
    static constexpr int DefaultItemHeight = 16;
    // The check image, one unit wide with twice Offset around it.
    static constexpr int CheckSize = 13;

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
    bool requireRadioSelection() const { return m_requireRadioSelection; }
    void setRequireRadioSelection(bool require) { m_requireRadioSelection = require; }
    bool showLines() const { return m_showLines; }
    void setShowLines(bool show) { m_showLines = show; update(); }
    bool wantTabs() const { return m_wantTabs; }
    void setWantTabs(bool want);

    int AddCheckBox(const QString &caption, const QString &subItem, int level, bool checked, bool enabled,
                    bool hasInternalChildren, bool checkWhenParentChecked, QObject *object = nullptr);
    int AddGroup(const QString &caption, const QString &subItem, int level, QObject *object = nullptr);
    int AddRadioButton(const QString &caption, const QString &subItem, int level, bool checked, bool enabled,
                       QObject *object = nullptr);
    bool CheckItem(int index, TCheckItemOperation operation);
    const TCheckListItems &items() const { return m_items; }

    int itemIndex() const { return m_itemIndex; }
    // Selects the item and scrolls it into view.
    void setItemIndex(int index);
    // The first item shown.
    int topIndex() const { return m_topIndex; }
    // The item's area on the control; empty below the visible part.
    QRect itemRect(int index) const;
    int itemAt(const QPoint &point) const;
    // Enabled list, enabled item, a check box or radio button.
    bool isInteractive(int index) const;
    // With WantTabs outside design state, the accelerator of an interactive
    // item focuses the list, selects the item and toggles it; true when one did.
    bool dialogChar(QChar typed);

signals:
    // OnClickCheck: after a click, Space or accelerator toggled an item.
    void clickCheck();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool event(QEvent *event) override;
    void designingChanged() override;

private:
    int unit() const;
    int itemHeight(int index) const;
    int textIndent(int index) const;
    void paintItem(QPainter &painter, int index, const QRect &area);
    void paintLines(QPainter &painter, int index, const QRect &area);
    void toggle(int index);
    void endCapture(bool toggleIt);
    // The next item in that direction that takes a click (Tab skips radio
    // buttons that are not checked); -1 at the end.
    int nextInteractive(int from, int step, bool forTab) const;
    void step(int direction, bool forTab);
    // The next sibling in the tab order that takes the focus, in that direction.
    QWidget *nextSibling(int direction) const;
    void scrollTo(int index);
    bool takesInput() const { return !isDesigning() && designEnabled(); }
    // Alt and an item's accelerator reach dialogChar through Qt's shortcuts.
    void grabAccelerators();

    TCheckListItems m_items;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_flat = false;
    int m_minItemHeight = DefaultItemHeight;
    int m_offset = 4;
    bool m_requireRadioSelection = false;
    bool m_showLines = true;
    bool m_wantTabs = false;
    int m_itemIndex = -1;
    int m_topIndex = 0;
    int m_captured = -1;
    bool m_capturedByKey = false;
    QHash<int, QChar> m_accelerators;
};

} // namespace talmo
