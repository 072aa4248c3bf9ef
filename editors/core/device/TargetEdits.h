#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;
struct TCEDevice;

// What the target dialog edits of a target.
struct TargetFields
{
    QString name;
    QString processorType;
    QString unsupportedPlatforms;
    QString versionMin;
    QString versionMax;
    int buildMax = 0;

    static TargetFields of(const TCEDevice &target);
};

// Adding, editing and deleting the project's targets together with the
// sections they own. Every edit sets the project's Modified flag.
class TargetEdits
{
public:
    explicit TargetEdits(TProjectContainer &project);

    // "CEDevice." followed by the name, unless the name already begins with
    // it. Blanks at either end are dropped: the .inf file would drop them
    // from one place of the name and keep them in another.
    static QString CaptionFromName(const QString &name);
    // The processor's name for the list, empty for an unknown type.
    static QString ProcessorName(const QString &processorType);
    // The target as the pages' target choices name it: the first is the
    // default one by position, whatever its caption says.
    static QString ChoiceCaption(const TCEDevice &target, int index);

    // The target list's row: name, processor, unsupported platforms, versions.
    QStringList RowTexts(int index) const;
    // Only a project that builds CABs edits its targets; the first, default
    // target is never deleted.
    bool CanEdit(int index) const;
    bool CanDelete(int index) const;

    // Appends a target with its own, empty shortcut section; returns its index.
    int AddTarget(const TargetFields &fields);
    void EditTarget(int index, const TargetFields &fields);
    // Deletes a target other than the first with its CopyFiles and shortcut
    // sections; later targets' CopyFiles sections move down with them.
    // False when nothing was deleted.
    bool DeleteTarget(int index);

    // "wiz-" and the smallest n >= targets - 1 no shortcut section uses yet.
    QString NewShortcutSectionName() const;
    // Removes each target's shortcut and registry section names that name no
    // section of the project.
    void DropDanglingSectionNames();
    // Where each target names the registry section: the index in its list of
    // registry sections, -1 where it does not install the section.
    QList<int> RegistrySectionPlaces(const QString &caption) const;
    // The section's name at those places (where it still reads oldCaption)
    // becomes newCaption. Other sections that have or get the same name are
    // left alone, however the names collide while one is typed.
    void RenameRegistrySection(const QList<int> &places, const QString &oldCaption, const QString &newCaption);
    // The target installs the registry sections at these indexes of the
    // project's list, in that order, named by their captions.
    void SetInstalledRegistrySections(int targetIndex, const QList<int> &sectionIndexes);
    // Whether the target installs the project's registry section.
    bool InstallsRegistrySection(int targetIndex, int sectionIndex) const;
    // Ticks or clears one section of one target. Every target's list is then
    // written anew as the sections it installs, in the project's order.
    void SetRegistrySectionInstalled(int targetIndex, int sectionIndex, bool installed);
    // The target's setup DLL and the files it registers itself.
    void SetSetupFiles(int targetIndex, const QString &setupDll, const QString &selfRegister);
    // The caption of the setup files' panel for the target, or for no target (-1).
    QString SetupFilesCaption(int targetIndex) const;
    // prefix and the smallest n >= from (and >= 0) no shortcut section uses yet.
    QString unusedShortcutSectionName(const QString &prefix, int from) const;

private:

    TProjectContainer &m_project;
};

} // namespace talmo
