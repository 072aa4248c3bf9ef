#include "designer/core/CompletionClassTables.h"

#include "helpers/core/ScriptText.h"

#include <QStringList>

namespace talmo {

namespace {

struct NamedClass
{
    const char *className;
    QStringList names;
};

QString ClassNamed(const QList<NamedClass> &table, const QString &name)
{
    for (const NamedClass &row : table) {
        for (const QString &candidate : row.names) {
            if (AsciiSameText(candidate, name))
                return QString::fromLatin1(row.className);
        }
    }
    return QString();
}

const QList<NamedClass> &MemberObjects()
{
    static const QList<NamedClass> table = {
        { "TStrings", { "Lines", "Items" } },
        { "TFont", { "Font" } },
        { "TCanvas", { "Canvas" } },
        { "TPen", { "Pen" } },
        { "TBrush", { "Brush" } },
        { "TBitmap", { "Bitmap" } },
    };
    return table;
}

const QList<NamedClass> &WizardFormControls()
{
    static const QList<NamedClass> table = {
        { "TButton", { "CancelButton", "NextButton", "BackButton", "DirBrowseButton", "GroupBrowseButton" } },
        { "TNotebook", { "Notebook1", "Notebook2" } },
        { "TNewNotebookPage",
          { "WelcomePage", "InnerPage", "FinishedPage", "LicensePage", "PasswordPage", "InfoBeforePage",
            "UserInfoPage", "SelectDirPage", "SelectComponentsPage", "SelectProgramGroupPage", "SelectTasksPage",
            "ReadyPage", "PreparingPage", "InstallingPage", "InfoAfterPage" } },
        { "TNewStaticText",
          { "DiskSpaceLabel", "PasswordLabel", "PasswordEditLabel", "WelcomeLabel1", "InfoBeforeClickLabel",
            "PageNameLabel", "PageDescriptionLabel", "ReadyLabel", "FinishedLabel", "WelcomeLabel2",
            "LicenseLabel1", "InfoAfterClickLabel", "ComponentsDiskSpaceLabel", "BeveledLabel", "StatusLabel",
            "FilenameLabel", "SelectDirLabel", "SelectStartMenuFolderLabel", "SelectComponentsLabel",
            "SelectTasksLabel", "UserInfoNameLabel", "UserInfoOrgLabel", "PreparingLabel", "FinishedHeadingLabel",
            "UserInfoSerialLabel", "SelectDirBrowseLabel", "SelectStartMenuFolderBrowseLabel" } },
        { "TEdit", { "DirEdit", "GroupEdit", "UserInfoNameEdit", "UserInfoOrgEdit", "UserInfoSerialEdit" } },
        { "TCheckBox", { "NoIconsCheck" } },
        { "TPasswordEdit", { "PasswordEdit" } },
        { "TMemo", { "ReadyMemo" } },
        { "TComboBox", { "TypesCombo" } },
        { "TBevel", { "Bevel", "Bevel1" } },
        { "TBitmapImage",
          { "WizardBitmapImage", "WizardSmallBitmapImage", "WizardBitmapImage2", "PreparingErrorBitmapImage",
            "SelectDirBitmapImage", "SelectGroupBitmapImage" } },
        { "TRichEditViewer", { "InfoBeforeMemo", "LicenseMemo", "InfoAfterMemo" } },
        { "TPanel", { "MainPanel" } },
        { "TRadioButton", { "YesRadio", "NoRadio", "LicenseAcceptedRadio", "LicenseNotAcceptedRadio" } },
        { "TNewCheckListBox", { "ComponentsList", "TasksList", "RunList" } },
        { "TNewProgressBar", { "ProgressGauge" } },
    };
    return table;
}

const QList<NamedClass> &PredefinedObjects()
{
    static const QList<NamedClass> table = {
        { "TWizardForm", { "WizardForm" } },
        { "TMainForm", { "MainForm" } },
    };
    return table;
}

} // namespace

QString MemberObjectClass(const QString &memberName)
{
    return ClassNamed(MemberObjects(), memberName);
}

QString WizardFormControlClass(const QString &controlName)
{
    return ClassNamed(WizardFormControls(), controlName);
}

QString PredefinedObjectClass(const QString &name)
{
    return ClassNamed(PredefinedObjects(), name);
}

} // namespace talmo
