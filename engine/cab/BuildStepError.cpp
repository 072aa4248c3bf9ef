#include "engine/cab/BuildStepError.h"

namespace talmo {

BuildStepError::BuildStepError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

} // namespace talmo
