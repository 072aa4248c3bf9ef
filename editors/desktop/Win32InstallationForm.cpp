#include "editors/desktop/Win32InstallationForm.h"

#include "editors/common/EditorMessages.h"
#include "editors/core/desktop/Win32InstallerHelp.h"
#include "helpers/ui/ColumnsFitContents.h"
#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/WindowSettings.h"
#include "model/ProjectContainer.h"
#include "pagehost/IProjectWindowHost.h"
#include "platform/Registry.h"
#include "platform/RegistryReaders.h"
#include "widgets/NextInspector.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxEdit.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxTabSheet.h"
#include "widgets/SplitterStacking.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace talmo {

namespace {

const QString SettingsKey = QStringLiteral("Software\\Talmo\\W32M");

QTreeWidget *reportList(const QString &name, const QStringList &columns, bool multiSelect, QWidget *parent)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(columns);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

QPushButton *pageButton(const QString &name, const QString &caption, int width, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Wider than asked where the caption needs it.
    button->setFixedSize(std::max(width, button->sizeHint().width()), 25);
    return button;
}

TWin32Plugin &moduleOf(TProjectContainer &project, int moduleIndex)
{
    if (moduleIndex < 0 || moduleIndex >= project.Win32Plugins.Count())
        return project.Win32Plugins.AddNew();
    return project.Win32Plugins[moduleIndex];
}

// The tree is the first pane of the splitter it stands in.
int treeWidth(const QTreeWidget *tree)
{
    const auto *splitter = qobject_cast<const QSplitter *>(tree->parentWidget());
    return splitter ? splitter->sizes().value(0) : tree->width();
}

bool treeStacked(const QTreeWidget *tree)
{
    const auto *splitter = qobject_cast<const QSplitter *>(tree->parentWidget());
    return splitter && splitter->orientation() == Qt::Vertical;
}

void setTreeWidth(QTreeWidget *tree, int width)
{
    if (auto *splitter = qobject_cast<QSplitter *>(tree->parentWidget())) {
        const QList<int> sizes = splitter->sizes();
        splitter->setSizes({width, std::max(sizes.value(1), 1)});
    }
}

} // namespace

TWin32InstallationForm::TWin32InstallationForm(TProjectContainer &project, IProjectWindowHost &host, int moduleIndex,
                                               QWidget *parent, FileTypeIconCache *fileTypes)
    : HostedPage(parent)
    , tv_win32_folders(new QTreeWidget(this))
    , lv_win32_files(reportList(QStringLiteral("lv_win32_files"), {"Filename", "Type", "Source", "Flags"}, true, this))
    , bt_add_item(pageButton(QStringLiteral("bt_add_item"), QStringLiteral("Add Item"), 75, this))
    , bt_insert_files(pageButton(QStringLiteral("bt_insert_files"), QStringLiteral("Insert File(s)"), 75, this))
    , bt_import_folders(pageButton(QStringLiteral("bt_import_folders"), QStringLiteral("Import Folder(s)"), 107, this))
    , bt_open_explorer(pageButton(QStringLiteral("bt_open_explorer"), QStringLiteral("Open Explorer"), 86, this))
    , lv_icons(reportList(QStringLiteral("lv_icons"), {"Name", "Filename", "Flags"}, false, this))
    , bt_add_icon(pageButton(QStringLiteral("bt_add_icon"), QStringLiteral("Add Icon"), 75, this))
    , bt_auto_icons(pageButton(QStringLiteral("bt_auto_icons"), QStringLiteral("Auto Icons"), 75, this))
    , tv_registry(new QTreeWidget(this))
    , lv_registry(reportList(QStringLiteral("lv_registry"), {"Name", "Type", "Data", "Flags"}, true, this))
    , bt_add_registry(pageButton(QStringLiteral("bt_add_registry"), QStringLiteral("Add Entry"), 75, this))
    , bt_registry_tools(pageButton(QStringLiteral("bt_registry_tools"), QStringLiteral("Registry Tools"), 101, this))
    , lv_installrun(reportList(QStringLiteral("lv_installrun"), {"Filename", "Parameters", "WorkingDir", "Flags"},
                               false, this))
    , lv_UninstallRun(reportList(QStringLiteral("lv_UninstallRun"), {"Filename", "Parameters", "WorkingDir", "Flags"},
                                 false, this))
    , bt_installrun_add(pageButton(QStringLiteral("bt_installrun_add"), QStringLiteral("Add Entry"), 75, this))
    , bt_uninstallrun_add(pageButton(QStringLiteral("bt_uninstallrun_add"), QStringLiteral("Add Entry"), 75, this))
    , lv_InstallDelete(reportList(QStringLiteral("lv_InstallDelete"), {"Type", "Name"}, false, this))
    , lv_UninstallDelete(reportList(QStringLiteral("lv_UninstallDelete"), {"Type", "Name"}, false, this))
    , bt_InstallDelete_add(pageButton(QStringLiteral("bt_InstallDelete_add"), QStringLiteral("Add Entry"), 75, this))
    , bt_UninstallDelete_add(pageButton(QStringLiteral("bt_UninstallDelete_add"), QStringLiteral("Add Entry"), 75, this))
    , NxEdit1(new TNxEdit(this))
    , NxPageControl1(new TNxPageControl(this))
    , m_project(project)
    , m_host(host)
    , m_plugin(&moduleOf(project, moduleIndex))
    , m_rows(host)
    , m_fileTypes(fileTypes)
{
    setObjectName(QStringLiteral("Win32InstallationForm"));
    NxEdit1->setObjectName(QStringLiteral("NxEdit1"));
    setWindowTitle(QStringLiteral("Win32 Installation Plugin"));
    NxPageControl1->setTabHeight(17);
    UseFixedPages(*NxPageControl1);
    const QList<QPair<QString, QWidget *>> tabs = {
        {QStringLiteral("Files"), createFilesTab()},
        {QStringLiteral("Shortcuts"), createShortcutsTab()},
        {QStringLiteral("Registry"), createRegistryTab()},
        {QStringLiteral("Run on Install"), createRunTab(true)},
        {QStringLiteral("Run on Uninstall"), createRunTab(false)},
        {QStringLiteral("Delete on Install"), createDeleteTab(true)},
        {QStringLiteral("Delete on Uninstall"), createDeleteTab(false)},
    };
    for (const auto &[caption, content] : tabs) {
        auto *sheet = new TNxTabSheet;
        sheet->setCaption(caption);
        auto *layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(content);
        NxPageControl1->addPage(sheet, true);
    }
    NxPageControl1->setActivePageIndex(FilesPage);

    // The tabs run the page's full width: at the page's own width all seven
    // captions fit without scrolling.
    auto *column = new QVBoxLayout(this);
    const QMargins margins = column->contentsMargins();
    column->setContentsMargins(0, margins.top(), 0, 0);
    auto *top = new QHBoxLayout;
    top->setContentsMargins(margins.left(), 0, margins.right(), 0);
    top->addWidget(new QLabel(QStringLiteral("Module Name:"), this));
    top->addWidget(NxEdit1, 1);
    column->addLayout(top);
    column->addWidget(NxPageControl1, 1);
    resize(703, 523);
    // Attached before the saved widths come back, so that those count as the user's.
    for (QTreeWidget *list : {lv_win32_files, lv_icons, lv_registry, lv_installrun, lv_UninstallRun, lv_InstallDelete,
                              lv_UninstallDelete})
        ColumnsFitContents::attach(list);

    readSettings();
    NxEdit1->setText(m_plugin->Caption);
    connect(NxEdit1, &QLineEdit::textChanged, this, &TWin32InstallationForm::tb_captionChange);
    connect(NxPageControl1, &TNxPageControl::change, this, &TWin32InstallationForm::TntPageControl1Change);
    RefreshFromPlugin();
    TntPageControl1Change();
    showFileSortArrow();
    SetListViewSortArrow(lv_registry->header(), m_registrySort.column, !m_registrySort.ascending);
}

TWin32InstallationForm::~TWin32InstallationForm()
{
    m_rows.Detach();
    writeSettings();
}

QWidget *TWin32InstallationForm::tabWithButtons(QWidget *content, const QList<QPushButton *> &buttons)
{
    auto *tab = new QWidget;
    auto *column = new QVBoxLayout(tab);
    column->setContentsMargins(8, 8, 8, 0);
    column->addWidget(content, 1);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 7, 0, 8);
    row->setSpacing(6);
    for (QPushButton *button : buttons)
        row->addWidget(button);
    row->addStretch(1);
    column->addLayout(row);
    return tab;
}

QWidget *TWin32InstallationForm::treeBesideList(QTreeWidget *tree, QTreeWidget *list, int leastWidth,
                                                const QStringList &nodeNames)
{
    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(tree);
    splitter->addWidget(list);
    splitter->setStretchFactor(1, 1);
    // Wide enough that the nodes below the root show their names whole:
    // two steps of indentation, the folder picture, the frame and a scroll bar.
    int widest = 0;
    for (const QString &name : nodeNames)
        widest = std::max(widest, tree->fontMetrics().horizontalAdvance(name));
    const int chrome = 2 * tree->indentation() + tree->iconSize().width() + 16 + 2 * tree->frameWidth()
        + tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tree);
    const int width = std::max(leastWidth, widest + chrome);
    splitter->setSizes({width, 500});
    // Below a list of about 340 pixels its columns no longer show; the list
    // goes under the tree instead.
    SplitterStacking::install(splitter, width + splitter->handleWidth() + 340);
    return splitter;
}

void TWin32InstallationForm::RefreshFromPlugin()
{
    BuildFolderTree();
    BuildRegistryTree();
    FillIconList();
    FillRunList(true);
    FillRunList(false);
    FillDeleteList(true);
    FillDeleteList(false);
    rebuildActiveRows();
}

int TWin32InstallationForm::activePage() const
{
    return NxPageControl1->activePageIndex();
}

void TWin32InstallationForm::setActivePage(int page)
{
    NxPageControl1->setActivePageIndex(page);
}

QTreeWidget *TWin32InstallationForm::listWidget(List list) const
{
    switch (list) {
    case List::Files:
        return lv_win32_files;
    case List::Icons:
        return lv_icons;
    case List::Registry:
        return lv_registry;
    case List::InstallRun:
    case List::UninstallRun:
        return runList(list == List::InstallRun);
    case List::InstallDelete:
    case List::UninstallDelete:
        return deleteList(list == List::InstallDelete);
    }
    return nullptr;
}

QStringList TWin32InstallationForm::listColumn(List list, int column) const
{
    return ColumnTexts(listWidget(list), column);
}

void TWin32InstallationForm::selectRows(List list, const QList<int> &rows)
{
    QTreeWidget *widget = listWidget(list);
    widget->clearSelection();
    widget->setCurrentItem(rows.isEmpty() ? nullptr : widget->topLevelItem(rows.first()));
    for (int row : rows)
        widget->topLevelItem(row)->setSelected(true);
}

QList<int> TWin32InstallationForm::selectedRows(List list) const
{
    return SelectedRowIndexes(listWidget(list));
}

void TWin32InstallationForm::setChoices(TNxPropertyItem *item, const std::optional<QStringList> &lines)
{
    if (auto *combo = qobject_cast<TNxComboBoxItem *>(item); combo && lines)
        combo->setLines(*lines);
}

void TWin32InstallationForm::TntPageControl1Change()
{
    rebuildActiveRows();
}

void TWin32InstallationForm::rebuildActiveRows()
{
    switch (activePage()) {
    case FilesPage:
        m_multiSelectMode = false;
        RebuildFileRows();
        break;
    case ShortcutsPage:
        IconListSelect();
        break;
    case RegistryPage:
        RegistryListSelect();
        break;
    case InstallRunPage:
    case UninstallRunPage:
        RunListSelect(activePage() == InstallRunPage);
        break;
    case InstallDeletePage:
    case UninstallDeletePage:
        DeleteListSelect(activePage() == InstallDeletePage);
        break;
    default:
        return;
    }
    writeHelp();
}

void TWin32InstallationForm::writeHelp()
{
    m_host.setHelpHtml(Win32InstallerHelp::Page(activePage(), m_rows.SelectedCaption()));
}

void TWin32InstallationForm::tb_captionChange()
{
    m_plugin->Caption = NxEdit1->text();
    m_host.refreshModuleNodeCaption();
    markModified();
}

bool TWin32InstallationForm::confirm(const QString &text)
{
    return ConfirmEditorAction(this, text);
}

void TWin32InstallationForm::markModified()
{
    m_project.Modified = true;
}

void TWin32InstallationForm::readSettings()
{
    Registry registry;
    if (!registry.openKey(SettingsKey, false))
        return;
    m_fileSort.column = RegReadIntegerDef(registry, QStringLiteral("sortColumn"), m_fileSort.column);
    m_fileSort.ascending = RegReadBoolDef(registry, QStringLiteral("sortAscending"), m_fileSort.ascending);
    m_registrySort.column = RegReadIntegerDef(registry, QStringLiteral("regSortColumn"), m_registrySort.column);
    m_registrySort.ascending = RegReadBoolDef(registry, QStringLiteral("regSortAscending"), m_registrySort.ascending);
    setViewStyle(RegReadIntegerDef(registry, QStringLiteral("lv_win32_files_ViewStyle"), m_viewStyle));
    setTreeWidth(tv_win32_folders, RegReadIntegerDef(registry, QStringLiteral("NxHeaderPanel2_width"), treeWidth(tv_win32_folders)));
    setTreeWidth(tv_registry, RegReadIntegerDef(registry, QStringLiteral("NxHeaderPanel5_width"), treeWidth(tv_registry)));
    for (QTreeWidget *list : {lv_win32_files, lv_icons, lv_registry, lv_installrun, lv_UninstallRun})
        RestoreListViewColumns(registry, list);
}

void TWin32InstallationForm::writeSettings() const
{
    Registry registry;
    // Settings are a convenience: a failed write keeps the old ones.
    RegistryStatus status = registry.openKey(SettingsKey, true);
    const auto write = [&](const std::function<RegistryStatus()> &step) {
        if (status)
            status = step();
    };
    write([&] { return registry.writeInteger(QStringLiteral("lv_win32_files_ViewStyle"), m_viewStyle); });
    write([&] { return registry.writeInteger(QStringLiteral("sortColumn"), m_fileSort.column); });
    write([&] { return registry.writeBool(QStringLiteral("sortAscending"), m_fileSort.ascending); });
    write([&] { return registry.writeInteger(QStringLiteral("regSortColumn"), m_registrySort.column); });
    write([&] { return registry.writeBool(QStringLiteral("regSortAscending"), m_registrySort.ascending); });
    // Stacked panes have heights, not the tree widths kept here.
    if (!treeStacked(tv_win32_folders))
        write([&] { return registry.writeInteger(QStringLiteral("NxHeaderPanel2_width"), treeWidth(tv_win32_folders)); });
    if (!treeStacked(tv_registry))
        write([&] { return registry.writeInteger(QStringLiteral("NxHeaderPanel5_width"), treeWidth(tv_registry)); });
    for (QTreeWidget *list : {lv_win32_files, lv_icons, lv_registry, lv_installrun, lv_UninstallRun})
        write([&] { return SaveListViewColumns(registry, list); });
    write([&] { return registry.closeKey(); });
}

} // namespace talmo
