#pragma once

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace talmo {

// The content of the Welcome tab: the recently edited projects and four
// actions. It only reports what was chosen; the main window acts on it. The
// keyboard focus it gets goes to the recent list.
class WelcomePage : public QWidget
{
    Q_OBJECT

public:
    explicit WelcomePage(QWidget *parent = nullptr);

    // One row per recent file: the name without folder (with the folder when
    // another file has that name), the full path in the hidden second column
    // and the tool tip; the first row selected. With showFullPath the rows
    // show the full path instead.
    void fillRecentFiles(const QStringList &files, bool showFullPath = false);
    QTreeWidget *recentList() const { return lv_RecentFilename; }

signals:
    void newEmptyProjectRequested();
    void wizardRequested();
    void openRequested();
    void webSiteRequested();
    // A row opened by a double click or Return: the entry's index and full path.
    void recentFileChosen(int index, const QString &fileName);

private:
    QWidget *createHeader();
    QWidget *createActions();
    void rowActivated(QTreeWidgetItem *item);

    QTreeWidget *lv_RecentFilename = nullptr;
};

} // namespace talmo
