#pragma once

#include <QString>

#include <stdexcept>

namespace talmo {

// Raised when a project cannot be turned into a setup script (a module
// without its component, a direct-copy module without its archive, ...).
// The setup build reports it as an internal error of the script preparation.
class ScriptGenerationError : public std::runtime_error
{
public:
    explicit ScriptGenerationError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace talmo
