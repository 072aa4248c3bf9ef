#include "editors/core/desktop/Win32DeleteEdits.h"

#include "editors/core/desktop/Win32EntryRows.h"
#include "editors/core/desktop/Win32FolderTree.h"
#include "model/Win32Plugin.h"

namespace talmo {

namespace {

TWin32DeleteEntries &entriesOf(TWin32Plugin &plugin, bool install)
{
    return install ? plugin.InstallDeleteEntries : plugin.UninstallDeleteEntries;
}

} // namespace

Win32DeleteEdits::Win32DeleteEdits(TWin32Plugin &plugin, bool install)
    : m_plugin(plugin)
    , m_install(install)
{
}

QStringList Win32DeleteEdits::RowTexts(const TWin32DeleteEntry &entry)
{
    return {deleteTypeShown(entry.DeleteType), entry.DeleteName};
}

int Win32DeleteEdits::Add()
{
    TWin32DeleteEntries &entries = entriesOf(m_plugin, m_install);
    entries.AddNew().DeleteType = QStringLiteral("files");
    return entries.Count() - 1;
}

bool Win32DeleteEdits::Remove(int index)
{
    TWin32DeleteEntries &entries = entriesOf(m_plugin, m_install);
    if (index < 0 || index >= entries.Count())
        return false;
    entries.Delete(index);
    return true;
}

bool Win32DeleteEdits::ChangeRow(int index, int tag, const QString &value)
{
    TWin32DeleteEntries &entries = entriesOf(m_plugin, m_install);
    if (index < 0 || index >= entries.Count())
        return false;
    if (tag == TypeRow)
        entries[index].DeleteType = deleteTypeStored(value);
    else if (tag == NameRow)
        entries[index].DeleteName = value;
    else
        return false;
    return true;
}

std::optional<QStringList> Win32DeleteEdits::Choices(int tag)
{
    if (tag == TypeRow)
        return deleteTypeNames();
    if (tag == NameRow)
        return Win32FolderTree::DirectoryConstants();
    return std::nullopt;
}

} // namespace talmo
