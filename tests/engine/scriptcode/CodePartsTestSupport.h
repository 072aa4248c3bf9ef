#pragma once

#include "engine/script/SetupTextLines.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace talmo::codepartstest {

inline QString FixturePath(const QString &name)
{
    return QStringLiteral(TALMO_TEST_SOURCE_DIR "/fixtures/codeparts/") + name;
}

// The lines of a hand-written fixture.
inline QStringList FixtureLines(const QString &name)
{
    QFile file(FixturePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing fixture " << name.toStdString();
        return {};
    }
    return SplitTextLines(QString::fromUtf8(file.readAll()));
}

inline QStringList Lines(std::initializer_list<const char *> texts)
{
    QStringList lines;
    for (const char *text : texts)
        lines.append(QString::fromUtf8(text));
    return lines;
}

// Lines as one text, so that a failed comparison shows readable lines.
inline std::string Text(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n')).toStdString();
}

} // namespace talmo::codepartstest
