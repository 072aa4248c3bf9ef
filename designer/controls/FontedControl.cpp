#include "designer/controls/FontedControl.h"

#include "widgets/Colors.h"

#include <QEvent>

namespace talmo {

TFontedControl::TFontedControl(int defaultColor, bool defaultParentColor, QWidget *parent)
    : TVisualControl(parent),
      m_color(defaultColor),
      m_parentColor(defaultParentColor)
{
    connect(&m_font, &TDesignFont::changed, this, &TFontedControl::fontEdited);
    setFont(m_font.toQFont());
    followParent();
}

void TFontedControl::setColor(int color)
{
    if (!m_following)
        m_parentColor = false;
    if (m_color == color)
        return;
    m_color = color;
    colorChanged();
    passOnToChildren();
}

void TFontedControl::setParentColor(bool parentColor)
{
    m_parentColor = parentColor;
    followParent();
}

void TFontedControl::setParentFont(bool parentFont)
{
    m_parentFont = parentFont;
    followParent();
}

bool TFontedControl::fontStored(const QObject &object)
{
    return !static_cast<const TFontedControl &>(object).m_parentFont;
}

bool TFontedControl::colorStored(const QObject &object)
{
    return !static_cast<const TFontedControl &>(object).m_parentColor;
}

bool TFontedControl::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        followParent();
    return TVisualControl::event(event);
}

void TFontedControl::colorChanged()
{
    if (QWidget *widget = inner()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Base, SystemColors::toQColor(m_color));
        palette.setColor(QPalette::Button, SystemColors::toQColor(m_color));
        widget->setPalette(palette);
    }
    update();
}

void TFontedControl::fontEdited()
{
    if (!m_following)
        m_parentFont = false;
    setFont(m_font.toQFont());
    update();
    passOnToChildren();
}

void TFontedControl::followParent()
{
    const auto *parent = qobject_cast<const TFontedControl *>(parentWidget());
    if (!parent)
        return;
    m_following = true;
    if (m_parentFont)
        m_font.assign(parent->m_font);
    if (m_parentColor)
        setColor(parent->m_color);
    m_following = false;
}

void TFontedControl::passOnToChildren()
{
    for (QObject *child : children()) {
        if (auto *control = qobject_cast<TFontedControl *>(child))
            control->followParent();
    }
}

} // namespace talmo
