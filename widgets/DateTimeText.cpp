#include "widgets/DateTimeText.h"

#include <QLocale>

namespace talmo {

QString DateTimeText::dateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString DateTimeText::dateToText(const QDate &date)
{
    return QLocale().toString(date, dateFormat());
}

QString DateTimeText::dateTimeToText(const QDateTime &dateTime)
{
    QString text = dateToText(dateTime.date());
    if (dateTime.time() != QTime(0, 0))
        text += u' ' + timeToText(dateTime.time());
    return text;
}

QString DateTimeText::timeFormat()
{
    // The long form without the time zone, which a time alone does not have.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(u't');
    return format.trimmed();
}

QString DateTimeText::timeToText(const QTime &time)
{
    return QLocale().toString(time, timeFormat());
}

QStringList DateTimeText::timeFormats()
{
    const QLocale locale;
    return {timeFormat(), locale.timeFormat(QLocale::ShortFormat), QStringLiteral("H:mm:ss"), QStringLiteral("H:mm")};
}

std::optional<QTime> DateTimeText::textToTime(const QString &text)
{
    const QLocale locale;
    for (const QString &format : timeFormats()) {
        const QTime time = locale.toTime(text.trimmed(), format);
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}

std::optional<QDateTime> DateTimeText::textToDateTime(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QLocale locale;
    const QDate date = locale.toDate(trimmed, dateFormat());
    if (date.isValid())
        return QDateTime(date, QTime(0, 0));
    for (const QString &format : timeFormats()) {
        const QDateTime dateTime = locale.toDateTime(trimmed, dateFormat() + u' ' + format);
        if (dateTime.isValid())
            return dateTime;
    }
    return std::nullopt;
}

} // namespace talmo
