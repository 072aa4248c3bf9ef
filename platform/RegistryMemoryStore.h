#pragma once

#include "platform/RegistryStore.h"

namespace talmo {

// A store that lives only in memory: the stand-in before main() sets the real
// one, and the store of tests. Tests make it refuse writes to check how
// callers report registry errors.
class RegistryMemoryStore : public RegistryStore
{
public:
    // Every following change fails with this message; an empty message
    // makes the store writable again.
    void failWritesWith(const QString &message);

protected:
    RegistryStatus checkWritable() const override;

private:
    QString m_writeFailure;
};

} // namespace talmo
