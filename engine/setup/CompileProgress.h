#pragma once

#include <QLocale>
#include <QString>

namespace talmo {

// What the compile's progress dialog shows: the text is rebuilt at most once
// per 500 ms however often the compiler reports; position and maximum follow
// every report but change only when they differ.
class CompileProgress
{
public:
    static constexpr quint32 TextIntervalMs = 500;

    // " Remaining: hh:mm:ss | KB/sec: n" in the locale's time and thousands
    // separators; empty while the time left is unknown (negative).
    static QString Text(qint32 secondsRemaining, quint32 bytesPerSecond, const QLocale &locale = QLocale());

    // One report of the compiler; nowMs is a millisecond tick that may wrap.
    // Returns true when the text, position or maximum changed.
    bool Report(quint32 progress, quint32 maximum, qint32 secondsRemaining, quint32 bytesPerSecond, quint32 nowMs);

    QString text() const { return m_text; }
    quint32 position() const { return m_position; }
    quint32 maximum() const { return m_maximum; }

private:
    QString m_text;
    quint32 m_position = 0;
    quint32 m_maximum = 0;
    quint32 m_lastTextTick = 0;
    bool m_textShown = false;
};

} // namespace talmo
