#include "widgets/NxMargins.h"

#include <QRect>

namespace talmo {

TNxIndent::TNxIndent(QObject *parent)
    : QObject(parent)
{
}

void TNxIndent::setLeft(int value)
{
    store(m_left, value);
}

void TNxIndent::setTop(int value)
{
    store(m_top, value);
}

void TNxIndent::doChange()
{
    emit changed();
}

void TNxIndent::store(int &field, int value)
{
    field = value;
    if (!m_batch)
        doChange();
}

TNxMargins::TNxMargins(QObject *parent)
    : TNxIndent(parent)
{
}

void TNxMargins::setRight(int value)
{
    store(m_right, value);
}

void TNxMargins::setBottom(int value)
{
    store(m_bottom, value);
}

void TNxMargins::setMargins(int left, int top, int right, int bottom)
{
    m_batch = true;
    setLeft(left);
    setTop(top);
    setRight(right);
    setBottom(bottom);
    m_batch = false;
    doChange();
}

void TNxMargins::assign(const TNxMargins &other)
{
    setMargins(other.left(), other.top(), other.right(), other.bottom());
}

QRect TNxMargins::inset(const QRect &rect) const
{
    return rect.marginsRemoved(toQMargins());
}

} // namespace talmo
