#include "windows/project/AppearancePage.h"

#include "editors/common/FileReferenceBrowser.h"
#include "editors/common/PagePanels.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "model/SetupCatalogue.h"
#include "platform/ProgramFolder.h"
#include "platform/ShellServices.h"
#include "widgets/Colors.h"
#include "widgets/NxFlipContainer.h"
#include "widgets/NxFlipPanel.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxLinkLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace talmo {

namespace {

TNxHeaderPanel *infoPanel(const QString &text, TNxLinkLabel *link)
{
    auto *info = new TNxHeaderPanel;
    info->setCaption(QStringLiteral("Info"));
    info->setHeaderSize(16);
    info->setHeaderColor(clBtnFace);
    info->setColor(clCream);
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    // The link stands right under the text at its own size; the room left
    // over stays below both.
    link->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    auto *layout = new QVBoxLayout(info);
    layout->addWidget(label);
    layout->addWidget(link);
    layout->addStretch(1);
    return info;
}

TNxLinkLabel *link(const char *name, const QString &caption)
{
    auto *label = new TNxLinkLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setCaption(caption);
    return label;
}

} // namespace

AppearancePage::AppearancePage(TProjectContainer &project, QWidget *parent)
    : QWidget(parent)
    , cb_SkinName(new QComboBox)
    , im_Preview(new QLabel)
    , lk_AdvancedAppearance(link("NxLinkLabel3", QStringLiteral("Advanced Appearance Options")))
    , cb_SkinCrafterSupport(new QCheckBox(QStringLiteral("Enable SkinCrafter Support")))
    , lb_SkinCrafterSkin(new QLabel(QStringLiteral("Skin Filename")))
    , eb_SkinCrafterSkin(new TTntButtonEdit)
    , lk_SkinGallery(link("LinkView16", QStringLiteral("Download skins from SkinCrafter's Gallery")))
    , m_project(project)
{
    setObjectName(QStringLiteral("ThemeOptionsPage"));
    auto *container = new TNxFlipContainer(this);
    container->setBorderStyle(fbNone);
    auto *theme = pageSectionPanel(QStringLiteral("Wizard's Theme"), 300);
    (new QVBoxLayout(theme))->addWidget(createThemePanel());
    container->addPanel(theme);
    auto *skinCrafter = pageSectionPanel(QStringLiteral("SkinCrafter Support"), 150);
    (new QVBoxLayout(skinCrafter))->addWidget(createSkinCrafterPanel());
    container->addPanel(skinCrafter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);
    FillThemes();
}

QWidget *AppearancePage::createThemePanel()
{
    cb_SkinName->setObjectName(QStringLiteral("cb_SkinName"));
    cb_SkinName->setEditable(false);
    connect(cb_SkinName, &QComboBox::activated, this, &AppearancePage::cb_SkinNameChange);
    im_Preview->setObjectName(QStringLiteral("im_Preview"));
    im_Preview->setMinimumSize(164, 120);
    im_Preview->setAlignment(Qt::AlignCenter);
    connect(lk_AdvancedAppearance, &TNxLinkLabel::clicked, this, &AppearancePage::openAdvancedAppearanceRequested);

    auto *preview = new TNxHeaderPanel;
    preview->setCaption(QStringLiteral("Theme Preview and Options"));
    auto *previewLayout = new QHBoxLayout(preview);
    previewLayout->addWidget(im_Preview);
    previewLayout->addWidget(
        infoPanel(QStringLiteral("Further customize appearance of the wizard in Advanced Appearance Options."),
                  lk_AdvancedAppearance),
        1);

    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cb_SkinName);
    layout->addWidget(preview, 1);
    return panel;
}

QWidget *AppearancePage::createSkinCrafterPanel()
{
    cb_SkinCrafterSupport->setObjectName(QStringLiteral("cb_SkinCrafterSupport"));
    eb_SkinCrafterSkin->setObjectName(QStringLiteral("eb_SkinCrafterSkin"));
    connect(cb_SkinCrafterSupport, &QCheckBox::clicked, this, &AppearancePage::cb_SkinCrafterSupportClick);
    connect(eb_SkinCrafterSkin, &TTntButtonEdit::buttonClicked, this, &AppearancePage::eb_SkinCrafterSkinButtonClick);
    connect(eb_SkinCrafterSkin, &QLineEdit::textEdited, this, &AppearancePage::eb_SkinCrafterSkinChange);
    connect(lk_SkinGallery, &TNxLinkLabel::clicked, this,
            [] { ShellServices::current().openDocument(SkinGalleryAddress); });

    auto *file = new QHBoxLayout;
    file->addWidget(lb_SkinCrafterSkin);
    file->addWidget(eb_SkinCrafterSkin, 1);
    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cb_SkinCrafterSupport);
    layout->addLayout(file);
    layout->addWidget(
        infoPanel(QStringLiteral("Enabling SkinCrafter Support will add 2mb to Setup Wizard's size."), lk_SkinGallery));
    return panel;
}

void AppearancePage::FillThemes()
{
    {
        const QSignalBlocker silent(cb_SkinName);
        cb_SkinName->clear();
        cb_SkinName->addItems(SetupCatalogue::current().SetupSkinNames);
        cb_SkinName->setCurrentIndex(cb_SkinName->findText(m_project.SkinName, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    }
    showPreview(m_project.SkinName);
    cb_SkinCrafterSupport->setChecked(m_project.SkinCrafterSupport);
    enableSkinFile();
    eb_SkinCrafterSkin->setText(m_project.SkinCrafterSkinFileName);
}

QImage AppearancePage::SkinPreview(const QString &skinName)
{
    if (skinName.isEmpty())
        return {};
    return QImage(ProgramFolder::path() + QStringLiteral("Setup Skins/") + skinName + u'/' + skinName
                  + QStringLiteral(".bmp"));
}

void AppearancePage::showPreview(const QString &skinName)
{
    // A skin without a readable bitmap shows no preview; the choice stands.
    const QImage preview = SkinPreview(skinName);
    im_Preview->setPixmap(preview.isNull() ? QPixmap() : QPixmap::fromImage(preview));
}

void AppearancePage::enableSkinFile()
{
    lb_SkinCrafterSkin->setEnabled(m_project.SkinCrafterSupport);
    eb_SkinCrafterSkin->setEnabled(m_project.SkinCrafterSupport);
}

void AppearancePage::cb_SkinNameChange()
{
    const QString skin = cb_SkinName->currentText();
    showPreview(skin);
    m_project.SkinName = skin;
    m_project.Modified = true;
}

void AppearancePage::cb_SkinCrafterSupportClick()
{
    m_project.SkinCrafterSupport = cb_SkinCrafterSupport->isChecked();
    enableSkinFile();
    m_project.Modified = true;
}

void AppearancePage::eb_SkinCrafterSkinButtonClick()
{
    const std::optional<QString> chosen =
        BrowseFileReference(this, m_project.GetFileName(),
                            QStringLiteral("SkinCrafter Skins Files (*.skf)|*.skf|All Files (*.*)|*.*"),
                            eb_SkinCrafterSkin->text());
    if (!chosen)
        return;
    m_project.SkinCrafterSkinFileName = *chosen;
    eb_SkinCrafterSkin->setText(*chosen);
    m_project.Modified = true;
}

void AppearancePage::eb_SkinCrafterSkinChange()
{
    m_project.SkinCrafterSkinFileName = eb_SkinCrafterSkin->text();
    m_project.Modified = true;
}

} // namespace talmo
