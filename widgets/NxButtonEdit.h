#pragma once

#include "widgets/Colors.h"
#include "widgets/NxEdit.h"

namespace talmo {

class TNxSmallButton;
class TNxPopupControl;

enum TNxEditOption { epDisablePaste = 0x1, epDisableTyping = 0x2 };
Q_DECLARE_FLAGS(TNxEditOptions, TNxEditOption)

// An edit with a button at its right edge. The text margins keep clear of
// the button; with epDisableTyping the text changes only from code (or a
// popup), with epDisablePaste pasting is ignored.
class TNxCustomButtonEdit : public TNxEdit
{
    Q_OBJECT
public:
    explicit TNxCustomButtonEdit(QWidget *parent = nullptr);
    ~TNxCustomButtonEdit() override;

    TNxEditOptions options() const { return m_options; }
    void setOptions(TNxEditOptions options) { m_options = options; }
    TNxSmallButton *button() const { return m_button; }
    int buttonWidth() const;
    void setButtonWidth(int width);
    void getTextMargins(int &left, int &right) const override;

    // Closes the popup and takes the popup's text.
    virtual void acceptPopupText(TNxPopupControl *sender, const QString &text);

signals:
    void buttonClick();

protected:
    // Builds the button (call once from the most derived constructor).
    void createButton();
    virtual TNxSmallButton *createButtonObject();
    virtual void buttonDown();
    virtual void buttonUp();
    virtual void setTextFromPopup(const QString &text);
    virtual void placeButton();

    bool acceptsEditingKey(QKeyEvent *event) override;
    bool pasteAllowed() const override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TNxSmallButton *m_button = nullptr;
    TNxEditOptions m_options;
};

// The file and folder fields: a "..." button that reports buttonClick.
class TNxButtonEdit : public TNxCustomButtonEdit
{
    Q_OBJECT
public:
    explicit TNxButtonEdit(QWidget *parent = nullptr);

    QString buttonCaption() const;
    void setButtonCaption(const QString &caption);
    const QPixmap &buttonGlyph() const;
    // Pixels of transparentColor become transparent (clNone: none do).
    void setButtonGlyph(const QPixmap &glyph);
    TColor transparentColor() const { return m_transparentColor; }
    void setTransparentColor(TColor color);

private:
    QPixmap m_sourceGlyph;
    TColor m_transparentColor = clNone;
};

} // namespace talmo

Q_DECLARE_OPERATORS_FOR_FLAGS(talmo::TNxEditOptions)
