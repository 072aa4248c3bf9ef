#include "editors/modules/CabCollectionEditor.h"

#include "editors/modules/CabFilenameEditor.h"
#include "editors/common/EditorMessages.h"
#include "editors/common/FileDropTarget.h"
#include "editors/common/FileReference.h"
#include "editors/common/FileReferenceBrowser.h"
#include "editors/common/PagePanels.h"
#include "helpers/core/PathHelpers.h"
#include "helpers/ui/FontsAndThemes.h"
#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "pagehost/IProjectWindowHost.h"
#include "widgets/Colors.h"
#include "widgets/NxEdit.h"
#include "widgets/NxFlipContainer.h"
#include "widgets/NxFlipPanel.h"
#include "widgets/NxHeaderPanel.h"

#include <QCursor>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmo {

namespace {

struct KindTexts
{
    QString column;
    QString dialogCaption;
    QString openFilter;
    QString dialogFilter;
    QStringList extensions;
};

const KindTexts &textsOf(bool palmMode)
{
    static const QString cabFilter = QStringLiteral("CAB Files (*.cab)|*.cab|All files (*.*)|*.*");
    static const KindTexts cab{QStringLiteral("CAB Files"), QStringLiteral("Cab Filename"), cabFilter, cabFilter,
                               {QStringLiteral(".CAB")}};
    static const KindTexts palm{
        QStringLiteral("PalmOS Related Files"),
        QStringLiteral("PalmOS Filename"),
        QStringLiteral("PalmOS Files (*.prc;*.pdb;*.pqa;*.pnc;*.scp)|*.prc;*.pdb;*.pqa;*.pnc;*.scp|All files (*.*)|*.*"),
        QStringLiteral("PalmOS Files Files (*.prc;*.pdb;*.pqa;*.pnc;*.scp)|*.prc;*.pdb;*.pqa;*.pnc;*.scp|All files (*.*)|*.*"),
        {QStringLiteral(".PRC"), QStringLiteral(".PDB"), QStringLiteral(".PQA"), QStringLiteral(".PNC"),
         QStringLiteral(".SCP")}};
    return palmMode ? palm : cab;
}

const QString infoText = QStringLiteral(
    "Here you can enter a URL (http or ftp) and the Setup Wizard will automatically download this file.\n"
    "Example: ftp://downloads.example.org/mobile/setup.cab");

} // namespace

TcabCollectionEditor::TcabCollectionEditor(TProjectContainer &project, IProjectWindowHost &host, int moduleIndex,
                                           bool palmMode, QWidget *parent)
    : HostedPage(parent)
    , ebModuleName(new TNxEdit(this))
    , cab_files(new QTreeWidget(this))
    , cab_add(new QPushButton(QStringLiteral("Add"), this))
    , cab_edit(new QPushButton(QStringLiteral("Edit"), this))
    , cab_delete(new QPushButton(QStringLiteral("Delete"), this))
    , m_project(project)
    , m_host(host)
    , m_moduleIndex(moduleIndex)
    , m_palmMode(palmMode)
    , m_addMenu(new QMenu(this))
{
    setObjectName(QStringLiteral("cabCollectionEditor"));
    createControls();
    QAction *local = m_addMenu->addAction(QStringLiteral("Add Local File"));
    local->setData(1);
    QAction *url = m_addMenu->addAction(QStringLiteral("Add URL"));
    url->setData(2);
    connect(local, &QAction::triggered, this, &TcabCollectionEditor::AddLocalFile1Click);
    connect(url, &QAction::triggered, this, &TcabCollectionEditor::AddURL1Click);

    connect(ebModuleName, &QLineEdit::textChanged, this, &TcabCollectionEditor::ebModuleNameChange);
    connect(cab_add, &QPushButton::clicked, this, &TcabCollectionEditor::cab_addClick);
    connect(cab_edit, &QPushButton::clicked, this, &TcabCollectionEditor::cab_editClick);
    connect(cab_delete, &QPushButton::clicked, this, &TcabCollectionEditor::cab_deleteClick);
    connect(cab_files, &QTreeWidget::currentItemChanged, this, &TcabCollectionEditor::cab_filesSelectItem);
    connect(cab_files, &QTreeWidget::itemDoubleClicked, this, &TcabCollectionEditor::cab_editClick);
    FormShow();
}

void TcabCollectionEditor::createControls()
{
    QFont font = this->font();
    ApplyIconTitleFont(font);
    setFont(font);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    cab_files->setColumnCount(1);
    cab_files->setRootIsDecorated(false);
    cab_files->setSelectionBehavior(QAbstractItemView::SelectRows);
    cab_files->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cab_files->header()->setStretchLastSection(true);
    new FileDropTarget(cab_files, [] { return true; }, [this](const QStringList &names) { dropFiles(names); });

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Module Name:"), this));
    top->addWidget(ebModuleName, 1);

    auto *container = new TNxFlipContainer(this);
    container->setBorderStyle(fbNone);
    auto *panel = pageSectionPanel(QStringLiteral("Files to install"), 340);
    auto *filesHeader = new TNxHeaderPanel(panel);
    filesHeader->setDisplayStyle(dsPanelOnly);
    (new QVBoxLayout(filesHeader))->addWidget(cab_files);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {cab_add, cab_edit, cab_delete}) {
        button->setFixedSize(62, 25);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto *info = new TNxHeaderPanel(panel);
    info->setCaption(QStringLiteral("Info"));
    info->setHeaderSize(16);
    info->setHeaderColor(clBtnFace);
    info->setColor(clCream);
    auto *infoLabel = new QLabel(infoText, info);
    infoLabel->setWordWrap(true);
    (new QVBoxLayout(info))->addWidget(infoLabel);

    auto *filesRow = new QHBoxLayout;
    filesRow->addWidget(filesHeader, 1);
    filesRow->addLayout(buttons);
    auto *panelColumn = new QVBoxLayout(panel);
    panelColumn->addLayout(filesRow, 1);
    panelColumn->addWidget(info);
    container->addPanel(panel, true);

    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(container, 1);
    resize(504, 406);
}

OwningList<TFile> &TcabCollectionEditor::files() const
{
    if (m_palmMode)
        return m_project.PalmSections[m_moduleIndex].Files;
    return m_project.CabCollections[m_moduleIndex].Files;
}

void TcabCollectionEditor::FormShow()
{
    m_filling = true;
    const TInstallModule &module = m_palmMode ? static_cast<const TInstallModule &>(m_project.PalmSections[m_moduleIndex])
                                              : m_project.CabCollections[m_moduleIndex];
    ebModuleName->setText(module.Caption);
    cab_files->setHeaderLabels({textsOf(m_palmMode).column});
    KeepColumnCaptionsWhole(cab_files->header());
    RefreshFileList();
    m_filling = false;
}

void TcabCollectionEditor::showEvent(QShowEvent *event)
{
    HostedPage::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    ebModuleName->setFocus(Qt::OtherFocusReason);
    ebModuleName->setCursorPosition(0);
}

void TcabCollectionEditor::RefreshFileList()
{
    cab_files->clear();
    for (const TFile &file : files())
        cab_files->addTopLevelItem(new QTreeWidgetItem({file.Source}));
    cab_filesSelectItem();
}

void TcabCollectionEditor::setModified()
{
    m_project.Modified = true;
}

void TcabCollectionEditor::ebModuleNameChange()
{
    if (m_filling)
        return;
    TInstallModule &module = m_palmMode ? static_cast<TInstallModule &>(m_project.PalmSections[m_moduleIndex])
                                        : m_project.CabCollections[m_moduleIndex];
    module.Caption = ebModuleName->text();
    setModified();
    m_host.refreshModuleNodeCaption();
}

void TcabCollectionEditor::cab_addClick()
{
    m_runMenu(*m_addMenu, QCursor::pos());
}

void TcabCollectionEditor::AddLocalFile1Click()
{
    const auto chosen = BrowseFileReference(this, m_project.GetFileName(), textsOf(m_palmMode).openFilter, QString());
    if (!chosen)
        return;
    files().AddNew().Source = *chosen;
    RefreshFileList();
    setModified();
}

void TcabCollectionEditor::AddURL1Click()
{
    files().AddNew().Source = QStringLiteral("http://");
    RefreshFileList();
    cab_files->setCurrentItem(cab_files->topLevelItem(cab_files->topLevelItemCount() - 1));
    setModified();
    cab_editClick();
}

void TcabCollectionEditor::cab_editClick()
{
    QTreeWidgetItem *row = cab_files->currentItem();
    if (!row)
        return;
    const int index = cab_files->indexOfTopLevelItem(row);
    TCABFilenameEditor dialog(this);
    dialog.tb_filename->setText(row->text(0));
    dialog.Project = &m_project;
    dialog.setWindowTitle(textsOf(m_palmMode).dialogCaption);
    dialog.Filter = textsOf(m_palmMode).dialogFilter;
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    files()[index].Source = dialog.tb_filename->text();
    RefreshFileList();
    setModified();
}

void TcabCollectionEditor::cab_deleteClick()
{
    QTreeWidgetItem *row = cab_files->currentItem();
    if (!row || !ConfirmEditorAction(this, QStringLiteral("Are you sure ?")))
        return;
    files().Delete(cab_files->indexOfTopLevelItem(row));
    setModified();
    RefreshFileList();
}

void TcabCollectionEditor::cab_filesSelectItem()
{
    const bool focused = cab_files->currentItem() != nullptr;
    cab_edit->setEnabled(focused);
    cab_delete->setEnabled(focused);
}

void TcabCollectionEditor::dropFiles(const QStringList &names)
{
    const bool relative = ConfirmEditorAction(
        this, QStringLiteral("Do you want to have the droped filenames relative to project's base path?"));
    const QStringList accepted = textsOf(m_palmMode).extensions;
    for (const QString &name : names) {
        if (QFileInfo(name).isDir() || !accepted.contains(UpperExtension(name)))
            continue;
        files().AddNew().Source = StoredFileReference(m_project.GetFileName(), name, relative);
    }
    setModified();
    RefreshFileList();
}

} // namespace talmo
