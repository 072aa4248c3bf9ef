#include "editors/cab/CABCreatorForm.h"

#include "editors/common/EditorMessages.h"
#include "editors/dialogs/EditorShortcutEntry.h"
#include "editors/cab/PopupMenuItem.h"
#include "editors/core/device/TargetEdits.h"
#include "editors/core/device/TargetShortcuts.h"
#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/PathMacros.h"
#include "model/ProjectContainer.h"
#include "pagehost/IProjectWindowHost.h"
#include "widgets/NxComboBox.h"
#include "widgets/NxEdit.h"
#include "widgets/NxHeaderPanel.h"

#include <QComboBox>
#include <QFontMetrics>
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
const QString NoTargetCaption = QStringLiteral("Setup DLL and Self Register Files for - No Target Selected -");
const QColor SectionCheckedColor(0x00, 0x80, 0x00);

int levelOf(const QTreeWidgetItem *item)
{
    int level = 0;
    for (const QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent())
        ++level;
    return level;
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
            section->setCheckState(0, target.Installation.defaultInstallRegistry.contains(caption) ? Qt::Checked
                                                                                                  : Qt::Unchecked);
            paintSection(section);
        }
    }
    vst_Installations->expandAll();
    vst_Installations->setCurrentItem(nullptr);
    blocker.unblock();
    vst_InstallationsFocusChanged();
}

void TCABCreatorForm::vst_InstallationsChecked(QTreeWidgetItem *changed)
{
    if (levelOf(changed) != 2)
        return;
    {
        QSignalBlocker blocker(vst_Installations);
        paintSection(changed);
    }
    TargetEdits edits(m_project);
    for (int t = 0; t < vst_Installations->topLevelItemCount() && t < m_project.CEDevices.Count(); ++t) {
        QList<int> checked;
        const QTreeWidgetItem *group = vst_Installations->topLevelItem(t)->child(0);
        for (int s = 0; s < group->childCount(); ++s) {
            const QTreeWidgetItem *section = group->child(s);
            if (section->checkState(0) == Qt::Checked)
                checked.append(section->data(0, SectionIndexRole).toInt());
        }
        edits.SetInstalledRegistrySections(t, checked);
    }
    m_project.Modified = true;
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
    switch (levelOf(item)) {
    case 1:
        reg_AddClick();
        break;
    case 2:
        openRegistrySection(item->data(0, SectionIndexRole).toInt());
        m_project.Modified = true;
        break;
    default:
        break;
    }
}

void TCABCreatorForm::reg_AddClick()
{
    m_project.RegistrySections.AddNew().Caption = QStringLiteral("aRegistrySection");
    RefreshFromProject();
    m_project.Modified = true;
    openRegistrySection(m_project.RegistrySections.Count() - 1);
}

void TCABCreatorForm::reg_EditClick()
{
    vst_InstallationsDblClick();
}

void TCABCreatorForm::fillRegistryPopup(QMenu &menu)
{
    const QTreeWidgetItem *item = vst_Installations->currentItem();
    const bool section = item && levelOf(item) == 2;
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
    if (!item || levelOf(item) != 2 || !ConfirmEditorAction(this, QStringLiteral("Are you sure ?")))
        return;
    m_project.RegistrySections.Delete(item->data(0, SectionIndexRole).toInt());
    m_project.Modified = true;
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
    NxHeaderPanel4->setCaption(focused ? "Setup DLL and Self Register Files for "
                                             + TProjectContainer::GetDeviceName(m_project.CEDevices[target].Caption)
                                             + " Target"
                                       : NoTargetCaption);
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
    TInstallation &installation = m_project.CEDevices[target].Installation;
    installation.CESetupDLL = _CESetupDLL->text();
    installation.CESelfRegister = _CESelfRegister->text();
    m_project.Modified = true;
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
            ShowEditorError(this, QStringLiteral("An error has been detected with your shortcuts.\r"
                                                 "Shortcut sections are emtpy, you must recreate them !"));
        m_shownShortcutSection = shown.sectionIndex;
    }
    if (m_shownShortcutSection >= 0) {
        const TShortcutsEntries &entries = m_project.ShortcutsSections[m_shownShortcutSection].Entries;
        for (int i = 0; i < entries.Count(); ++i) {
            const TShortcutEntry &entry = entries[i];
            auto *row = new QTreeWidgetItem(gui_Shortcuts);
            SetRowTexts(row, {entry.shortcut_filename, entry.target_file_path,
                              ExpandPathMacros(m_project, entry.standard_destination_path, true, true),
                              entry.shortcut_type_flag != 0 ? QStringLiteral("Target is folder")
                                                            : QStringLiteral("Target is file")});
            row->setData(0, EntryIndexRole, i);
        }
    }
    blocker.unblock();
    updateShortcutActions();
}

void TCABCreatorForm::updateShortcutActions()
{
    const bool shown = m_shownShortcutSection >= 0;
    const int selected = int(gui_Shortcuts->selectedItems().size());
    bt_shortcut_add->setEnabled(shown);
    bt_shortcut_edit->setEnabled(shown && selected == 1);
    bt_shortcut_delete->setEnabled(shown && selected > 0);
}

void TCABCreatorForm::Add1Click()
{
    const int target = selectedTargetIndex(cb_shortcuts_targets);
    if (m_shownShortcutSection < 0 || target < 0)
        return;
    Teditor_ShortcutEntry dialog(this);
    dialog.Project = &m_project;
    dialog.TargetIndex = target;
    dialog.RadioButton1->setChecked(true);
    dialog.tb_short_filename->setText(QStringLiteral("aShortcut"));
    dialog.tb_dest_dir->setText(TShortcutSection::DefaultFolder);
    dialog.cb_IconIndexType->setCurrentIndex(0);
    dialog.cb_iconSettings->setCurrentIndex(0);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    TShortcutEntry entry;
    readShortcutDialog(dialog, entry);
    entry.CustomIconFileName = dialog.tb_iconFileName->currentText();
    entry.CustomIconIndexType = dialog.cb_IconIndexType->currentIndex() == 1 ? QStringLiteral("1") : QStringLiteral("0");
    TargetShortcuts(m_project).AddShortcut(m_shownShortcutSection, entry);
    RefreshShortcuts();
}

void TCABCreatorForm::readShortcutDialog(const Teditor_ShortcutEntry &dialog, TShortcutEntry &entry) const
{
    entry.shortcut_filename = dialog.tb_short_filename->text();
    entry.shortcut_type_flag = dialog.RadioButton1->isChecked() ? 0 : 1;
    entry.target_file_path = dialog.cb_target->currentText();
    entry.standard_destination_path = dialog.tb_dest_dir->text();
    entry.CustomIconIndex = dialog.tb_iconIndex->text();
    entry.CustomParameters = dialog.be_Parameters->text();
}

void TCABCreatorForm::Edit1Click()
{
    const QList<QTreeWidgetItem *> rows = gui_Shortcuts->selectedItems();
    const int target = selectedTargetIndex(cb_shortcuts_targets);
    if (rows.size() != 1 || m_shownShortcutSection < 0 || target < 0)
        return;
    TShortcutEntry &entry =
        m_project.ShortcutsSections[m_shownShortcutSection].Entries[rows.first()->data(0, EntryIndexRole).toInt()];
    Teditor_ShortcutEntry dialog(this);
    dialog.Project = &m_project;
    dialog.TargetIndex = target;
    (entry.shortcut_type_flag != 0 ? dialog.RadioButton2 : dialog.RadioButton1)->setChecked(true);
    QStringList iconFiles;
    for (const TPPCFS_File &file : m_project.CEDevices[target].Files) {
        if (file.DestinationName.endsWith(".EXE", Qt::CaseInsensitive)
            || file.DestinationName.endsWith(".DLL", Qt::CaseInsensitive)) {
            const QString folder = file.DestinationDir.endsWith('\\') ? file.DestinationDir : file.DestinationDir + '\\';
            iconFiles.append(folder + file.DestinationName);
        }
    }
    dialog.tb_iconFileName->clear();
    dialog.tb_iconFileName->addItems(iconFiles);
    dialog.tb_short_filename->setText(entry.shortcut_filename);
    dialog.cb_target->setEditText(entry.target_file_path);
    dialog.tb_dest_dir->setText(entry.standard_destination_path);
    dialog.be_Parameters->setText(entry.CustomParameters);
    dialog.cb_IconIndexType->setCurrentIndex(entry.CustomIconIndexType != QStringLiteral("0") ? 1 : 0);
    dialog.tb_iconFileName->setEditText(entry.CustomIconFileName);
    dialog.be_IconFileName->setText(entry.CustomIconFileName);
    dialog.tb_iconIndex->setText(entry.CustomIconIndex);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    readShortcutDialog(dialog, entry);
    entry.CustomIconFileName = dialog.cb_iconSettings->currentIndex() == 1 ? dialog.be_IconFileName->text()
                                                                          : dialog.tb_iconFileName->currentText();
    entry.CustomIconIndexType = QString::number(dialog.cb_IconIndexType->currentIndex());
    m_project.Modified = true;
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
