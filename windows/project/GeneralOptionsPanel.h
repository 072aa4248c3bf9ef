#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace talmo {

class ElidingComboBox;
class TProjectContainer;

// The general options of the desktop setup and the automatic build mode, in
// the side pane's "Options" sheet. Only the user's edits store anything; a
// refresh never marks the project modified.
class GeneralOptionsPanel : public QWidget
{
    Q_OBJECT
public:
    GeneralOptionsPanel(TProjectContainer &project, QWidget *parent = nullptr);

    void FillGeneralOptions();
    // The build mode choice and its label are off for a desktop-only project.
    void UpdateAutoBuildModeState();
    void gui_AutoBuildModeChange(int index);

    QLineEdit *gui_Win32AppName;
    QLineEdit *gui_Win32Version;
    QLineEdit *gui_Provider;
    QLineEdit *gui_WebSite;
    QLineEdit *gui_BuildExecutableName;
    QLabel *lb_AutoBuildMode;
    ElidingComboBox *gui_AutoBuildMode;

signals:
    // The build mode changed: the window refreshes itself and the project manager.
    void buildModeChanged();

private:
    // In the order of the option table.
    QList<QLineEdit *> optionEditors() const;

    TProjectContainer &m_project;
};

} // namespace talmo
