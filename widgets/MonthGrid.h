#pragma once

#include <QDate>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace talmo {

enum TStartDayOfWeek { dwAutomatic, dwMonday, dwSunday };

// The calendar arithmetic of the month popup: a 7 x 6 grid of days that
// starts on the week's first day, with the neighbouring months' days around.
class MonthGrid
{
public:
    static constexpr int Columns = 7;
    static constexpr int Rows = 6;

    // dwAutomatic asks the locale each time.
    static bool mondayFirst(TStartDayOfWeek startDay);
    // 1..7: the weekday of date counted from the first day of the week.
    static int firstDayIndex(const QDate &date, bool mondayFirst);
    // The date drawn in a cell of the grid of (year, month).
    static QDate dateAtCell(int year, int month, int column, int row, bool mondayFirst);
    // The first letter of position 1..7 in the weekday row.
    static QString weekdayLetter(int position, bool mondayFirst, const QStringList &dayNames);
    static QString monthName(int month, const QStringList &monthNames);
    // Same day months later, clamped to the target month's length.
    static QDate addMonths(const QDate &date, int months);

    // Cell geometry of the popup (client coordinates).
    static QPoint cellTopLeft(int column, int row) { return QPoint(15 + 17 * column, 38 + 15 * row); }
    static int columnAt(int x) { return (x - 14) / 17; }
    static int rowAt(int y) { return (y - 38) / 15; }
};

} // namespace talmo
