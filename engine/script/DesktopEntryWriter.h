#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class ComponentCondition;
class TProjectContainer;
struct TWin32FileEntry;
struct TWin32RegistryEntry;
struct TWIn32IconEntry;
struct TWin32RunEntry;
struct TWin32DeleteEntry;
struct TWin32Plugin;

// Turns the entries of the desktop-installer modules into script lines: each
// flag boolean becomes its keyword, in the installer's fixed order, and each
// line ends with the condition of its module's component.
class DesktopEntryWriter
{
public:
    DesktopEntryWriter(TProjectContainer &project, const ComponentCondition &conditions);

    // A [Files] line. downloadIndex is the entry's download number when its
    // source is a URL and -1 for a local source.
    QString FileLine(const TWin32FileEntry &entry, int downloadIndex, const QString &condition) const;
    // Raises ScriptGenerationError for a root key the installer cannot write below.
    static QString RegistryLine(const TWin32RegistryEntry &entry, const QString &condition);
    static QString IconLine(const TWIn32IconEntry &entry, const QString &condition);
    static QString InstallRunLine(const TWin32RunEntry &entry, const QString &condition);
    static QString UninstallRunLine(const TWin32RunEntry &entry, const QString &condition);
    static QString DeleteLine(const TWin32DeleteEntry &entry, const QString &condition);

    // Every module's entries in list order, appended to the given lists.
    void WriteRegistryEntries(QStringList &lines) const;
    void WriteIconEntries(QStringList &lines) const;
    void WriteDeleteEntries(QStringList &installLines, QStringList &uninstallLines) const;
    void WriteRunEntries(QStringList &installLines, QStringList &uninstallLines) const;

    // The condition of desktop-installer module moduleIndex.
    QString ModuleCondition(int moduleIndex) const;

private:
    template <typename Entries, typename LineOf>
    void writeEntries(Entries TWin32Plugin::*entries, QStringList &lines, LineOf lineOf) const;

    TProjectContainer &m_project;
    const ComponentCondition &m_conditions;
};

} // namespace talmo
