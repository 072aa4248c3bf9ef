#include "editors/core/device/TargetEdits.h"

#include "model/ProjectContainer.h"

#include <algorithm>

namespace talmo {

namespace {

const QString CaptionPrefix = QStringLiteral("CEDevice.");

struct ProcessorEntry
{
    const char *type;
    const char *name;
};

constexpr ProcessorEntry processorNames[] = {
    { "1824", "ARM720" },
    { "10003", "Hitachi SH3" },
    { "10005", "hitachi SH4" },
    { "4000", "MIPS R4XXX" },
    { "2577", "StrongARM" },
};

template <typename Sections>
bool hasSectionCaption(const Sections &sections, const QString &caption)
{
    for (const auto &section : sections) {
        if (section.Caption == caption)
            return true;
    }
    return false;
}

template <typename Sections>
void dropDangling(QStringList &names, const Sections &sections)
{
    for (qsizetype i = names.size() - 1; i >= 0; --i) {
        if (!hasSectionCaption(sections, names.at(i)))
            names.removeAt(i);
    }
}

void storeFields(TCEDevice &target, const TargetFields &fields)
{
    target.Caption = TargetEdits::CaptionFromName(fields.name);
    target.ProcessorType = fields.processorType;
    target.UnsupportedPlatforms = fields.unsupportedPlatforms;
    target.VersionMin = fields.versionMin;
    target.VersionMax = fields.versionMax;
    target.BuildMax = fields.buildMax;
}

} // namespace

TargetFields TargetFields::of(const TCEDevice &target)
{
    return { TProjectContainer::GetDeviceName(target.Caption), target.ProcessorType,
             target.UnsupportedPlatforms, target.VersionMin, target.VersionMax, target.BuildMax };
}

TargetEdits::TargetEdits(TProjectContainer &project)
    : m_project(project)
{
}

QString TargetEdits::CaptionFromName(const QString &name)
{
    const QString trimmed = name.trimmed();
    return trimmed.startsWith(CaptionPrefix) ? trimmed : CaptionPrefix + trimmed;
}

QString TargetEdits::ProcessorName(const QString &processorType)
{
    for (const ProcessorEntry &entry : processorNames) {
        if (processorType == QLatin1String(entry.type))
            return QLatin1String(entry.name);
    }
    return QString();
}

QString TargetEdits::ChoiceCaption(const TCEDevice &target, int index)
{
    return index == 0 ? QStringLiteral("CEDevice [ Default ]") : target.Caption;
}

QStringList TargetEdits::RowTexts(int index) const
{
    const TCEDevice &target = m_project.CEDevices[index];
    return { TProjectContainer::GetDeviceName(target.Caption), ProcessorName(target.ProcessorType),
             target.UnsupportedPlatforms, target.VersionMin, target.VersionMax };
}

bool TargetEdits::CanEdit(int index) const
{
    return index >= 0 && index < m_project.CEDevices.Count() && !m_project.Win32Only;
}

bool TargetEdits::CanDelete(int index) const
{
    return CanEdit(index) && index > 0;
}

int TargetEdits::AddTarget(const TargetFields &fields)
{
    TCEDevice &target = m_project.CEDevices.AddNew();
    storeFields(target, fields);
    TShortcutSection &section = m_project.ShortcutsSections.AddNew();
    section.Caption = NewShortcutSectionName();
    section.DefaultDestinationDir = TShortcutSection::DefaultFolder;
    target.Installation.defaultInstallShortcuts.append(section.Caption);
    m_project.Modified = true;
    return m_project.CEDevices.Count() - 1;
}

void TargetEdits::EditTarget(int index, const TargetFields &fields)
{
    storeFields(m_project.CEDevices[index], fields);
    m_project.Modified = true;
}

bool TargetEdits::DeleteTarget(int index)
{
    if (index <= 0 || index >= m_project.CEDevices.Count())
        return false;
    TCopyFilesSections &copyFiles = m_project.CopyFilesSections;
    for (int i = copyFiles.Count() - 1; i >= 0; --i) {
        if (copyFiles[i].linked_SourceName == index)
            copyFiles.Delete(i);
        else if (copyFiles[i].linked_SourceName > index)
            --copyFiles[i].linked_SourceName;
    }
    TShortcutsSections &shortcuts = m_project.ShortcutsSections;
    for (const QString &name : m_project.CEDevices[index].Installation.defaultInstallShortcuts) {
        for (int i = shortcuts.Count() - 1; i >= 0; --i) {
            if (shortcuts[i].Caption == name)
                shortcuts.Delete(i);
        }
    }
    m_project.CEDevices.Delete(index);
    m_project.Modified = true;
    return true;
}

QString TargetEdits::NewShortcutSectionName() const
{
    return unusedShortcutSectionName(QStringLiteral("wiz-"), m_project.CEDevices.Count() - 1);
}

QString TargetEdits::unusedShortcutSectionName(const QString &prefix, int from) const
{
    for (int n = std::max(from, 0);; ++n) {
        const QString name = prefix + QString::number(n);
        if (!hasSectionCaption(m_project.ShortcutsSections, name))
            return name;
    }
}

void TargetEdits::DropDanglingSectionNames()
{
    for (TCEDevice &target : m_project.CEDevices) {
        dropDangling(target.Installation.defaultInstallShortcuts, m_project.ShortcutsSections);
        dropDangling(target.Installation.defaultInstallRegistry, m_project.RegistrySections);
    }
}

QList<int> TargetEdits::RegistrySectionPlaces(const QString &caption) const
{
    QList<int> places;
    for (const TCEDevice &target : m_project.CEDevices)
        places.append(int(target.Installation.defaultInstallRegistry.indexOf(caption)));
    return places;
}

void TargetEdits::RenameRegistrySection(const QList<int> &places, const QString &oldCaption,
                                        const QString &newCaption)
{
    for (int t = 0; t < places.size() && t < m_project.CEDevices.Count(); ++t) {
        QStringList &names = m_project.CEDevices[t].Installation.defaultInstallRegistry;
        const int place = places[t];
        if (place < 0 || place >= names.size() || names[place] != oldCaption || oldCaption == newCaption)
            continue;
        names[place] = newCaption;
        m_project.Modified = true;
    }
}

void TargetEdits::SetInstalledRegistrySections(int targetIndex, const QList<int> &sectionIndexes)
{
    QStringList &names = m_project.CEDevices[targetIndex].Installation.defaultInstallRegistry;
    names.clear();
    for (const int section : sectionIndexes)
        names.append(m_project.RegistrySections[section].Caption);
    m_project.Modified = true;
}

bool TargetEdits::InstallsRegistrySection(int targetIndex, int sectionIndex) const
{
    return m_project.CEDevices[targetIndex].Installation.defaultInstallRegistry.contains(
        m_project.RegistrySections[sectionIndex].Caption);
}

void TargetEdits::SetRegistrySectionInstalled(int targetIndex, int sectionIndex, bool installed)
{
    // Each target's list is read whole before it is written; no other target reads it.
    for (int t = 0; t < m_project.CEDevices.Count(); ++t) {
        QList<int> sections;
        for (int s = 0; s < m_project.RegistrySections.Count(); ++s) {
            const bool changed = t == targetIndex && s == sectionIndex;
            if (changed ? installed : InstallsRegistrySection(t, s))
                sections.append(s);
        }
        SetInstalledRegistrySections(t, sections);
    }
    m_project.Modified = true;
}

void TargetEdits::SetSetupFiles(int targetIndex, const QString &setupDll, const QString &selfRegister)
{
    TInstallation &installation = m_project.CEDevices[targetIndex].Installation;
    installation.CESetupDLL = setupDll;
    installation.CESelfRegister = selfRegister;
    m_project.Modified = true;
}

QString TargetEdits::SetupFilesCaption(int targetIndex) const
{
    if (targetIndex < 0 || targetIndex >= m_project.CEDevices.Count())
        return QStringLiteral("Setup DLL and Self Register Files for - No Target Selected -");
    return QStringLiteral("Setup DLL and Self Register Files for ")
        + TProjectContainer::GetDeviceName(m_project.CEDevices[targetIndex].Caption) + QStringLiteral(" Target");
}

} // namespace talmo
