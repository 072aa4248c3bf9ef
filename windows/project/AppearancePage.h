#pragma once

#include <QImage>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;

namespace talmo {

class TNxLinkLabel;
class TProjectContainer;
class TTntButtonEdit;

// The look of the setup wizard: the skin with its preview, and the
// SkinCrafter option with its skin file.
class AppearancePage : public QWidget
{
    Q_OBJECT
public:
    static inline const QString SkinGalleryAddress = QStringLiteral("https://skincrafter.example.org/gallery/");

    AppearancePage(TProjectContainer &project, QWidget *parent = nullptr);

    // Fills the controls from the project without storing anything.
    void FillThemes();
    // The preview of a skin; empty when its bitmap cannot be read.
    static QImage SkinPreview(const QString &skinName);

    void cb_SkinNameChange();
    void cb_SkinCrafterSupportClick();
    void eb_SkinCrafterSkinButtonClick();
    void eb_SkinCrafterSkinChange();

    QComboBox *cb_SkinName;
    QLabel *im_Preview;
    TNxLinkLabel *lk_AdvancedAppearance;
    QCheckBox *cb_SkinCrafterSupport;
    QLabel *lb_SkinCrafterSkin;
    TTntButtonEdit *eb_SkinCrafterSkin;
    TNxLinkLabel *lk_SkinGallery;

signals:
    void openAdvancedAppearanceRequested();

private:
    QWidget *createThemePanel();
    QWidget *createSkinCrafterPanel();
    void showPreview(const QString &skinName);
    void enableSkinFile();

    TProjectContainer &m_project;
};

} // namespace talmo
