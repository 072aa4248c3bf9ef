#include "editors/cab/CABCreatorForm.h"

#include "editors/common/EditorMessages.h"
#include "editors/dialogs/EditorStrings.h"
#include "editors/common/PagePanels.h"
#include "editors/dialogs/PathBuilder.h"
#include "editors/cab/TargetPlatformOptions.h"
#include "editors/core/device/CabGeneralOptions.h"
#include "editors/core/device/CustomStringEdits.h"
#include "editors/core/device/DeviceRegistrySections.h"
#include "editors/core/device/TargetEdits.h"
#include "helpers/ui/ColumnsFitContents.h"
#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "pagehost/IProjectWindowHost.h"
#include "widgets/NextInspector.h"
#include "widgets/NxButtonEdit.h"
#include "widgets/NxComboBox.h"
#include "widgets/NxEdit.h"
#include "widgets/NxFlipContainer.h"
#include "widgets/NxFlipPanel.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxSplitter.h"
#include "widgets/NxTabSheet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmo {

namespace {

const QString SureText = QStringLiteral("Are you sure ?");

QTreeWidget *reportList(QWidget *parent, const QStringList &columns, const QString &hint)
{
    auto *list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(columns);
    list->setToolTip(hint);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    return list;
}

QPushButton *listButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setFixedSize(53, 25);
    return button;
}

QWidget *listWithButtons(QTreeWidget *list, const QList<QPushButton *> &buttons, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(list, 1);
    auto *column = new QVBoxLayout;
    for (QPushButton *button : buttons)
        column->addWidget(button);
    column->addStretch(1);
    row->addLayout(column);
    return box;
}

void setRow(QTreeWidgetItem *item, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        item->setText(i, texts.at(i));
}

TargetFields targetFieldsOf(const TtargetPlatformOptions &dialog)
{
    TargetFields fields;
    fields.name = dialog.tb_editor->currentText();
    fields.processorType = dialog._ProcessorType->text();
    fields.unsupportedPlatforms = dialog._UnsupportedPlatforms->text();
    fields.versionMin = dialog._VersionMin->text();
    fields.versionMax = dialog._VersionMax->text();
    fields.buildMax = dialog._buildMax->currentIndex();
    return fields;
}

} // namespace

TCABCreatorForm::TCABCreatorForm(TProjectContainer &project, IProjectWindowHost &host, QWidget *parent,
                                 FileTypeIconCache *fileTypes)
    : HostedPage(parent)
    , gui_SetupCaption(new TNxEdit(this))
    , NxPageControl1(new TNxPageControl(this))
    , gui_AppName(new TNxEdit(this))
    , gui_BuildAppDescription(new TNxEdit(this))
    , gui_cab_filename_output(new TNxEdit(this))
    , gui_installdir(new TNxButtonEdit(this))
    , gui_CEDevices(reportList(this, {"Name", "Processor Type", "Unsupported Platforms", "Version Min", "Version Max"},
                               QStringLiteral("Entries of this section is optional and describes the hardware ")))
    , bt_ced_add(listButton(QStringLiteral("Add"), this))
    , bt_ced_edit(listButton(QStringLiteral("Edit"), this))
    , bt_ced_delete(listButton(QStringLiteral("Delete"), this))
    , gui_Strings(reportList(this, {"Key", "Value"},
                             QStringLiteral("The Entries of this section is optional and defines one or more string ")))
    , bt_str_add(listButton(QStringLiteral("Add"), this))
    , bt_str_delete(listButton(QStringLiteral("Delete"), this))
    , bt_str_edit(listButton(QStringLiteral("Edit"), this))
    , cb_ppcfs_targets(new TNxComboBox(this))
    , NxSplitter1(new TNxSplitter(Qt::Horizontal, this))
    , NxHeaderPanel1(new TNxHeaderPanel(this))
    , NxHeaderPanel2(new TNxHeaderPanel(this))
    , tv_ppcfs_folders(new QTreeWidget(this))
    , lv_ppcfs_files(new QTreeWidget(this))
    , NextInspector1(new TNextInspector(this))
    , vst_Installations(new QTreeWidget(this))
    , NxHeaderPanel4(new TNxHeaderPanel(this))
    , Label16(new QLabel(QStringLiteral("Setup DLL"), this))
    , Label17(new QLabel(QStringLiteral("Self Register Files"), this))
    , _CESetupDLL(new TNxEdit(this))
    , _CESelfRegister(new TNxEdit(this))
    , cb_shortcuts_targets(new TNxComboBox(this))
    , gui_Shortcuts(reportList(this, {"Name", "Target", "Install Folder", "Type"}, QString()))
    , bt_shortcut_add(listButton(QStringLiteral("Add"), this))
    , bt_shortcut_edit(listButton(QStringLiteral("Edit"), this))
    , bt_shortcut_delete(listButton(QStringLiteral("Delete"), this))
    , m_project(project)
    , m_host(host)
    , m_fileTypes(fileTypes)
{
    setObjectName(QStringLiteral("CABCreatorForm"));
    nameWidgets();
    const int targetColumnWidths[] = {102, 100, 100, 100, 100};
    for (int column = 0; column < 5; ++column)
        gui_CEDevices->setColumnWidth(column, targetColumnWidths[column]);
    KeepColumnCaptionsWhole(gui_CEDevices->header());
    setWindowTitle(QStringLiteral("CAB Creator Module"));
    gui_installdir->setButtonCaption(QStringLiteral("..."));
    gui_installdir->setButtonWidth(21);

    NxPageControl1->setTabHeight(17);
    UseFixedPages(*NxPageControl1);
    const QList<QPair<QString, QWidget *>> tabs = {
        {QStringLiteral("Cab Settings"), createSettingsTab()},
        {QStringLiteral("Mobile Device Files"), createFilesTab()},
        {QStringLiteral("Registry"), createRegistryTab()},
        {QStringLiteral("Shortcuts"), createShortcutsTab()},
    };
    for (const auto &[caption, content] : tabs) {
        auto *sheet = new TNxTabSheet;
        sheet->setCaption(caption);
        auto *layout = new QVBoxLayout(sheet);
        layout->addWidget(content);
        NxPageControl1->addPage(sheet, true);
    }
    NxPageControl1->setActivePageIndex(0);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Module Name:"), this));
    top->addWidget(gui_SetupCaption, 1);
    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(NxPageControl1, 1);
    resize(661, 544);

    connect(gui_CEDevices, &QTreeWidget::itemSelectionChanged, this, &TCABCreatorForm::gui_CEDevicesChange);
    connect(gui_CEDevices, &QTreeWidget::itemDoubleClicked, this, &TCABCreatorForm::bt_ced_editClick);
    connect(bt_ced_add, &QPushButton::clicked, this, &TCABCreatorForm::bt_ced_addClick);
    connect(bt_ced_edit, &QPushButton::clicked, this, &TCABCreatorForm::bt_ced_editClick);
    connect(bt_ced_delete, &QPushButton::clicked, this, &TCABCreatorForm::bt_ced_deleteClick);
    connect(gui_Strings, &QTreeWidget::itemSelectionChanged, this, &TCABCreatorForm::gui_StringsSelectItem);
    connect(gui_Strings, &QTreeWidget::itemDoubleClicked, this, &TCABCreatorForm::bt_str_editClick);
    connect(bt_str_add, &QPushButton::clicked, this, &TCABCreatorForm::bt_str_addClick);
    connect(bt_str_edit, &QPushButton::clicked, this, &TCABCreatorForm::bt_str_editClick);
    connect(bt_str_delete, &QPushButton::clicked, this, &TCABCreatorForm::bt_str_deleteClick);
    connect(gui_installdir, &TNxButtonEdit::buttonClick, this, &TCABCreatorForm::gui_installdirButtonClick);
    connectFilesTab();
    connect(vst_Installations, &QTreeWidget::itemChanged, this, &TCABCreatorForm::vst_InstallationsChecked);
    connect(vst_Installations, &QTreeWidget::itemDoubleClicked, this, &TCABCreatorForm::vst_InstallationsDblClick);
    connect(vst_Installations, &QWidget::customContextMenuRequested, this, &TCABCreatorForm::showRegistryPopup);
    connect(vst_Installations, &QTreeWidget::currentItemChanged, this,
            &TCABCreatorForm::vst_InstallationsFocusChanged);
    for (TNxEdit *edit : {_CESetupDLL, _CESelfRegister})
        connect(edit, &QLineEdit::textChanged, this, &TCABCreatorForm::storeSetupDll);
    connect(cb_shortcuts_targets, &TNxComboBox::select, this, &TCABCreatorForm::RefreshShortcuts);
    connect(gui_Shortcuts, &QTreeWidget::itemSelectionChanged, this, &TCABCreatorForm::updateShortcutActions);
    connect(gui_Shortcuts, &QTreeWidget::itemDoubleClicked, this, &TCABCreatorForm::Edit1Click);
    gui_Shortcuts->header()->setSectionsClickable(true);
    connect(gui_Shortcuts->header(), &QHeaderView::sectionClicked, this, &TCABCreatorForm::gui_ShortcutsColumnClick);
    connect(bt_shortcut_add, &QPushButton::clicked, this, &TCABCreatorForm::Add1Click);
    connect(bt_shortcut_edit, &QPushButton::clicked, this, &TCABCreatorForm::Edit1Click);
    connect(bt_shortcut_delete, &QPushButton::clicked, this, &TCABCreatorForm::Delete1Click);
    connectGeneralOptions();
    // Attached before the saved widths come back, so that those count as the user's.
    for (QTreeWidget *list : {lv_ppcfs_files.data(), gui_CEDevices.data(), gui_Strings, gui_Shortcuts})
        ColumnsFitContents::attach(list);

    readSettings();
    RefreshFromProject();
    if (const std::optional<QString> name = UnnamedCabModuleName(m_project))
        gui_SetupCaption->setText(*name);
}

TCABCreatorForm::~TCABCreatorForm()
{
    writeSettings();
}

void TCABCreatorForm::nameWidgets()
{
    const QList<QPair<QWidget *, const char *>> named = {
        {NxPageControl1, "NxPageControl1"},
        {gui_SetupCaption, "gui_SetupCaption"},
        {gui_AppName, "gui_AppName"},
        {gui_BuildAppDescription, "gui_BuildAppDescription"},
        {gui_cab_filename_output, "gui_cab_filename_output"},
        {gui_installdir, "gui_installdir"},
        {gui_CEDevices, "gui_CEDevices"},
        {bt_ced_add, "bt_ced_add"},
        {bt_ced_edit, "bt_ced_edit"},
        {bt_ced_delete, "bt_ced_delete"},
        {gui_Strings, "gui_Strings"},
        {bt_str_add, "bt_str_add"},
        {bt_str_edit, "bt_str_edit"},
        {bt_str_delete, "bt_str_delete"},
        {cb_ppcfs_targets, "cb_ppcfs_targets"},
        {NxSplitter1, "NxSplitter1"},
        {tv_ppcfs_folders, "tv_ppcfs_folders"},
        {lv_ppcfs_files, "lv_ppcfs_files"},
        {NextInspector1, "NextInspector1"},
        {vst_Installations, "vst_Installations"},
        {_CESetupDLL, "_CESetupDLL"},
        {_CESelfRegister, "_CESelfRegister"},
        {cb_shortcuts_targets, "cb_shortcuts_targets"},
        {gui_Shortcuts, "gui_Shortcuts"},
        {bt_shortcut_add, "bt_shortcut_add"},
        {bt_shortcut_edit, "bt_shortcut_edit"},
        {bt_shortcut_delete, "bt_shortcut_delete"},
    };
    for (const auto &[widget, name] : named)
        widget->setObjectName(QLatin1String(name));
}

QTreeWidget *TCABCreatorForm::listOf(List list) const
{
    switch (list) {
    case List::Targets:
        return gui_CEDevices;
    case List::Strings:
        return gui_Strings;
    case List::Files:
        return lv_ppcfs_files;
    case List::Shortcuts:
        return gui_Shortcuts;
    }
    return nullptr;
}

QStringList TCABCreatorForm::shownColumn(List list, int column) const
{
    return ColumnTexts(listOf(list), column);
}

QStringList TCABCreatorForm::selectedCaptions(List list) const
{
    const QTreeWidget *shown = listOf(list);
    QStringList captions;
    for (int row : SelectedRowIndexes(shown))
        captions.append(shown->topLevelItem(row)->text(0));
    return captions;
}

QStringList TCABCreatorForm::targetChoices() const
{
    return cb_ppcfs_targets->items();
}

int TCABCreatorForm::filesTargetIndex() const
{
    return cb_ppcfs_targets->itemIndex();
}

QWidget *TCABCreatorForm::createSettingsTab()
{
    auto *general = pageSectionPanel(QStringLiteral("General Options"), 141);
    auto *grid = new QGridLayout(general);
    grid->addWidget(new QLabel(QStringLiteral("Mobile Application Name"), general), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Description"), general), 0, 1);
    grid->addWidget(gui_AppName, 1, 0);
    grid->addWidget(gui_BuildAppDescription, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("CAB Filename output"), general), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Default destination directory"), general), 2, 1);
    grid->addWidget(gui_cab_filename_output, 3, 0);
    grid->addWidget(gui_installdir, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Leave blank for default. Any spaces will be converted to underscores."),
                               general), 4, 0, 1, 2);

    auto *targets = pageSectionPanel(QStringLiteral("Target Devices"), 129);
    auto *targetsLayout = new QVBoxLayout(targets);
    targetsLayout->addWidget(listWithButtons(gui_CEDevices, {bt_ced_add, bt_ced_edit, bt_ced_delete}, targets));

    auto *strings = pageSectionPanel(QStringLiteral("Custom Installation Strings"), 131);
    auto *stringsLayout = new QVBoxLayout(strings);
    stringsLayout->addWidget(listWithButtons(gui_Strings, {bt_str_add, bt_str_delete, bt_str_edit}, strings));

    auto *container = new TNxFlipContainer;
    container->setBorderStyle(fbNone);
    container->addPanel(general);
    container->addPanel(targets);
    container->addPanel(strings);
    return container;
}

QWidget *TCABCreatorForm::createRegistryTab()
{
    auto *tab = new QWidget;
    vst_Installations->setHeaderHidden(true);
    vst_Installations->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *sections = new TNxHeaderPanel(tab);
    sections->setCaption(QStringLiteral("Registry Sections"));
    auto *sectionsLayout = new QVBoxLayout(sections);
    sectionsLayout->addWidget(vst_Installations);
    auto *grid = new QGridLayout(NxHeaderPanel4);
    grid->addWidget(Label16, 0, 0);
    grid->addWidget(_CESetupDLL, 0, 1);
    grid->addWidget(Label17, 1, 0);
    grid->addWidget(_CESelfRegister, 1, 1);
    auto *column = new QVBoxLayout(tab);
    column->addWidget(sections, 1);
    column->addWidget(NxHeaderPanel4);
    return tab;
}

QWidget *TCABCreatorForm::createShortcutsTab()
{
    auto *tab = new QWidget;
    cb_shortcuts_targets->setStyle(dsDropDownList);
    gui_Shortcuts->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Shortcuts for Target"), tab));
    top->addWidget(cb_shortcuts_targets, 1);
    auto *shortcuts = new TNxHeaderPanel(tab);
    shortcuts->setCaption(QStringLiteral("Shortcuts"));
    auto *inside = new QVBoxLayout(shortcuts);
    inside->addWidget(listWithButtons(gui_Shortcuts, {bt_shortcut_add, bt_shortcut_edit, bt_shortcut_delete}, shortcuts));
    auto *column = new QVBoxLayout(tab);
    column->addLayout(top);
    column->addWidget(shortcuts, 1);
    return tab;
}

QList<QPair<TNxEdit *, CabGeneralOption>> TCABCreatorForm::generalOptionEdits() const
{
    return {{gui_SetupCaption, CabGeneralOption::ModuleName},
            {gui_AppName, CabGeneralOption::AppName},
            {gui_BuildAppDescription, CabGeneralOption::Description},
            {gui_cab_filename_output, CabGeneralOption::CabOutputFilename},
            {gui_installdir, CabGeneralOption::InstallDir}};
}

void TCABCreatorForm::connectGeneralOptions()
{
    for (const auto &[edit, option] : generalOptionEdits()) {
        connect(edit, &QLineEdit::textChanged, this, [this, option = option](const QString &text) {
            storeGeneralOption(option, text);
        });
    }
}

void TCABCreatorForm::storeGeneralOption(CabGeneralOption option, const QString &text)
{
    if (m_filling)
        return;
    if (StoreCabGeneralOption(m_project, option, text))
        m_host.refreshModuleNodeCaption();
}

void TCABCreatorForm::RefreshFromProject()
{
    m_filling = true;
    for (const auto &[edit, option] : generalOptionEdits())
        edit->setText(CabGeneralOptionText(m_project, option));
    // Dangling names go first, so the shortcuts tab never looks for a missing section.
    TargetEdits(m_project).DropDanglingSectionNames();
    fillTargetCombo(cb_ppcfs_targets);
    BuildDeviceFolderTree();
    fillTargetCombo(cb_shortcuts_targets);
    RefreshShortcuts();
    refreshStrings();
    refreshTargets();
    refreshRegistryTree();
    m_host.setRegistrySectionNodes(DeviceRegistrySections(m_project).Captions());
    gui_CEDevicesChange();
    m_filling = false;
}

void TCABCreatorForm::fillTargetCombo(TNxComboBox *combo)
{
    const QString remembered = combo->text();
    QStringList captions;
    for (int i = 0; i < m_project.CEDevices.Count(); ++i)
        captions.append(TargetEdits::ChoiceCaption(m_project.CEDevices[i], i));
    combo->setItems(captions);
    const int kept = int(captions.indexOf(remembered));
    combo->setItemIndex(kept >= 0 ? kept : (captions.isEmpty() ? -1 : 0));
}

int TCABCreatorForm::selectedTargetIndex(const TNxComboBox *combo) const
{
    const int index = combo->itemIndex();
    return index >= 0 && index < m_project.CEDevices.Count() ? index : -1;
}

int TCABCreatorForm::selectedRow(const QTreeWidget *list) const
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

void TCABCreatorForm::refreshStrings()
{
    const int remembered = selectedRow(gui_Strings);
    const int count = m_project.StringPairs.Count();
    for (int i = 0; i < count; ++i) {
        const TStringPair &pair = m_project.StringPairs[i];
        QTreeWidgetItem *item = gui_Strings->topLevelItem(i);
        if (!item)
            item = new QTreeWidgetItem(gui_Strings);
        setRow(item, {pair.Name, pair.Value});
    }
    while (gui_Strings->topLevelItemCount() > count)
        delete gui_Strings->takeTopLevelItem(gui_Strings->topLevelItemCount() - 1);
    gui_Strings->clearSelection();
    if (remembered >= 0 && remembered < count)
        gui_Strings->topLevelItem(remembered)->setSelected(true);
    gui_StringsSelectItem();
}

void TCABCreatorForm::refreshTargets()
{
    const int remembered = selectedRow(gui_CEDevices);
    QSignalBlocker blocker(gui_CEDevices);
    gui_CEDevices->clear();
    const TargetEdits targets(m_project);
    for (int i = 0; i < m_project.CEDevices.Count(); ++i)
        new QTreeWidgetItem(gui_CEDevices, targets.RowTexts(i));
    if (remembered >= 0 && remembered < gui_CEDevices->topLevelItemCount())
        gui_CEDevices->topLevelItem(remembered)->setSelected(true);
}

void TCABCreatorForm::gui_CEDevicesChange()
{
    const int row = selectedRow(gui_CEDevices);
    const TargetEdits targets(m_project);
    bt_ced_edit->setEnabled(targets.CanEdit(row));
    bt_ced_delete->setEnabled(targets.CanDelete(row));
    bt_ced_add->setEnabled(true);
}

bool TCABCreatorForm::confirm(const QString &text)
{
    return ConfirmEditorAction(this, text);
}

void TCABCreatorForm::bt_ced_addClick()
{
    TtargetPlatformOptions dialog(this);
    dialog.tb_editor->setEnabled(true);
    dialog.tb_editor->setEditText(QString());
    dialog._buildMax->setCurrentIndex(0);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    TargetEdits(m_project).AddTarget(targetFieldsOf(dialog));
    RefreshFromProject();
}

void TCABCreatorForm::bt_ced_editClick()
{
    const int row = selectedRow(gui_CEDevices);
    if (!TargetEdits(m_project).CanEdit(row))
        return;
    const TargetFields current = TargetFields::of(m_project.CEDevices[row]);
    TtargetPlatformOptions dialog(this);
    dialog.tb_editor->setEnabled(row != 0);
    dialog.tb_editor->setEditText(current.name);
    dialog._ProcessorType->setText(current.processorType);
    dialog._UnsupportedPlatforms->setText(current.unsupportedPlatforms);
    dialog._VersionMin->setText(current.versionMin);
    dialog._VersionMax->setText(current.versionMax);
    dialog._buildMax->setCurrentIndex(current.buildMax);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    TargetEdits(m_project).EditTarget(row, targetFieldsOf(dialog));
    RefreshFromProject();
}

void TCABCreatorForm::bt_ced_deleteClick()
{
    const int row = selectedRow(gui_CEDevices);
    if (!TargetEdits(m_project).CanDelete(row) || !confirm(SureText))
        return;
    TargetEdits(m_project).DeleteTarget(row);
    RefreshFromProject();
}

void TCABCreatorForm::gui_StringsSelectItem()
{
    const bool selected = selectedRow(gui_Strings) >= 0;
    bt_str_edit->setEnabled(selected);
    bt_str_delete->setEnabled(selected);
}

std::optional<TStringPair> TCABCreatorForm::askCustomString(const TStringPair &shown)
{
    Teditor_strings dialog(this);
    dialog.TntLabel1->setText(QStringLiteral("Key"));
    dialog.TntLabel2->setText(QStringLiteral("Value"));
    dialog.setWindowTitle(QStringLiteral("Custom Strings Editor"));
    dialog.tb_key->setText(shown.Name);
    dialog.tb_value->setText(shown.Value);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return TStringPair{ dialog.tb_key->text(), dialog.tb_value->text() };
}

void TCABCreatorForm::bt_str_addClick()
{
    const std::optional<TStringPair> added = askCustomString({});
    if (!added)
        return;
    CustomStringEdits(m_project).Add(added->Name, added->Value);
    RefreshFromProject();
}

void TCABCreatorForm::bt_str_editClick()
{
    const int row = selectedRow(gui_Strings);
    if (row < 0)
        return;
    const std::optional<TStringPair> edited = askCustomString(m_project.StringPairs[row]);
    if (!edited)
        return;
    CustomStringEdits(m_project).Replace(row, edited->Name, edited->Value);
    RefreshFromProject();
}

void TCABCreatorForm::bt_str_deleteClick()
{
    const int row = selectedRow(gui_Strings);
    if (row < 0 || !confirm(SureText))
        return;
    CustomStringEdits(m_project).Delete(row);
    RefreshFromProject();
}

void TCABCreatorForm::gui_installdirButtonClick()
{
    TPathBuilder dialog(this);
    dialog.Path = gui_installdir->text();
    dialog.Project = &m_project;
    if (m_runDialog(dialog) == QDialog::Accepted)
        gui_installdir->setText(dialog.Path);
}

} // namespace talmo
