#include "model/ProgramOptions.h"

#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "platform/RegistryReaders.h"

#include <algorithm>

namespace talmo {

namespace {

TProgramOptions *currentOptions = nullptr;

// The program folder as the set paths begin with it: no trailing separator.
QString programFolder()
{
    QString folder = ProgramFolder::path();
    folder.chop(1);
    return folder;
}

TMSQL_Processors processor(const QString &caption, const QString &folder, const QStringList &files)
{
    TMSQL_Processors result{ caption, {} };
    for (const QString &file : files)
        result.CabFiles.append(folder + file);
    return result;
}

// The processors that follow the first one of WCE500, each with the same
// file pattern: prefix + processor + suffix for each pair.
void appendProcessorsByPattern(TMSQL_Platforms &platform, const QString &base, const QStringList &processors,
                               const QList<QPair<QString, QString>> &patterns)
{
    for (const QString &name : processors) {
        QStringList files;
        for (const auto &[prefix, suffix] : patterns)
            files.append(prefix + name + suffix);
        platform.Processors.push_back(processor(name, base + name + QLatin1Char('\\'), files));
    }
}

const QString wce400 = QStringLiteral("WCE400");
const QString wce500 = QStringLiteral("WCE500");

// Registry value names of the user's sets: K_CustomSets_n_Platform_p_... .
class SetValueNames
{
public:
    explicit SetValueNames(const QString &kind) : m_kind(kind) {}

    QString setCount() const { return m_kind + QStringLiteral("_CustomSets_Count"); }
    QString set(int n) const { return m_kind + QStringLiteral("_CustomSets_") + QString::number(n); }
    static QString platform(const QString &set, int p) { return set + QStringLiteral("_Platform_") + QString::number(p); }
    static QString processor(const QString &platform, int q) { return platform + QStringLiteral("_Processor_") + QString::number(q); }
    static QString cabFile(const QString &processor, int k) { return processor + QStringLiteral("_CabFiles_") + QString::number(k); }

private:
    QString m_kind;
};

const QString captionSuffix = QStringLiteral("_Caption");
const QString platformsCountSuffix = QStringLiteral("_Platforms_Count");
const QString processorsCountSuffix = QStringLiteral("_Processors_Count");
const QString cabFilesCountSuffix = QStringLiteral("_CabFiles_Count");

// Every set, platform, processor and CAB file the options write comes with at
// least one value of its own, so the key holds no more of them than it holds
// values. Counts read from a damaged file are cut to what is left of that
// allowance: loading then takes time and memory in step with the file.
class ItemAllowance
{
public:
    explicit ItemAllowance(const Registry &registry)
        : m_left(registry.valueNames().size())
    {
    }

    int take(int wanted)
    {
        const int granted = int(std::clamp<qsizetype>(wanted, 0, m_left));
        m_left -= granted;
        return granted;
    }

private:
    qsizetype m_left;
};

void loadUserSets(const Registry &registry, const QString &kind, ItemAllowance &allowance,
                  std::vector<TMSQL_CustomSet> &sets)
{
    const SetValueNames names(kind);
    const int setCount = allowance.take(RegReadIntegerDef(registry, names.setCount(), 0));
    for (int n = 0; n < setCount; ++n) {
        const QString setName = names.set(n);
        TMSQL_CustomSet &set = sets.emplace_back();
        set.Caption = RegReadWideStringDef(registry, setName + captionSuffix, QStringLiteral("aCustomSet"));
        const int platformCount = allowance.take(RegReadIntegerDef(registry, setName + platformsCountSuffix, 0));
        for (int p = 0; p < platformCount; ++p) {
            const QString platformName = SetValueNames::platform(setName, p);
            TMSQL_Platforms &platform = set.Platforms.emplace_back();
            platform.Caption = RegReadWideStringDef(registry, platformName + captionSuffix, QStringLiteral("aPlatform"));
            const int processorCount =
                allowance.take(RegReadIntegerDef(registry, platformName + processorsCountSuffix, 0));
            for (int q = 0; q < processorCount; ++q) {
                const QString processorName = SetValueNames::processor(platformName, q);
                TMSQL_Processors &processor = platform.Processors.emplace_back();
                processor.Caption = RegReadWideStringDef(registry, processorName + captionSuffix, QStringLiteral("aProcessor"));
                const int fileCount = allowance.take(RegReadIntegerDef(registry, processorName + cabFilesCountSuffix, 0));
                for (int k = 0; k < fileCount; ++k) {
                    processor.CabFiles.append(RegReadWideStringDef(
                        registry, SetValueNames::cabFile(processorName, k) + captionSuffix, QStringLiteral("aCabFile")));
                }
            }
        }
    }
}

// Writes in the order of the tree, depth first; stops at the first failure.
class SetWriter
{
public:
    explicit SetWriter(Registry &registry) : m_registry(registry) {}

    RegistryStatus writeUserSets(const QString &kind, const std::vector<TMSQL_CustomSet> &sets)
    {
        const SetValueNames names(kind);
        integer(names.setCount(), int(sets.size()) - 1);
        for (std::size_t i = 1; i < sets.size(); ++i) {
            const TMSQL_CustomSet &set = sets[i];
            const QString setName = names.set(int(i) - 1);
            string(setName + captionSuffix, set.Caption);
            integer(setName + platformsCountSuffix, int(set.Platforms.size()));
            for (std::size_t p = 0; p < set.Platforms.size(); ++p) {
                const TMSQL_Platforms &platform = set.Platforms[p];
                const QString platformName = SetValueNames::platform(setName, int(p));
                string(platformName + captionSuffix, platform.Caption);
                integer(platformName + processorsCountSuffix, int(platform.Processors.size()));
                for (std::size_t q = 0; q < platform.Processors.size(); ++q) {
                    const TMSQL_Processors &processor = platform.Processors[q];
                    const QString processorName = SetValueNames::processor(platformName, int(q));
                    string(processorName + captionSuffix, processor.Caption);
                    integer(processorName + cabFilesCountSuffix, int(processor.CabFiles.size()));
                    for (int k = 0; k < processor.CabFiles.size(); ++k)
                        string(SetValueNames::cabFile(processorName, k) + captionSuffix, processor.CabFiles[k]);
                }
            }
        }
        return m_status;
    }

private:
    void integer(const QString &name, int value)
    {
        if (m_status)
            m_status = m_registry.writeInteger(name, value);
    }
    void string(const QString &name, const QString &value)
    {
        if (m_status)
            m_status = m_registry.writeString(name, value);
    }

    Registry &m_registry;
    RegistryStatus m_status;
};

} // namespace

TProgramOptions::TProgramOptions()
{
    Load();
}

TMSQL_CustomSet TProgramOptions::BuiltinSqlMobileSet()
{
    const QString base = programFolder() + QStringLiteral("\\redist\\SQLServer\\Mobile\\v3.0\\");
    TMSQL_Platforms wce4{ wce400, {} };
    wce4.Processors.push_back(processor(QStringLiteral("armv4"), base + QStringLiteral("wce400\\armv4\\"),
        { QStringLiteral("sqlce30.dev.ENU.ppc.wce4.armv4.CAB"), QStringLiteral("sqlce30.ppc.wce4.armv4.CAB"),
          QStringLiteral("sqlce30.repl.ppc.wce4.armv4.CAB") }));

    const QString wce5Base = base + QStringLiteral("wce500\\");
    TMSQL_Platforms wce5{ wce500, {} };
    wce5.Processors.push_back(processor(QStringLiteral("armv4i"), wce5Base + QStringLiteral("armv4i\\"),
        { QStringLiteral("sqlce30.dev.ENU.phone.wce5.armv4i.CAB"), QStringLiteral("sqlce30.dev.ENU.ppc.wce5.armv4i.CAB"),
          QStringLiteral("sqlce30.dev.ENU.wce5.armv4i.CAB"), QStringLiteral("sqlce30.phone.wce5.armv4i.CAB"),
          QStringLiteral("sqlce30.ppc.wce5.armv4i.CAB"), QStringLiteral("sqlce30.repl.phone.wce5.armv4i.CAB"),
          QStringLiteral("sqlce30.repl.ppc.wce5.armv4i.CAB"), QStringLiteral("sqlce30.repl.wce5.armv4i.CAB"),
          QStringLiteral("sqlce30.wce5.armv4i.CAB") }));
    appendProcessorsByPattern(wce5, wce5Base,
        { QStringLiteral("mipsii"), QStringLiteral("mipsii_fp"), QStringLiteral("mipsiv"),
          QStringLiteral("mipsiv_fp"), QStringLiteral("sh4"), QStringLiteral("x86") },
        { { QStringLiteral("sqlce30.dev.ENU.wce5."), QStringLiteral(".CAB") },
          { QStringLiteral("sqlce30.repl.wce5."), QStringLiteral(".CAB") },
          { QStringLiteral("sqlce30.wce5."), QStringLiteral(".CAB") } });
    return { BuiltinSetCaption, { wce4, wce5 } };
}

TNETCF2_CustomSet TProgramOptions::BuiltinNetCF2Set()
{
    const QString base = programFolder() + QStringLiteral("\\redist\\CompactFramework\\CF2\\");
    TMSQL_Platforms wce4{ wce400, {} };
    wce4.Processors.push_back(processor(QStringLiteral("armv4"), base + QStringLiteral("wce400\\armv4\\"),
        { QStringLiteral("NETCFv2.ppc.armv4.cab") }));

    const QString wce5Base = base + QStringLiteral("wce500\\");
    TMSQL_Platforms wce5{ wce500, {} };
    wce5.Processors.push_back(processor(QStringLiteral("armv4i"), wce5Base + QStringLiteral("armv4i\\"),
        { QStringLiteral("NETCFv2.wce5.armv4i.cab"), QStringLiteral("NETCFv2.wm.armv4i.cab") }));
    appendProcessorsByPattern(wce5, wce5Base,
        { QStringLiteral("mipsii"), QStringLiteral("mipsiv"), QStringLiteral("sh4"), QStringLiteral("x86") },
        { { QStringLiteral("NETCFv2.wce5."), QStringLiteral(".cab") } });
    return { BuiltinSetCaption, { wce4, wce5 } };
}

void TProgramOptions::Load()
{
    Registry registry;
    // A missing key leaves the session without a key; every read then takes its default.
    (void)registry.openKey(TalmoRegistryKey, false);
    ItemAllowance allowance(registry);
    MSQLSets = { BuiltinSqlMobileSet() };
    loadUserSets(registry, QStringLiteral("MSQL"), allowance, MSQLSets);
    NETCF2Sets = { BuiltinNetCF2Set() };
    loadUserSets(registry, QStringLiteral("NETCF2"), allowance, NETCF2Sets);
}

RegistryStatus TProgramOptions::Save() const
{
    Registry registry;
    RegistryStatus status = registry.openKey(TalmoRegistryKey, true);
    SetWriter writer(registry);
    if (status)
        status = writer.writeUserSets(QStringLiteral("MSQL"), MSQLSets);
    if (status)
        status = writer.writeUserSets(QStringLiteral("NETCF2"), NETCF2Sets);
    const RegistryStatus closed = registry.closeKey();
    if (status)
        status = closed;
    return status ? status : RegistryStatus::failure(RegistryErrorMessage);
}

TProgramOptions *TProgramOptions::current()
{
    return currentOptions;
}

TProgramOptions *TProgramOptions::setCurrent(TProgramOptions *options)
{
    TProgramOptions *previous = currentOptions;
    currentOptions = options;
    return previous;
}

} // namespace talmo
