#include "editors/cab/CABCreatorForm.h"

#include "editors/common/EditorMessages.h"
#include "editors/dialogs/EditorShortcutEntry.h"
#include "editors/cab/CaptionOrderedRow.h"
#include "editors/cab/PopupMenuItem.h"
#include "editors/core/device/DeviceRegistrySections.h"
#include "editors/core/device/ListActions.h"
#include "editors/core/device/ShortcutDialogValues.h"
#include "editors/core/device/TargetEdits.h"
#include "editors/core/device/TargetShortcuts.h"
#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "pagehost/IProjectWindowHost.h"
#include "widgets/NxComboBox.h"
#include "widgets/NxEdit.h"
#include "widgets/NxHeaderPanel.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace talmo {

namespace {

constexpr int SectionIndexRole = Qt::UserRole;
constexpr int EntryIndexRole = Qt::UserRole;
const QColor SectionCheckedColor(0x00, 0x80, 0x00);

RegistryTreeLevel levelOf(const QTreeWidgetItem *item)
{
    if (!item->parent())
        return RegistryTreeLevel::Target;
    return item->parent()->parent() ? RegistryTreeLevel::Section : RegistryTreeLevel::SectionGroup;
}

QTreeWidgetItem *targetItemOf(QTreeWidgetItem *item)
{
    while (item->parent())
        item = item->parent();
    return item;
}

void paintSection(QTreeWidgetItem *item)
{
    const bool checked = item->checkState(0) == Qt::Checked;
    QFont font = item->font(0);
    font.setBold(checked);
    item->setFont(0, font);
    item->setForeground(0, checked ? QBrush(SectionCheckedColor) : QBrush());
}

} // namespace

void TCABCreatorForm::refreshRegistryTree()
{
    QSignalBlocker blocker(vst_Installations);
    vst_Installations->clear();
    const TargetEdits targets(m_project);
    for (int t = 0; t < m_project.CEDevices.Count(); ++t) {
        const TCEDevice &target = m_project.CEDevices[t];
        auto *targetItem = new QTreeWidgetItem(vst_Installations,
                                               {TProjectContainer::GetDeviceName(target.Caption) + " Target"});
        QFont bold = targetItem->font(0);
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() + 1);
        targetItem->setFont(0, bold);
        auto *group = new QTreeWidgetItem(targetItem, {"Available Registry Sections < double click to add >"});
        group->setForeground(0, QBrush(Qt::gray));
        for (int s = 0; s < m_project.RegistrySections.Count(); ++s) {
            const QString &caption = m_project.RegistrySections[s].Caption;
            auto *section = new QTreeWidgetItem(group, {caption});
            section->setData(0, SectionIndexRole, s);
            section->setFlags(section->flags() | Qt::ItemIsUserCheckable);
            section->setCheckState(0, targets.InstallsRegistrySection(t, s) ? Qt::Checked : Qt::Unchecked);
            paintSection(section);
        }
    }
    vst_Installations->expandAll();
    vst_Installations->setCurrentItem(nullptr);
    blocker.unblock();
    vst_InstallationsFocusChanged();
}

QStringList TCABCreatorForm::shownRegistryTree() const
{
    QStringList lines;
    for (QTreeWidgetItemIterator it(vst_Installations); *it; ++it) {
        const QTreeWidgetItem *item = *it;
        const RegistryTreeLevel level = levelOf(item);
        QString tick;
        if (level == RegistryTreeLevel::Section)
            tick = item->checkState(0) == Qt::Checked ? QStringLiteral("[x] ") : QStringLiteral("[ ] ");
        lines.append(QString(2 * int(level), QLatin1Char(' ')) + tick + item->text(0));
    }
    return lines;
}

QString TCABCreatorForm::setupFilesCaption() const
{
    return NxHeaderPanel4->caption();
}

void TCABCreatorForm::vst_InstallationsChecked(QTreeWidgetItem *changed)
{
    if (levelOf(changed) != RegistryTreeLevel::Section)
        return;
    {
        QSignalBlocker blocker(vst_Installations);
        paintSection(changed);
    }
    const int target = vst_Installations->indexOfTopLevelItem(targetItemOf(changed));
    if (target < m_project.CEDevices.Count()) {
        TargetEdits(m_project).SetRegistrySectionInstalled(target, changed->data(0, SectionIndexRole).toInt(),
                                                           changed->checkState(0) == Qt::Checked);
    }
}

void TCABCreatorForm::openRegistrySection(int index)
{
    m_host.openRegistrySection(index);
}

void TCABCreatorForm::vst_InstallationsDblClick()
{
    const QTreeWidgetItem *item = vst_Installations->currentItem();
    if (!item)
        return;
    switch (DeviceRegistrySections::OpenActionOf(levelOf(item))) {
    case RegistryNodeAction::AddSection:
        reg_AddClick();
        break;
    case RegistryNodeAction::OpenSection:
        openRegistrySection(item->data(0, SectionIndexRole).toInt());
        DeviceRegistrySections(m_project).SectionOpened();
        break;
    case RegistryNodeAction::None:
        break;
    }
}

void TCABCreatorForm::reg_AddClick()
{
    // A section added under a target's row is added for that target.
    const int added = DeviceRegistrySections(m_project).AddSection(focusedRegistryTarget());
    RefreshFromProject();
    openRegistrySection(added);
}

void TCABCreatorForm::reg_EditClick()
{
    vst_InstallationsDblClick();
}

void TCABCreatorForm::fillRegistryPopup(QMenu &menu)
{
    const QTreeWidgetItem *item = vst_Installations->currentItem();
    const bool section = item && DeviceRegistrySections::CanEditOrDelete(levelOf(item));
    addPopupMenuItem(menu, QStringLiteral("Add Section "), true, [this] { reg_AddClick(); });
    menu.addSeparator();
    addPopupMenuItem(menu, QStringLiteral("Edit"), section, [this] { reg_EditClick(); });
    addPopupMenuItem(menu, QStringLiteral("Delete"), section, [this] { reg_DeleteClick(); });
}

void TCABCreatorForm::showRegistryPopup(const QPoint &pos)
{
    if (QTreeWidgetItem *item = vst_Installations->itemAt(pos))
        vst_Installations->setCurrentItem(item);
    QMenu menu;
    fillRegistryPopup(menu);
    m_runMenu(menu, vst_Installations->viewport()->mapToGlobal(pos));
}

void TCABCreatorForm::reg_DeleteClick()
{
    const QTreeWidgetItem *item = vst_Installations->currentItem();
    if (!item || !DeviceRegistrySections::CanEditOrDelete(levelOf(item))
        || !ConfirmEditorAction(this, QStringLiteral("Are you sure ?")))
        return;
    DeviceRegistrySections(m_project).DeleteSection(item->data(0, SectionIndexRole).toInt());
    RefreshFromProject();
}

int TCABCreatorForm::focusedRegistryTarget() const
{
    QTreeWidgetItem *item = vst_Installations->currentItem();
    return item ? vst_Installations->indexOfTopLevelItem(targetItemOf(item)) : -1;
}

void TCABCreatorForm::vst_InstallationsFocusChanged()
{
    const int target = focusedRegistryTarget();
    const bool focused = target >= 0 && target < m_project.CEDevices.Count();
    const bool wasFilling = m_filling;
    m_filling = true;
    NxHeaderPanel4->setCaption(TargetEdits(m_project).SetupFilesCaption(target));
    // The caption names the target: the panel keeps room for it whole and a
    // narrow window scrolls the page.
    NxHeaderPanel4->setMinimumWidth(NxHeaderPanel4->indent()
                                    + QFontMetrics(NxHeaderPanel4->headerFont()).horizontalAdvance(NxHeaderPanel4->caption())
                                    + 2 * NxHeaderPanel4->borderWidth() + 4);
    _CESetupDLL->setText(focused ? m_project.CEDevices[target].Installation.CESetupDLL : QString());
    _CESelfRegister->setText(focused ? m_project.CEDevices[target].Installation.CESelfRegister : QString());
    for (QWidget *control : {static_cast<QWidget *>(_CESetupDLL), static_cast<QWidget *>(_CESelfRegister),
                             static_cast<QWidget *>(Label16), static_cast<QWidget *>(Label17)})
        control->setEnabled(focused);
    m_filling = wasFilling;
}

void TCABCreatorForm::storeSetupDll()
{
    const int target = focusedRegistryTarget();
    if (m_filling || target < 0 || target >= m_project.CEDevices.Count())
        return;
    TargetEdits(m_project).SetSetupFiles(target, _CESetupDLL->text(), _CESelfRegister->text());
}

void TCABCreatorForm::RefreshShortcuts()
{
    QSignalBlocker blocker(gui_Shortcuts);
    gui_Shortcuts->clear();
    m_shownShortcutSection = -1;
    const int target = selectedTargetIndex(cb_shortcuts_targets);
    if (target >= 0) {
        const TargetShortcuts::Shown shown = TargetShortcuts(m_project).ShownSection(target);
        if (shown.repaired)
            ShowEditorError(this, TargetShortcuts::RepairNotice);
        m_shownShortcutSection = shown.sectionIndex;
    }
    if (m_shownShortcutSection >= 0) {
        const TargetShortcuts shortcuts(m_project);
        const TShortcutsEntries &entries = m_project.ShortcutsSections[m_shownShortcutSection].Entries;
        for (int i = 0; i < entries.Count(); ++i) {
            auto *row = new CaptionOrderedRow(gui_Shortcuts);
            SetRowTexts(row, shortcuts.RowTexts(entries[i]));
            row->setData(0, EntryIndexRole, i);
        }
        sortShortcuts();
    }
    blocker.unblock();
    updateShortcutActions();
}

void TCABCreatorForm::gui_ShortcutsColumnClick(int column)
{
    if (m_shortcutOrder)
        m_shortcutOrder->HeaderClicked(column);
    else
        m_shortcutOrder = ListSortOrder{ column, true };
    SetListViewSortArrow(gui_Shortcuts->header(), m_shortcutOrder->column, !m_shortcutOrder->ascending);
    sortShortcuts();
}

void TCABCreatorForm::sortShortcuts()
{
    if (m_shortcutOrder)
        gui_Shortcuts->sortItems(m_shortcutOrder->column,
                                 m_shortcutOrder->ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TCABCreatorForm::updateShortcutActions()
{
    const bool shown = m_shownShortcutSection >= 0;
    const ListActions actions = ListActions::For(shown, shown ? int(gui_Shortcuts->selectedItems().size()) : 0);
    bt_shortcut_add->setEnabled(actions.add);
    bt_shortcut_edit->setEnabled(actions.edit);
    bt_shortcut_delete->setEnabled(actions.remove);
}

std::optional<ShortcutDialogValues> TCABCreatorForm::askShortcut(int target, const ShortcutDialogValues &shown)
{
    Teditor_ShortcutEntry dialog(this);
    dialog.Project = &m_project;
    dialog.TargetIndex = target;
    (shown.targetIsFolder ? dialog.RadioButton2 : dialog.RadioButton1)->setChecked(true);
    dialog.tb_iconFileName->clear();
    dialog.tb_iconFileName->addItems(shown.iconFiles);
    dialog.tb_short_filename->setText(shown.name);
    dialog.cb_target->setEditText(shown.target);
    dialog.tb_dest_dir->setText(shown.destination);
    dialog.be_Parameters->setText(shown.parameters);
    dialog.cb_IconIndexType->setCurrentIndex(shown.iconIndexType);
    dialog.cb_iconSettings->setCurrentIndex(shown.iconSettings);
    dialog.tb_iconFileName->setEditText(shown.listedIconFile);
    dialog.be_IconFileName->setText(shown.browsedIconFile);
    dialog.tb_iconIndex->setText(shown.iconIndex);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    ShortcutDialogValues chosen;
    chosen.name = dialog.tb_short_filename->text();
    chosen.targetIsFolder = !dialog.RadioButton1->isChecked();
    chosen.target = dialog.cb_target->currentText();
    chosen.destination = dialog.tb_dest_dir->text();
    chosen.parameters = dialog.be_Parameters->text();
    chosen.iconSettings = dialog.cb_iconSettings->currentIndex();
    chosen.listedIconFile = dialog.tb_iconFileName->currentText();
    chosen.browsedIconFile = dialog.be_IconFileName->text();
    chosen.iconIndex = dialog.tb_iconIndex->text();
    chosen.iconIndexType = dialog.cb_IconIndexType->currentIndex();
    return chosen;
}

void TCABCreatorForm::Add1Click()
{
    const int target = selectedTargetIndex(cb_shortcuts_targets);
    if (m_shownShortcutSection < 0 || target < 0)
        return;
    const std::optional<ShortcutDialogValues> chosen = askShortcut(target, ShortcutDialogValues::ForNewShortcut());
    if (!chosen)
        return;
    TShortcutEntry entry;
    chosen->StoreNew(entry);
    TargetShortcuts(m_project).AddShortcut(m_shownShortcutSection, entry);
    RefreshShortcuts();
}

void TCABCreatorForm::Edit1Click()
{
    const QList<QTreeWidgetItem *> rows = gui_Shortcuts->selectedItems();
    const int target = selectedTargetIndex(cb_shortcuts_targets);
    if (rows.size() != 1 || m_shownShortcutSection < 0 || target < 0)
        return;
    const int entryIndex = rows.first()->data(0, EntryIndexRole).toInt();
    TShortcutEntry entry = m_project.ShortcutsSections[m_shownShortcutSection].Entries[entryIndex];
    TargetShortcuts shortcuts(m_project);
    const std::optional<ShortcutDialogValues> chosen =
        askShortcut(target, ShortcutDialogValues::Of(entry, shortcuts.IconFiles(target)));
    if (!chosen)
        return;
    chosen->StoreEdited(entry);
    shortcuts.ReplaceShortcut(m_shownShortcutSection, entryIndex, entry);
    RefreshShortcuts();
}

void TCABCreatorForm::Delete1Click()
{
    const QList<QTreeWidgetItem *> rows = gui_Shortcuts->selectedItems();
    if (rows.isEmpty() || m_shownShortcutSection < 0 || !ConfirmEditorAction(this, QStringLiteral("Are you sure ?")))
        return;
    QList<int> indexes;
    for (const QTreeWidgetItem *row : rows)
        indexes.append(row->data(0, EntryIndexRole).toInt());
    TargetShortcuts(m_project).DeleteShortcuts(m_shownShortcutSection, indexes);
    RefreshShortcuts();
}

} // namespace talmo
