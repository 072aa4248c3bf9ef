#include "editors/desktop/Win32InstallationForm.h"

#include "editors/core/desktop/Win32ShortcutEdits.h"
#include "editors/desktop/EntryListRows.h"
#include "model/ProjectContainer.h"
#include "widgets/NxPropertyItem.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

namespace talmo {

QWidget *TWin32InstallationForm::createShortcutsTab()
{
    const int widths[] = {131, 130, 130};
    for (int column = 0; column < 3; ++column)
        lv_icons->setColumnWidth(column, widths[column]);
    lv_icons->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *addIcon = new QAction(QStringLiteral("Add Icon"), lv_icons);
    auto *separator = new QAction(lv_icons);
    separator->setSeparator(true);
    auto *deleteIcon = new QAction(QStringLiteral("Delete"), lv_icons);
    deleteIcon->setShortcut(Qt::Key_Delete);
    deleteIcon->setShortcutContext(Qt::WidgetShortcut);
    lv_icons->addActions({addIcon, separator, deleteIcon});
    connect(addIcon, &QAction::triggered, this, &TWin32InstallationForm::AddIconClick);
    connect(deleteIcon, &QAction::triggered, this, &TWin32InstallationForm::DeleteIconClick);

    pm_AutoIcons = new QMenu(this);
    pm_AutoIcons->setObjectName(QStringLiteral("pm_AutoIcons"));
    pm_AutoIcons->addAction(QStringLiteral("Uninstall Application"), this,
                            &TWin32InstallationForm::UninstallApplicationClick);
    pm_AutoIcons->addAction(QStringLiteral("Program On The Web"), this, &TWin32InstallationForm::ProgramOnTheWebClick);

    connect(lv_icons, &QTreeWidget::itemSelectionChanged, this, [this, deleteIcon] {
        deleteIcon->setEnabled(focusedListRow(lv_icons) >= 0);
        IconListSelect();
    });
    connect(bt_add_icon, &QPushButton::clicked, this, &TWin32InstallationForm::AddIconClick);
    connect(bt_auto_icons, &QPushButton::clicked, this, [this] { pm_AutoIcons->popup(QCursor::pos()); });
    return tabWithButtons(lv_icons, {bt_add_icon, bt_auto_icons});
}

void TWin32InstallationForm::FillIconList()
{
    const QSignalBlocker blocker(lv_icons);
    lv_icons->clear();
    for (int i = 0; i < m_plugin->IconEntries.Count(); ++i)
        setListRow(lv_icons, i, Win32ShortcutEdits::RowTexts(m_plugin->IconEntries[i]));
}

void TWin32InstallationForm::IconListSelect()
{
    m_rows.Clear();
    const int index = focusedListRow(lv_icons);
    if (index >= 0 && index < m_plugin->IconEntries.Count())
        m_rows.AddRows<TWIn32IconEntry>(iconEntryRows(), m_plugin->IconEntries[index]);
    else
        m_rows.AddCategory(QStringLiteral("No Shortcut is Selected"));
    m_rows.Attach([this](TNxPropertyItem *item, const QString &value) { IconRowChanged(item, value); },
                  [this](TNxPropertyItem *item) { IconRowSelected(item); });
}

void TWin32InstallationForm::IconRowSelected(TNxPropertyItem *item)
{
    if (item)
        setChoices(item, Win32ShortcutEdits(*m_plugin).Choices(item->tag()));
    writeHelp();
}

void TWin32InstallationForm::IconRowChanged(TNxPropertyItem *item, const QString &value)
{
    const int index = focusedListRow(lv_icons);
    if (!item || !Win32ShortcutEdits(*m_plugin).ChangeRow(index, item->tag(), value))
        return;
    setListRow(lv_icons, index, Win32ShortcutEdits::RowTexts(m_plugin->IconEntries[index]));
    markModified();
}

void TWin32InstallationForm::showAddedIcon(int index)
{
    appendListRow(lv_icons, Win32ShortcutEdits::RowTexts(m_plugin->IconEntries[index]));
    markModified();
}

void TWin32InstallationForm::AddIconClick()
{
    showAddedIcon(Win32ShortcutEdits(*m_plugin).AddIcon());
}

void TWin32InstallationForm::UninstallApplicationClick()
{
    showAddedIcon(Win32ShortcutEdits(*m_plugin).AddUninstallIcon(m_project.Win32AppName));
}

void TWin32InstallationForm::ProgramOnTheWebClick()
{
    showAddedIcon(Win32ShortcutEdits(*m_plugin).AddWebIcon(m_project.Win32AppName, m_project.GetPublisherWebSite()));
}

void TWin32InstallationForm::DeleteIconClick()
{
    const int index = focusedListRow(lv_icons);
    Win32ShortcutEdits edits(*m_plugin);
    if (!edits.Has(index) || !confirm(QStringLiteral("Are you sure ?")))
        return;
    edits.Remove(index);
    delete lv_icons->takeTopLevelItem(index);
    IconListSelect();
    markModified();
}

} // namespace talmo
