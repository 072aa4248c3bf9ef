#pragma once

#include "widgets/Colors.h"
#include "widgets/NxPopupEdit.h"

#include <QList>
#include <QPixmap>
#include <QStringList>

namespace talmo {

// How a line "name=value" of a combo box is shown.
enum TItemsDisplayMode { dmDefault, dmIndentList, dmNameList, dmValueList };

// The text of a combo line in a display mode: the line, its name (before
// the first "="), or its value (after it).
class ComboItemText
{
public:
    static QString name(const QString &line);
    static QString value(const QString &line);
    static QString display(const QString &line, TItemsDisplayMode mode);
    // dmIndentList: the name read as a whole number (0 when it is not one).
    static int indentLevel(const QString &line);
};

// The list window of a combo box: rows of ItemHeight pixels, the row under
// the pointer highlighted, a painted scroll bar when not every line fits.
class TNxPopupList : public TNxPopupControl
{
    Q_OBJECT
public:
    explicit TNxPopupList(TNxPopupEdit *owner);

    const QStringList &items() const { return m_items; }
    void setItems(const QStringList &items) { m_items = items; }
    QList<QPixmap> images() const { return m_images; }
    void setImages(const QList<QPixmap> &images) { m_images = images; }
    bool showImages() const { return m_showImages; }
    void setShowImages(bool value) { m_showImages = value; }
    TItemsDisplayMode displayMode() const { return m_displayMode; }
    void setDisplayMode(TItemsDisplayMode mode) { m_displayMode = mode; }
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int value) { m_itemHeight = std::max(1, value); }
    void setColors(TColor dropDown, TColor highlightText, TColor selection);

    int itemIndex() const { return m_itemIndex; }
    // Scrolls the line into view and moves the hover there.
    void setItemIndex(int index);
    int hoverIndex() const { return m_hoverIndex; }
    void setHoverIndex(int index);
    int itemCount() const { return int(m_items.size()); }
    int visibleCount() const;
    int scrollRange() const { return itemCount() - visibleCount(); }
    // As wide as the list must be to show every line whole.
    int widthForItems() const;

    void popup(const QPoint &globalPoint, bool openedByMouse) override;
    int vertScrollDelta(int oldPosition, int newPosition) const override;

protected:
    virtual void drawItem(QPainter &painter, int index, const QRect &rect);
    void selectAt(const QPoint &pos) override;
    void paintContent(QPainter &painter) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QRect rowRect(int row) const;
    // Where the line's text starts, from the left of its row.
    int textIndent(int index) const;

    QStringList m_items;
    QList<QPixmap> m_images;
    bool m_showImages = false;
    TItemsDisplayMode m_displayMode = dmDefault;
    int m_itemHeight = 16;
    int m_itemIndex = -1;
    int m_hoverIndex = -1;
    TColor m_dropDownColor = clWindow;
    TColor m_highlightTextColor = clHighlightText;
    TColor m_selectionColor = clHighlight;
};

// A combo box on the drop-down edit: the text follows ItemIndex by the
// display mode, Up and Down step through the lines, the wheel steps while
// closed, and a drop-down list selects by typed first letters.
class TNxComboBox : public TNxPopupEdit
{
    Q_OBJECT
public:
    explicit TNxComboBox(QWidget *parent = nullptr);

    const QStringList &items() const { return m_items; }
    void setItems(const QStringList &items);
    int itemIndex() const { return m_itemIndex; }
    // Stored without a range check; an index outside the lines gives empty text.
    void setItemIndex(int index);
    TItemsDisplayMode displayMode() const { return m_displayMode; }
    void setDisplayMode(TItemsDisplayMode mode) { m_displayMode = mode; }
    int dropDownCount() const { return m_dropDownCount; }
    void setDropDownCount(int value) { m_dropDownCount = value; }
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int value) { m_itemHeight = value; }
    QList<QPixmap> images() const { return m_images; }
    void setImages(const QList<QPixmap> &images) { m_images = images; }
    TColor dropDownColor() const { return m_dropDownColor; }
    void setDropDownColor(TColor color) { m_dropDownColor = color; }
    TColor highlightTextColor() const { return m_highlightTextColor; }
    void setHighlightTextColor(TColor color) { m_highlightTextColor = color; }
    TColor selectionColor() const { return m_selectionColor; }
    void setSelectionColor(TColor color) { m_selectionColor = color; }
    void setStyle(TDropDownStyle style) override;

    TNxPopupList *popupList() const;
    void acceptPopupText(TNxPopupControl *sender, const QString &text) override;

protected:
    using ListFactory = TNxPopupList *(*)(TNxPopupEdit *owner);
    TNxComboBox(QWidget *parent, ListFactory createList);
    void preparePopup() override;
    void setTextFromPopup(const QString &text) override;
    void textEditedByUser(const QString &text) override;
    void drawPreview(QPainter &painter, const QRect &rect) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QString textOfItem(int index) const;
    void stepItem(int delta);
    void selectByFirstLetter(QChar letter);

    QStringList m_items;
    int m_itemIndex = -1;
    TItemsDisplayMode m_displayMode = dmDefault;
    int m_dropDownCount = 8;
    int m_itemHeight = 16;
    QList<QPixmap> m_images;
    TColor m_dropDownColor = clWindow;
    TColor m_highlightTextColor = clHighlightText;
    TColor m_selectionColor = clHighlight;
};

// The list of a font combo box: each name drawn in its own font.
class TFontPopup : public TNxPopupList
{
    Q_OBJECT
public:
    using TNxPopupList::TNxPopupList;

protected:
    void drawItem(QPainter &painter, int index, const QRect &rect) override;
};

// A combo box of the installed font families; its preview shows a sample.
class TNxFontComboBox : public TNxComboBox
{
    Q_OBJECT
public:
    explicit TNxFontComboBox(QWidget *parent = nullptr);

protected:
    void drawPreview(QPainter &painter, const QRect &rect) override;
};

} // namespace talmo
