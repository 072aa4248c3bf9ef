#pragma once

#include "widgets/PopupMenuRunner.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace talmo {

class TTntButtonEdit;

// The settings of one target device configuration. The caller fills the
// fields, shows it and on OK reads them back; _buildMax's index is the
// configuration's BuildMax.
class TtargetPlatformOptions : public QDialog
{
    Q_OBJECT
public:
    explicit TtargetPlatformOptions(QWidget *parent = nullptr);

    // The processor popup: one item per known processor, its tag in the action's data.
    QMenu *pm_Processors() const { return m_processors; }
    // Tests choose from the processor popup through this.
    void setPopupMenuRunner(PopupMenuRunner runner) { m_runMenu = std::move(runner); }

    void _ProcessorTypeClick();
    void ARM72018241Click(int tag);
    void Button1Click();

    QComboBox *tb_editor;
    TTntButtonEdit *_ProcessorType;
    QLineEdit *_UnsupportedPlatforms;
    QComboBox *_buildMax;
    QLineEdit *_VersionMin;
    QLineEdit *_VersionMax;
    QPushButton *TntButton1;
    QPushButton *bt_cancel;

private:
    void buildProcessorMenu();

    QMenu *m_processors;
    PopupMenuRunner m_runMenu = execPopupMenu();
};

} // namespace talmo
