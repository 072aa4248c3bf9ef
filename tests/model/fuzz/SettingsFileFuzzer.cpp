// Feeds arbitrary bytes to the settings store as its file, and the program
// options over it. Reading always ends, and the options read no more sets,
// platforms, processors and CAB files than the file holds values. A file the
// store calls damaged is set aside byte for byte on the next save, and the new
// file reads back without complaint; a file it reads saves and reads back as
// the same tree.

#include "FuzzWorkFolder.h"

#include "platform/Registry.h"
#include "platform/RegistryFileStore.h"

using namespace talmo;
using namespace talmo::fuzzing;

namespace {

// Every key below keyPath with its values, in the store's order.
QString listing(const RegistryStore &store, const QString &keyPath = QString())
{
    QString text = keyPath + u'\n';
    for (const QString &name : store.valueNames(keyPath)) {
        const std::optional<RegistryValue> value = store.value(keyPath, name);
        if (!value)
            std::abort(); // a listed value must be readable
        text += name + u'='
            + (std::holds_alternative<qint32>(*value) ? QString::number(std::get<qint32>(*value))
                                                      : u'"' + std::get<QString>(*value) + u'"')
            + u'\n';
    }
    for (const QString &subkey : store.subkeyNames(keyPath)) {
        // A name that is no single path step cannot be walked into by path.
        if (subkey.isEmpty() || subkey.contains(u'\\'))
            text += QStringLiteral("[") + subkey + QStringLiteral("]\n");
        else
            text += listing(store, keyPath.isEmpty() ? subkey : keyPath + u'\\' + subkey);
    }
    return text;
}

std::size_t userItems(const std::vector<TMSQL_CustomSet> &sets)
{
    std::size_t items = 0;
    for (std::size_t s = 1; s < sets.size(); ++s) {
        ++items;
        for (const TMSQL_Platforms &platform : sets[s].Platforms) {
            items += 1 + platform.Processors.size();
            for (const TMSQL_Processors &processor : platform.Processors)
                items += std::size_t(processor.CabFiles.size());
        }
    }
    return items;
}

void checkOptionsAreBounded(RegistryFileStore &store)
{
    ScopedCurrentRegistryStore current(store);
    const TProgramOptions options;
    const qsizetype values = store.valueNames(TalmoRegistryKey).size();
    if (qsizetype(userItems(options.MSQLSets) + userItems(options.NETCF2Sets)) > values)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const FuzzWorkFolder work;
    work.removeAll();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = work.filePath(QStringLiteral("registry.json"));
    writeAll(path, bytes);

    RegistryFileStore store(path);
    checkOptionsAreBounded(store);
    const bool damaged = !store.loadError().isEmpty();
    const QString before = listing(store);
    // A key made and removed again at the root: the tree is as read, but changed, so it is saved.
    QString probe = QStringLiteral("FuzzProbe");
    while (store.keyExists(probe))
        probe += u'_';
    if (!store.createKey(probe).ok() || !store.deleteKey(probe).ok() || !store.commit().ok())
        std::abort();
    if (damaged && readAll(path + QStringLiteral(".broken")) != bytes)
        std::abort();
    const RegistryFileStore reread(path);
    if (!reread.loadError().isEmpty())
        std::abort();
    if (!damaged && listing(reread) != before)
        std::abort();
    return 0;
}
