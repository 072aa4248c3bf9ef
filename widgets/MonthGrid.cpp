#include "widgets/MonthGrid.h"

#include <QLocale>

namespace talmo {

bool MonthGrid::mondayFirst(TStartDayOfWeek startDay)
{
    if (startDay == dwAutomatic)
        return QLocale().firstDayOfWeek() == Qt::Monday;
    return startDay == dwMonday;
}

int MonthGrid::firstDayIndex(const QDate &date, bool mondayFirst)
{
    const int iso = date.dayOfWeek(); // Monday 1 .. Sunday 7
    return mondayFirst ? iso : iso % 7 + 1;
}

QDate MonthGrid::dateAtCell(int year, int month, int column, int row, bool mondayFirst)
{
    const QDate first(year, month, 1);
    const int cell = column + Columns * row;
    return first.addDays(cell - (firstDayIndex(first, mondayFirst) - 1));
}

QString MonthGrid::weekdayLetter(int position, bool mondayFirst, const QStringList &dayNames)
{
    if (dayNames.size() >= 7)
        return dayNames.at(position - 1).left(1);
    const int isoDay = mondayFirst ? position : (position + 5) % 7 + 1;
    return QLocale().dayName(isoDay, QLocale::ShortFormat).left(1);
}

QString MonthGrid::monthName(int month, const QStringList &monthNames)
{
    if (monthNames.size() >= 12)
        return monthNames.at(month - 1);
    return QLocale().monthName(month, QLocale::LongFormat);
}

QDate MonthGrid::addMonths(const QDate &date, int months)
{
    return date.addMonths(months);
}

} // namespace talmo
