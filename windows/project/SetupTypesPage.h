#pragma once

#include "editors/common/DialogRunner.h"

#include <QWidget>

class QPushButton;
class QTreeWidget;

namespace talmo {

class TProjectContainer;

// The setup types of the desktop setup: name, description and which one is
// the custom type; renaming and deleting keep every module's list in step.
class SetupTypesPage : public QWidget
{
    Q_OBJECT
public:
    SetupTypesPage(TProjectContainer &project, QWidget *parent = nullptr);

    // Fills the list from the project, keeping the selected row by index.
    void FillSetupTypesList();
    int selectedRow() const;
    void selectRow(int row);

    void ct_addClick();
    void ct_editClick();
    void ct_deleteClick();
    void ct_customClick();
    void ct_upClick();
    void ct_downClick();
    // The buttons follow the selected row.
    void gui_InstallTypesSelectItem();

    DialogRunner runDialog = execDialog();

    QTreeWidget *gui_InstallTypes;
    QPushButton *ct_add;
    QPushButton *ct_edit;
    QPushButton *ct_delete;
    QPushButton *ct_custom;
    QPushButton *ct_up;
    QPushButton *ct_down;

signals:
    // The project changed: the window refreshes every section.
    void projectChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool askNameAndDescription(QString &name, QString &description);
    void move(int delta);
    void changed();

    TProjectContainer &m_project;
};

} // namespace talmo
