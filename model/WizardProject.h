#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace talmo {

class TProjectContainer;

// One file the new-project wizard installs; a checked one also gets a
// start-menu shortcut.
struct WizardFile
{
    QString FileName;  // full path on this machine
    bool Checked = false;
};

// The answers of the new-project wizard.
struct WizardAnswers
{
    QString Provider;
    QString ApplicationName;
    QString InstallDir;
    QList<WizardFile> Files;
    QString BaseDir;
    QString EulaFile;
    QString ReadmeFile;
    QString Description;
};

// A question with Yes and No; true for Yes.
using WizardQuestion = std::function<bool(const QString &text)>;

// What became of the wizard's answers: created and saved elsewhere, declined
// by a No (nothing written), or failed with the message to show.
struct WizardProjectOutcome
{
    enum Kind { Created, Declined, Failed };
    Kind kind = Created;
    QString error;
};

// Turns the wizard's answers into a complete project: its folder, files,
// disks, CopyFiles sections, shortcuts, language and file name. Nothing is
// saved here; the caller saves the project to its new FileName.
struct WizardProject
{
    static inline const QString MissingFolderQuestion =
        QStringLiteral("Directory not exists. Do you want to create it?");
    static inline const QString FolderErrorMessage = QStringLiteral("Error creating project's directory");
    static inline const QString ConfigureErrorMessage = QStringLiteral("Error configuring project's file");
    static inline const QString CreatorName = QStringLiteral("Creator");
    static inline const QString CreatorValue = QStringLiteral("Talmo Wizard");
    static inline const QString ShortcutSectionCaption = QStringLiteral("Wizard Shortcuts");

    // The question asked before an existing project file is replaced.
    static QString ReplaceFileQuestion(const QString &fileName);

    // The base folder the wizard proposes for an application.
    static QString DefaultBaseDir(const QString &applicationName);
    // Where the project file of these answers goes: the base folder and the
    // application's name with ".talmo".
    static QString ProjectFileName(const WizardAnswers &answers);
    // The install folder as the device will see it, for the wizard's preview line.
    static QString InterpretedInstallDir(const TProjectContainer &project, const QString &installDir,
                                         const QString &applicationName);
    // The preview line itself, the folder escaped for rich text.
    static QString PreviewHtml(const TProjectContainer &project, const QString &installDir,
                               const QString &applicationName);

    // Makes sure the answers' base folder exists: a missing one is created
    // after a Yes to MissingFolderQuestion; a No creates nothing (Declined).
    static WizardProjectOutcome PrepareFolder(const WizardAnswers &answers, const WizardQuestion &askYesNo);

    // Makes project the new project of the answers. A missing base folder is
    // created after a Yes to MissingFolderQuestion, an existing project file
    // is only replaced after a Yes to ReplaceFileQuestion; a No changes and
    // writes nothing.
    static WizardProjectOutcome Create(TProjectContainer &project, const WizardAnswers &answers,
                                       const WizardQuestion &askYesNo);
};

} // namespace talmo
