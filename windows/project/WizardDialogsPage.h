#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class QTreeWidget;

namespace talmo {

class TProjectContainer;

// The custom wizard pages of the desktop setup (enabled or not, and which
// standard page each follows) and the standard pages to show.
class WizardDialogsPage : public QWidget
{
    Q_OBJECT
public:
    WizardDialogsPage(TProjectContainer &project, QWidget *parent = nullptr);

    // Fills both lists from the project, keeping the selected row by index.
    void FillCustomPagesList();
    void FillStandardDialogs();
    int selectedRow() const;
    void selectRow(int row);

    void cf_addClick();
    void cf_editClick();
    void cf_deleteClick();
    void cf_upClick();
    void cf_downClick();
    // The check boxes of the rows become the pages' enabled flags.
    void gui_CustomFormsClick();
    void gui_CustomFormsSelectItem();
    // The seven boxes become the project's values.
    void gui_StandardFormsClick();

    QTreeWidget *gui_CustomForms;
    QPushButton *cf_add;
    QPushButton *cf_edit;
    QPushButton *cf_delete;
    QPushButton *cf_up;
    QPushButton *cf_down;
    QPushButton *bt_GlobalCode;
    QListWidget *gui_StandardForms;

signals:
    // The project changed: the window refreshes every section.
    void projectChanged();
    // The page designer of a custom page, or the global code editor, is to open.
    void openCustomPageRequested(int page);
    void openGlobalCodeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createCustomPagesPanel();
    QWidget *createStandardDialogsPanel();
    void move(int delta);
    void changed();

    TProjectContainer &m_project;
};

} // namespace talmo
