#include "tests/support/QtPrinters.h"

#include "PopupTestSupport.h"
#include "widgets/DateTimeText.h"
#include "widgets/NxDatePicker.h"
#include "widgets/SmallButton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

// Opens the calendar as a user does and arms it with the opening release.
TNxDatePopup *open(TNxDatePicker &picker)
{
    return openByArrow<TNxDatePopup>(picker, QPoint(75, 140));
}

} // namespace

TEST(DatePicker, OpensAFixedSizeCalendarOnTheDate)
{
    TNxDatePicker picker;
    picker.setStartDay(dwSunday);
    picker.setDate(QDate(2023, 3, 15));
    picker.show();
    TNxDatePopup *popup = open(picker);
    EXPECT_EQ(popup->size(), QSize(151, 163));
    EXPECT_EQ(popup->selectedDate(), QDate(2023, 3, 15));
    EXPECT_EQ(popup->month(), 3);
    EXPECT_EQ(popup->dateAtCell(0, 0), QDate(2023, 2, 26));
    EXPECT_EQ(popup->todayButton()->x(), 20);
    EXPECT_TRUE(popup->noneButton()->isVisibleTo(popup));
}

TEST(DatePicker, TodayIsCentredWithoutTheNoneButton)
{
    TNxDatePicker picker;
    picker.setShowNoneButton(false);
    picker.setTodayCaption("Now");
    picker.show();
    TNxDatePopup *popup = open(picker);
    EXPECT_FALSE(popup->noneButton()->isVisibleTo(popup));
    EXPECT_EQ(popup->todayButton()->x(), 151 / 2 - 47 / 2);
    EXPECT_EQ(popup->todayButton()->text(), "Now");
}

TEST(DatePicker, ClickingTheRightmostColumnChoosesTheDayDrawnThere)
{
    TNxDatePicker picker;
    picker.setStartDay(dwMonday);
    picker.setDate(QDate(2023, 5, 10)); // May 2023 starts on a Monday
    picker.show();
    QSignalSpy closeUps(&picker, &TNxPopupEdit::closeUp);
    TNxDatePopup *popup = open(picker);
    QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(130, 38 + 15 + 5));
    EXPECT_FALSE(picker.droppedDown());
    EXPECT_EQ(picker.date(), QDate(2023, 5, 14));
    EXPECT_EQ(closeUps.count(), 1);
}

TEST(DatePicker, ArrowsChangeTheShownMonthOnly)
{
    TNxDatePicker picker;
    picker.setDate(QDate(2023, 1, 15));
    picker.show();
    TNxDatePopup *popup = open(picker);
    QTest::mousePress(popup, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(popup->month(), 12);
    EXPECT_EQ(popup->year(), 2022);
    QTest::mouseRelease(popup, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(picker.droppedDown());
    QTest::mousePress(popup, Qt::LeftButton, {}, QPoint(145, 5));
    QTest::mousePress(popup, Qt::LeftButton, {}, QPoint(145, 5));
    EXPECT_EQ(popup->month(), 2);
    EXPECT_EQ(popup->year(), 2023);
    EXPECT_EQ(popup->selectedDate(), QDate(2023, 1, 15));
}

TEST(DatePicker, KeysMoveTheDateWhileOpen)
{
    struct Case
    {
        Qt::Key key;
        QDate from, to;
    };
    const Case cases[] = {
        {Qt::Key_PageDown, QDate(2023, 1, 31), QDate(2023, 2, 28)},
        {Qt::Key_PageUp, QDate(2024, 3, 31), QDate(2024, 2, 29)},
        {Qt::Key_Right, QDate(2023, 12, 31), QDate(2024, 1, 1)},
        {Qt::Key_Left, QDate(2023, 3, 1), QDate(2023, 2, 28)},
        {Qt::Key_Down, QDate(2023, 3, 1), QDate(2023, 3, 8)},
        {Qt::Key_Up, QDate(2023, 3, 1), QDate(2023, 2, 22)},
    };
    for (const Case &c : cases) {
        TNxDatePicker picker;
        picker.setDate(c.from);
        picker.show();
        picker.setDroppedDown(true);
        QTest::keyClick(picker.datePopup(), c.key);
        EXPECT_EQ(picker.date(), c.to) << c.key;
        EXPECT_EQ(picker.datePopup()->selectedDate(), c.to);
        EXPECT_EQ(picker.datePopup()->month(), c.to.month());
    }
}

TEST(DatePicker, NoneEmptiesTheTextAndAnEmptyTextReadsAsToday)
{
    TNxDatePicker picker;
    picker.setDate(QDate(2020, 6, 1));
    picker.show();
    TNxDatePopup *popup = open(picker);
    QTest::mouseClick(popup->noneButton(), Qt::LeftButton);
    EXPECT_EQ(picker.text(), "");
    EXPECT_FALSE(picker.droppedDown());
    EXPECT_EQ(picker.date(), QDate::currentDate());
}

TEST(DatePicker, SettingTheDateChangesTheTextOnce)
{
    TNxDatePicker picker;
    QSignalSpy changes(&picker, &QLineEdit::textChanged);
    picker.setDate(QDate(2022, 7, 4));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(picker.date(), QDate(2022, 7, 4));
    EXPECT_EQ(picker.asDateTime(), QDateTime(QDate(2022, 7, 4), QTime(0, 0)));
}

TEST(DatePicker, UnreadableTextGivesNoDateAndOpensOnToday)
{
    TNxDatePicker picker;
    picker.setText("letters");
    EXPECT_FALSE(picker.date().isValid());
    picker.show();
    TNxDatePopup *popup = open(picker);
    EXPECT_EQ(popup->selectedDate(), QDate::currentDate());
    QTest::mouseClick(popup->todayButton(), Qt::LeftButton);
    EXPECT_EQ(picker.date(), QDate::currentDate());
}

TEST(DateTimeText, WrittenDatesReadBackInLocalesWithTwoDigitYears)
{
    const QLocale saved;
    for (const char *name : {"en_US", "de_DE", "C"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        for (const QDate &date : {QDate(1999, 12, 31), QDate(2031, 1, 2)}) {
            const QString text = DateTimeText::dateToText(date);
            EXPECT_EQ(DateTimeText::textToDateTime(text), QDateTime(date, QTime(0, 0))) << name;
        }
        const QDateTime withTime(QDate(2024, 2, 29), QTime(13, 5, 7));
        EXPECT_EQ(DateTimeText::textToDateTime(DateTimeText::dateTimeToText(withTime)), withTime) << name;
    }
    QLocale::setDefault(saved);
}
