#pragma once

#include "tools/cabwiz/CabPlan.h"
#include "tools/cabwiz/InfDocument.h"
#include "tools/cabwiz/StringTable.h"

#include <QHash>
#include <QSet>

namespace talmo::cabwiz {

class Diagnostics;

// Works out what the cabinet of one processor holds: the generic sections of
// the .inf file, with the keys and entries of the processor's own sections
// ("[DefaultInstall.ARMV4]" and the like) winning over generic ones. Faults are
// reported to the diagnostics and planning goes on, so one run names them all.
class CabPlanner
{
public:
    // infFolder: where relative source folders are looked up.
    CabPlanner(const InfDocument &inf, const QString &infFolder, Diagnostics &diagnostics);

    // An empty processor name plans the generic cabinet.
    CabPlan plan(const QString &processor);

private:
    struct LocatedEntry
    {
        InfEntry entry;
        QString section;
    };
    using EntryMap = QHash<QString, LocatedEntry>;

    void defineStrings();
    bool namesProcessor(const QString &processor) const;
    EntryMap mergedEntries(const QString &base) const;
    std::optional<LocatedEntry> installEntry(const QString &key) const;
    QString expand(const QString &text, const LocatedEntry &where) const;
    QString expand(const QString &text, const InfLine &line, const QString &section) const;

    void planHeader();
    void planDeviceConditions();
    QString deviceCondition(const EntryMap &device, const QString &key) const;
    QString unsupportedPlatforms() const;
    void planCopyFiles();
    void planSetupDll();
    void planSelfRegister();
    void planShortcuts();
    void planRegistry();

    // Calls handle for each section a list key of [DefaultInstall] names,
    // reporting names of sections the file does not have.
    template<typename Handler>
    void forEachNamedSection(const QString &key, Handler handle);
    template<typename Handler>
    void forEachLine(const InfSection &section, Handler handle);

    QString destinationFolder(const InfSection &section) const;
    QString sourcePath(const QString &fileName, const InfLine &line, const QString &section) const;
    QString existingSource(const QString &path, const InfLine &line, const QString &section) const;
    qsizetype memberFor(const QString &sourcePath, const QString &fileName);
    void addCopyLine(const InfLine &line, const QString &section, const QString &folder);
    void addFile(FileInstall file, const InfLine &line, const QString &section);
    void addShortcutLine(const InfLine &line, const InfSection &section);
    QString fileShortcutTarget(const QString &target, const InfLine &line, const QString &section);
    QString folderShortcutTarget(const QString &target, const InfLine &line, const QString &section) const;
    void addRegistryLine(const InfLine &line, const QString &section);

    const InfDocument &m_inf;
    QString m_infFolder;
    Diagnostics &m_diagnostics;
    StringTable m_strings;

    QString m_processor;
    EntryMap m_install;
    EntryMap m_diskNames;
    EntryMap m_diskFiles;
    CabPlan m_plan;
    QHash<QString, qsizetype> m_memberBySource;
    QHash<QString, qsizetype> m_fileByDevicePath;
};

// Device folders: single backslashes, none at the end (the root stays "\").
QString normalizeDevicePath(const QString &path);

} // namespace talmo::cabwiz
