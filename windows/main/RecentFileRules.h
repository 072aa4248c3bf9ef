#pragma once

#include <QStringList>

namespace talmo {

// The main window's recent files: the newest first, at most MaxItems, kept
// under RegistryKey. Every project or project-manager file loaded or saved
// joins the list. A file gone from disk is dropped when the window starts,
// and when it is chosen, after saying GoneMessage.
struct RecentFileRules
{
    static constexpr int MaxItems = 8;
    static inline const QString RegistryKey = QStringLiteral("Software\\Talmo\\MRU");
    static inline const QString GoneMessage = QStringLiteral("File doesn't exists.");

    // The file is there to open: a file, not a folder, its "\" read as "/".
    static bool IsThere(const QString &fileName);
    // The listed files that are no longer there, in list order.
    static QStringList Gone(const QStringList &files);
};

} // namespace talmo
