#include "helpers/ui/TntButtonEdit.h"

#include <QStyle>
#include <QToolButton>

namespace talmo {

TTntButtonEdit::TTntButtonEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_button(new QToolButton(this))
{
    m_button->setText(QString(3, QChar(0x2219)));
    QFont bold = m_button->font();
    bold.setBold(true);
    m_button->setFont(bold);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setCursor(Qt::ArrowCursor);
    connect(m_button, &QToolButton::clicked, this, &TTntButtonEdit::buttonClick);
    placeButton();
}

void TTntButtonEdit::setGlyph(const QIcon &glyph)
{
    m_button->setIcon(glyph);
    m_button->setToolButtonStyle(glyph.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
}

void TTntButtonEdit::doButtonClick()
{
    emit buttonClicked();
}

void TTntButtonEdit::buttonClick()
{
    doButtonClick();
    setFocus(Qt::OtherFocusReason);
}

void TTntButtonEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    placeButton();
}

// A square button filling the inside of the frame at the right edge; the text
// ends before it so nothing is typed under the button.
void TTntButtonEdit::placeButton()
{
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    const int side = qMax(0, height() - 2 * frame);
    m_button->setGeometry(width() - side - frame, frame, side, side);
    setTextMargins(0, 0, side, 0);
}

} // namespace talmo
