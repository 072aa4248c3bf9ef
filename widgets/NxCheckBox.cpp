#include "widgets/NxCheckBox.h"

#include "widgets/Themes.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace talmo {

TNxCheckBox::TNxCheckBox(QWidget *parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    resize(75, 21);
}

void TNxCheckBox::setAlignment(HorzAlign value)
{
    m_alignment = value;
    update();
}

void TNxCheckBox::setVerticalAlignment(VertAlign value)
{
    m_verticalAlignment = value;
    update();
}

void TNxCheckBox::setIndent(int value)
{
    m_indent = value;
    update();
}

void TNxCheckBox::setOptions(TCheckBoxOptions value)
{
    m_options = value;
    update();
}

QRect TNxCheckBox::boxRect() const
{
    const int size = Themes::isThemed() ? 13 : 11;
    return QRect(SharedDraw::alignBox(size, size, 2, rect(), m_alignment, m_verticalAlignment), QSize(size, size));
}

QSize TNxCheckBox::sizeHint() const
{
    return QSize(75, 21);
}

bool TNxCheckBox::hitButton(const QPoint &pos) const
{
    if (m_options & coExpandActiveRect)
        return rect().contains(pos);
    return boxRect().adjusted(-1, -1, 1, 1).contains(pos);
}

void TNxCheckBox::setHot(bool value)
{
    if (m_hot == value)
        return;
    m_hot = value;
    update();
}

void TNxCheckBox::mouseMoveEvent(QMouseEvent *event)
{
    setHot(hitButton(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
}

void TNxCheckBox::leaveEvent(QEvent *event)
{
    setHot(false);
    QAbstractButton::leaveEvent(event);
}

void TNxCheckBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRect box = boxRect();
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = box;
    option.state |= isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (isDown())
        option.state |= QStyle::State_Sunken;
    if (m_hot)
        option.state |= QStyle::State_MouseOver;
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
    QRect textRect = rect();
    textRect.setLeft(box.x() + box.width() + m_indent);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    SharedDraw::drawTextRect(painter, textRect, HorzAlign::Left, text());
}

} // namespace talmo
