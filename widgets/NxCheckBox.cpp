#include "widgets/NxCheckBox.h"

#include "widgets/Themes.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include <algorithm>

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
    if (!m_wordWrap)
        return QSize(75, 21);
    const int box = boxRect().width() + 2 + m_indent;
    return QSize(box + fontMetrics().horizontalAdvance(text()) + 2, 21);
}

QSize TNxCheckBox::minimumSizeHint() const
{
    if (!m_wordWrap)
        return QAbstractButton::minimumSizeHint();
    // The longest word on a line of its own.
    int longest = 0;
    for (const QString &word : text().split(u' ', Qt::SkipEmptyParts))
        longest = std::max(longest, fontMetrics().horizontalAdvance(word));
    return QSize(boxRect().width() + 2 + m_indent + longest + 2, 21);
}

void TNxCheckBox::setWordWrap(bool value)
{
    m_wordWrap = value;
    if (value)
        m_verticalAlignment = VertAlign::Top;
    QSizePolicy policy = sizePolicy();
    // A wrapping caption may be narrower than its one-line width.
    if (value) {
        policy.setHorizontalPolicy(QSizePolicy::Preferred);
        policy.setVerticalPolicy(QSizePolicy::Preferred);
    }
    policy.setHeightForWidth(value);
    setSizePolicy(policy);
    updateGeometry();
    update();
}

int TNxCheckBox::heightForWidth(int width) const
{
    const int textWidth = std::max(1, width - (boxRect().width() + 2 + m_indent));
    const int lines = fontMetrics().boundingRect(QRect(0, 0, textWidth, 100000), Qt::TextWordWrap, text()).height();
    return std::max(21, lines + 4);
}

QRect TNxCheckBox::textRect() const
{
    QRect area = rect();
    area.setLeft(boxRect().right() + 1 + m_indent);
    return m_wordWrap ? area.adjusted(0, 2, 0, -2) : area;
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
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    if (m_wordWrap)
        SharedDraw::drawWrappedTextRect(painter, textRect(), HorzAlign::Left, VertAlign::Top, true, text());
    else
        SharedDraw::drawTextRect(painter, textRect(), HorzAlign::Left, text());
}

} // namespace talmo
