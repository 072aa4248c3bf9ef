#pragma once

#include "editors/modules/RuntimeModuleShape.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace talmo {

class TProjectContainer;

enum class RuntimeModuleKind { SqlMobile, NetCF2 };

// Chooses the platforms and processors of a SQL Mobile or .NET CF2 runtime
// module. For a new module (EditMode false) it offers the redistributable set
// SetIndex of the program options' sets of its kind and starts with nothing
// checked; when editing it offers the project's runtime module SetIndex with
// the caller's marks. The caller reads Checked and ed_caption after OK.
class TRuntimeModuleDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TRuntimeModuleDialog(RuntimeModuleKind kind, QWidget *parent = nullptr);

    RuntimeModuleKind kind() const { return m_kind; }
    // The platforms and processors on offer.
    RuntimeModuleShape shape() const;

    void JvTreeView1Click();
    void JvCheckListBox1Click();
    void JvBitBtn2Click();

    bool EditMode = false;
    int SetIndex = 0;
    TProjectContainer *Container = nullptr;
    RuntimeModuleShape::Marks Checked;

    QLineEdit *ed_caption;
    QTreeWidget *JvTreeView1;
    QListWidget *JvCheckListBox1;
    QPushButton *JvBitBtn2;
    QPushButton *bt_cancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    int selectedPlatform() const;

    RuntimeModuleKind m_kind;
    bool m_listing = false;
};

} // namespace talmo
