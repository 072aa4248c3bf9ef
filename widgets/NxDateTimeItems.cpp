#include "widgets/NxDateTimeItems.h"

#include "widgets/DateTimeText.h"

#include <cmath>

namespace talmo {

namespace {

const QDate dayZero(1899, 12, 30);
constexpr double msPerDay = 86400000.0;

} // namespace

double DayNumber::fromDateTime(const QDateTime &value)
{
    if (!value.isValid())
        return 0;
    const double days = double(dayZero.daysTo(value.date()));
    const double fraction = value.time().msecsSinceStartOfDay() / msPerDay;
    // Before day zero the fraction counts away from zero, as day numbers do.
    return days < 0 ? days - fraction : days + fraction;
}

QDateTime DayNumber::toDateTime(double days)
{
    const double whole = std::trunc(days);
    const int ms = int(std::llround(std::fabs(days - whole) * msPerDay));
    return QDateTime(dayZero.addDays(qint64(whole)), QTime::fromMSecsSinceStartOfDay(std::min(ms, int(msPerDay) - 1)));
}

// Setting a date or time stores the text and reports one change, so a bound
// property is written once per change.
QDateTime TNxDateItem::asDateTime() const
{
    return DateTimeText::textToDateTime(asString()).value_or(QDateTime());
}

void TNxDateItem::setAsDateTime(const QDateTime &value)
{
    TNxTextItem::setAsString(value.isValid() ? DateTimeText::dateToText(value.date()) : QString());
}

double TNxDateItem::asFloat() const
{
    return DayNumber::fromDateTime(asDateTime());
}

void TNxDateItem::setAsFloat(double value)
{
    setAsDateTime(DayNumber::toDateTime(value));
}

int TNxDateItem::asInteger() const
{
    return int(std::nearbyint(asFloat()));
}

void TNxDateItem::setAsInteger(int value)
{
    setAsDateTime(DayNumber::toDateTime(value));
}

TNxTimeItem::TNxTimeItem()
    : m_lastAccepted(QDateTime::currentDateTime())
{
}

QDateTime TNxTimeItem::asDateTime() const
{
    if (auto time = DateTimeText::textToTime(asString()))
        return QDateTime(dayZero, *time);
    return m_lastAccepted;
}

void TNxTimeItem::setAsDateTime(const QDateTime &value)
{
    TNxTextItem::setAsString(value.isValid() ? DateTimeText::timeToText(value.time()) : QString());
}

double TNxTimeItem::asFloat() const
{
    auto time = DateTimeText::textToTime(asString());
    if (!time)
        throw TimeConversionError(asString());
    return DayNumber::fromDateTime(QDateTime(dayZero, *time));
}

void TNxTimeItem::setAsFloat(double value)
{
    setAsDateTime(DayNumber::toDateTime(value));
}

int TNxTimeItem::asInteger() const
{
    return int(std::nearbyint(asFloat()));
}

void TNxTimeItem::setAsInteger(int value)
{
    setAsDateTime(DayNumber::toDateTime(value));
}

void TNxTimeItem::editorHidden()
{
    if (destroying())
        return;
    m_lastAccepted = asDateTime();
    setAsDateTime(m_lastAccepted);
}

} // namespace talmo
