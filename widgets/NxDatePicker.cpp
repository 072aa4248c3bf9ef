#include "widgets/NxDatePicker.h"

#include "widgets/ColorBlend.h"
#include "widgets/DateTimeText.h"
#include "widgets/SharedDraw.h"
#include "widgets/SmallButton.h"
#include "widgets/Themes.h"

#include <QKeyEvent>
#include <QPainter>

namespace talmo {

namespace {

constexpr int PopupWidth = 151;
constexpr int PopupHeight = 163;

} // namespace

TNxDatePopup::TNxDatePopup(TNxPopupEdit *owner)
    : TNxPopupControl(owner)
    , m_todayButton(new TSmallButton(this))
    , m_noneButton(new TSmallButton(this))
{
    vertScrollBar().setVisible(false);
    m_todayButton->setGeometry(20, 133, 47, 20);
    m_noneButton->setGeometry(82, 133, 47, 20);
    connect(m_todayButton, &QAbstractButton::clicked, this,
            [this] { doSelect(DateTimeText::dateToText(QDate::currentDate())); });
    connect(m_noneButton, &QAbstractButton::clicked, this, [this] { doSelect(QString()); });
}

void TNxDatePopup::setDate(const QDate &date)
{
    m_selectedDate = date;
    m_year = date.year();
    m_month = date.month();
    m_day = date.day();
}

void TNxDatePopup::setSelectedDate(const QDate &date)
{
    m_selectedDate = date;
    update();
}

QDate TNxDatePopup::dateAtCell(int column, int row) const
{
    return MonthGrid::dateAtCell(m_year, m_month, column, row, mondayFirst());
}

std::optional<QPoint> TNxDatePopup::cellAt(const QPoint &pos) const
{
    if (!gridHitArea().contains(pos))
        return std::nullopt;
    const int column = MonthGrid::columnAt(pos.x());
    const int row = MonthGrid::rowAt(pos.y());
    if (column < 0 || column >= MonthGrid::Columns || row < 0 || row >= MonthGrid::Rows)
        return std::nullopt;
    return QPoint(column, row);
}

void TNxDatePopup::trackTo(const QPoint &pos)
{
    const auto cell = cellAt(pos);
    if (!cell)
        return;
    const QDate date = dateAtCell(cell->x(), cell->y());
    if (date != m_selectedDate)
        setSelectedDate(date);
}

void TNxDatePopup::stepMonth(int delta)
{
    const QDate first = QDate(m_year, m_month, 1).addMonths(delta);
    m_year = first.year();
    m_month = first.month();
    update();
}

void TNxDatePopup::selectAt(const QPoint &pos)
{
    const auto cell = cellAt(pos);
    if (cell)
        doSelect(DateTimeText::dateToText(dateAtCell(cell->x(), cell->y())));
}

void TNxDatePopup::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos)) {
        TNxPopupControl::mousePressEvent(event);
        return;
    }
    if (QRect(0, 0, 18, 18).contains(pos)) {
        stepMonth(-1);
    } else if (QRect(width() - 18, 0, 18, 18).contains(pos)) {
        stepMonth(1);
    } else if (gridHitArea().contains(pos)) {
        m_tracking = true;
        trackTo(pos);
    }
}

void TNxDatePopup::mouseMoveEvent(QMouseEvent *event)
{
    if (m_tracking)
        trackTo(event->position().toPoint());
}

void TNxDatePopup::mouseReleaseEvent(QMouseEvent *event)
{
    m_tracking = false;
    if (!QRect(0, 0, width(), 19).contains(event->position().toPoint()))
        TNxPopupControl::mouseReleaseEvent(event);
}

void TNxDatePopup::paintContent(QPainter &painter)
{
    const bool themed = Themes::isThemed();
    painter.setPen(SystemColors::toQColor(clGrayText));
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::NoBrush);

    const QRect header(5, 5, width() - 10, 16);
    painter.fillRect(header, SystemColors::toQColor(themed ? ColorBlend::blendAlpha(clGradientInactiveCaption, clWindow, 249)
                                                           : clBtnFace));
    const QColor text = SystemColors::toQColor(clWindowText);
    painter.setPen(text);
    SharedDraw::drawTextRect(painter, header, HorzAlign::Center,
                             MonthGrid::monthName(m_month, m_monthNames) + u' ' + QString::number(m_year));
    const int middle = header.y() + header.height() / 2;
    painter.setBrush(text);
    painter.drawPolygon(QPolygon({QPoint(15, middle - 4), QPoint(15, middle + 4), QPoint(11, middle)}));
    painter.drawPolygon(QPolygon(
        {QPoint(width() - 15, middle - 4), QPoint(width() - 15, middle + 4), QPoint(width() - 11, middle)}));
    painter.setBrush(Qt::NoBrush);

    for (int position = 1; position <= 7; ++position) {
        const QRect cell(15 + 17 * (position - 1), 22, 15, 14);
        SharedDraw::drawTextRect(painter, cell, HorzAlign::Right,
                                 MonthGrid::weekdayLetter(position, mondayFirst(), m_dayNames));
    }
    painter.setPen(SystemColors::toQColor(clGrayText));
    painter.drawLine(15, 36, width() - 18, 36);
    painter.drawLine(15, 128, width() - 18, 128);

    const QDate today = QDate::currentDate();
    for (int row = 0; row < MonthGrid::Rows; ++row) {
        for (int column = 0; column < MonthGrid::Columns; ++column) {
            const QDate date = dateAtCell(column, row);
            const QPoint topLeft = MonthGrid::cellTopLeft(column, row);
            const QRect highlight(topLeft, QSize(17, 15));
            if (date == m_selectedDate)
                painter.fillRect(highlight, themed ? QColor(0xFB, 0xE6, 0x94) : QColor(0xC0, 0xC0, 0xC0));
            if (date == today)
                SharedDraw::drawFrame(painter, highlight, themed ? rgbColor(0x80, 0, 0) : clHighlight);
            painter.setPen(SystemColors::toQColor(date.month() == m_month ? clWindowText : clGrayText));
            // Day numbers are never cut short, even in a font wider than the cell.
            painter.drawText(QRect(topLeft, QSize(15, 15)), Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                             QString::number(date.day()));
        }
    }
}

TNxDatePicker::TNxDatePicker(QWidget *parent)
    : TNxPopupEdit(parent)
{
    setPopup(new TNxDatePopup(this));
    setDate(QDate::currentDate());
}

TNxDatePopup *TNxDatePicker::datePopup() const
{
    return static_cast<TNxDatePopup *>(popupControl());
}

QDate TNxDatePicker::date() const
{
    const QString value = text().trimmed();
    if (value.isEmpty() || value == QLatin1String("0"))
        return QDate::currentDate();
    const auto dateTime = DateTimeText::textToDateTime(value);
    return dateTime ? dateTime->date() : QDate();
}

void TNxDatePicker::setDate(const QDate &date)
{
    setText(date.isValid() ? DateTimeText::dateToText(date) : QString());
}

std::optional<QDateTime> TNxDatePicker::asDateTime() const
{
    const QString value = text().trimmed();
    if (value.isEmpty() || value == QLatin1String("0"))
        return QDateTime(QDate::currentDate(), QTime(0, 0));
    return DateTimeText::textToDateTime(value);
}

void TNxDatePicker::setAsDateTime(const QDateTime &value)
{
    setText(DateTimeText::dateTimeToText(value));
}

void TNxDatePicker::preparePopup()
{
    TNxDatePopup *popup = datePopup();
    popup->noneButton()->setText(m_noneCaption);
    const QDate current = date();
    popup->setDate(current.isValid() ? current : QDate::currentDate());
    popup->setDayNames(m_dayNames);
    popup->setStartDay(m_startDay);
    popup->setMonthNames(m_monthNames);
    popup->todayButton()->setText(m_todayCaption);
    popup->resize(PopupWidth, PopupHeight);
    popup->noneButton()->setVisible(m_showNoneButton);
    TSmallButton *today = popup->todayButton();
    today->move(m_showNoneButton ? 20 : PopupWidth / 2 - today->width() / 2, today->y());
}

void TNxDatePicker::keyPressEvent(QKeyEvent *event)
{
    if (!droppedDown() || (event->modifiers() & Qt::AltModifier)) {
        TNxPopupEdit::keyPressEvent(event);
        return;
    }
    QDate current = date().isValid() ? date() : QDate::currentDate();
    switch (event->key()) {
    case Qt::Key_PageUp: current = MonthGrid::addMonths(current, -1); break;
    case Qt::Key_PageDown: current = MonthGrid::addMonths(current, 1); break;
    case Qt::Key_Left: current = current.addDays(-1); break;
    case Qt::Key_Right: current = current.addDays(1); break;
    case Qt::Key_Up: current = current.addDays(-7); break;
    case Qt::Key_Down: current = current.addDays(7); break;
    default:
        if (style() == dsDropDownList && event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter
            && event->key() != Qt::Key_Escape) {
            event->accept();
            return;
        }
        TNxPopupEdit::keyPressEvent(event);
        return;
    }
    setDate(current);
    datePopup()->setDate(current);
    datePopup()->update();
    event->accept();
}

} // namespace talmo
