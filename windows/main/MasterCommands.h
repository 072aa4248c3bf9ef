#pragma once

#include <QList>

#include <initializer_list>

class QAction;
class QMainWindow;
class QMenu;

namespace talmo {

// The main window's commands: one action per command, named as the window
// and its tests find them, offered by the menu bar and the tool bar. The
// window connects each action to what it does.
class MasterCommands
{
public:
    // The actions become the window's children; the menus fill its menu bar.
    explicit MasterCommands(QMainWindow &window);

    QAction *action(const char *objectName) const;
    // The submenu the recent files fill.
    QMenu *reopenMenu() const { return m_reopenMenu; }
    // The commands that work on the active project.
    void setProjectCommandsEnabled(bool enabled);

private:
    void createActions();
    void createMenus();
    void createToolBar();
    // Command names in order; Separator between groups.
    void fill(QMenu &menu, std::initializer_list<const char *> commands) const;
    void fillNewMenu(QMenu &menu) const;
    // An item of its own caption that runs another menu's command.
    void addForwarder(QMenu &menu, const QString &caption, const char *command) const;

    QMainWindow &m_window;
    QMenu *m_reopenMenu = nullptr;
    QList<QAction *> m_projectCommands;
};

} // namespace talmo
