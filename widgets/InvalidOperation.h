#pragma once

#include <QString>

#include <stdexcept>

namespace talmo {

// An operation a control refuses, with the control's own message.
class InvalidOperation : public std::logic_error
{
public:
    explicit InvalidOperation(const QString &message)
        : std::logic_error(message.toStdString())
    {
    }
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace talmo
