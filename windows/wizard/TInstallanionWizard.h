#pragma once

#include "model/WizardProject.h"

#include <QWizard>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace talmo {

class TProjectContainer;
class TTntButtonEdit;

// The new-project wizard: provider, application and install folder; the
// files to install, checked ones with a shortcut; the project folder,
// licence, readme and description. Each page refuses Next or Finish while
// its fields are not filled. The caller sets Container (a fresh project, for
// the install folder's preview) and reads answers() after OK.
class TInstallanionWizard : public QWizard
{
    Q_OBJECT
public:
    enum PageId { WelcomePage, ApplicationPage, FilesPage, ProjectPage };

    static inline const QString FieldsMissingMessage = QStringLiteral("All the fields must be filled");
    static inline const QString FilesMissingMessage = QStringLiteral("At least on file must be defined");
    static inline const QString BaseMissingMessage =
        QStringLiteral("Base directory and Desciption must be filled ...");

    explicit TInstallanionWizard(QWidget *parent = nullptr);

    WizardAnswers answers() const;

    // Back to the first page with the defaults of a new project.
    void FormShow();
    void JvBitBtn1Click();  // Add
    void JvBitBtn2Click();  // Edit
    void JvBitBtn3Click();  // Delete
    void wizardApplicationNameChange();
    bool JvWizardInteriorPage1NextButtonClick();
    bool JvWizardInteriorPage2NextButtonClick();
    bool JvWizardInteriorPage3FinishButtonClick();

    TProjectContainer *Container = nullptr;

    QLineEdit *wizardProvider;
    QLineEdit *wizardApplicationName;
    QLineEdit *wizardInstallDir;
    QLabel *lb_Interpreted;
    QListWidget *wizardFiles;
    QPushButton *JvBitBtn1;
    QPushButton *JvBitBtn2;
    QPushButton *JvBitBtn3;
    TTntButtonEdit *wizardBaseDir;
    TTntButtonEdit *wizardEULA;
    TTntButtonEdit *wizardReadme;
    QLineEdit *wizardDescription;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWizardPage *createWelcomePage();
    QWizardPage *createApplicationPage();
    QWizardPage *createFilesPage();
    QWizardPage *createProjectPage();
    QStringList chooseFiles(bool multiple);
    void browseTextFile(TTntButtonEdit *edit);
    void appendFile(const QString &fileName);
};

} // namespace talmo
