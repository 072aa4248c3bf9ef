#include "editors/core/desktop/Win32ShortcutEdits.h"

#include "editors/core/desktop/Win32EntryRows.h"
#include "editors/core/desktop/Win32FileEdits.h"
#include "model/Win32Plugin.h"

namespace talmo {

Win32ShortcutEdits::Win32ShortcutEdits(TWin32Plugin &plugin)
    : Win32EntryList(plugin.IconEntries)
    , m_plugin(plugin)
{
}

QStringList Win32ShortcutEdits::RowTexts(const TWIn32IconEntry &entry)
{
    return {entry.Name, entry.FileName, iconFlagWords(entry)};
}

int Win32ShortcutEdits::appendIcon(const QString &name, const QString &fileName)
{
    TWIn32IconEntry entry;
    entry.Name = name;
    entry.FileName = fileName;
    return append(std::move(entry));
}

int Win32ShortcutEdits::AddIcon()
{
    return appendIcon(QStringLiteral("{group}\\"), QString());
}

int Win32ShortcutEdits::AddUninstallIcon(const QString &appName)
{
    return appendIcon(QStringLiteral("{group}\\{cm:UninstallProgram,") + appName + QLatin1Char('}'),
                  QStringLiteral("{uninstallexe}"));
}

int Win32ShortcutEdits::AddWebIcon(const QString &appName, const QString &webSite)
{
    return appendIcon(QStringLiteral("{group}\\{cm:ProgramOnTheWeb,") + appName + QLatin1Char('}'), webSite);
}

bool Win32ShortcutEdits::ChangeRow(int index, int tag, const QString &value)
{
    return storeRow(iconEntryRows(), index, tag, value);
}

std::optional<QStringList> Win32ShortcutEdits::Choices(int tag)
{
    const EntryRow<TWIn32IconEntry> *row = rowOfTag(iconEntryRows(), tag);
    if (!row)
        return std::nullopt;
    if (row->text == &TWIn32IconEntry::Name || row->text == &TWIn32IconEntry::WorkingDir)
        return Win32FileEdits(m_plugin).FolderChoices();
    if (row->text == &TWIn32IconEntry::FileName || row->text == &TWIn32IconEntry::IconFileName)
        return Win32FileEdits(m_plugin).InstallPaths();
    return std::nullopt;
}

} // namespace talmo
