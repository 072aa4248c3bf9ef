#pragma once

#include <QString>

#include <ostream>

// Readable QString values in failure messages. Every test file of this
// executable includes it first, so that all of them print QStrings alike.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
