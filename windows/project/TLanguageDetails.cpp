#include "windows/project/TLanguageDetails.h"

#include "editors/common/DialogLayout.h"
#include "editors/common/EditorMessages.h"
#include "editors/common/FileReferenceBrowser.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmo {

TLanguageDetails::TLanguageDetails(QWidget *parent)
    : QDialog(parent)
    , JvComboBox1(new QComboBox(this))
    , gui_BuildReadmeFile(new TTntButtonEdit(this))
    , gui_BuildEULAFile(new TTntButtonEdit(this))
    , gui_infoafterfile(new TTntButtonEdit(this))
    , Button1(new QPushButton(QStringLiteral("&Ok"), this))
    , Button2(new QPushButton(QStringLiteral("&Cancel"), this))
{
    prepareDialog(this, "LanguageDetails");
    setWindowTitle(QStringLiteral("Language Details"));
    JvComboBox1->setObjectName(QStringLiteral("JvComboBox1"));
    JvComboBox1->setEditable(false);

    auto *group = new QGroupBox(QStringLiteral("Optional settings for this language"), this);
    auto *files = new QFormLayout(group);
    const std::pair<const char *, TTntButtonEdit *> edits[] = {
        {"Readme text file", gui_BuildReadmeFile},
        {"EULA text file", gui_BuildEULAFile},
        {"Text file for the end of installation", gui_infoafterfile},
    };
    for (const auto &[caption, edit] : edits) {
        files->addRow(QString::fromLatin1(caption), edit);
        connect(edit, &TTntButtonEdit::buttonClicked, this, [this, edit = edit] { gui_BuildReadmeFileButtonClick(edit); });
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Add this language to setup"), this));
    layout->addWidget(JvComboBox1);
    layout->addWidget(group);
    layout->addLayout(okCancelRow(Button1, Button2));
    setFixedSize(420, 240);

    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TLanguageDetails::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TLanguageDetails::showFiles(const TLanguage &language)
{
    gui_BuildReadmeFile->setText(language.ReadmeFile);
    gui_BuildEULAFile->setText(language.EULAFile);
    gui_infoafterfile->setText(language.InfoAfterFile);
}

void TLanguageDetails::storeFiles(TLanguage &language) const
{
    language.ReadmeFile = gui_BuildReadmeFile->text();
    language.EULAFile = gui_BuildEULAFile->text();
    language.InfoAfterFile = gui_infoafterfile->text();
}

void TLanguageDetails::Button1Click()
{
    if (JvComboBox1->currentIndex() < 0 || JvComboBox1->currentText().isEmpty()) {
        ShowEditorError(this, QStringLiteral("You must choose a language"));
        return;
    }
    accept();
}

void TLanguageDetails::gui_BuildReadmeFileButtonClick(TTntButtonEdit *edit)
{
    const QString projectFile = Container ? Container->GetFileName() : QString();
    if (const std::optional<QString> chosen =
            BrowseFileReference(this, projectFile, QStringLiteral("All Files (*.*)|*.*"), QString()))
        edit->setText(*chosen);
}

} // namespace talmo
