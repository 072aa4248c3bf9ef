#pragma once

#include "tools/cabwiz/CabPlan.h"
#include "tools/cabwiz/InfDocument.h"
#include "tools/cabwiz/StringTable.h"

#include <QHash>
#include <QSet>

namespace talmo::cabwiz {

class Diagnostics;

// Works out what the cabinet of one processor holds: the generic sections of
// the .inf file and the processor's own ones ("[DefaultInstall.ARMV4]" and the
// like). The section lists of the processor's install section (CopyFiles,
// AddReg, CEShortcuts, CESelfRegister) add to the generic ones; its other keys,
// and the entries of its disks, files and device conditions, win over generic
// ones. Faults are reported to the diagnostics and planning goes on, so one run
// names them all.
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

    // Where a file of the plan came from, for telling an override from a clash.
    struct PlacedFile
    {
        qsizetype index;
        bool processorOwn;
    };

    void defineStrings();
    bool namesProcessor(const QString &processor) const;
    QStringList sectionNames(const QString &base) const;
    EntryMap mergedEntries(const QString &base) const;
    EntryMap diskFileEntries() const;
    std::optional<LocatedEntry> installEntry(const QString &key) const;
    QList<LocatedEntry> installLists(const QString &key) const;
    QString expand(const QString &text, const LocatedEntry &where) const;
    QString expand(const QString &text, const InfLine &line, const QString &section) const;

    void planHeader();
    void planDeviceConditions();
    QString deviceCondition(const EntryMap &device, const QString &key) const;
    QString upperVersion(const EntryMap &device) const;
    QString buildNumber(const EntryMap &device, const QString &key) const;
    bool limitsBuildFromAbove(const EntryMap &device) const;
    QString unsupportedPlatforms() const;
    void planCopyFiles();
    void planSetupDll();
    void planSelfRegister();
    void markSelfRegistering(const QString &name, const LocatedEntry &where);
    void planShortcuts();
    void planRegistry();
    void refuseEmptyCabinet();

    // Calls handle(section, processorOwn) for each section a list key of the
    // install sections names, the generic list first, each section once;
    // names of sections the file does not have are warned about and skipped.
    template<typename Handler>
    void forEachNamedSection(const QString &key, Handler handle);
    template<typename Handler>
    void forEachLine(const InfSection &section, Handler handle);

    QString destinationFolder(const InfSection &section) const;
    QString sourcePath(const QString &fileName, const InfLine &line, const QString &section) const;
    QString existingSource(const QString &path, const InfLine &line, const QString &section) const;
    qsizetype memberFor(const QString &sourcePath, const QString &fileName);
    void dropUnusedMembers();
    void addCopyLine(const InfLine &line, const QString &section, const QString &folder, bool processorOwn);
    QStringList copyFlagParms(const QStringList &fields, const InfLine &line, const QString &section);
    void addFile(const FileInstall &file, bool processorOwn, const InfLine &line, const QString &section);
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
    QStringList m_memberBaseNames; // the file name each member's name is made of
    QHash<QString, PlacedFile> m_fileByDevicePath;
};

// Device folders: single backslashes, none at the end (the root stays "\").
QString normalizeDevicePath(const QString &path);

} // namespace talmo::cabwiz
