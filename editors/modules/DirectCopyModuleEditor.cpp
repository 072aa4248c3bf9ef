#include "editors/modules/DirectCopyModuleEditor.h"

#include "editors/common/FileReferenceBrowser.h"
#include "editors/common/PagePanels.h"
#include "helpers/ui/FontsAndThemes.h"
#include "model/ProjectContainer.h"
#include "pagehost/IProjectWindowHost.h"
#include "widgets/Colors.h"
#include "widgets/NxButtonEdit.h"
#include "widgets/NxEdit.h"
#include "widgets/NxFlipContainer.h"
#include "widgets/NxFlipPanel.h"
#include "widgets/NxHeaderPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace talmo {

namespace {

const QString zipInfo = QStringLiteral(
    "Please select a ZIP file, containing all the files you want to copy to Mobile Device. Please note that the "
    "ZIP file can contain multileveled folders and it's hierarchy of files and folders will be preserved when "
    "installed into Mobile Device.");
const QString urlInfo = QStringLiteral(
    "Instead of a local file you may enter the web or FTP address of the ZIP file: the setup wizard downloads it "
    "during the installation. Example: ftp://downloads.example.org/mobile/files.zip");

} // namespace

TDirectCopyModuleEditor::TDirectCopyModuleEditor(TProjectContainer &project, IProjectWindowHost &host,
                                                 int moduleIndex, QWidget *parent)
    : HostedPage(parent)
    , tb_caption(new TNxEdit(this))
    , cb_InstallSDCard(new QCheckBox(QStringLiteral("Install to Memory Card."), this))
    , cb_InstallOtherMedium(new QCheckBox(QStringLiteral("User can continue installation, if SD Card not found."), this))
    , cb_UserFolderPrompt(new QCheckBox(QStringLiteral("User is prompted for installation folder."), this))
    , eb_DefaultFolder(new TNxEdit(this))
    , cb_UserUpdate(new QCheckBox(QStringLiteral("If installation folder exists, user can continue copying files."), this))
    , tb_ZipFile(new TNxButtonEdit(this))
    , m_project(project)
    , m_host(host)
    , m_moduleIndex(moduleIndex)
{
    setObjectName(QStringLiteral("DirectCopyModuleEditor"));
    setWindowTitle(QStringLiteral("Direct Copy to Device Module"));
    createControls();
    FormShow();
    for (QCheckBox *box : {cb_InstallSDCard, cb_InstallOtherMedium, cb_UserFolderPrompt, cb_UserUpdate})
        connect(box, &QCheckBox::clicked, this, &TDirectCopyModuleEditor::cb_InstallSDCardClick);
    for (TNxEdit *edit : {tb_caption, eb_DefaultFolder, static_cast<TNxEdit *>(tb_ZipFile)})
        connect(edit, &QLineEdit::textChanged, this, &TDirectCopyModuleEditor::tb_captionChange);
    connect(tb_ZipFile, &TNxButtonEdit::buttonClick, this, &TDirectCopyModuleEditor::tb_ZipFileButtonClick);
}

TDirectCopyModuleEditor::~TDirectCopyModuleEditor()
{
    if (TDirectCopyModule *edited = module()) {
        storeTexts(*edited);
        storeFlags(*edited);
    }
}

void TDirectCopyModuleEditor::createControls()
{
    QFont font = this->font();
    ApplyIconTitleFont(font);
    setFont(font);
    cb_UserFolderPrompt->hide();
    tb_ZipFile->setButtonCaption(QStringLiteral("..."));

    auto *medium = pageSectionPanel(QStringLiteral("Medium"), 100);
    auto *mediumColumn = new QVBoxLayout(medium);
    mediumColumn->addWidget(cb_InstallSDCard);
    mediumColumn->addWidget(cb_InstallOtherMedium);
    mediumColumn->addWidget(cb_UserFolderPrompt);
    auto *folder = pageSectionPanel(QStringLiteral("Folder"), 100);
    auto *folderColumn = new QVBoxLayout(folder);
    folderColumn->addWidget(new QLabel(QStringLiteral("Default installation folder"), folder));
    folderColumn->addWidget(eb_DefaultFolder);
    folderColumn->addWidget(cb_UserUpdate);
    auto *options = pageSectionPanel(QStringLiteral("Options"), 240);
    auto *optionsColumn = new QVBoxLayout(options);
    optionsColumn->addWidget(medium);
    optionsColumn->addWidget(folder);

    auto *zip = pageSectionPanel(QStringLiteral("Installation ZIP File"), 200);
    auto *info = new TNxHeaderPanel(zip);
    info->setCaption(QStringLiteral("Info"));
    info->setHeaderSize(16);
    info->setHeaderColor(clBtnFace);
    info->setColor(clCream);
    auto *infoColumn = new QVBoxLayout(info);
    for (const QString &text : {zipInfo, urlInfo}) {
        auto *label = new QLabel(text, info);
        label->setWordWrap(true);
        infoColumn->addWidget(label);
    }
    auto *zipColumn = new QVBoxLayout(zip);
    zipColumn->addWidget(tb_ZipFile);
    zipColumn->addWidget(info);

    auto *container = new TNxFlipContainer(this);
    container->setBorderStyle(fbNone);
    container->addPanel(options);
    container->addPanel(zip);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Module Name:"), this));
    top->addWidget(tb_caption, 1);
    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(container, 1);
    resize(504, 520);
}

// Null once the module has left the project, so a closing page never writes
// into a module that took its index.
TDirectCopyModule *TDirectCopyModuleEditor::module() const
{
    return m_project.DirectCopyModules.IndexOf(m_module) >= 0 ? m_module : nullptr;
}

void TDirectCopyModuleEditor::FormShow()
{
    if (m_moduleIndex == -1) {
        m_project.DirectCopyModules.AddNew();
        m_moduleIndex = m_project.DirectCopyModules.Count() - 1;
    }
    TDirectCopyModule &edited = m_project.DirectCopyModules[m_moduleIndex];
    m_module = &edited;
    if (edited.Files.IsEmpty())
        edited.Files.AddNew();

    m_filling = true;
    tb_caption->setText(edited.Caption);
    cb_InstallSDCard->setChecked(edited.InstallLocationRootIsSDCard);
    cb_InstallOtherMedium->setChecked(edited.UserCanChangeInstallRoot);
    cb_UserFolderPrompt->setChecked(edited.UserMustSelectInstallLocation);
    cb_UserUpdate->setChecked(edited.UserCanUpdateInstall);
    eb_DefaultFolder->setText(edited.DefaultInstallLocation);
    tb_ZipFile->setText(edited.Files[0].Source);
    cb_InstallOtherMedium->setEnabled(cb_InstallSDCard->isChecked());
    m_filling = false;
}

void TDirectCopyModuleEditor::showEvent(QShowEvent *event)
{
    HostedPage::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    tb_caption->setFocus(Qt::OtherFocusReason);
    tb_caption->setCursorPosition(0);
}

void TDirectCopyModuleEditor::storeFlags(TDirectCopyModule &edited) const
{
    edited.InstallLocationRootIsSDCard = cb_InstallSDCard->isChecked();
    edited.UserCanChangeInstallRoot = cb_InstallOtherMedium->isChecked();
    edited.UserMustSelectInstallLocation = cb_UserFolderPrompt->isChecked();
    edited.UserCanUpdateInstall = cb_UserUpdate->isChecked();
}

void TDirectCopyModuleEditor::storeTexts(TDirectCopyModule &edited) const
{
    edited.Caption = tb_caption->text();
    edited.DefaultInstallLocation = eb_DefaultFolder->text();
    if (edited.Files.IsEmpty())
        edited.Files.AddNew();
    edited.Files[0].Source = tb_ZipFile->text();
}

void TDirectCopyModuleEditor::cb_InstallSDCardClick()
{
    TDirectCopyModule *edited = module();
    if (m_filling || !edited)
        return;
    m_project.Modified = true;
    cb_InstallOtherMedium->setEnabled(cb_InstallSDCard->isChecked());
    storeFlags(*edited);
}

void TDirectCopyModuleEditor::tb_captionChange()
{
    TDirectCopyModule *edited = module();
    if (m_filling || !edited)
        return;
    m_project.Modified = true;
    storeTexts(*edited);
    m_host.refreshModuleNodeCaption();
}

void TDirectCopyModuleEditor::tb_ZipFileButtonClick()
{
    if (const auto chosen = BrowseFileReference(this, m_project.GetFileName(),
                                                QStringLiteral("Zip Files (*.zip)|*.zip|All Files (*.*)|*.*"),
                                                tb_ZipFile->text(), QString(), false))
        tb_ZipFile->setText(*chosen);
}

} // namespace talmo
