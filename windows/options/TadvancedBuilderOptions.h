#pragma once

#include "editors/common/DialogRunner.h"
#include "model/AdvancedBuilderValues.h"

#include <QDialog>

class QPushButton;

namespace talmo {

class AdvancedHelpBrowser;
class TNextInspector;
class TNxPropertyItem;
class TProjectContainer;

// Twenty less common settings of the desktop setup and the CAB build as
// inspector rows, with a help pane for the selected row. The dialog edits
// Values only; Container serves to make icon paths relative to the project.
class TadvancedBuilderOptions : public QDialog
{
    Q_OBJECT
public:
    static inline const QString IconFilter = QStringLiteral("Icons (*.ico)|*.ico|All Files (*.*)|*.*");

    explicit TadvancedBuilderOptions(QWidget *parent = nullptr);

    // The project window's "Advanced options": the project's settings into
    // the dialog, and after OK back into the project, which is then modified.
    static bool EditProject(TProjectContainer &project, QWidget *parent, const DialogRunner &runDialog);

    // Every row takes its value; the help pane shows the selected row.
    void FormShow();
    void NextInspector1Change(TNxPropertyItem *item);
    void NextInspector1SelectItem();
    void ButtonClick(TNxPropertyItem *item);
    void htmlHelperHotSpotClick(const QUrl &link);
    // The row with this tag; categories share tag 99, so that one gives the first category.
    TNxPropertyItem *row(int tag) const;

    TProjectContainer *Container = nullptr;
    AdvancedBuilderValues Values;

    TNextInspector *NextInspector1;
    AdvancedHelpBrowser *htmlHelper;
    QPushButton *bt_ok;
    QPushButton *bt_cancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createRows();
    void setRowValue(TNxPropertyItem *item, const QString &value);
    QString projectFileName() const;

    bool m_filling = false;
};

} // namespace talmo
