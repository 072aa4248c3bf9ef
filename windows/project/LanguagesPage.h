#pragma once

#include "editors/common/DialogRunner.h"

#include <QWidget>

class QMenu;
class QPushButton;
class QTreeWidget;

namespace talmo {

class TProjectContainer;

// The languages the desktop setup offers, each with its optional readme,
// licence and info-after file. New languages come from the program's setup
// languages that the project does not have yet; a deleted language leaves
// every module's language list.
class LanguagesPage : public QWidget
{
    Q_OBJECT
public:
    LanguagesPage(TProjectContainer &project, QWidget *parent = nullptr);

    // Fills the list from the project, keeping the selected row by index.
    void FillLanguagesList();
    int selectedRow() const;
    void selectRow(int row);

    // The menu of the languages on offer, made anew.
    QMenu *preparedLanguagesMenu();
    void lang_addClick();
    // The offered language at that position goes through the details dialog.
    void AddLanguageFromMenu(int offeredIndex);
    void lang_editClick();
    void lang_deleteClick();
    void gui_LanguagesSelectItem();

    DialogRunner runDialog = execDialog();

    QTreeWidget *gui_Languages;
    QPushButton *lang_add;
    QPushButton *lang_edit;
    QPushButton *lang_delete;
    QMenu *pm_LangPopup;
    QMenu *pm_Languages;

signals:
    // The project changed: the window refreshes every section.
    void projectChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList offeredLanguages() const;
    void changed();

    TProjectContainer &m_project;
    QAction *m_menuEdit = nullptr;
    QAction *m_menuDelete = nullptr;
};

} // namespace talmo
