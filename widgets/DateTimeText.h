#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace talmo {

// Dates and times as the editors write and read them: the locale's short
// date form (always with a four-digit year, so a written date reads back as
// the same date), followed by the time when it is not midnight.
class DateTimeText
{
public:
    static QString dateFormat();
    static QString timeFormat();
    // The forms a typed time may take, the written one first.
    static QStringList timeFormats();
    static QString dateToText(const QDate &date);
    static QString dateTimeToText(const QDateTime &dateTime);
    static QString timeToText(const QTime &time);
    // A short date, optionally followed by a time; nothing when it does not read.
    static std::optional<QDateTime> textToDateTime(const QString &text);
    static std::optional<QTime> textToTime(const QString &text);
};

} // namespace talmo
