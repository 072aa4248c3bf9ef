// Feeds arbitrary bytes to the project-manager reader through a file on disk.
// A refused file leaves the manager exactly as it was; an accepted one names
// the manager, and its entries save and read back unchanged.

#include "FuzzWorkFolder.h"

#include "model/ProjectManager.h"

using namespace talmo;
using namespace talmo::fuzzing;

namespace {

QStringList entryNames(const TProjectManager &manager)
{
    QStringList names;
    for (const TProjectEntry &entry : manager.Entries)
        names.append(entry.FileName);
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const FuzzWorkFolder work;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString input = work.filePath(QStringLiteral("input.talmopm"));
    writeAll(input, bytes);

    TProjectManager manager;
    manager.FileName = QStringLiteral("/projects/kept.talmopm");
    manager.Entries.AddNew().FileName = QStringLiteral("kept.talmo");
    manager.Modified = true;
    manager.Version = 7;
    if (!manager.LoadFromFile(input)) {
        if (manager.FileName != QStringLiteral("/projects/kept.talmopm") || entryNames(manager) != QStringList{ "kept.talmo" }
            || !manager.Modified || manager.Version != 7 || readAll(input) != bytes)
            std::abort();
        work.removeAll();
        return 0;
    }
    if (manager.FileName != input || manager.Modified)
        std::abort();
    const QString saved = work.filePath(QStringLiteral("saved.talmopm"));
    if (!manager.SaveToFile(saved))
        std::abort();
    TProjectManager reloaded;
    if (!reloaded.LoadFromFile(saved) || entryNames(reloaded) != entryNames(manager)
        || reloaded.Version != TProjectManager::CurrentVersion)
        std::abort();
    work.removeAll();
    return 0;
}
