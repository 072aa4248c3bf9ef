#include "windows/project/WizardDialogsPage.h"

#include "editors/common/EditorMessages.h"
#include "editors/common/PagePanels.h"
#include "helpers/ui/ListViewHelpers.h"
#include "model/CustomPages.h"
#include "model/ProjectContainer.h"
#include "widgets/NxFlipContainer.h"
#include "widgets/NxFlipPanel.h"
#include "windows/project/SectionLists.h"
#include "windows/project/StandardDialogChoices.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmo {

WizardDialogsPage::WizardDialogsPage(TProjectContainer &project, QWidget *parent)
    : QWidget(parent)
    , gui_CustomForms(newReportList({QStringLiteral("Name"), QStringLiteral("Creation Order")}))
    , cf_add(new QPushButton(QStringLiteral("Add")))
    , cf_edit(new QPushButton(QStringLiteral("Edit")))
    , cf_delete(new QPushButton(QStringLiteral("Delete")))
    , cf_up(new QPushButton(QStringLiteral("Up")))
    , cf_down(new QPushButton(QStringLiteral("Down")))
    , bt_GlobalCode(new QPushButton(QStringLiteral("Global Code")))
    , gui_StandardForms(new QListWidget)
    , m_project(project)
{
    setObjectName(QStringLiteral("WizardDialogListsPage"));
    auto *container = new TNxFlipContainer(this);
    container->setBorderStyle(fbNone);
    auto *customPages = pageSectionPanel(QStringLiteral("Custom Dialogs"), 200);
    (new QHBoxLayout(customPages))->addWidget(createCustomPagesPanel());
    container->addPanel(customPages, true);
    auto *standard = pageSectionPanel(QStringLiteral("Standard Dialogs"), 190);
    (new QVBoxLayout(standard))->addWidget(createStandardDialogsPanel());
    container->addPanel(standard);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);
    FillCustomPagesList();
    FillStandardDialogs();
}

QWidget *WizardDialogsPage::createCustomPagesPanel()
{
    gui_CustomForms->setObjectName(QStringLiteral("gui_CustomForms"));
    gui_CustomForms->header()->resizeSection(1, 90);
    KeepColumnCaptionsWhole(gui_CustomForms->header());
    gui_CustomForms->installEventFilter(this);
    connect(gui_CustomForms, &QTreeWidget::itemSelectionChanged, this, &WizardDialogsPage::gui_CustomFormsSelectItem);
    connect(gui_CustomForms, &QTreeWidget::itemChanged, this, &WizardDialogsPage::gui_CustomFormsClick);
    connect(gui_CustomForms, &QTreeWidget::itemDoubleClicked, this, &WizardDialogsPage::cf_editClick);

    auto *actions = pageSectionPanel(QStringLiteral("Actions"));
    auto *buttons = new QVBoxLayout(actions);
    const std::pair<QPushButton *, void (WizardDialogsPage::*)()> commands[] = {
        {cf_add, &WizardDialogsPage::cf_addClick},     {cf_edit, &WizardDialogsPage::cf_editClick},
        {cf_delete, &WizardDialogsPage::cf_deleteClick}, {cf_up, &WizardDialogsPage::cf_upClick},
        {cf_down, &WizardDialogsPage::cf_downClick},
    };
    for (const auto &[button, handler] : commands) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, handler);
    }
    bt_GlobalCode->setAutoDefault(false);
    buttons->addWidget(bt_GlobalCode);
    buttons->addStretch();
    connect(bt_GlobalCode, &QPushButton::clicked, this, &WizardDialogsPage::openGlobalCodeRequested);

    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gui_CustomForms, 1);
    layout->addWidget(actions);
    return row;
}

QWidget *WizardDialogsPage::createStandardDialogsPanel()
{
    gui_StandardForms->setObjectName(QStringLiteral("gui_StandardForms"));
    for (const QString &caption : StandardDialogChoices::captions()) {
        auto *item = new QListWidgetItem(caption, gui_StandardForms);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    }
    connect(gui_StandardForms, &QListWidget::itemChanged, this, &WizardDialogsPage::gui_StandardFormsClick);
    return gui_StandardForms;
}

bool WizardDialogsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == gui_CustomForms && IsDeleteKeyRelease(event)) {
        cf_deleteClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void WizardDialogsPage::FillCustomPagesList()
{
    QList<QStringList> rows;
    for (const TCustomForm &page : m_project.CustomForms)
        rows.append({page.Name, page.CreatedAfterPageName()});
    fillReportList(gui_CustomForms, rows);
    const QSignalBlocker silent(gui_CustomForms);
    for (int i = 0; i < m_project.CustomForms.Count(); ++i) {
        QTreeWidgetItem *item = gui_CustomForms->topLevelItem(i);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, m_project.CustomForms[i].Enabled ? Qt::Checked : Qt::Unchecked);
    }
    gui_CustomFormsSelectItem();
}

void WizardDialogsPage::FillStandardDialogs()
{
    const QSignalBlocker silent(gui_StandardForms);
    const QList<bool> values = StandardDialogChoices::read(m_project);
    for (int i = 0; i < values.size(); ++i)
        gui_StandardForms->item(i)->setCheckState(values.at(i) ? Qt::Checked : Qt::Unchecked);
}

int WizardDialogsPage::selectedRow() const
{
    return selectedReportRow(gui_CustomForms);
}

void WizardDialogsPage::selectRow(int row)
{
    selectReportRow(gui_CustomForms, row);
    gui_CustomFormsSelectItem();
}

void WizardDialogsPage::gui_CustomFormsSelectItem()
{
    const int row = selectedRow();
    const bool selected = row >= 0;
    cf_edit->setEnabled(selected);
    cf_delete->setEnabled(selected);
    cf_up->setEnabled(selected && row > 0);
    cf_down->setEnabled(selected && row < gui_CustomForms->topLevelItemCount() - 1);
}

void WizardDialogsPage::gui_CustomFormsClick()
{
    bool changedAny = false;
    for (int i = 0; i < m_project.CustomForms.Count() && i < gui_CustomForms->topLevelItemCount(); ++i) {
        const bool enabled = gui_CustomForms->topLevelItem(i)->checkState(0) == Qt::Checked;
        TCustomForm &page = m_project.CustomForms[i];
        changedAny = changedAny || page.Enabled != enabled;
        page.Enabled = enabled;
    }
    if (changedAny)
        m_project.Modified = true;
}

void WizardDialogsPage::gui_StandardFormsClick()
{
    QList<bool> values;
    for (int i = 0; i < gui_StandardForms->count(); ++i)
        values.append(gui_StandardForms->item(i)->checkState() == Qt::Checked);
    if (StandardDialogChoices::write(m_project, values))
        m_project.Modified = true;
}

void WizardDialogsPage::cf_addClick()
{
    CustomPages::Add(m_project);
    changed();
}

void WizardDialogsPage::cf_editClick()
{
    const int row = selectedRow();
    if (row >= 0)
        emit openCustomPageRequested(row);
}

void WizardDialogsPage::cf_deleteClick()
{
    const int row = selectedRow();
    if (row < 0 || !ConfirmEditorAction(this, QStringLiteral("Are you sure to delete ?")))
        return;
    m_project.CustomForms.Delete(row);
    changed();
}

void WizardDialogsPage::cf_upClick()
{
    move(-1);
}

void WizardDialogsPage::cf_downClick()
{
    move(1);
}

void WizardDialogsPage::move(int delta)
{
    const int row = selectedRow();
    const int other = row + delta;
    if (row < 0 || other < 0 || other >= m_project.CustomForms.Count())
        return;
    m_project.CustomForms.Exchange(row, other);
    changed();
    selectRow(other);
}

void WizardDialogsPage::changed()
{
    m_project.Modified = true;
    emit projectChanged();
}

} // namespace talmo
