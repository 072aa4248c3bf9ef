#pragma once

// What the project fuzzers share: a work folder for the files they read and
// write, and a registry and program options of their own, so a run never
// touches the user's settings.

#include "model/ProgramOptions.h"
#include "model/RandomSource.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryMemoryStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace talmo::fuzzing {

class FuzzWorkFolder
{
public:
    FuzzWorkFolder()
    {
        if (!m_dir.isValid())
            std::abort();
        RegistryStore::setCurrent(&m_registry);
        ProgramFolder::setOverride(m_dir.filePath(QStringLiteral("program")));
        m_options = std::make_unique<TProgramOptions>();
        TProgramOptions::setCurrent(m_options.get());
    }

    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // The names of the files in the folder, sorted.
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    void removeAll() const
    {
        for (const QString &name : files())
            QFile::remove(m_dir.filePath(name));
    }

private:
    QTemporaryDir m_dir;
    RegistryMemoryStore m_registry;
    std::unique_ptr<TProgramOptions> m_options;
};

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

inline void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

// Hands out 0, 1, 2, ... so every save of the same project draws the same names.
class CountingRandomSource : public RandomSource
{
public:
    int Bounded(int limit) override { return m_next++ % limit; }

private:
    int m_next = 0;
};

} // namespace talmo::fuzzing
