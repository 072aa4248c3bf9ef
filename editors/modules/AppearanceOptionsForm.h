#pragma once

#include "pagehost/HostedPage.h"
#include "widgets/PopupMenuRunner.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace talmo {

class IProjectWindowHost;
class TNxButtonEdit;
class TNxCheckBox;
class TNxColorPicker;
class TNxEdit;
class TNxMemo;
class TNxSpinEdit;
class TProjectContainer;

// The look of the generated desktop setup's wizard: its images, the splash
// image and the wizard's texts. Every edit goes straight into the project;
// opening the page leaves the project unmodified.
class TAppearanceOptionsForm : public HostedPage
{
    Q_OBJECT
public:
    enum ImageTarget { WizardImageTarget, WizardSmallImageTarget, SplashImageTarget };
    static inline const QString DefaultBackColor = QStringLiteral("$400000");

    TAppearanceOptionsForm(TProjectContainer &project, IProjectWindowHost &host, QWidget *parent = nullptr);

    // "Browse ...", "Browse Samples ...", a separator and "Clear Image".
    QMenu *TntPopupMenu1() const { return m_imageMenu; }
    void setPopupMenuRunner(PopupMenuRunner runner) { m_runMenu = std::move(runner); }

    // An image button: remembers its target and pops the image menu up.
    void imageButtonClick(ImageTarget target);
    void TntPopupMenu1Popup();
    void Browse1Click(int tag);
    void ClearImage1Click();
    void SplashRefresh();

    TNxButtonEdit *WizardImage;
    TNxButtonEdit *WizardSmallImage;
    TNxCheckBox *ImageStretch;
    TNxColorPicker *BackgroundColor;
    TNxButtonEdit *SplashImage;
    TNxSpinEdit *SplashDuration;
    QLabel *SplashDurationLabel;
    TNxEdit *URLCaption;
    TNxEdit *URLTarget;
    QLabel *URLTargetLabel;
    TNxMemo *AboutText;
    TNxMemo *WelcomeMessage;
    TNxEdit *BeveledLabel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void createImageMenu();
    void connectChanges();
    void FormShow();
    TNxButtonEdit *imageEdit(ImageTarget target) const;
    void URLCaptionChange();
    void storeSplashSize(int width, int height);

    TProjectContainer &m_project;
    IProjectWindowHost &m_host;
    bool m_loading = false;
    bool m_shown = false;
    ImageTarget m_imageTarget = WizardImageTarget;
    QMenu *m_imageMenu;
    QAction *m_browseSamples = nullptr;
    PopupMenuRunner m_runMenu = execPopupMenu();
};

} // namespace talmo
