#include "widgets/Margins.h"

namespace talmo {

TMargins::TMargins(QObject *parent)
    : QObject(parent)
{
}

void TMargins::setHorizontal(int value)
{
    if (value == m_horizontal)
        return;
    m_horizontal = value;
    emit updated();
}

void TMargins::setVertical(int value)
{
    if (value == m_vertical)
        return;
    m_vertical = value;
    emit updated();
}

} // namespace talmo
