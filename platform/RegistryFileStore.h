#pragma once

#include "platform/RegistryStore.h"

namespace talmo {

// The user's settings as one JSON file. The file is read when the store is
// created and rewritten as a whole on commit(), atomically, so a failed save
// never damages the previous settings. A file that cannot be read as settings
// (not JSON, not a regular file, absurdly large) is kept beside the new one
// (".broken") instead of being overwritten. Nothing is written on
// destruction: whoever ends the program commits last and reports a failure.
class RegistryFileStore : public RegistryStore
{
public:
    explicit RegistryFileStore(const QString &filePath);
    ~RegistryFileStore() override;

    // "<XDG config folder>/talmo/registry.json".
    static QString defaultFilePath();

    const QString &filePath() const { return m_filePath; }
    // Empty when the file was read, or did not exist yet.
    const QString &loadError() const { return m_loadError; }

protected:
    RegistryStatus persist() override;

private:
    void load();
    QString damagedMessage() const;
    RegistryStatus setBrokenFileAside();

    QString m_filePath;
    QString m_loadError;
};

} // namespace talmo
