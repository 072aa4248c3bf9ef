#pragma once

#include "pagehost/HostedPage.h"

class QCheckBox;

namespace talmo {

class IProjectWindowHost;
class TNxButtonEdit;
class TNxEdit;
class TProjectContainer;
struct TDirectCopyModule;

// The page of a direct-copy module: its name, the ZIP file (or its URL) whose
// files go straight onto the device, the default folder and the copy options.
// Module index -1 makes a new module; a module gets one (empty) file entry
// when it has none, which holds the ZIP.
class TDirectCopyModuleEditor : public HostedPage
{
    Q_OBJECT
public:
    TDirectCopyModuleEditor(TProjectContainer &project, IProjectWindowHost &host, int moduleIndex,
                            QWidget *parent = nullptr);
    // Stores the controls once more.
    ~TDirectCopyModuleEditor() override;

    // The module edited; set after a new module was made.
    int ModuleIndex() const { return m_moduleIndex; }

    void cb_InstallSDCardClick();
    void tb_captionChange();
    void tb_ZipFileButtonClick();

    TNxEdit *tb_caption;
    QCheckBox *cb_InstallSDCard;
    QCheckBox *cb_InstallOtherMedium;
    QCheckBox *cb_UserFolderPrompt;
    TNxEdit *eb_DefaultFolder;
    QCheckBox *cb_UserUpdate;
    TNxButtonEdit *tb_ZipFile;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void FormShow();
    TDirectCopyModule *module() const;
    void storeFlags(TDirectCopyModule &module) const;
    void storeTexts(TDirectCopyModule &module) const;

    TProjectContainer &m_project;
    IProjectWindowHost &m_host;
    int m_moduleIndex;
    TDirectCopyModule *m_module = nullptr;
    bool m_filling = false;
    bool m_shown = false;
};

} // namespace talmo
