#pragma once

#include <QString>

#include <stdexcept>

namespace talmo {

// A build step that cannot go on: writing or preparing a file failed. The
// message is the text the builder logs after "Fatal Error: ".
class BuildStepError : public std::runtime_error
{
public:
    explicit BuildStepError(const QString &message);

    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace talmo
