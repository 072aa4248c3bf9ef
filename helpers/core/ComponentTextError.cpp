#include "helpers/core/ComponentTextError.h"

namespace talmo {

namespace {

QString withLine(const QString &message, int line)
{
    return line > 0 ? QStringLiteral("Line %1: %2").arg(line).arg(message) : message;
}

} // namespace

ComponentTextError::ComponentTextError(const QString &message, int line)
    : std::runtime_error(withLine(message, line).toStdString())
    , m_message(withLine(message, line))
    , m_line(line)
{
}

} // namespace talmo
