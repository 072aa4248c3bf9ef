#pragma once

#include "designer/DesignFont.h"
#include "designer/controls/VisualControl.h"

namespace talmo {

// A control with Font and Color that follow its parent's while ParentFont and
// ParentColor are on; an edit of either turns its Parent switch off. The
// font is stored only without ParentFont, the colour only without ParentColor.
class TFontedControl : public TVisualControl
{
    Q_OBJECT
    Q_CLASSINFO("talmo:Color", "TColor")
    Q_PROPERTY(int Color READ color WRITE setColor)
    Q_PROPERTY(QObject *Font READ fontObject)
    Q_PROPERTY(bool ParentColor READ parentColor WRITE setParentColor)
    Q_PROPERTY(bool ParentFont READ parentFont WRITE setParentFont)

public:
    TFontedControl(int defaultColor, bool defaultParentColor, QWidget *parent = nullptr);

    int color() const { return m_color; }
    void setColor(int color);
    bool parentColor() const { return m_parentColor; }
    void setParentColor(bool parentColor);
    TDesignFont &designFont() { return m_font; }
    const TDesignFont &designFont() const { return m_font; }
    QObject *fontObject() { return &m_font; }
    bool parentFont() const { return m_parentFont; }
    void setParentFont(bool parentFont);

    static bool fontStored(const QObject &object);
    static bool colorStored(const QObject &object);

protected:
    bool event(QEvent *event) override;
    // Recolours the inner widget's background (or repaints a painted class).
    virtual void colorChanged();

private:
    void fontEdited();
    void followParent();
    void passOnToChildren();

    int m_color;
    bool m_parentColor;
    bool m_parentFont = true;
    bool m_following = false;
    TDesignFont m_font;
};

} // namespace talmo
