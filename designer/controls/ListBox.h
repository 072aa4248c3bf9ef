#pragma once

#include "designer/DesignStrings.h"
#include "designer/controls/FontedControl.h"

class QListWidget;

namespace talmo {

class TListBox : public TFontedControl
{
    Q_OBJECT
    Q_PROPERTY(TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int ItemHeight READ itemHeight WRITE setItemHeight)
    Q_PROPERTY(QObject *Items READ itemsObject)
    Q_PROPERTY(bool MultiSelect READ multiSelect WRITE setMultiSelect)
    Q_PROPERTY(bool Sorted READ sorted WRITE setSorted)
    Q_PROPERTY(TListBoxStyle Style READ style WRITE setStyle)

public:
    explicit TListBox(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height) { m_itemHeight = height; }
    TDesignStrings &items() { return m_items; }
    QObject *itemsObject() { return &m_items; }
    bool multiSelect() const { return m_multiSelect; }
    void setMultiSelect(bool multiSelect);
    bool sorted() const { return m_sorted; }
    void setSorted(bool sorted);
    TListBoxStyle style() const { return m_style; }
    void setStyle(TListBoxStyle style) { m_style = style; }

private:
    void showItems();

    QListWidget *m_list;
    TDesignStrings m_items;
    TBorderStyle m_borderStyle = bsSingle;
    int m_itemHeight = 13;
    bool m_multiSelect = false;
    bool m_sorted = false;
    TListBoxStyle m_style = lbStandard;
};

} // namespace talmo
