#include "widgets/NxLabel.h"

#include <QEvent>

namespace talmo {

TNxLabel::TNxLabel(QWidget *parent)
    : QLabel(parent)
{
    m_innerMargins.setVertical(2);
    connect(&m_innerMargins, &TMargins::updated, this, &TNxLabel::placeLabel);
}

TNxLabel::~TNxLabel()
{
    releaseAssociate();
}

void TNxLabel::releaseAssociate()
{
    if (!m_associate)
        return;
    m_associate->removeEventFilter(this);
    disconnect(m_associate, &QObject::destroyed, this, nullptr);
    m_associate = nullptr;
}

void TNxLabel::setAssociate(QWidget *associate)
{
    if (associate == this)
        return;
    releaseAssociate();
    m_associate = associate;
    if (!associate)
        return;
    associate->installEventFilter(this);
    // Once the associate is gone the label stays where it is.
    connect(associate, &QObject::destroyed, this, [this] { m_associate = nullptr; });
    placeLabel();
}

void TNxLabel::setHorizontalPosition(THorizontalPosition position)
{
    m_placement.horizontalPosition = position;
    placeLabel();
}

void TNxLabel::setVerticalPosition(TVerticalPosition position)
{
    m_placement.verticalPosition = position;
    placeLabel();
}

void TNxLabel::setInnerHorizontal(bool value)
{
    m_placement.innerHorizontal = value;
    placeLabel();
}

void TNxLabel::setInnerVertical(bool value)
{
    m_placement.innerVertical = value;
    placeLabel();
}

void TNxLabel::setInnerMargins(const TMargins &margins)
{
    m_innerMargins.setHorizontal(margins.horizontal());
    m_innerMargins.setVertical(margins.vertical());
    placeLabel();
}

void TNxLabel::setCaption(const QString &caption)
{
    setText(caption);
    adjustSize();
    placeLabel();
}

void TNxLabel::assign(const TNxLabel &other)
{
    setAssociate(other.associate());
    m_placement.horizontalPosition = other.horizontalPosition();
    m_placement.verticalPosition = other.verticalPosition();
    m_placement.innerHorizontal = other.innerHorizontal();
    m_placement.innerVertical = other.innerVertical();
    setInnerMargins(other.m_innerMargins);
    setFont(other.font());
    setCaption(other.text());
}

void TNxLabel::placeLabel()
{
    if (!m_associate)
        return;
    m_placement.horizontalMargin = m_innerMargins.horizontal();
    m_placement.verticalMargin = m_innerMargins.vertical();
    QRect bounds = m_associate->geometry();
    QWidget *labelParent = parentWidget();
    QWidget *associateParent = m_associate->parentWidget();
    if (labelParent && associateParent && labelParent != associateParent)
        bounds.moveTopLeft(labelParent->mapFromGlobal(associateParent->mapToGlobal(bounds.topLeft())));
    move(m_placement.place(bounds, size()));
}

bool TNxLabel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_associate && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placeLabel();
    return QLabel::eventFilter(watched, event);
}

} // namespace talmo
