#pragma once

#include "widgets/NxTextItem.h"

#include <QStringList>

namespace talmo {

// A text row with a drop-down choice of lines; the lines may be
// "name=value" pairs of which the value or the name is shown.
class TNxComboBoxItem : public TNxPopupItem
{
    Q_OBJECT

public:
    enum DisplayMode { dmDefault, dmIndentList, dmNameList, dmValueList };
    enum Style { cbDropDown, cbDropDownList };

    TNxEditorKind editorKind() const override { return TNxEditorKind::ComboBox; }

    DisplayMode displayMode() const { return m_displayMode; }
    void setDisplayMode(DisplayMode value) { m_displayMode = value; }
    int dropDownCount() const { return m_dropDownCount; }
    void setDropDownCount(int value) { m_dropDownCount = value; }
    int itemIndex() const { return m_itemIndex; }
    // Stores the index; an index within the lines also sets the value.
    void setItemIndex(int index);
    QStringList lines() const { return m_lines; }
    void setLines(const QStringList &value) { m_lines = value; }
    Style style() const { return m_style; }
    void setStyle(Style value) { m_style = value; }

    // The value a line gives in a display mode. A line without "=" stands
    // for itself as name and as value.
    static QString lineValue(const QString &line, DisplayMode mode);

    // The editor's list closed with this line chosen: the index changes, not the value.
    void editorClosedUp(int editorItemIndex);
    void editRejected(int editorItemIndex) override { setItemIndex(editorItemIndex); }

private:
    DisplayMode m_displayMode = dmDefault;
    int m_dropDownCount = 8;
    int m_itemIndex = -1;
    QStringList m_lines;
    Style m_style = cbDropDown;
};

// A combo row whose lines are the installed font names.
class TNxFontNameItem : public TNxComboBoxItem
{
    Q_OBJECT

public:
    TNxDisplayKind displayKind() const override { return TNxDisplayKind::FontName; }
    TNxEditorKind editorKind() const override { return TNxEditorKind::FontComboBox; }
};

} // namespace talmo
