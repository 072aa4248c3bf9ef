#include "windows/main/MasterCommands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <cstring>

namespace talmo {

namespace {

const char *const Separator = "-";

struct CommandRow
{
    const char *name;
    const char *caption;
    QKeySequence shortcut;
    bool needsProject = false;
};

} // namespace

MasterCommands::MasterCommands(QMainWindow &window)
    : m_window(window)
{
    createActions();
    createMenus();
    createToolBar();
}

QAction *MasterCommands::action(const char *objectName) const
{
    return m_window.findChild<QAction *>(QLatin1String(objectName));
}

void MasterCommands::setProjectCommandsEnabled(bool enabled)
{
    for (QAction *command : m_projectCommands)
        command->setEnabled(enabled);
}

void MasterCommands::createActions()
{
    const CommandRow rows[] = {
        { "new1", "Empty Project", {} },
        { "Wizard1", "Wizard", {} },
        { "ProjectManager2", "Project Manager", {} },
        { "Open1", "Open...", QKeySequence(Qt::CTRL | Qt::Key_O) },
        { "mnSave", "Save", QKeySequence(Qt::CTRL | Qt::Key_S), true },
        { "mnSaveAs", "Save As...", {}, true },
        { "SaveAll1", "Save All", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S) },
        { "Close1", "Close", {}, true },
        { "CloseAll1", "Close All", {} },
        { "Quit1", "Quit", {} },
        { "ViewManager1", "View Project Manager", {} },
        { "SaveProjectManager1", "Save Project Manager", {} },
        { "SaveProjectManageras1", "Save Project Manager As...", {} },
        { "RunInstallation1", "Run Installation", QKeySequence(Qt::Key_F9), true },
        { "BuildProject1", "Build Project", QKeySequence(Qt::CTRL | Qt::Key_F9), true },
        { "Options1", "Options", {} },
        { "Help2", "Documentation", {} },
        { "StartupDialog1", "Show Welcome Page", {} },
        { "Visitwebsite1", "Visit Web Site", {} },
        { "Checkforlatestversion1", "Check for latest version", {} },
        { "About1", "About", {} },
        { "tb_Build", "Builder", {}, true },
    };
    for (const CommandRow &row : rows) {
        auto *command = new QAction(QLatin1String(row.caption), &m_window);
        command->setObjectName(QLatin1String(row.name));
        command->setShortcut(row.shortcut);
        if (row.needsProject)
            m_projectCommands.append(command);
    }
    action("ViewManager1")->setCheckable(true);
    action("tb_Build")->setToolTip(QStringLiteral("Builder"));
}

void MasterCommands::fill(QMenu &menu, std::initializer_list<const char *> commands) const
{
    for (const char *command : commands) {
        if (std::strcmp(command, Separator) == 0)
            menu.addSeparator();
        else
            menu.addAction(action(command));
    }
}

void MasterCommands::fillNewMenu(QMenu &menu) const
{
    fill(menu, { "new1", "Wizard1", Separator, "ProjectManager2" });
}

void MasterCommands::addForwarder(QMenu &menu, const QString &caption, const char *command) const
{
    QObject::connect(menu.addAction(caption), &QAction::triggered, action(command), &QAction::trigger);
}

void MasterCommands::createMenus()
{
    QMenuBar &bar = *m_window.menuBar();
    QMenu &file = *bar.addMenu(QStringLiteral("File"));
    fillNewMenu(*file.addMenu(QStringLiteral("New")));
    fill(file, { "Open1", Separator, "mnSave", "mnSaveAs", "SaveAll1", "Close1", "CloseAll1", Separator });
    m_reopenMenu = file.addMenu(QStringLiteral("Reopen"));
    fill(file, { Separator, "Quit1" });

    QMenu &project = *bar.addMenu(QStringLiteral("Project"));
    fill(project, { "ViewManager1" });
    QMenu &manager = *project.addMenu(QStringLiteral("Project Manager"));
    addForwarder(manager, QStringLiteral("New"), "ProjectManager2");
    addForwarder(manager, QStringLiteral("Open..."), "Open1");
    fill(manager, { Separator, "SaveProjectManager1", "SaveProjectManageras1" });
    fill(project, { Separator, "RunInstallation1", "BuildProject1" });

    fill(*bar.addMenu(QStringLiteral("Tools")), { "Options1" });
    fill(*bar.addMenu(QStringLiteral("Help")), { "Help2", Separator, "StartupDialog1", Separator, "Visitwebsite1",
                                                 "Checkforlatestversion1", Separator, "About1" });
}

void MasterCommands::createToolBar()
{
    QToolBar *tools = m_window.addToolBar(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setMovable(false);

    auto *newMenu = new QMenu(&m_window);
    newMenu->setObjectName(QStringLiteral("pm_NewProjectMenu"));
    fillNewMenu(*newMenu);
    auto *newButton = new QToolButton;
    newButton->setObjectName(QStringLiteral("tb_New"));
    newButton->setText(QStringLiteral("New"));
    newButton->setToolTip(QStringLiteral("Create new Project or Project manager"));
    newButton->setMenu(newMenu);
    newButton->setPopupMode(QToolButton::MenuButtonPopup);
    QObject::connect(newButton, &QToolButton::clicked, action("new1"), &QAction::trigger);
    tools->addWidget(newButton);

    const std::pair<const char *, const char *> buttons[] = {
        { "Open1", "Open a Project or Project Manager" },
        { "mnSave", "Save Active Project" },
        { "tb_Build", "Builder" },
    };
    for (const auto &[name, hint] : buttons) {
        QAction *command = action(name);
        tools->addAction(command);
        if (QWidget *button = tools->widgetForAction(command))
            button->setToolTip(QLatin1String(hint));
    }
}

} // namespace talmo
