#include "editors/core/desktop/Win32RunEdits.h"

#include "editors/core/desktop/Win32EntryRows.h"
#include "editors/core/desktop/Win32FileEdits.h"
#include "model/Win32Plugin.h"

namespace talmo {

namespace {

TWin32RunEntries &entriesOf(TWin32Plugin &plugin, bool install)
{
    return install ? plugin.InstallRunEntries : plugin.UninstallRunEntries;
}

const EntryRow<TWin32RunEntry> *rowOf(bool install, int tag)
{
    return rowOfTag(install ? installRunEntryRows() : uninstallRunEntryRows(), tag);
}

} // namespace

Win32RunEdits::Win32RunEdits(TWin32Plugin &plugin, bool install)
    : m_plugin(plugin)
    , m_install(install)
{
}

QStringList Win32RunEdits::RowTexts(const TWin32RunEntry &entry)
{
    return {entry.FileName, entry.Parameters, entry.WorkingDir, runFlagWords(entry)};
}

int Win32RunEdits::Add()
{
    TWin32RunEntries &entries = entriesOf(m_plugin, m_install);
    entries.AddNew().FileName = QStringLiteral("Change me");
    return entries.Count() - 1;
}

bool Win32RunEdits::Remove(int index)
{
    TWin32RunEntries &entries = entriesOf(m_plugin, m_install);
    if (index < 0 || index >= entries.Count())
        return false;
    entries.Delete(index);
    return true;
}

bool Win32RunEdits::ChangeRow(int index, int tag, const QString &value)
{
    TWin32RunEntries &entries = entriesOf(m_plugin, m_install);
    const EntryRow<TWin32RunEntry> *row = rowOf(m_install, tag);
    if (index < 0 || index >= entries.Count() || !row)
        return false;
    row->store(entries[index], value);
    return true;
}

std::optional<QStringList> Win32RunEdits::Choices(int tag)
{
    const EntryRow<TWin32RunEntry> *row = rowOf(m_install, tag);
    if (row && row->text == &TWin32RunEntry::WorkingDir)
        return Win32FileEdits(m_plugin).FolderChoices();
    if (row && row->text == &TWin32RunEntry::FileName)
        return Win32FileEdits(m_plugin).InstallPaths();
    return std::nullopt;
}

} // namespace talmo
