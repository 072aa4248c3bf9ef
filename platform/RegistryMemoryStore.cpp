#include "platform/RegistryMemoryStore.h"

namespace talmo {

void RegistryMemoryStore::failWritesWith(const QString &message)
{
    m_writeFailure = message;
}

RegistryStatus RegistryMemoryStore::checkWritable() const
{
    if (m_writeFailure.isEmpty())
        return {};
    return RegistryStatus::failure(m_writeFailure);
}

} // namespace talmo
