#include "widgets/NxMemo.h"

namespace talmo {

TNxMemo::TNxMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
}

void TNxMemo::setMargin(int value)
{
    m_margin = value;
    setViewportMargins(m_margin, 0, m_margin + 1, 0);
}

QRect TNxMemo::textRect() const
{
    return QRect(QPoint(m_margin, 0), QPoint(width() - m_margin - 2, height()));
}

} // namespace talmo
