#include "editors/modules/AppearanceOptionsForm.h"

#include "editors/common/FileReferenceBrowser.h"
#include "editors/modules/ImageFileSize.h"
#include "editors/common/PagePanels.h"
#include "helpers/core/PathHelpers.h"
#include "helpers/ui/FontsAndThemes.h"
#include "model/ProjectContainer.h"
#include "platform/HostPath.h"
#include "platform/ProgramFolder.h"
#include "widgets/ColorNames.h"
#include "widgets/NxButtonEdit.h"
#include "widgets/NxCheckBox.h"
#include "widgets/NxColorPicker.h"
#include "widgets/NxEdit.h"
#include "widgets/NxFlipContainer.h"
#include "widgets/NxFlipPanel.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxMemo.h"
#include "widgets/NxSpinEdit.h"

#include <QCursor>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

namespace talmo {

namespace {

// A sentence that wraps where the page is narrow rather than widen it.
QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

const QString imageFilter = QStringLiteral("Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*");

// The memo's lines as the project keeps them.
QString memoText(const TNxMemo *memo)
{
    return memo->toPlainText().split(QLatin1Char('\n')).join(QStringLiteral("\r\n"));
}

void setMemoText(TNxMemo *memo, QString text)
{
    memo->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QLabel *greenNote(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: green"));
    label->setAlignment(Qt::AlignRight);
    return label;
}

} // namespace

TAppearanceOptionsForm::TAppearanceOptionsForm(TProjectContainer &project, IProjectWindowHost &host, QWidget *parent)
    : HostedPage(parent)
    , WizardImage(new TNxButtonEdit(this))
    , WizardSmallImage(new TNxButtonEdit(this))
    , ImageStretch(new TNxCheckBox(this))
    , BackgroundColor(new TNxColorPicker(this))
    , SplashImage(new TNxButtonEdit(this))
    , SplashDuration(new TNxSpinEdit(this))
    , SplashDurationLabel(new QLabel(QStringLiteral("Duration"), this))
    , URLCaption(new TNxEdit(this))
    , URLTarget(new TNxEdit(this))
    , URLTargetLabel(new QLabel(QStringLiteral("URL Link Target"), this))
    , AboutText(new TNxMemo(this))
    , WelcomeMessage(new TNxMemo(this))
    , BeveledLabel(new TNxEdit(this))
    , m_project(project)
    , m_host(host)
    , m_imageMenu(new QMenu(this))
{
    setObjectName(QStringLiteral("AppearanceOptionsForm"));
    createControls();
    createImageMenu();
    FormShow();
    connectChanges();
}

void TAppearanceOptionsForm::createControls()
{
    QFont font = this->font();
    ApplyIconTitleFont(font);
    setFont(font);
    for (TNxButtonEdit *edit : {WizardImage, WizardSmallImage, SplashImage})
        edit->setButtonCaption(QStringLiteral("..."));
    ImageStretch->setText(QStringLiteral("Stretch or shrunk the wizard images if the wizard is larger or smaller than normal."));
    // The long sentence wraps where the page is narrow rather than widen it.
    ImageStretch->setWordWrap(true);

    auto *images = pageSectionPanel(QStringLiteral("Wizard Images"));
    images->setMinimumHeight(241);
    auto *imageGrid = new QGridLayout(images);
    imageGrid->addWidget(wrappedLabel(QStringLiteral("Image file to display on the left side of the wizard in the Setup program."), images), 0, 0);
    imageGrid->addWidget(greenNote(QStringLiteral("Max 164x314 pixels."), images), 0, 1);
    imageGrid->addWidget(WizardImage, 1, 0, 1, 2);
    imageGrid->addWidget(wrappedLabel(QStringLiteral("Image file to display in the upper right corner of the wizard window."), images), 2, 0);
    imageGrid->addWidget(greenNote(QStringLiteral("Max 55x58 pixels."), images), 2, 1);
    imageGrid->addWidget(WizardSmallImage, 3, 0, 1, 2);
    imageGrid->addWidget(ImageStretch, 4, 0, 1, 2);
    imageGrid->addWidget(wrappedLabel(QStringLiteral("Color to fill the background of any unused space around the wizard image:"), images), 5, 0);
    imageGrid->addWidget(BackgroundColor, 5, 1);
    auto *splashRow = new QHBoxLayout;
    splashRow->addWidget(new QLabel(QStringLiteral("Splash image"), images));
    splashRow->addWidget(SplashImage, 1);
    splashRow->addWidget(SplashDurationLabel);
    splashRow->addWidget(SplashDuration);
    splashRow->addWidget(new QLabel(QStringLiteral("seconds"), images));
    imageGrid->addLayout(splashRow, 6, 0, 1, 2);

    auto *texts = pageSectionPanel(QStringLiteral("Wizard Texts"));
    texts->setMinimumHeight(330);
    auto *textGrid = new QGridLayout(texts);
    textGrid->addWidget(new QLabel(QStringLiteral("URL Link Caption"), texts), 0, 0);
    textGrid->addWidget(URLTargetLabel, 0, 1);
    textGrid->addWidget(URLCaption, 1, 0);
    textGrid->addWidget(URLTarget, 1, 1);
    textGrid->addWidget(new QLabel(QStringLiteral("About Button's Window Content"), texts), 2, 0);
    textGrid->addWidget(new QLabel(QStringLiteral("Wizard's Welcome Message"), texts), 2, 1);
    textGrid->addWidget(AboutText, 3, 0);
    textGrid->addWidget(WelcomeMessage, 3, 1);
    textGrid->addWidget(new QLabel(QStringLiteral("Beveled Label"), texts), 4, 0);
    textGrid->addWidget(BeveledLabel, 5, 0);
    auto *info = new TNxHeaderPanel(texts);
    info->setCaption(QStringLiteral("Info"));
    info->setHeaderSize(16);
    info->setHeaderColor(clBtnFace);
    info->setColor(clCream);
    (new QVBoxLayout(info))
        ->addWidget(wrappedLabel(QStringLiteral("Variables that can be used: %AppName%, %Provider% and %Version%"), info));
    textGrid->addWidget(info, 6, 0, 1, 2);
    URLTargetLabel->setParent(texts);
    SplashDurationLabel->setParent(images);

    auto *container = new TNxFlipContainer(this);
    container->setBorderStyle(fbNone);
    container->addPanel(images);
    container->addPanel(texts);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(container);
    resize(620, 600);
}

void TAppearanceOptionsForm::createImageMenu()
{
    QAction *browse = m_imageMenu->addAction(QStringLiteral("Browse ..."));
    m_browseSamples = m_imageMenu->addAction(QStringLiteral("Browse Samples ..."));
    m_imageMenu->addSeparator();
    QAction *clear = m_imageMenu->addAction(QStringLiteral("Clear Image"));
    connect(browse, &QAction::triggered, this, [this] { Browse1Click(1); });
    connect(m_browseSamples, &QAction::triggered, this, [this] { Browse1Click(2); });
    connect(clear, &QAction::triggered, this, &TAppearanceOptionsForm::ClearImage1Click);
    connect(m_imageMenu, &QMenu::aboutToShow, this, &TAppearanceOptionsForm::TntPopupMenu1Popup);
}

void TAppearanceOptionsForm::connectChanges()
{
    struct TextBinding
    {
        QLineEdit *edit;
        void (TProjectContainer::*store)(const QString &);
    };
    const TextBinding bindings[] = {
        {WizardImage, &TProjectContainer::SetBuilderWizardImageFile},
        {WizardSmallImage, &TProjectContainer::SetBuilderWizardSmallImageFile},
        {SplashImage, &TProjectContainer::SetSplashScreenImage},
        {URLCaption, &TProjectContainer::SetURLText},
        {URLTarget, &TProjectContainer::SetURL},
        {BeveledLabel, &TProjectContainer::SetBeaveledLabelText},
    };
    for (const TextBinding &binding : bindings) {
        connect(binding.edit, &QLineEdit::textChanged, this, [this, binding](const QString &text) {
            if (!m_loading)
                (m_project.*binding.store)(text);
        });
    }
    connect(SplashImage, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            SplashRefresh();
    });
    connect(URLCaption, &QLineEdit::textChanged, this, &TAppearanceOptionsForm::URLCaptionChange);
    connect(ImageStretch, &QAbstractButton::toggled, this, [this](bool checked) {
        if (!m_loading)
            m_project.SetBuilderWizardImageStretch(checked ? QStringLiteral("yes") : QStringLiteral("no"));
    });
    connect(BackgroundColor, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            m_project.SetBuilderWizardImageBackColor(ColorNames::colorToString(BackgroundColor->selectedColor()));
    });
    connect(SplashDuration, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            m_project.SetSplashScreenTime(SplashDuration->asInteger().value_or(0));
    });
    connect(AboutText, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_loading)
            m_project.SetAboutText(memoText(AboutText));
    });
    connect(WelcomeMessage, &QPlainTextEdit::textChanged, this, [this] {
        if (m_loading)
            return;
        m_project.WelcomeMessage = memoText(WelcomeMessage);
        m_project.Modified = true;
    });
    connect(WizardImage, &TNxButtonEdit::buttonClick, this, [this] { imageButtonClick(WizardImageTarget); });
    connect(WizardSmallImage, &TNxButtonEdit::buttonClick, this, [this] { imageButtonClick(WizardSmallImageTarget); });
    connect(SplashImage, &TNxButtonEdit::buttonClick, this, [this] { imageButtonClick(SplashImageTarget); });
}

void TAppearanceOptionsForm::FormShow()
{
    m_loading = true;
    WizardImage->setText(m_project.BuilderWizardImageFile);
    WizardSmallImage->setText(m_project.BuilderWizardSmallImageFile);
    SplashImage->setText(m_project.SplashScreenImage);
    URLCaption->setText(m_project.URLText);
    URLTarget->setText(m_project.URL);
    BeveledLabel->setText(m_project.BeaveledLabelText);
    setMemoText(AboutText, m_project.AboutText);
    setMemoText(WelcomeMessage, m_project.WelcomeMessage);
    ImageStretch->setChecked(m_project.BuilderWizardImageStretch == QLatin1String("yes"));
    const QString backColor = m_project.BuilderWizardImageBackColor.isEmpty() ? DefaultBackColor
                                                                              : m_project.BuilderWizardImageBackColor;
    BackgroundColor->setSelectedColor(
        ColorNames::stringToColor(backColor).value_or(*ColorNames::stringToColor(DefaultBackColor)));
    SplashDuration->setAsInteger(m_project.SplashScreenTime);
    const bool hasCaption = !URLCaption->text().isEmpty();
    if (!hasCaption)
        URLTarget->clear();
    URLTarget->setEnabled(hasCaption);
    URLTargetLabel->setEnabled(hasCaption);
    SplashRefresh();
    m_loading = false;
}

void TAppearanceOptionsForm::showEvent(QShowEvent *event)
{
    HostedPage::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    WizardImage->setFocus(Qt::OtherFocusReason);
    WizardImage->setCursorPosition(0);
}

void TAppearanceOptionsForm::URLCaptionChange()
{
    if (m_loading)
        return;
    const bool hasCaption = !URLCaption->text().isEmpty();
    if (!hasCaption)
        URLTarget->clear();
    URLTarget->setEnabled(hasCaption);
    URLTargetLabel->setEnabled(hasCaption);
}

void TAppearanceOptionsForm::SplashRefresh()
{
    const QString splash = SplashImage->text();
    if (splash.isEmpty()) {
        storeSplashSize(0, 0);
        SplashDuration->setAsInteger(0);
        SplashDuration->setEnabled(false);
        SplashDurationLabel->setEnabled(false);
        return;
    }
    SplashDuration->setEnabled(true);
    SplashDurationLabel->setEnabled(true);
    if (const auto size = ImageFileSize(m_project.GetFileName(), splash))
        storeSplashSize(size->width(), size->height());
}

// Opening the page must not mark the project modified: while loading, only
// sizes that differ from the stored ones are written.
void TAppearanceOptionsForm::storeSplashSize(int width, int height)
{
    if (!m_loading || m_project.SplashScreenWidth != width)
        m_project.SetSplashScreenWidth(width);
    if (!m_loading || m_project.SplashScreenHeight != height)
        m_project.SetSplashScreenHeight(height);
}

TNxButtonEdit *TAppearanceOptionsForm::imageEdit(ImageTarget target) const
{
    switch (target) {
    case WizardImageTarget: return WizardImage;
    case WizardSmallImageTarget: return WizardSmallImage;
    case SplashImageTarget: return SplashImage;
    }
    return WizardImage;
}

void TAppearanceOptionsForm::imageButtonClick(ImageTarget target)
{
    m_imageTarget = target;
    TntPopupMenu1Popup();
    m_runMenu(*m_imageMenu, QCursor::pos());
}

void TAppearanceOptionsForm::TntPopupMenu1Popup()
{
    m_browseSamples->setVisible(m_imageTarget != SplashImageTarget);
}

void TAppearanceOptionsForm::Browse1Click(int tag)
{
    TNxButtonEdit *edit = imageEdit(m_imageTarget);
    QString initialFile;
    QString initialDir;
    if (tag == 2) {
        initialDir = ProgramFolder::path() + QStringLiteral("WizardImages/");
        if (m_imageTarget == WizardSmallImageTarget)
            initialDir += QStringLiteral("Small/");
    } else {
        const QString current = ToHostPath(ResolveFileReference(m_project.GetFileName(), edit->text()));
        if (!edit->text().isEmpty() && QFileInfo::exists(current))
            initialFile = current;
    }
    if (const auto chosen = BrowseFileReference(this, m_project.GetFileName(), imageFilter, initialFile, initialDir))
        edit->setText(*chosen);
}

void TAppearanceOptionsForm::ClearImage1Click()
{
    imageEdit(m_imageTarget)->clear();
}

} // namespace talmo
