#pragma once

#include "widgets/MonthGrid.h"
#include "widgets/NxPopupEdit.h"

#include <QDate>
#include <QStringList>

namespace talmo {

class TSmallButton;

// The month calendar under a date picker: a header with the month, the year
// and two arrows, a row of weekday letters, a 7 x 6 grid of days and the
// Today and None buttons.
class TNxDatePopup : public TNxPopupControl
{
    Q_OBJECT
public:
    explicit TNxDatePopup(TNxPopupEdit *owner);

    void setDate(const QDate &date);
    QDate selectedDate() const { return m_selectedDate; }
    void setSelectedDate(const QDate &date);
    int year() const { return m_year; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    void setDayNames(const QStringList &names) { m_dayNames = names; }
    void setMonthNames(const QStringList &names) { m_monthNames = names; }
    TStartDayOfWeek startDay() const { return m_startDay; }
    void setStartDay(TStartDayOfWeek day) { m_startDay = day; }
    TSmallButton *todayButton() const { return m_todayButton; }
    TSmallButton *noneButton() const { return m_noneButton; }

    // The grid cell under a point (column, row), if the point is on the grid.
    std::optional<QPoint> cellAt(const QPoint &pos) const;
    QDate dateAtCell(int column, int row) const;
    QRect gridHitArea() const { return QRect(14, 38, width() - 28, height() - 58); }

protected:
    void selectAt(const QPoint &pos) override;
    void paintContent(QPainter &painter) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void trackTo(const QPoint &pos);
    void stepMonth(int delta);
    bool mondayFirst() const { return MonthGrid::mondayFirst(m_startDay); }

    int m_year = 1;
    int m_month = 1;
    int m_day = 1;
    QDate m_selectedDate;
    QStringList m_dayNames;
    QStringList m_monthNames;
    TStartDayOfWeek m_startDay = dwSunday;
    TSmallButton *m_todayButton;
    TSmallButton *m_noneButton;
    bool m_tracking = false;
};

// A drop-down edit holding a date as text. An empty or unreadable text
// reads as no date, and the calendar then opens on today.
class TNxDatePicker : public TNxPopupEdit
{
    Q_OBJECT
public:
    explicit TNxDatePicker(QWidget *parent = nullptr);

    // A null date when the text is not a date; today for an empty text or "0".
    QDate date() const;
    void setDate(const QDate &date);
    QStringList dayNames() const { return m_dayNames; }
    void setDayNames(const QStringList &names) { m_dayNames = names; }
    QStringList monthNames() const { return m_monthNames; }
    void setMonthNames(const QStringList &names) { m_monthNames = names; }
    QString emptyText() const { return m_emptyText; }
    void setEmptyText(const QString &text) { m_emptyText = text; }
    QString noneCaption() const { return m_noneCaption; }
    void setNoneCaption(const QString &caption) { m_noneCaption = caption; }
    bool showNoneButton() const { return m_showNoneButton; }
    void setShowNoneButton(bool value) { m_showNoneButton = value; }
    TStartDayOfWeek startDay() const { return m_startDay; }
    void setStartDay(TStartDayOfWeek day) { m_startDay = day; }
    QString todayCaption() const { return m_todayCaption; }
    void setTodayCaption(const QString &caption) { m_todayCaption = caption; }
    TNxDatePopup *datePopup() const;

    std::optional<QDateTime> asDateTime() const override;
    void setAsDateTime(const QDateTime &value) override;

protected:
    void preparePopup() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QStringList m_dayNames;
    QStringList m_monthNames;
    QString m_emptyText;
    QString m_noneCaption = QStringLiteral("None");
    bool m_showNoneButton = true;
    TStartDayOfWeek m_startDay = dwSunday;
    QString m_todayCaption = QStringLiteral("Today");
};

} // namespace talmo
