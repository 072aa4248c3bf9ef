#include "widgets/NxButtonEdit.h"

#include "widgets/NxSmallButton.h"

#include <QKeyEvent>

namespace talmo {

TNxCustomButtonEdit::TNxCustomButtonEdit(QWidget *parent)
    : TNxEdit(parent)
{
}

TNxCustomButtonEdit::~TNxCustomButtonEdit() = default;

void TNxCustomButtonEdit::createButton()
{
    m_button = createButtonObject();
    m_button->hide();
    connect(m_button, &TNxSmallButton::pressed, this, [this] { buttonDown(); });
    connect(m_button, &TNxSmallButton::released, this, [this] { buttonUp(); });
    placeButton();
    updateMargins();
}

TNxSmallButton *TNxCustomButtonEdit::createButtonObject()
{
    return new TNxExecuteButton(this);
}

int TNxCustomButtonEdit::buttonWidth() const
{
    return m_button ? m_button->width() : 0;
}

void TNxCustomButtonEdit::setButtonWidth(int width)
{
    m_button->resize(width, m_button->height());
    updateMargins();
    placeButton();
}

void TNxCustomButtonEdit::getTextMargins(int &left, int &right) const
{
    TNxEdit::getTextMargins(left, right);
    right = buttonWidth();
}

void TNxCustomButtonEdit::acceptPopupText(TNxPopupControl *, const QString &text)
{
    setTextFromPopup(text);
    m_button->setHover(false);
    m_button->setDown(false);
}

void TNxCustomButtonEdit::buttonDown()
{
}

void TNxCustomButtonEdit::buttonUp()
{
    emit buttonClick();
}

void TNxCustomButtonEdit::setTextFromPopup(const QString &text)
{
    setText(text);
}

void TNxCustomButtonEdit::placeButton()
{
    if (!m_button)
        return;
    m_button->setGeometry(width() - m_button->width(), 0, m_button->width(), height());
    m_button->show();
    m_button->update();
}

bool TNxCustomButtonEdit::acceptsEditingKey(QKeyEvent *event)
{
    return !(m_options & epDisableTyping) || !changesText(event);
}

bool TNxCustomButtonEdit::pasteAllowed() const
{
    return !(m_options & epDisablePaste) && !(m_options & epDisableTyping);
}

void TNxCustomButtonEdit::resizeEvent(QResizeEvent *event)
{
    TNxEdit::resizeEvent(event);
    placeButton();
}

void TNxCustomButtonEdit::enterEvent(QEnterEvent *event)
{
    TNxEdit::enterEvent(event);
    if (m_button)
        m_button->setHover(true);
}

void TNxCustomButtonEdit::leaveEvent(QEvent *event)
{
    TNxEdit::leaveEvent(event);
    if (m_button)
        m_button->setHover(false);
}

TNxButtonEdit::TNxButtonEdit(QWidget *parent)
    : TNxCustomButtonEdit(parent)
{
    createButton();
    setButtonWidth(21);
}

QString TNxButtonEdit::buttonCaption() const
{
    return button()->caption();
}

void TNxButtonEdit::setButtonCaption(const QString &caption)
{
    button()->setCaption(caption);
}

const QPixmap &TNxButtonEdit::buttonGlyph() const
{
    return button()->glyph();
}

void TNxButtonEdit::setButtonGlyph(const QPixmap &glyph)
{
    m_sourceGlyph = glyph;
    QPixmap shown = glyph;
    if (!shown.isNull() && m_transparentColor != clNone)
        shown.setMask(shown.createMaskFromColor(SystemColors::toQColor(m_transparentColor), Qt::MaskInColor));
    button()->setGlyph(shown);
}

void TNxButtonEdit::setTransparentColor(TColor color)
{
    m_transparentColor = color;
    setButtonGlyph(m_sourceGlyph);
}

} // namespace talmo
