#pragma once

#include "editors/core/desktop/Win32EntryList.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace talmo {

struct TWin32Plugin;

// The shortcut edits of a desktop-installer module: what each new shortcut
// holds and the inspector's changes to one.
class Win32ShortcutEdits : public Win32EntryList<TWIn32IconEntry>
{
public:
    explicit Win32ShortcutEdits(TWin32Plugin &plugin);

    // The list row of a shortcut: name, target and flag words.
    static QStringList RowTexts(const TWIn32IconEntry &entry);

    // Each appends a shortcut and returns its index: an empty one in the
    // program group, the uninstaller's and the publisher's web site's.
    int AddIcon();
    int AddUninstallIcon(const QString &appName);
    int AddWebIcon(const QString &appName, const QString &webSite);
    // Stores a row's value; false when the index or the tag names nothing.
    bool ChangeRow(int index, int tag, const QString &value);
    // The drop-down lines of a row: the folders for the names and working
    // folder, the files' install paths for the targets.
    std::optional<QStringList> Choices(int tag);

private:
    int appendIcon(const QString &name, const QString &fileName);

    TWin32Plugin &m_plugin;
};

} // namespace talmo
