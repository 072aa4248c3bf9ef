#include "engine/setup/CompileProgress.h"

#include <QRegularExpression>

namespace talmo {

namespace {
// The separator between hours and minutes in the locale's short time format.
QString timeSeparator(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    const qsizetype hour = format.indexOf(QRegularExpression(QStringLiteral("[hH]")));
    for (qsizetype i = hour + 1; hour >= 0 && i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('h') && c != QLatin1Char('H'))
            return QString(c);
    }
    return QStringLiteral(":");
}

QString twoDigits(qint32 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}
} // namespace

QString CompileProgress::Text(qint32 secondsRemaining, quint32 bytesPerSecond, const QLocale &locale)
{
    if (secondsRemaining < 0)
        return QString();
    const QString separator = timeSeparator(locale);
    return QStringLiteral(" Remaining: ") + twoDigits(secondsRemaining / 3600) + separator
        + twoDigits((secondsRemaining / 60) % 60) + separator + twoDigits(secondsRemaining % 60)
        + QStringLiteral(" | KB/sec: ") + locale.toString(double(bytesPerSecond) / 1024.0, 'f', 0);
}

bool CompileProgress::Report(quint32 progress, quint32 maximum, qint32 secondsRemaining, quint32 bytesPerSecond,
                             quint32 nowMs)
{
    bool changed = false;
    if (!m_textShown || quint32(nowMs - m_lastTextTick) >= TextIntervalMs) {
        m_textShown = true;
        m_lastTextTick = nowMs;
        const QString text = Text(secondsRemaining, bytesPerSecond);
        changed = text != m_text;
        m_text = text;
    }
    if (m_position != progress || m_maximum != maximum) {
        m_position = progress;
        m_maximum = maximum;
        changed = true;
    }
    return changed;
}

} // namespace talmo
