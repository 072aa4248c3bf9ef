#pragma once

#include <QStringList>

namespace talmo {

// The files of the projects open in the main window, one name per tab in tab
// order. A tab without a project (the Welcome tab) or with a project never
// saved has an empty name and holds no file. Two names hold the same file
// when they are alike once made absolute and cleaned of "." and ".." steps;
// letter case counts, as the file system keeps it.
class OpenProjectFiles
{
public:
    explicit OpenProjectFiles(QStringList tabFileNames);

    // The tab holding the file, -1 when none does.
    int tabOf(const QString &fileName) const;

private:
    QStringList m_tabFileNames;
};

} // namespace talmo
