#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <initializer_list>

namespace talmo {

// Fixed script text kept as tables of C strings in the [Code] writers.

inline void AppendCodeLines(QStringList &lines, std::initializer_list<const char *> texts)
{
    for (const char *text : texts)
        lines.append(QLatin1String(text));
}

template<std::size_t N>
void AppendCodeLines(QStringList &lines, const char *const (&texts)[N])
{
    for (const char *text : texts)
        lines.append(QLatin1String(text));
}

inline QString PascalBoolean(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace talmo
