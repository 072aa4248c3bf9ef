#include "tests/support/QtPrinters.h"
#include "tests/windows/main/MasterFormTestSupport.h"

#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

using namespace talmo;
using namespace talmo::testing;

namespace {

QString Describe(const QAction &action)
{
    return QStringList{ action.objectName(), action.text(), action.shortcut().toString(),
                        action.isEnabled() ? QString() : QStringLiteral("(off)") }
        .join(QLatin1Char(' '))
        .simplified();
}

// A command as "objectName caption shortcut", a separator as "-", a submenu
// followed by its items one level deeper.
void DescribeMenu(const QMenu &menu, const QString &indent, QStringList &lines)
{
    for (const QAction *action : menu.actions()) {
        lines.append(indent + (action->isSeparator() ? QStringLiteral("-") : Describe(*action)));
        if (action->menu())
            DescribeMenu(*action->menu(), indent + QStringLiteral("  "), lines);
    }
}

QStringList DescribeMenus(QMainWindow &window)
{
    QStringList lines;
    for (const QAction *action : window.menuBar()->actions()) {
        lines.append(action->text());
        DescribeMenu(*action->menu(), QStringLiteral("  "), lines);
    }
    return lines;
}

// Each tool button as "objectName caption [tool tip]", its menu below it.
QStringList DescribeToolBar(QMainWindow &window)
{
    QStringList lines;
    auto *tools = window.findChild<QToolBar *>(QStringLiteral("ToolBar1"));
    for (QAction *action : tools->actions()) {
        auto *button = qobject_cast<QToolButton *>(tools->widgetForAction(action));
        const QString name = action->objectName().isEmpty() ? button->objectName() : action->objectName();
        lines.append(QStringLiteral("%1 %2 [%3]").arg(name, button->text(), button->toolTip()));
        if (button->menu())
            DescribeMenu(*button->menu(), QStringLiteral("  "), lines);
    }
    return lines;
}

using MasterCommandsTest = MasterFormFixture;

TEST_F(MasterCommandsTest, MenusAndToolBarOfferEveryCommand)
{
    const QStringList menus = {
        "File",
        "  New",
        "    new1 Empty Project",
        "    Wizard1 Wizard",
        "    -",
        "    ProjectManager2 Project Manager",
        "  Open1 Open... Ctrl+O",
        "  -",
        "  mnSave Save Ctrl+S (off)",
        "  mnSaveAs Save As... (off)",
        "  SaveAll1 Save All Ctrl+Alt+S",
        "  Close1 Close (off)",
        "  CloseAll1 Close All",
        "  -",
        "  Reopen",
        "  -",
        "  Quit1 Quit",
        "Project",
        "  ViewManager1 View Project Manager",
        "  Project Manager",
        "    New",
        "    Open...",
        "    -",
        "    SaveProjectManager1 Save Project Manager",
        "    SaveProjectManageras1 Save Project Manager As...",
        "  -",
        "  RunInstallation1 Run Installation F9 (off)",
        "  BuildProject1 Build Project Ctrl+F9 (off)",
        "Tools",
        "  Options1 Options",
        "Help",
        "  Help2 Documentation",
        "  -",
        "  StartupDialog1 Show Welcome Page",
        "  -",
        "  Visitwebsite1 Visit Web Site",
        "  Checkforlatestversion1 Check for latest version",
        "  -",
        "  About1 About",
    };
    EXPECT_EQ(DescribeMenus(Master()), menus);
    const QStringList toolBar = {
        "tb_New New [Create new Project or Project manager]",
        "  new1 Empty Project",
        "  Wizard1 Wizard",
        "  -",
        "  ProjectManager2 Project Manager",
        "Open1 Open [Open a Project or Project Manager]",
        // A button whose command was since enabled or disabled shows the command's own tip.
        "mnSave Save [Save]",
        "tb_Build Builder [Builder]",
    };
    EXPECT_EQ(DescribeToolBar(Master()), toolBar);
}

} // namespace
