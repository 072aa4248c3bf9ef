#include "editors/desktop/Win32InstallationForm.h"

#include "editors/core/desktop/Win32DeleteEdits.h"
#include "editors/core/desktop/Win32RunEdits.h"
#include "editors/desktop/EntryListRows.h"
#include "model/Win32Plugin.h"
#include "widgets/NxPropertyItem.h"

#include <QAction>
#include <QPushButton>
#include <QTreeWidget>

namespace talmo {

namespace {

TWin32RunEntries &runEntries(TWin32Plugin &plugin, bool install)
{
    return install ? plugin.InstallRunEntries : plugin.UninstallRunEntries;
}

TWin32DeleteEntries &deleteEntries(TWin32Plugin &plugin, bool install)
{
    return install ? plugin.InstallDeleteEntries : plugin.UninstallDeleteEntries;
}

// "Add Entry", a separator and "Delete" (also the Delete key) as the list's menu.
void addListActions(QTreeWidget *list, QObject *receiver, const std::function<void()> &add,
                    const std::function<void()> &remove)
{
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *addEntry = new QAction(QStringLiteral("Add Entry"), list);
    auto *separator = new QAction(list);
    separator->setSeparator(true);
    auto *deleteEntry = new QAction(QStringLiteral("Delete"), list);
    deleteEntry->setShortcut(Qt::Key_Delete);
    deleteEntry->setShortcutContext(Qt::WidgetShortcut);
    list->addActions({addEntry, separator, deleteEntry});
    QObject::connect(addEntry, &QAction::triggered, receiver, add);
    QObject::connect(deleteEntry, &QAction::triggered, receiver, remove);
    QObject::connect(list, &QTreeWidget::itemSelectionChanged, deleteEntry,
                     [list, deleteEntry] { deleteEntry->setEnabled(focusedListRow(list) >= 0); });
}

} // namespace

// ---- "Run on Install", "Run on Uninstall" --------------------------------------------

QWidget *TWin32InstallationForm::createRunTab(bool install)
{
    QTreeWidget *list = runList(install);
    const int widths[] = {100, 97, 97, 97};
    for (int column = 0; column < 4; ++column)
        list->setColumnWidth(column, widths[column]);
    QPushButton *add = install ? bt_installrun_add : bt_uninstallrun_add;
    addListActions(list, this, [this, install] { AddRunClick(install); }, [this, install] { DeleteRunClick(install); });
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this, install] { RunListSelect(install); });
    connect(add, &QPushButton::clicked, this, [this, install] { AddRunClick(install); });
    return tabWithButtons(list, {add});
}

void TWin32InstallationForm::FillRunList(bool install)
{
    QTreeWidget *list = runList(install);
    const QSignalBlocker blocker(list);
    list->clear();
    const TWin32RunEntries &entries = runEntries(*m_plugin, install);
    for (int i = 0; i < entries.Count(); ++i)
        setListRow(list, i, Win32RunEdits::RowTexts(entries[i]));
}

void TWin32InstallationForm::RunListSelect(bool install)
{
    m_rows.Clear();
    const int index = focusedListRow(runList(install));
    const TWin32RunEntries &entries = runEntries(*m_plugin, install);
    if (index >= 0 && index < entries.Count())
        m_rows.AddRows<TWin32RunEntry>(Win32RunEdits::Rows(install), entries[index]);
    else
        m_rows.AddCategory(QStringLiteral("Nothing Selected"));
    m_rows.Attach([this, install](TNxPropertyItem *item, const QString &value) { RunRowChanged(install, item, value); },
                  [this, install](TNxPropertyItem *item) { RunRowSelected(install, item); });
}

void TWin32InstallationForm::RunRowSelected(bool install, TNxPropertyItem *item)
{
    if (item)
        setChoices(item, Win32RunEdits(*m_plugin, install).Choices(item->tag()));
    writeHelp();
}

void TWin32InstallationForm::RunRowChanged(bool install, TNxPropertyItem *item, const QString &value)
{
    const int index = focusedListRow(runList(install));
    if (!item || !Win32RunEdits(*m_plugin, install).ChangeRow(index, item->tag(), value))
        return;
    const EntryRows<TWin32RunEntry> &rows = Win32RunEdits::Rows(install);
    if (const EntryRow<TWin32RunEntry> *row = rowOfTag(rows, item->tag()))
        m_rows.ShowExcludedFlags(rows, *row, runEntries(*m_plugin, install)[index]);
    setListRow(runList(install), index, Win32RunEdits::RowTexts(runEntries(*m_plugin, install)[index]));
    markModified();
}

void TWin32InstallationForm::AddRunClick(bool install)
{
    const int index = Win32RunEdits(*m_plugin, install).Add();
    appendListRow(runList(install), Win32RunEdits::RowTexts(runEntries(*m_plugin, install)[index]));
    markModified();
}

void TWin32InstallationForm::DeleteRunClick(bool install)
{
    QTreeWidget *list = runList(install);
    const int index = focusedListRow(list);
    Win32RunEdits edits(*m_plugin, install);
    if (!edits.Has(index) || !confirm(QStringLiteral("Are you seure ?")))
        return;
    edits.Remove(index);
    delete list->takeTopLevelItem(index);
    RunListSelect(install);
    markModified();
}

// ---- "Delete on Install", "Delete on Uninstall" ------------------------------------

QWidget *TWin32InstallationForm::createDeleteTab(bool install)
{
    QTreeWidget *list = deleteList(install);
    QPushButton *add = install ? bt_InstallDelete_add : bt_UninstallDelete_add;
    addListActions(list, this, [this, install] { AddDeleteClick(install); },
                   [this, install] { DeleteDeleteClick(install); });
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this, install] { DeleteListSelect(install); });
    connect(add, &QPushButton::clicked, this, [this, install] { AddDeleteClick(install); });
    return tabWithButtons(list, {add});
}

void TWin32InstallationForm::FillDeleteList(bool install)
{
    QTreeWidget *list = deleteList(install);
    const QSignalBlocker blocker(list);
    list->clear();
    const TWin32DeleteEntries &entries = deleteEntries(*m_plugin, install);
    for (int i = 0; i < entries.Count(); ++i)
        setListRow(list, i, Win32DeleteEdits::RowTexts(entries[i]));
}

void TWin32InstallationForm::DeleteListSelect(bool install)
{
    m_rows.Clear();
    const int index = focusedListRow(deleteList(install));
    const TWin32DeleteEntries &entries = deleteEntries(*m_plugin, install);
    if (index >= 0 && index < entries.Count()) {
        TNxPropertyItem *category = m_rows.AddCategory(QStringLiteral("Delete Entry Properties"));
        const QStringList texts = Win32DeleteEdits::RowTexts(entries[index]);
        setChoices(m_rows.AddRow(category, QStringLiteral("Delete Type"), EntryRowKind::ListCombo,
                                 Win32DeleteEdits::TypeRow, texts[0]),
                   Win32DeleteEdits::Choices(Win32DeleteEdits::TypeRow));
        setChoices(m_rows.AddRow(category, QStringLiteral("Name"), EntryRowKind::FreeCombo, Win32DeleteEdits::NameRow,
                                 texts[1]),
                   Win32DeleteEdits::Choices(Win32DeleteEdits::NameRow));
    } else {
        m_rows.AddCategory(QStringLiteral("Nothing Selected"));
    }
    m_rows.Attach(
        [this, install](TNxPropertyItem *item, const QString &value) { DeleteRowChanged(install, item, value); },
        [this, install](TNxPropertyItem *item) { DeleteRowSelected(install, item); });
}

void TWin32InstallationForm::DeleteRowSelected(bool install, TNxPropertyItem *item)
{
    Q_UNUSED(install)
    if (item && item->tag() == Win32DeleteEdits::TypeRow)
        setChoices(item, Win32DeleteEdits::Choices(item->tag()));
    writeHelp();
}

void TWin32InstallationForm::DeleteRowChanged(bool install, TNxPropertyItem *item, const QString &value)
{
    const int index = focusedListRow(deleteList(install));
    if (!item || !Win32DeleteEdits(*m_plugin, install).ChangeRow(index, item->tag(), value))
        return;
    setListRow(deleteList(install), index, Win32DeleteEdits::RowTexts(deleteEntries(*m_plugin, install)[index]));
    markModified();
}

void TWin32InstallationForm::AddDeleteClick(bool install)
{
    const int index = Win32DeleteEdits(*m_plugin, install).Add();
    appendListRow(deleteList(install), Win32DeleteEdits::RowTexts(deleteEntries(*m_plugin, install)[index]));
    markModified();
}

void TWin32InstallationForm::DeleteDeleteClick(bool install)
{
    QTreeWidget *list = deleteList(install);
    const int index = focusedListRow(list);
    Win32DeleteEdits edits(*m_plugin, install);
    if (!edits.Has(index) || !confirm(QStringLiteral("Are you sure ?")))
        return;
    edits.Remove(index);
    delete list->takeTopLevelItem(index);
    DeleteListSelect(install);
    markModified();
}

} // namespace talmo
