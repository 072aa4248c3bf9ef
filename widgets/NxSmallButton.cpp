#include "widgets/NxSmallButton.h"

#include "widgets/NxEdit.h"
#include "widgets/SharedDraw.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace talmo {

TNxSmallButton::TNxSmallButton(TNxCustomEdit *cellEditor)
    : QWidget(cellEditor)
    , m_cellEditor(cellEditor)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void TNxSmallButton::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TNxSmallButton::setGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    update();
}

void TNxSmallButton::setDown(bool value)
{
    if (m_down == value)
        return;
    m_down = value;
    update();
}

void TNxSmallButton::setHover(bool value)
{
    if (m_hover == value)
        return;
    m_hover = value;
    update();
}

void TNxSmallButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_cellEditor->isVisible())
        m_cellEditor->setFocus(Qt::MouseFocusReason);
    setDown(true);
    emit pressed();
}

void TNxSmallButton::mouseReleaseEvent(QMouseEvent *)
{
    if (!m_down)
        return;
    setDown(false);
    emit released();
}

void TNxSmallButton::enterEvent(QEnterEvent *)
{
    setHover(true);
}

void TNxSmallButton::leaveEvent(QEvent *)
{
    setHover(false);
}

TNxExecuteButton::TNxExecuteButton(TNxCustomEdit *cellEditor)
    : TNxSmallButton(cellEditor)
{
    resize(21, height());
}

void TNxExecuteButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = rect();
    option.state |= down() ? QStyle::State_Sunken : QStyle::State_Raised;
    if (!cellEditor()->isEnabled())
        option.state &= ~QStyle::State_Enabled;
    if (hover())
        option.state |= QStyle::State_MouseOver;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    if (!glyph().isNull())
        painter.drawPixmap((width() - glyph().width()) / 2, (height() - glyph().height()) / 2, glyph());
    painter.setPen(palette().color(cellEditor()->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::ButtonText));
    SharedDraw::drawTextRect(painter, rect(), HorzAlign::Center, caption());
}

} // namespace talmo
