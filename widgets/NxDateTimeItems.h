#pragma once

#include "widgets/MonthGrid.h"
#include "widgets/NxTextItem.h"

#include <stdexcept>

namespace talmo {

// Text that should have been a time.
class TimeConversionError : public std::runtime_error
{
public:
    explicit TimeConversionError(const QString &text)
        : std::runtime_error(("'" + text + "' is not a valid time").toStdString())
    {
    }
};

// Date-time values as day numbers: whole days since 30 December 1899, the
// time of day as the fraction.
class DayNumber
{
public:
    static double fromDateTime(const QDateTime &value);
    static QDateTime toDateTime(double days);
};

// A row holding a date as text in the locale's short date form.
class TNxDateItem : public TNxPopupItem
{
    Q_OBJECT

public:
    TNxEditorKind editorKind() const override { return TNxEditorKind::DatePicker; }

    // The text read as date and time; invalid (0 as a number) when it does not read.
    QDateTime asDateTime() const override;
    void setAsDateTime(const QDateTime &value) override;
    double asFloat() const override;
    void setAsFloat(double value) override;
    int asInteger() const override;
    void setAsInteger(int value) override;

    TStartDayOfWeek startDay() const { return m_startDay; }
    void setStartDay(TStartDayOfWeek value) { m_startDay = value; }

private:
    TStartDayOfWeek m_startDay = dwSunday;
};

// A row holding a time as text in the locale's time form.
class TNxTimeItem : public TNxTextItem
{
    Q_OBJECT

public:
    TNxTimeItem();

    TNxEditorKind editorKind() const override { return TNxEditorKind::TimeEdit; }

    // The text read as a time; the last accepted time when it is not one.
    QDateTime asDateTime() const override;
    void setAsDateTime(const QDateTime &value) override;
    // The text read as a time; throws TimeConversionError when it is not one.
    double asFloat() const override;
    void setAsFloat(double value) override;
    int asInteger() const override;
    void setAsInteger(int value) override;
    // Leaving the editor keeps what was typed as the last accepted time.
    void editorHidden() override;

private:
    QDateTime m_lastAccepted;
};

} // namespace talmo
