#pragma once

#include "widgets/Colors.h"
#include "widgets/NxPropertyItem.h"

#include <QList>
#include <QPixmap>
#include <QRect>

#include <memory>

class QPainter;

namespace talmo {

class TNxToolbarItem;

enum TPropertiesStyle { psDefault, psOffice2003, psOffice2007, psWhidbey };
enum TButtonsStyle { btAuto, btCustom };

// What the inspector hands a painter before each call.
struct TNxDisplayContext
{
    QPainter *painter = nullptr;
    bool rightToLeft = false;
    bool visualStyles = false;
    bool styledCategories = false;
    TColor selectionColor = clHighlight;
    TColor highlightTextColor = clHighlightText;
    TColor gridColor = clBtnFace;
    TColor marginColor = clBtnFace;
    TColor categoriesColor = clBtnFace;
    bool selected = false;
    const QList<QPixmap> *images = nullptr;
    TPropertiesStyle style = psDefault;
    TButtonsStyle buttonsStyle = btAuto;
    QPixmap expandGlyph;
    QPixmap collapseGlyph;
};

// A row's caption as it shows in the given width: whole, or cut in the
// middle, or at one end where the middle would make it read as another row
// of its group.
QString ShownCaption(const TNxPropertyItem *item, int width);

// Draws one row's cells and takes the mouse and keys that fall into its
// value cell (coordinates relative to the cell's top-left corner).
class TNxItemDisplay
{
public:
    explicit TNxItemDisplay(TNxPropertyItem *item)
        : m_item(item)
    {
    }
    virtual ~TNxItemDisplay() = default;

    // The painter class a row kind names.
    static std::unique_ptr<TNxItemDisplay> create(TNxPropertyItem *item);

    TNxPropertyItem *item() const { return m_item; }
    void setContext(const TNxDisplayContext &context) { m_context = context; }
    void setRect(const QRect &rect) { m_rect = rect; }
    QRect rect() const { return m_rect; }

    void paintCaption();
    void paintExpandButton();
    void paintSuffix();
    virtual void paintValue();

    virtual void keyDown(int key, Qt::KeyboardModifiers modifiers);
    virtual void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    virtual void mouseLeave() {}
    virtual void mouseMove(Qt::KeyboardModifiers modifiers, int x, int y);
    virtual void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    virtual void paintBackground();
    virtual void paintPreview(const QRect &rect);
    QPainter &painter() const { return *m_context.painter; }
    const TNxDisplayContext &context() const { return m_context; }

private:
    TNxPropertyItem *m_item;
    TNxDisplayContext m_context;
    QRect m_rect;
};

// Text, number, date, time, button and combo rows.
class TNxTextItemDisplay : public TNxItemDisplay
{
public:
    using TNxItemDisplay::TNxItemDisplay;
    void paintValue() override;
    QRect textRect() const;

    // The value's text as drawn: password characters in place of a password
    // row's text, the empty text when there is no value.
    static QString shownText(const TNxPropertyItem &item);
    // A value other than the default (ignoring case) is bold with itoBoldNonDefault.
    static bool drawsBold(const TNxPropertyItem &item);

protected:
    void paintText();
};

// Colour rows: a swatch in the preview box.
class TNxColorItemDisplay : public TNxTextItemDisplay
{
public:
    using TNxTextItemDisplay::TNxTextItemDisplay;

protected:
    void paintPreview(const QRect &rect) override;
};

// Font-name rows: a sample in the preview box.
class TNxFontNameItemDisplay : public TNxTextItemDisplay
{
public:
    using TNxTextItemDisplay::TNxTextItemDisplay;

protected:
    void paintPreview(const QRect &rect) override;
};

// Toolbar rows: a row of buttons, hot and pressed ones framed.
class TNxToolbarItemDisplay : public TNxItemDisplay
{
public:
    explicit TNxToolbarItemDisplay(TNxPropertyItem *item);

    void paintValue() override;
    void keyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override;
    void mouseLeave() override;
    void mouseMove(Qt::KeyboardModifiers modifiers, int x, int y) override;
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override;

    // The button under x of a value cell this wide; -1 for none.
    int buttonAt(int x, int cellWidth) const;
    QRect buttonRect(int index, const QRect &cell) const;
    int hotButton() const { return m_hot; }
    int pressedButton() const { return m_pressed; }

protected:
    void paintBackground() override;
    virtual void paintButton(const QRect &rect, bool checked, bool hot, bool pressed, int index);
    TNxToolbarItem *toolbar() const;

private:
    void setHot(int index);

    int m_pressed = -1;
    int m_hot = -1;
};

// Check-box rows: Space toggles; a check mark or a toolbar button.
class TNxCheckBoxItemDisplay : public TNxToolbarItemDisplay
{
public:
    using TNxToolbarItemDisplay::TNxToolbarItemDisplay;
    void keyDown(int key, Qt::KeyboardModifiers modifiers) override;

protected:
    void paintButton(const QRect &rect, bool checked, bool hot, bool pressed, int index) override;
};

} // namespace talmo
