#pragma once

#include "widgets/Colors.h"

#include <QDateTime>
#include <QFlags>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace talmo {

class TNxPropertyItems;

enum TItemOption { itoAutoApply = 0x1, itoBoldNonDefault = 0x2 };
Q_DECLARE_FLAGS(TItemOptions, TItemOption)

enum TSuffixStyle { ssDropDown, ssDropDownList, ssReadOnly };

// What an item tells its inspector; the numbers are the protocol's own.
enum class TNxItemNotification {
    Inserted = 0,
    ExpandLockChanged = 1,
    RowChanged = 2,
    Removed = 3,
    Collapsed = 4,
    Destroying = 5,
    EnabledChanged = 6,
    Expanded = 7,
    OptionsChanged = 8,
    LookChanged = 9,
    ValueChanged = 10,
    SuffixChanged = 12,
    ShowTextChanged = 13,
    ToolbarClick = 14,
    ToolbarButtonChanged = 15,
    VisibleChanged = 17,
    // After ValueChanged, once the value is in the bound property.
    ValueWritten = 18,
};

// The painter class a row kind asks for.
enum class TNxDisplayKind { Plain, Text, Color, FontName, Toolbar, CheckBox };

// The in-place editor a row kind asks for; the inspector makes the widget.
enum class TNxEditorKind { None, Edit, ComboBox, FontComboBox, ColorPicker, DatePicker, ButtonEdit, SpinEdit, TimeEdit };

// A child index outside an item's children.
class ItemIndexOutOfBounds : public std::out_of_range
{
public:
    ItemIndexOutOfBounds()
        : std::out_of_range("Index out of bounds")
    {
    }
};

// One row of the property inspector: caption, value as text, optional suffix
// and children shown indented below it. Widget-free: the inspector draws it
// and makes its editor from what the item's kind asks for.
class TNxPropertyItem : public QObject
{
    Q_OBJECT

public:
    TNxPropertyItem();
    ~TNxPropertyItem() override;

    TNxPropertyItems *items() const { return m_items; }
    TNxPropertyItem *parentItem() const { return m_parent; }
    int childCount() const { return m_childCount; }
    // The index-th direct child; throws ItemIndexOutOfBounds outside 0 .. childCount - 1.
    TNxPropertyItem *item(int index) const;
    int absoluteIndex() const;
    int nodeIndex() const;
    int sortedIndex() const;
    int level() const { return m_level; }
    bool hidden() const { return m_hidden; }
    bool inList() const { return m_inList; }
    // Not hidden and visible (the inspector adds its top-level rule).
    bool isShown() const { return !m_hidden && m_visible; }
    // Every ancestor expanded.
    bool ancestorsExpanded() const;
    int indent() const { return m_level >= 2 ? (m_level - 1) * 14 : 0; }

    QString caption() const { return m_caption; }
    void setCaption(const QString &value);
    TColor color() const { return m_color; }
    void setColor(TColor value);
    QString defaultValue() const { return m_defaultValue; }
    void setDefaultValue(const QString &value);
    QString emptyValue() const { return m_emptyValue; }
    void setEmptyValue(const QString &value);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool value);
    bool expanded() const { return m_expanded; }
    void setExpanded(bool value);
    bool expandLock() const { return m_expandLock; }
    void setExpandLock(bool value);
    QFont font() const { return m_font; }
    void setFont(const QFont &value);
    // The colour of the caption's font (the value font's is valueColor).
    TColor captionColor() const { return m_captionColor; }
    void setCaptionColor(TColor value);
    QString fullText() const { return getValue() + m_suffixValue; }
    int helpContext() const { return m_helpContext; }
    void setHelpContext(int value) { m_helpContext = value; }
    QString hint() const { return m_hint; }
    void setHint(const QString &value) { m_hint = value; }
    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int value);
    QString mapProperty() const { return m_mapProperty; }
    void setMapProperty(const QString &value);
    QString mapXML() const { return m_mapXML; }
    void setMapXML(const QString &value) { m_mapXML = value; }
    TItemOptions options() const { return m_options; }
    void setOptions(TItemOptions value);
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool value);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool value) { m_showHint = value; }
    bool showPreview() const { return m_showPreview; }
    void setShowPreview(bool value);
    bool showSuffix() const { return m_showSuffix; }
    void setShowSuffix(bool value);
    QStringList suffixes() const { return m_suffixes; }
    void setSuffixes(const QStringList &value) { m_suffixes = value; }
    TSuffixStyle suffixStyle() const { return m_suffixStyle; }
    void setSuffixStyle(TSuffixStyle value) { m_suffixStyle = value; }
    QString suffixValue() const { return m_suffixValue; }
    void setSuffixValue(const QString &value);
    QString tagString() const { return m_tagString; }
    void setTagString(const QString &value) { m_tagString = value; }
    int tag() const { return m_tag; }
    void setTag(int value) { m_tag = value; }
    QFont valueFont() const { return m_valueFont; }
    void setValueFont(const QFont &value);
    TColor valueColor() const { return m_valueColor; }
    void setValueColor(TColor value);
    bool visible() const { return m_visible; }
    void setVisible(bool value);

    QString value() const { return getValue(); }

    // The bound component; nothing means the inspector's associate.
    QObject *mapObject() const { return m_mapObject; }
    void setMapObject(QObject *object);
    // Reads the bound property into the row (also run when the associate is set).
    void readFromProperty();
    bool readingProperty() const { return m_reading; }

    // Copies the caption, looks, suffix and value of another item.
    virtual void assign(const TNxPropertyItem &source);

    virtual bool asBoolean() const { return false; }
    virtual void setAsBoolean(bool value);
    virtual QDateTime asDateTime() const { return {}; }
    virtual void setAsDateTime(const QDateTime &value);
    virtual double asFloat() const { return 0; }
    virtual void setAsFloat(double value);
    virtual int asInteger() const { return 0; }
    virtual void setAsInteger(int value);
    virtual QString asString() const { return {}; }
    virtual void setAsString(const QString &value);
    virtual QString getValue() const { return asString(); }
    virtual void setValue(const QString &value) { setAsString(value); }
    virtual QString getDisplayText() const { return getValue(); }

    virtual TNxDisplayKind displayKind() const { return TNxDisplayKind::Plain; }
    virtual TNxEditorKind editorKind() const { return TNxEditorKind::None; }
    virtual bool hasInplaceEditor() const { return false; }
    virtual bool hasPreview() const { return false; }
    // The inspector's editor reports a rejected edit with its item index.
    virtual void editRejected(int editorItemIndex) { Q_UNUSED(editorItemIndex) }
    // The editor's text was accepted on leaving it (the time row re-reads it).
    virtual void editorHidden() {}

    // Sends kind 10, writes the value into the bound property, then sends
    // kind 18 (unless a handler of kind 10 freed the item).
    void valueChanged();
    void notify(TNxItemNotification kind, int index = -1);

protected:
    bool destroying() const { return m_destroying; }
    // Writes the value into the bound property unless it is being read from it.
    void writeBoundProperty();

private:
    friend class TNxPropertyItems;
    friend class NxPropertyBinding;

    void refreshHiddenOfDescendants();
    bool hiddenByAncestors() const;

    TNxPropertyItems *m_items = nullptr;
    TNxPropertyItem *m_parent = nullptr;
    int m_childCount = 0;
    int m_level = 0;
    bool m_hidden = true;
    bool m_inList = false;
    bool m_reading = false;
    bool m_destroying = false;
    QPointer<QObject> m_mapObject;

    QString m_caption;
    TColor m_color = clWindow;
    QString m_defaultValue;
    QString m_emptyValue;
    bool m_enabled = true;
    bool m_expanded = true;
    bool m_expandLock = false;
    QFont m_font;
    int m_helpContext = 0;
    QString m_hint;
    int m_imageIndex = -1;
    QString m_mapProperty;
    QString m_mapXML;
    TItemOptions m_options;
    bool m_readOnly = false;
    bool m_showHint = false;
    bool m_showPreview = false;
    bool m_showSuffix = false;
    QStringList m_suffixes;
    TSuffixStyle m_suffixStyle = ssDropDown;
    QString m_suffixValue;
    QString m_tagString;
    int m_tag = 0;
    QFont m_valueFont;
    TColor m_captionColor = clWindowText;
    TColor m_valueColor = clWindowText;
    bool m_visible = true;
};

} // namespace talmo

Q_DECLARE_OPERATORS_FOR_FLAGS(talmo::TItemOptions)
