#include "widgets/NxPopupEdit.h"

#include "widgets/SharedDraw.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOption>

namespace talmo {

namespace {

// A line edit's frame (2) and its text margin (2).
constexpr int DisplayTextInset = 4;

} // namespace

TDropDownButton::TDropDownButton(TNxCustomEdit *cellEditor)
    : TNxSmallButton(cellEditor)
{
    resize(16, height());
}

void TDropDownButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    option.rect = rect();
    option.state |= down() ? QStyle::State_Sunken : QStyle::State_Raised;
    if (hover())
        option.state |= QStyle::State_MouseOver;
    if (!cellEditor()->isEnabled())
        option.state &= ~QStyle::State_Enabled;
    painter.fillRect(rect(), palette().color(QPalette::Button));
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
    option.rect = rect().adjusted(3, 3, -3, -3).translated(down() ? 1 : 0, down() ? 1 : 0);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, this);
}

TNxPopupControl::TNxPopupControl(TNxPopupEdit *owner)
    : TNxControl(owner, Qt::Popup | Qt::FramelessWindowHint)
    , m_owner(owner)
{
    // A click that closes the popup must not reach the widget under it (it
    // would open the popup again when that is the arrow button).
    setAttribute(Qt::WA_NoMouseReplay);
    vertScrollBar().setLargeChange(10);
    resize(80, 50);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive && !m_closed)
            closePopup();
    });
}

void TNxPopupControl::popup(const QPoint &globalPoint, bool openedByMouse)
{
    QPoint point = globalPoint;
    const QRect ownerRect(point, m_owner->size());
    QScreen *screen = QGuiApplication::screenAt(ownerRect.center());
    if (!screen)
        screen = m_owner->screen();
    const QRect work = screen->availableGeometry();
    if (work.x() + work.width() < ownerRect.x() + ownerRect.width())
        point.setX(work.x() + work.width() - width());
    else if (ownerRect.x() < work.x())
        point.setX(work.x());
    if (work.y() + work.height() < ownerRect.y() + ownerRect.height())
        point.setY(work.y() + work.height() - height());
    else if (ownerRect.y() < work.y())
        point.setY(work.y());
    move(point);
    m_closed = false;
    m_armed = !openedByMouse;
    show();
    raise();
    update();
}

void TNxPopupControl::closePopup()
{
    m_armed = false;
    m_owner->setDroppedDown(false);
    m_owner->popupClosedUp();
}

void TNxPopupControl::doSelect(const QString &text)
{
    m_owner->acceptPopupText(this, text);
}

void TNxPopupControl::mousePressEvent(QMouseEvent *event)
{
    if (!rect().contains(event->position().toPoint())) {
        closePopup();
        return;
    }
    TNxControl::mousePressEvent(event);
}

void TNxPopupControl::mouseReleaseEvent(QMouseEvent *event)
{
    TNxControl::mouseReleaseEvent(event);
    if (!m_armed) {
        m_armed = true;
        return;
    }
    if (rect().contains(event->position().toPoint()))
        selectAt(event->position().toPoint());
    else if (!m_closed)
        closePopup();
}

void TNxPopupControl::keyPressEvent(QKeyEvent *event)
{
    // The popup holds the keyboard while open; the edit decides what keys do.
    QCoreApplication::sendEvent(m_owner, event);
}

void TNxPopupControl::hideEvent(QHideEvent *event)
{
    TNxControl::hideEvent(event);
    if (!m_closed)
        closePopup();
}

TNxPopupEdit::TNxPopupEdit(QWidget *parent)
    : TNxCustomButtonEdit(parent)
{
    createButton();
}

TNxSmallButton *TNxPopupEdit::createButtonObject()
{
    return new TDropDownButton(this);
}

void TNxPopupEdit::setPopup(TNxPopupControl *popup)
{
    m_popup = popup;
    m_popup->hide();
}

void TNxPopupEdit::setStyle(TDropDownStyle style)
{
    m_style = style;
    setReadOnly(style == dsDropDownList);
    setCursor(style == dsDropDownList ? Qt::ArrowCursor : Qt::IBeamCursor);
    update();
}

void TNxPopupEdit::preparePopup()
{
}

void TNxPopupEdit::openPopup(bool byMouse)
{
    if (m_droppedDown || !m_popup)
        return;
    m_popup->setFont(font());
    m_popup->resize(width(), m_popup->height());
    preparePopup();
    m_droppedDown = true;
    setEditing(true);
    m_popup->popup(mapToGlobal(QPoint(-1, height())), byMouse);
    update();
}

void TNxPopupEdit::setDroppedDown(bool value)
{
    if (value == m_droppedDown)
        return;
    if (value) {
        openPopup(false);
        return;
    }
    m_droppedDown = false;
    m_popup->markClosed();
    setEditing(false);
    button()->setDown(false);
    m_popup->hide();
    emit closeUp();
    update();
}

void TNxPopupEdit::popupClosedUp()
{
    buttonUp();
}

void TNxPopupEdit::acceptPopupText(TNxPopupControl *sender, const QString &text)
{
    emit select();
    setDroppedDown(false);
    TNxCustomButtonEdit::acceptPopupText(sender, text);
}

void TNxPopupEdit::buttonDown()
{
    if (m_droppedDown)
        setDroppedDown(false);
    else
        openPopup(true);
}

void TNxPopupEdit::infoMouseDown(QMouseEvent *event)
{
    if (m_style == dsDropDownList && event->button() == Qt::LeftButton) {
        button()->setDown(true);
        openPopup(true);
        return;
    }
    TNxCustomButtonEdit::infoMouseDown(event);
}

void TNxPopupEdit::mousePressEvent(QMouseEvent *event)
{
    if (m_style == dsDropDownList && event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        button()->setDown(true);
        openPopup(true);
        event->accept();
        return;
    }
    TNxCustomButtonEdit::mousePressEvent(event);
}

void TNxPopupEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && (event->modifiers() & Qt::AltModifier)) {
        if (m_droppedDown)
            setDroppedDown(false);
        else
            openPopup(false);
        event->accept();
        return;
    }
    if (m_droppedDown && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
        setDroppedDown(false);
        event->accept();
        return;
    }
    TNxCustomButtonEdit::keyPressEvent(event);
}

void TNxPopupEdit::paintDisplay(QPainter &painter)
{
    QRect area = rect();
    area.setWidth(width() - buttonWidth());
    const bool focused = hasFocus() && !inplaceEditor();
    painter.fillRect(area.adjusted(2, 2, -2, -2), palette().color(focused ? QPalette::Highlight : QPalette::Base));
    if (hasFocus() && !m_hideFocus && !inplaceEditor())
        SharedDraw::drawFocusFrame(painter, area.adjusted(2, 2, -2, -2), false);
    // The text sits where an edit's would: inside the frame with an edit's
    // margin, centred in the whole height so a low row keeps its descenders.
    QRect textRect = area;
    textRect.setLeft(textRect.left() + editMarginLeft() + infoAreaWidth());
    textRect.setRight(textRect.right() - editMarginRight());
    textRect.adjust(DisplayTextInset, 0, -DisplayTextInset, 0);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, focused ? QPalette::HighlightedText : QPalette::Text));
    const HorzAlign align = alignment() & Qt::AlignRight    ? HorzAlign::Right
                            : alignment() & Qt::AlignHCenter ? HorzAlign::Center
                                                             : HorzAlign::Left;
    SharedDraw::drawWrappedTextRect(painter, textRect, align, VertAlign::Center, false, text(),
                                    layoutDirection() == Qt::RightToLeft);
}

void TNxPopupEdit::focusOutEvent(QFocusEvent *event)
{
    TNxCustomButtonEdit::focusOutEvent(event);
    if (!m_droppedDown)
        setEditing(false);
    update();
}

void TNxPopupEdit::hideEvent(QHideEvent *event)
{
    TNxCustomButtonEdit::hideEvent(event);
    if (m_droppedDown)
        setDroppedDown(false);
}

} // namespace talmo
