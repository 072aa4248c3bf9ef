#pragma once

#include "widgets/NxPropertyItem.h"

#include <QImage>

#include <memory>
#include <vector>

namespace talmo {

class TNxToolbarItem;
class TNxToolbarItemButtons;

// One button of a toolbar row.
class TNxToolbarItemButton
{
public:
    explicit TNxToolbarItemButton(TNxToolbarItemButtons *collection)
        : m_collection(collection)
    {
    }

    int index() const;
    bool autoCheck() const { return m_autoCheck; }
    void setAutoCheck(bool value) { m_autoCheck = value; }
    bool checked() const { return m_checked; }
    // Follows the collection's rules, then repaints the button.
    void setChecked(bool value);
    bool divider() const { return m_divider; }
    void setDivider(bool value) { m_divider = value; }
    QImage glyph() const { return m_glyph; }
    void setGlyph(const QImage &value);
    QString text() const { return m_text; }
    void setText(const QString &value) { m_text = value; }

private:
    friend class TNxToolbarItemButtons;

    TNxToolbarItemButtons *m_collection;
    bool m_autoCheck = true;
    bool m_checked = false;
    bool m_divider = false;
    QImage m_glyph;
    QString m_text;
};

// The buttons of a toolbar row, with the count of checked ones.
class TNxToolbarItemButtons
{
public:
    explicit TNxToolbarItemButtons(TNxToolbarItem *item)
        : m_item(item)
    {
    }

    TNxToolbarItemButton *add();
    void clear();
    int count() const { return int(m_buttons.size()); }
    TNxToolbarItemButton *item(int index) const;
    int indexOf(const TNxToolbarItemButton *button) const;
    int checkedCount() const { return m_checkedCount; }
    TNxToolbarItem *toolbarItem() const { return m_item; }
    // Copies texts, flags and glyphs of another collection.
    void assign(const TNxToolbarItemButtons &source);

    // Applies the checking rules; true when the state changed.
    bool setButtonChecked(int index, bool checked);

private:
    TNxToolbarItem *m_item;
    std::vector<std::unique_ptr<TNxToolbarItemButton>> m_buttons;
    int m_checkedCount = 0;
};

// A row of small buttons; its value is the texts of the checked buttons.
class TNxToolbarItem : public TNxPropertyItem
{
    Q_OBJECT

public:
    enum ButtonAlignment { baLeftJustify, baRightJustify };

    TNxToolbarItem();
    ~TNxToolbarItem() override;

    // The texts of the checked buttons joined with ",".
    QString asString() const override;
    // Checks exactly the buttons whose text occurs in the value.
    void setAsString(const QString &value) override;

    TNxDisplayKind displayKind() const override { return TNxDisplayKind::Toolbar; }

    TNxToolbarItemButtons &buttons() { return m_buttons; }
    const TNxToolbarItemButtons &buttons() const { return m_buttons; }
    void setButtons(const TNxToolbarItemButtons &value) { m_buttons.assign(value); }
    ButtonAlignment alignment() const { return m_alignment; }
    void setAlignment(ButtonAlignment value);
    bool allowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool value) { m_allowAllUp = value; }
    int buttonWidth() const { return m_buttonWidth; }
    void setButtonWidth(int value);
    bool grouped() const { return m_grouped; }
    void setGrouped(bool value) { m_grouped = value; }
    bool drawBackground() const { return m_drawBackground; }
    void setDrawBackground(bool value);
    bool showText() const { return m_showText; }
    void setShowText(bool value);

    // Sets a button's state by the collection's rules, writes the bound
    // property, then tells the inspector the value changed.
    virtual void setButtonChecked(int index, bool checked);
    // A click on a button that does not check itself.
    void clickButton(int index);
    // Keys "1" to ";" pick a button that is not a divider (the first when
    // there are fewer); a self-checking one toggles.
    void pressButtonKey(int key);

signals:
    void toolButtonClick(talmo::TNxPropertyItem *item, int buttonIndex);

protected:
    // Kinds with buttons of their own add them here, from their constructor.
    virtual void createButtons() {}

private:
    friend class TNxToolbarItemButtons;

    TNxToolbarItemButtons m_buttons;
    ButtonAlignment m_alignment = baLeftJustify;
    bool m_allowAllUp = false;
    int m_buttonWidth = 17;
    bool m_grouped = false;
    bool m_drawBackground = false;
    bool m_showText = false;
};

} // namespace talmo
