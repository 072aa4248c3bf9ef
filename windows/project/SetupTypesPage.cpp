#include "windows/project/SetupTypesPage.h"

#include "editors/common/EditorMessages.h"
#include "editors/dialogs/EditorStrings.h"
#include "editors/dialogs/StringPairCheck.h"
#include "helpers/ui/ListViewHelpers.h"
#include "model/ProjectContainer.h"
#include "model/SetupTypesAndLanguages.h"
#include "windows/project/SectionLists.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace talmo {

SetupTypesPage::SetupTypesPage(TProjectContainer &project, QWidget *parent)
    : QWidget(parent)
    , gui_InstallTypes(newReportList({QStringLiteral("Name"), QStringLiteral("Description"), QStringLiteral("Is Custom")}))
    , ct_add(new QPushButton(QStringLiteral("Add")))
    , ct_edit(new QPushButton(QStringLiteral("Edit")))
    , ct_delete(new QPushButton(QStringLiteral("Delete")))
    , ct_custom(new QPushButton(QStringLiteral("Set Custom")))
    , ct_up(new QPushButton(QStringLiteral("Up")))
    , ct_down(new QPushButton(QStringLiteral("Down")))
    , m_project(project)
{
    setObjectName(QStringLiteral("SetupTypesPage"));
    gui_InstallTypes->setObjectName(QStringLiteral("gui_InstallTypes"));
    gui_InstallTypes->header()->resizeSection(2, 80);
    KeepColumnCaptionsWhole(gui_InstallTypes->header());
    gui_InstallTypes->installEventFilter(this);
    layOutListWithButtons(this, gui_InstallTypes, {ct_add, ct_edit, ct_delete, ct_custom, ct_up, ct_down});

    connect(gui_InstallTypes, &QTreeWidget::itemSelectionChanged, this, &SetupTypesPage::gui_InstallTypesSelectItem);
    connect(gui_InstallTypes, &QTreeWidget::itemDoubleClicked, this, &SetupTypesPage::ct_editClick);
    connect(ct_add, &QPushButton::clicked, this, &SetupTypesPage::ct_addClick);
    connect(ct_edit, &QPushButton::clicked, this, &SetupTypesPage::ct_editClick);
    connect(ct_delete, &QPushButton::clicked, this, &SetupTypesPage::ct_deleteClick);
    connect(ct_custom, &QPushButton::clicked, this, &SetupTypesPage::ct_customClick);
    connect(ct_up, &QPushButton::clicked, this, &SetupTypesPage::ct_upClick);
    connect(ct_down, &QPushButton::clicked, this, &SetupTypesPage::ct_downClick);
    FillSetupTypesList();
}

bool SetupTypesPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == gui_InstallTypes && IsDeleteKeyRelease(event)) {
        ct_deleteClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SetupTypesPage::FillSetupTypesList()
{
    QList<QStringList> rows;
    for (int i = 0; i < m_project.InstallTypes.size(); ++i) {
        rows.append({m_project.InstallTypes.at(i), m_project.InstallTypesDescriptions.value(i),
                     i == m_project.InstallTypesIsCustom ? QStringLiteral("Yes") : QString()});
    }
    fillReportList(gui_InstallTypes, rows);
    gui_InstallTypesSelectItem();
}

int SetupTypesPage::selectedRow() const
{
    return selectedReportRow(gui_InstallTypes);
}

void SetupTypesPage::selectRow(int row)
{
    selectReportRow(gui_InstallTypes, row);
    gui_InstallTypesSelectItem();
}

void SetupTypesPage::gui_InstallTypesSelectItem()
{
    const int row = selectedRow();
    const bool selected = row >= 0;
    ct_edit->setEnabled(selected);
    ct_delete->setEnabled(selected);
    ct_custom->setEnabled(selected);
    ct_up->setEnabled(selected && row > 0);
    ct_down->setEnabled(selected && row < gui_InstallTypes->topLevelItemCount() - 1);
    if (!selected)
        ct_custom->setText(QStringLiteral("Set Custom"));
    else
        ct_custom->setText(row == m_project.InstallTypesIsCustom ? QStringLiteral("No Custom")
                                                                 : QStringLiteral("Is Custom"));
}

bool SetupTypesPage::askNameAndDescription(QString &name, QString &description)
{
    Teditor_strings dialog(this);
    dialog.setWindowTitle(StringPairCheck::SetupTypeCaption);
    dialog.TntLabel1->setText(QStringLiteral("Name"));
    dialog.TntLabel2->setText(QStringLiteral("Description"));
    dialog.tb_key->setText(name);
    dialog.tb_value->setText(description);
    if (runDialog(dialog) != QDialog::Accepted)
        return false;
    name = dialog.tb_key->text();
    description = dialog.tb_value->text();
    return true;
}

void SetupTypesPage::ct_addClick()
{
    QString name;
    QString description;
    if (!askNameAndDescription(name, description))
        return;
    SetupTypes::Add(m_project, name, description);
    changed();
}

void SetupTypesPage::ct_editClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    QString name = m_project.InstallTypes.at(row);
    QString description = m_project.InstallTypesDescriptions.value(row);
    if (!askNameAndDescription(name, description))
        return;
    SetupTypes::Edit(m_project, row, name, description);
    changed();
}

void SetupTypesPage::ct_deleteClick()
{
    const int row = selectedRow();
    if (row < 0 || !ConfirmEditorAction(this, QStringLiteral("Are you sure to delete ?")))
        return;
    SetupTypes::Delete(m_project, row);
    changed();
}

void SetupTypesPage::ct_customClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    SetupTypes::ToggleCustom(m_project, row);
    changed();
}

void SetupTypesPage::ct_upClick()
{
    move(-1);
}

void SetupTypesPage::ct_downClick()
{
    move(1);
}

void SetupTypesPage::move(int delta)
{
    const int row = selectedRow();
    if (row < 0 || row + delta < 0 || row + delta >= m_project.InstallTypes.size())
        return;
    const int moved = SetupTypes::Move(m_project, row, delta);
    changed();
    selectRow(moved);
}

void SetupTypesPage::changed()
{
    m_project.Modified = true;
    emit projectChanged();
}

} // namespace talmo
