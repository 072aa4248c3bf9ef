#include "tests/support/QtPrinters.h"

#include "widgets/MonthGrid.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(MonthGrid, LeadingDaysOfThePreviousMonthDependOnTheFirstDay)
{
    // March 2023 starts on a Wednesday.
    EXPECT_EQ(MonthGrid::dateAtCell(2023, 3, 3, 0, false), QDate(2023, 3, 1));
    EXPECT_EQ(MonthGrid::dateAtCell(2023, 3, 2, 0, false), QDate(2023, 2, 28));
    EXPECT_EQ(MonthGrid::dateAtCell(2023, 3, 0, 0, false), QDate(2023, 2, 26));
    EXPECT_EQ(MonthGrid::dateAtCell(2023, 3, 2, 0, true), QDate(2023, 3, 1));
    EXPECT_EQ(MonthGrid::dateAtCell(2023, 3, 0, 0, true), QDate(2023, 2, 27));
}

TEST(MonthGrid, MonthOnTheFirstDayHasNoLeadingDaysAndTrailingNextMonthDays)
{
    // May 2023 starts on a Monday; February 2015 on a Sunday (28 days).
    EXPECT_EQ(MonthGrid::dateAtCell(2023, 5, 0, 0, true), QDate(2023, 5, 1));
    EXPECT_EQ(MonthGrid::dateAtCell(2023, 5, 6, 5, true), QDate(2023, 6, 11)); // 42 - 31 = 11 days of June
    EXPECT_EQ(MonthGrid::dateAtCell(2015, 2, 0, 0, false), QDate(2015, 2, 1));
    EXPECT_EQ(MonthGrid::dateAtCell(2015, 2, 6, 5, false), QDate(2015, 3, 14));
}

TEST(MonthGrid, FirstDayIndexCountsFromTheWeeksStart)
{
    const QDate sunday(2023, 1, 1), monday(2023, 1, 2), saturday(2023, 1, 7);
    EXPECT_EQ(MonthGrid::firstDayIndex(sunday, false), 1);
    EXPECT_EQ(MonthGrid::firstDayIndex(saturday, false), 7);
    EXPECT_EQ(MonthGrid::firstDayIndex(monday, true), 1);
    EXPECT_EQ(MonthGrid::firstDayIndex(sunday, true), 7);
    EXPECT_TRUE(MonthGrid::mondayFirst(dwMonday));
    EXPECT_FALSE(MonthGrid::mondayFirst(dwSunday));
}

TEST(MonthGrid, CellHitTestMatchesTheDrawnColumns)
{
    EXPECT_EQ(MonthGrid::columnAt(116), 6);
    EXPECT_EQ(MonthGrid::columnAt(132), 6);
    EXPECT_EQ(MonthGrid::columnAt(115), 5);
    EXPECT_EQ(MonthGrid::rowAt(38), 0);
    EXPECT_EQ(MonthGrid::rowAt(53), 1);
    EXPECT_EQ(MonthGrid::cellTopLeft(6, 1), QPoint(117, 53));
}

TEST(MonthGrid, NamesComeFromTheListsWhenLongEnough)
{
    const QStringList days{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    EXPECT_EQ(MonthGrid::weekdayLetter(2, false, days), "M");
    EXPECT_EQ(MonthGrid::weekdayLetter(1, true, QStringList{"x"}), QLocale().dayName(1, QLocale::ShortFormat).left(1));
    EXPECT_EQ(MonthGrid::weekdayLetter(1, false, {}), QLocale().dayName(7, QLocale::ShortFormat).left(1));
    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months << QStringLiteral("M%1").arg(m);
    EXPECT_EQ(MonthGrid::monthName(12, months), "M12");
    EXPECT_EQ(MonthGrid::monthName(1, {}), QLocale().monthName(1));
}

TEST(MonthGrid, MonthStepsClampToTheMonthsLength)
{
    EXPECT_EQ(MonthGrid::addMonths(QDate(2023, 1, 31), 1), QDate(2023, 2, 28));
    EXPECT_EQ(MonthGrid::addMonths(QDate(2024, 1, 31), 1), QDate(2024, 2, 29));
    EXPECT_EQ(MonthGrid::addMonths(QDate(2024, 3, 31), -1), QDate(2024, 2, 29));
}
