// Feeds arbitrary bytes to the registry-file import. Every import must end,
// and the same bytes must give the same events and result, whether the
// callback listens to the end or declines after the first event.

#include "editors/core/regimport/RegImport.h"

#include <QList>

#include <cstdlib>

using namespace talmo;

namespace {

// Keys one and two levels deep exist and have two subkeys; a key ending in
// "Locked" cannot be opened, so the deletion walk meets errors too.
class DeterministicProbe final : public RegistryProbe
{
public:
    Key openKey(const QString &, const QString &keyPath) const override
    {
        if (keyPath.endsWith(QLatin1String("Locked"), Qt::CaseInsensitive))
            return { 5, {} };
        if (keyPath.count(u'\\') < 2)
            return { 0, { QStringLiteral("One"), QStringLiteral("Locked") } };
        return { 2, {} };
    }
};

struct Run
{
    int result = -1;
    QList<RegImportEvent> events;
};

Run import(const QByteArray &bytes, qsizetype listenFor)
{
    static const DeterministicProbe probe;
    Run run;
    run.result = ImportRegBytes(bytes, [&](const RegImportEvent &event) {
        run.events.append(event);
        return run.events.size() < listenFor;
    }, probe);
    return run;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Run first = import(bytes, std::numeric_limits<qsizetype>::max());
    const Run second = import(bytes, std::numeric_limits<qsizetype>::max());
    if (first.result != second.result || first.events != second.events)
        std::abort();
    const Run declining = import(bytes, 1);
    if (declining.result != first.result || declining.events != first.events.mid(0, 1))
        std::abort();
    return 0;
}
