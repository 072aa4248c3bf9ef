#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class ComponentCondition;
class TProjectContainer;

// The lines that hand the device CABs to the ActiveSync application manager:
// the start-menu shortcuts that install them again, their [Tasks] entry, and
// the [Run] lines that install them at the end of the setup.
class CabInstallerEntries
{
public:
    CabInstallerEntries(TProjectContainer &project, const ComponentCondition &conditions);

    // Whether the start-menu shortcuts are made.
    bool MakesShortcuts() const;
    // One shortcut line per CAB creator component, then one per CAB collection component.
    void WriteShortcutLines(QStringList &lines) const;
    // The [Tasks] section with its trailing empty line.
    void WriteTasks(QStringList &lines) const;
    // The application-manager runs: CAB collections, the project's CABs,
    // .NET CF2, SQL Mobile.
    void WriteRunLines(QStringList &lines) const;

private:
    bool isCabComponent(int componentIndex) const;
    QString taskComponents() const;

    TProjectContainer &m_project;
    const ComponentCondition &m_conditions;
};

} // namespace talmo
