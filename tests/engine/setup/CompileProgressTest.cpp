#include "engine/setup/CompileProgress.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(CompileProgressText, formatsTimeLeftAndSpeedInTheLocale)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    struct Case
    {
        qint32 seconds;
        quint32 bytesPerSecond;
        QString expected;
    };
    const QList<Case> cases = {
        {-1, 2048000, QString()},
        {3725, 2048000, QStringLiteral(" Remaining: 01:02:05 | KB/sec: 2,000")},
        {0, 0, QStringLiteral(" Remaining: 00:00:00 | KB/sec: 0")},
        {59, 1536, QStringLiteral(" Remaining: 00:00:59 | KB/sec: 2")},
        {360000, 1023, QStringLiteral(" Remaining: 100:00:00 | KB/sec: 1")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CompileProgress::Text(c.seconds, c.bytesPerSecond, english), c.expected) << c.seconds;
}

TEST(CompileProgressText, usesTheLocalesTimeSeparator)
{
    const QLocale finnish(QLocale::Finnish, QLocale::Finland);
    EXPECT_TRUE(CompileProgress::Text(3725, 0, finnish).startsWith(QStringLiteral(" Remaining: 01.02.05 | KB/sec: ")));
}

TEST(CompileProgressReport, rebuildsTheTextAtMostEvery500MsAndFollowsThePositionAlways)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    CompileProgress progress;
    struct Step
    {
        quint32 position, maximum;
        qint32 seconds;
        quint32 now;
        bool changed;
        QString text;
    };
    const QList<Step> steps = {
        {1, 10, 5, 1000, true, QStringLiteral(" Remaining: 00:00:05 | KB/sec: 0")},
        {2, 10, 4, 1200, true, QStringLiteral(" Remaining: 00:00:05 | KB/sec: 0")},  // position only
        {2, 10, 3, 1499, false, QStringLiteral(" Remaining: 00:00:05 | KB/sec: 0")}, // nothing shown changes
        {2, 10, 3, 1500, true, QStringLiteral(" Remaining: 00:00:03 | KB/sec: 0")},
        {3, 10, -1, 0xFFFFFFF0u, true, QString()},                                  // the tick wrapped backwards: a long time
        {3, 10, 7, 0x000001E3u, false, QString()},                                   // 499 ms after, across the wrap
        {3, 10, 7, 0x000001E4u, true, QStringLiteral(" Remaining: 00:00:07 | KB/sec: 0")},
    };
    for (const Step &s : steps) {
        EXPECT_EQ(progress.Report(s.position, s.maximum, s.seconds, 0, s.now), s.changed) << s.now;
        EXPECT_EQ(progress.text(), s.text) << s.now;
        EXPECT_EQ(progress.position(), s.position);
        EXPECT_EQ(progress.maximum(), s.maximum);
    }
    QLocale::setDefault(QLocale::system());
}
