#include "editors/core/desktop/Win32RunEdits.h"

#include "editors/core/desktop/Win32EntryRows.h"
#include "editors/core/desktop/Win32FileEdits.h"
#include "model/Win32Plugin.h"

namespace talmo {

Win32RunEdits::Win32RunEdits(TWin32Plugin &plugin, bool install)
    : Win32EntryList(install ? plugin.InstallRunEntries : plugin.UninstallRunEntries)
    , m_plugin(plugin)
    , m_install(install)
{
}

const EntryRows<TWin32RunEntry> &Win32RunEdits::Rows(bool install)
{
    return install ? installRunEntryRows() : uninstallRunEntryRows();
}

QStringList Win32RunEdits::RowTexts(const TWin32RunEntry &entry)
{
    return {entry.FileName, entry.Parameters, entry.WorkingDir, runFlagWords(entry)};
}

int Win32RunEdits::Add()
{
    TWin32RunEntry entry;
    entry.FileName = QStringLiteral("Change me");
    return append(std::move(entry));
}

bool Win32RunEdits::ChangeRow(int index, int tag, const QString &value)
{
    return storeRow(Rows(m_install), index, tag, value);
}

std::optional<QStringList> Win32RunEdits::Choices(int tag)
{
    const EntryRow<TWin32RunEntry> *row = rowOfTag(Rows(m_install), tag);
    if (row && row->text == &TWin32RunEntry::WorkingDir)
        return Win32FileEdits(m_plugin).FolderChoices();
    if (row && row->text == &TWin32RunEntry::FileName)
        return Win32FileEdits(m_plugin).InstallPaths();
    return std::nullopt;
}

} // namespace talmo
