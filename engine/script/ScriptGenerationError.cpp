#include "engine/script/ScriptGenerationError.h"

namespace talmo {

ScriptGenerationError::ScriptGenerationError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

} // namespace talmo
