#include "editors/desktop/Win32InstallationForm.h"

#include "editors/desktop/EntryListRows.h"
#include "model/Win32Plugin.h"
#include "widgets/NxComboBoxItem.h"

#include <QAction>
#include <QPushButton>
#include <QTreeWidget>

namespace talmo {

namespace {

QStringList runRowTexts(const TWin32RunEntry &entry)
{
    return {entry.FileName, entry.Parameters, entry.WorkingDir, runFlagWords(entry)};
}

QStringList deleteRowTexts(const TWin32DeleteEntry &entry)
{
    return {deleteTypeShown(entry.DeleteType), entry.DeleteName};
}

TWin32RunEntries &runEntries(TWin32Plugin &plugin, bool install)
{
    return install ? plugin.InstallRunEntries : plugin.UninstallRunEntries;
}

TWin32DeleteEntries &deleteEntries(TWin32Plugin &plugin, bool install)
{
    return install ? plugin.InstallDeleteEntries : plugin.UninstallDeleteEntries;
}

const EntryRows<TWin32RunEntry> &runRowsOf(bool install)
{
    return install ? installRunEntryRows() : uninstallRunEntryRows();
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
        setListRow(list, i, runRowTexts(entries[i]));
}

void TWin32InstallationForm::refreshRunRow(bool install, int index)
{
    setListRow(runList(install), index, runRowTexts(runEntries(*m_plugin, install)[index]));
}

void TWin32InstallationForm::RunListSelect(bool install)
{
    m_rows.Clear();
    const int index = focusedListRow(runList(install));
    const TWin32RunEntries &entries = runEntries(*m_plugin, install);
    if (index >= 0 && index < entries.Count())
        m_rows.AddRows<TWin32RunEntry>(runRowsOf(install), entries[index]);
    else
        m_rows.AddCategory(QStringLiteral("Nothing Selected"));
    m_rows.Attach([this, install](TNxPropertyItem *item, const QString &value) { RunRowChanged(install, item, value); },
                  [this, install](TNxPropertyItem *item) { RunRowSelected(install, item); });
}

void TWin32InstallationForm::RunRowSelected(bool install, TNxPropertyItem *item)
{
    Q_UNUSED(install)
    if (auto *combo = qobject_cast<TNxComboBoxItem *>(item)) {
        if (item->caption() == QLatin1String("Working Folder"))
            combo->setLines(Win32FileEdits(*m_plugin).FolderChoices());
        else if (item->caption() == QLatin1String("File Name"))
            combo->setLines(Win32FileEdits(*m_plugin).InstallPaths());
    }
    writeHelp();
}

void TWin32InstallationForm::RunRowChanged(bool install, TNxPropertyItem *item, const QString &value)
{
    const int index = focusedListRow(runList(install));
    TWin32RunEntries &entries = runEntries(*m_plugin, install);
    const EntryRow<TWin32RunEntry> *row = item ? rowOfTag(runRowsOf(install), item->tag()) : nullptr;
    if (index < 0 || index >= entries.Count() || !row)
        return;
    row->store(entries[index], value);
    refreshRunRow(install, index);
    markModified();
}

void TWin32InstallationForm::AddRunClick(bool install)
{
    TWin32RunEntry &entry = runEntries(*m_plugin, install).AddNew();
    entry.FileName = QStringLiteral("Change me");
    appendListRow(runList(install), runRowTexts(entry));
    markModified();
}

void TWin32InstallationForm::DeleteRunClick(bool install)
{
    QTreeWidget *list = runList(install);
    const int index = focusedListRow(list);
    TWin32RunEntries &entries = runEntries(*m_plugin, install);
    if (index < 0 || index >= entries.Count() || !confirm(QStringLiteral("Are you seure ?")))
        return;
    entries.Delete(index);
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
        setListRow(list, i, deleteRowTexts(entries[i]));
}

void TWin32InstallationForm::refreshDeleteRow(bool install, int index)
{
    setListRow(deleteList(install), index, deleteRowTexts(deleteEntries(*m_plugin, install)[index]));
}

void TWin32InstallationForm::DeleteListSelect(bool install)
{
    m_rows.Clear();
    const int index = focusedListRow(deleteList(install));
    const TWin32DeleteEntries &entries = deleteEntries(*m_plugin, install);
    if (index >= 0 && index < entries.Count()) {
        TNxPropertyItem *category = m_rows.AddCategory(QStringLiteral("Delete Entry Properties"));
        auto *type = qobject_cast<TNxComboBoxItem *>(m_rows.AddRow(
            category, QStringLiteral("Delete Type"), EntryRowKind::ListCombo, 1, deleteTypeShown(entries[index].DeleteType)));
        type->setLines(deleteTypeNames());
        auto *name = qobject_cast<TNxComboBoxItem *>(
            m_rows.AddRow(category, QStringLiteral("Name"), EntryRowKind::FreeCombo, 2, entries[index].DeleteName));
        name->setLines(Win32FolderTree::DirectoryConstants());
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
    auto *combo = qobject_cast<TNxComboBoxItem *>(item);
    if (combo && item->tag() == 1)
        combo->setLines(deleteTypeNames());
    writeHelp();
}

void TWin32InstallationForm::DeleteRowChanged(bool install, TNxPropertyItem *item, const QString &value)
{
    const int index = focusedListRow(deleteList(install));
    TWin32DeleteEntries &entries = deleteEntries(*m_plugin, install);
    if (index < 0 || index >= entries.Count() || !item)
        return;
    if (item->tag() == 1)
        entries[index].DeleteType = deleteTypeStored(value);
    else if (item->tag() == 2)
        entries[index].DeleteName = value;
    else
        return;
    refreshDeleteRow(install, index);
    markModified();
}

void TWin32InstallationForm::AddDeleteClick(bool install)
{
    TWin32DeleteEntry &entry = deleteEntries(*m_plugin, install).AddNew();
    entry.DeleteType = QStringLiteral("files");
    appendListRow(deleteList(install), deleteRowTexts(entry));
    markModified();
}

void TWin32InstallationForm::DeleteDeleteClick(bool install)
{
    QTreeWidget *list = deleteList(install);
    const int index = focusedListRow(list);
    TWin32DeleteEntries &entries = deleteEntries(*m_plugin, install);
    if (index < 0 || index >= entries.Count() || !confirm(QStringLiteral("Are you sure ?")))
        return;
    entries.Delete(index);
    delete list->takeTopLevelItem(index);
    DeleteListSelect(install);
    markModified();
}

} // namespace talmo
