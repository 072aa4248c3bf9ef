#pragma once

#include <QString>

#include <stdexcept>

namespace talmo::cabwiz {

// A fault in the .inf file or in what it refers to, located by line and section
// where it has one (line 0 and an empty section when it has none).
class InfError : public std::runtime_error
{
public:
    InfError(int line, const QString &section, const QString &message)
        : std::runtime_error(message.toStdString()), m_line(line), m_section(section), m_message(message)
    {
    }
    explicit InfError(const QString &message) : InfError(0, QString(), message) {}

    int line() const { return m_line; }
    const QString &section() const { return m_section; }
    const QString &message() const { return m_message; }

private:
    int m_line;
    QString m_section;
    QString m_message;
};

} // namespace talmo::cabwiz
