#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace talmo {

class TTntButtonEdit;

// The name of a new redistributable set and the folder its automatic search
// starts in. The caller empties both edits, sets the caption and whether the
// folder may be given, and reads both after OK.
class TaddPluginSet : public QDialog
{
    Q_OBJECT
public:
    static inline const QString NameMissingMessage = QStringLiteral("Please enter a name !");
    static inline const QString FolderTitle = QStringLiteral("Automatic Search Starting Path");

    explicit TaddPluginSet(QWidget *parent = nullptr);

    // "Ok": refuses to close without a name.
    void bt_okClick();
    // The folder picker starts in the edit's folder when it exists, else at the top.
    void tb_DirectoryEditButtonClick();

    QLineEdit *eb_CustomSetName;
    TTntButtonEdit *tb_DirectoryEdit;
    QLabel *lb_DirectoryHint;
    QPushButton *bt_ok;
    QPushButton *bt_cancel;
};

} // namespace talmo
