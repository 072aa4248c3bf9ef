#include "windows/project/LanguagesPage.h"

#include "editors/common/EditorMessages.h"
#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "model/SetupCatalogue.h"
#include "model/SetupTypesAndLanguages.h"
#include "windows/project/SectionLists.h"
#include "windows/project/TLanguageDetails.h"

#include <QComboBox>
#include <QCursor>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

namespace talmo {

namespace {

QString fileOrNone(const QString &file)
{
    return file.isEmpty() ? QStringLiteral("- none -") : file;
}

} // namespace

LanguagesPage::LanguagesPage(TProjectContainer &project, QWidget *parent)
    : QWidget(parent)
    , gui_Languages(newReportList({QStringLiteral("Language"), QStringLiteral("Readme File"),
                                   QStringLiteral("EULA File"), QStringLiteral("Last Readme File")}))
    , lang_add(new QPushButton(QStringLiteral("Add")))
    , lang_edit(new QPushButton(QStringLiteral("Edit")))
    , lang_delete(new QPushButton(QStringLiteral("Delete")))
    , pm_LangPopup(new QMenu(this))
    , pm_Languages(new QMenu(this))
    , m_project(project)
{
    setObjectName(QStringLiteral("LanguagesPage"));
    gui_Languages->setObjectName(QStringLiteral("gui_Languages"));
    gui_Languages->header()->resizeSection(3, 100);
    KeepColumnCaptionsWhole(gui_Languages->header());
    gui_Languages->installEventFilter(this);
    gui_Languages->setContextMenuPolicy(Qt::CustomContextMenu);
    layOutListWithButtons(this, gui_Languages, {lang_add, lang_edit, lang_delete});

    pm_LangPopup->setObjectName(QStringLiteral("pm_LangPopup"));
    pm_LangPopup->addAction(QStringLiteral("Add"), this, &LanguagesPage::lang_addClick);
    m_menuEdit = pm_LangPopup->addAction(QStringLiteral("Edit"), this, &LanguagesPage::lang_editClick);
    m_menuDelete = pm_LangPopup->addAction(QStringLiteral("Delete"), this, &LanguagesPage::lang_deleteClick);
    pm_Languages->setObjectName(QStringLiteral("pm_Languages"));

    connect(gui_Languages, &QTreeWidget::itemSelectionChanged, this, &LanguagesPage::gui_LanguagesSelectItem);
    connect(gui_Languages, &QTreeWidget::itemDoubleClicked, this, &LanguagesPage::lang_editClick);
    connect(gui_Languages, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        pm_LangPopup->popup(gui_Languages->viewport()->mapToGlobal(position));
    });
    connect(lang_add, &QPushButton::clicked, this, &LanguagesPage::lang_addClick);
    connect(lang_edit, &QPushButton::clicked, this, &LanguagesPage::lang_editClick);
    connect(lang_delete, &QPushButton::clicked, this, &LanguagesPage::lang_deleteClick);
    FillLanguagesList();
}

bool LanguagesPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == gui_Languages && IsDeleteKeyRelease(event)) {
        lang_deleteClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LanguagesPage::FillLanguagesList()
{
    QList<QStringList> rows;
    for (const TLanguage &language : m_project.Languages) {
        rows.append({language.LanguageID, fileOrNone(language.ReadmeFile), fileOrNone(language.EULAFile),
                     fileOrNone(language.InfoAfterFile)});
    }
    fillReportList(gui_Languages, rows);
    gui_LanguagesSelectItem();
}

int LanguagesPage::selectedRow() const
{
    return selectedReportRow(gui_Languages);
}

void LanguagesPage::selectRow(int row)
{
    selectReportRow(gui_Languages, row);
    gui_LanguagesSelectItem();
}

void LanguagesPage::gui_LanguagesSelectItem()
{
    const bool selected = selectedRow() >= 0;
    for (QWidget *button : {static_cast<QWidget *>(lang_edit), static_cast<QWidget *>(lang_delete)})
        button->setEnabled(selected);
    m_menuEdit->setEnabled(selected);
    m_menuDelete->setEnabled(selected);
}

QStringList LanguagesPage::offeredLanguages() const
{
    return SetupLanguages::Offered(SetupCatalogue::current().SetupLanguageNames, m_project);
}

QMenu *LanguagesPage::preparedLanguagesMenu()
{
    pm_Languages->clear();
    const QStringList offered = offeredLanguages();
    for (int i = 0; i < offered.size(); ++i)
        pm_Languages->addAction(offered.at(i), this, [this, i] { AddLanguageFromMenu(i); });
    return pm_Languages;
}

void LanguagesPage::lang_addClick()
{
    preparedLanguagesMenu()->popup(QCursor::pos());
}

void LanguagesPage::AddLanguageFromMenu(int offeredIndex)
{
    TLanguageDetails dialog(this);
    dialog.JvComboBox1->addItems(offeredLanguages());
    dialog.JvComboBox1->setCurrentIndex(offeredIndex);
    dialog.JvComboBox1->setEnabled(true);
    dialog.Container = &m_project;
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    TLanguage &language = m_project.Languages.AddNew();
    language.LanguageID = dialog.JvComboBox1->currentText();
    dialog.storeFiles(language);
    changed();
}

void LanguagesPage::lang_editClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    TLanguage &language = m_project.Languages.GetItem(row);
    TLanguageDetails dialog(this);
    dialog.JvComboBox1->addItem(language.LanguageID);
    dialog.JvComboBox1->setCurrentIndex(0);
    dialog.JvComboBox1->setEnabled(false);
    dialog.showFiles(language);
    dialog.Container = &m_project;
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    dialog.storeFiles(language);
    changed();
}

void LanguagesPage::lang_deleteClick()
{
    const int row = selectedRow();
    if (row < 0 || !ConfirmEditorAction(this, QStringLiteral("Are you sure to delete ?")))
        return;
    SetupLanguages::Delete(m_project, row);
    changed();
}

void LanguagesPage::changed()
{
    m_project.Modified = true;
    emit projectChanged();
}

} // namespace talmo
