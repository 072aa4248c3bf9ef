#pragma once

#include "editors/core/desktop/Win32EntryList.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace talmo {

struct TWin32Plugin;

// The programs a desktop-installer module runs on install or on uninstall:
// what a new one holds and the inspector's changes to one.
class Win32RunEdits : public Win32EntryList<TWin32RunEntry>
{
public:
    Win32RunEdits(TWin32Plugin &plugin, bool install);

    // The inspector rows of the install or the uninstall list's programs.
    static const EntryRows<TWin32RunEntry> &Rows(bool install);
    // The list row of a program: file name, parameters, working folder and flag words.
    static QStringList RowTexts(const TWin32RunEntry &entry);

    // Appends a program to be named yet; its index.
    int Add();
    // Stores a row's value; false when the index or the tag names nothing.
    bool ChangeRow(int index, int tag, const QString &value);
    // The drop-down lines of a row: the files' install paths for the file
    // name, the folders for the working folder.
    std::optional<QStringList> Choices(int tag);

private:
    TWin32Plugin &m_plugin;
    bool m_install;
};

} // namespace talmo
