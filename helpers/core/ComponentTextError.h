#pragma once

#include <QString>

#include <stdexcept>

namespace talmo {

// A fault in component text: a syntax error (with the line it was found on)
// or a block whose class is not registered.
class ComponentTextError : public std::runtime_error
{
public:
    // line is 1-based; 0 when the fault has no place in a text.
    ComponentTextError(const QString &message, int line = 0);

    const QString &message() const { return m_message; }
    int line() const { return m_line; }

private:
    QString m_message;
    int m_line;
};

} // namespace talmo
