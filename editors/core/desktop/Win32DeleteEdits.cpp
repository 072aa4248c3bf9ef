#include "editors/core/desktop/Win32DeleteEdits.h"

#include "editors/core/desktop/Win32EntryRows.h"
#include "editors/core/desktop/Win32FolderTree.h"
#include "model/Win32Plugin.h"

namespace talmo {

Win32DeleteEdits::Win32DeleteEdits(TWin32Plugin &plugin, bool install)
    : Win32EntryList(install ? plugin.InstallDeleteEntries : plugin.UninstallDeleteEntries)
{
}

QStringList Win32DeleteEdits::RowTexts(const TWin32DeleteEntry &entry)
{
    return {deleteTypeShown(entry.DeleteType), entry.DeleteName};
}

int Win32DeleteEdits::Add()
{
    TWin32DeleteEntry entry;
    entry.DeleteType = QStringLiteral("files");
    return append(std::move(entry));
}

bool Win32DeleteEdits::ChangeRow(int index, int tag, const QString &value)
{
    if (!Has(index))
        return false;
    if (tag == TypeRow)
        m_entries[index].DeleteType = deleteTypeStored(value);
    else if (tag == NameRow)
        m_entries[index].DeleteName = value;
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
