#include "widgets/NxButton.h"

#include "widgets/ClassicFrame.h"
#include "widgets/Colors.h"
#include "widgets/GlyphMask.h"
#include "widgets/SharedDraw.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>

namespace talmo {

namespace {

QColor qc(TColor color)
{
    return SystemColors::toQColor(color);
}

bool isDialogKey(const QKeyEvent *event)
{
    const int key = event->key();
    return (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

TNxButton::TNxButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    resize(75, 23);
    // Connected first, so the window's result is set before other handlers run.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (auto *dialog = qobject_cast<QDialog *>(window()); dialog && m_modalResult != 0)
            dialog->done(m_modalResult);
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusMoved(now); });
    watchWindow();
}

void TNxButton::watchWindow()
{
    QWidget *top = window();
    if (top == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = top != this ? top : nullptr;
    if (m_watchedWindow)
        m_watchedWindow->installEventFilter(this);
}

void TNxButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        watchWindow();
    QAbstractButton::changeEvent(event);
}

void TNxButton::showEvent(QShowEvent *event)
{
    // The window may have changed since the button was made (a parent moved).
    watchWindow();
    QAbstractButton::showEvent(event);
}

void TNxButton::setCancel(bool value)
{
    m_cancel = value;
}

void TNxButton::setDefault(bool value)
{
    m_default = value;
    focusMoved(QApplication::focusWidget());
}

void TNxButton::focusMoved(QWidget *now)
{
    if (now == this) {
        m_activeDefault = true;
    } else if (qobject_cast<TNxButton *>(now)) {
        m_activeDefault = false;
    } else {
        m_activeDefault = m_default;
    }
}

void TNxButton::setStickyDown(bool value)
{
    m_stickyDown = value;
    update();
}

void TNxButton::setGlyph(const QPixmap &glyph)
{
    m_sourceGlyph = glyph;
    applyGlyphs();
}

void TNxButton::setTransparent(bool value)
{
    m_transparent = value;
    if (!m_sourceGlyph.isNull())
        applyGlyphs();
}

void TNxButton::applyGlyphs()
{
    QImage grey = m_sourceGlyph.toImage();
    if (!grey.isNull()) {
        grey = grey.convertToFormat(QImage::Format_ARGB32);
        SharedDraw::makeGrayImage(grey);
    }
    const QPixmap greyGlyph = QPixmap::fromImage(grey);
    if (m_transparent) {
        m_glyph = GlyphMask::bottomLeftTransparent(m_sourceGlyph);
        m_disabledGlyph = GlyphMask::bottomLeftTransparent(greyGlyph);
    } else {
        m_glyph = m_sourceGlyph;
        m_disabledGlyph = greyGlyph;
    }
    update();
}

bool TNxButton::handleDialogKey(QKeyEvent *event)
{
    if (!isEnabled() || !isVisible() || !isDialogKey(event))
        return false;
    const bool escape = event->key() == Qt::Key_Escape;
    if ((escape && m_cancel) || (!escape && m_activeDefault)) {
        click();
        return true;
    }
    return false;
}

void TNxButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_spacePressed = true;
        update();
    }
    if (handleDialogKey(event))
        return;
    QAbstractButton::keyPressEvent(event);
}

void TNxButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() && m_spacePressed) {
        m_spacePressed = false;
        update();
    }
    QAbstractButton::keyReleaseEvent(event);
}

bool TNxButton::eventFilter(QObject *watched, QEvent *event)
{
    // Key presses nobody in the window consumed arrive at the window itself.
    if (watched == m_watchedWindow && event->type() == QEvent::KeyPress
        && handleDialogKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QAbstractButton::eventFilter(watched, event);
}

void TNxButton::enterEvent(QEnterEvent *event)
{
    m_hot = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TNxButton::leaveEvent(QEvent *event)
{
    m_hot = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TNxButton::paintEvent(QPaintEvent *)
{
    QPixmap buffer(size());
    QPainter painter(&buffer);
    painter.setFont(font());
    drawFace(painter);

    const QPixmap &picture = isEnabled() ? m_glyph : m_disabledGlyph;
    const int w = width(), h = height();
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : qc(clGrayText));
    const QString caption = text();
    auto drawCaption = [&](const QRect &rect, HorzAlign alignment) {
        if (!isEnabled()) {
            SharedDraw::drawEmbossedText(painter, rect, caption, alignment);
            return;
        }
        const int flags = (alignment == HorzAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter
            | Qt::TextSingleLine | Qt::TextShowMnemonic;
        const QString shown =
            painter.fontMetrics().elidedText(caption, Qt::ElideRight, rect.width(), Qt::TextShowMnemonic);
        painter.drawText(rect, flags, shown);
    };
    if (picture.isNull()) {
        drawCaption(QRect(0, 0, w, h - 1), HorzAlign::Center);
    } else {
        const int captionWidth = painter.fontMetrics().horizontalAdvance(QString(caption).remove(QLatin1Char('&')));
        const int total = picture.width() + captionWidth + (caption.isEmpty() ? 0 : 3);
        const int x = w / 2 - total / 2;
        painter.drawPixmap(x, h / 2 - picture.height() / 2, picture);
        const int textLeft = x + picture.width() + 3;
        drawCaption(QRect(textLeft, 0, w - textLeft, h - 1), HorzAlign::Left);
    }
    painter.end();
    QPainter(this).drawPixmap(0, 0, buffer);
}

void TNxButton::drawFace(QPainter &painter)
{
    QRect r = rect();
    if (hasFocus()) {
        SharedDraw::drawFrame(painter, r, clWindowFrame);
        r.adjust(1, 1, -1, -1);
    }
    painter.fillRect(r, qc(clBtnFace));
    const bool pressedLook = (isDown() && m_hot) || m_stickyDown || m_spacePressed;
    if (pressedLook) {
        SharedDraw::drawFrame(painter, r, clBtnShadow);
        return;
    }
    ClassicFrame::drawRaised(painter, r, true);
}

} // namespace talmo
