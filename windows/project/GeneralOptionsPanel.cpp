#include "windows/project/GeneralOptionsPanel.h"

#include "model/ProjectContainer.h"
#include "widgets/ElidingComboBox.h"
#include "widgets/NxHeaderPanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace talmo {

namespace {

constexpr int ChoiceMinimumLength = 12;

struct OptionEdit
{
    const char *name;
    const char *caption;
    QString (TProjectContainer::*field);
    void (TProjectContainer::*setter)(const QString &);
};

constexpr OptionEdit optionEdits[] = {
    {"gui_Win32AppName", "Application Name", &TProjectContainer::Win32AppName, &TProjectContainer::SetWin32AppName},
    {"gui_Win32Version", "Version", &TProjectContainer::Win32Version, &TProjectContainer::SetWin32Version},
    {"gui_Provider", "Provider", &TProjectContainer::Provider, &TProjectContainer::SetProvider},
    {"gui_WebSite", "Web Site", &TProjectContainer::PublisherWebSite, &TProjectContainer::SetPublisherWebSite},
    {"gui_BuildExecutableName", "Executable Filename", &TProjectContainer::SetupExecName,
     &TProjectContainer::SetSetupExecName},
};

} // namespace

GeneralOptionsPanel::GeneralOptionsPanel(TProjectContainer &project, QWidget *parent)
    : QWidget(parent)
    , gui_Win32AppName(new QLineEdit)
    , gui_Win32Version(new QLineEdit)
    , gui_Provider(new QLineEdit)
    , gui_WebSite(new QLineEdit)
    , gui_BuildExecutableName(new QLineEdit)
    , lb_AutoBuildMode(new QLabel(QStringLiteral("Auto Build Mode")))
    , gui_AutoBuildMode(new ElidingComboBox)
    , m_project(project)
{
    setObjectName(QStringLiteral("GeneralOptions"));
    auto *header = new TNxHeaderPanel;
    header->setCaption(QStringLiteral("General Options"));
    auto *form = new QFormLayout(header);
    // Captions above their edits: the pane is narrow, the values are long.
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    const QList<QLineEdit *> edits = optionEditors();
    for (int i = 0; i < edits.size(); ++i) {
        const OptionEdit &option = optionEdits[i];
        QLineEdit *edit = edits[i];
        edit->setObjectName(QString::fromLatin1(option.name));
        form->addRow(QString::fromLatin1(option.caption), edit);
        connect(edit, &QLineEdit::textEdited, this,
                [this, setter = option.setter](const QString &text) { (m_project.*setter)(text); });
    }
    gui_AutoBuildMode->setObjectName(QStringLiteral("gui_AutoBuildMode"));
    gui_AutoBuildMode->setEditable(false);
    // The pane is narrower than the longest choice: the field ends it with
    // "…", the list and the tool tip show it whole.
    gui_AutoBuildMode->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    gui_AutoBuildMode->setMinimumContentsLength(ChoiceMinimumLength);
    gui_AutoBuildMode->addItems({QStringLiteral("Build both CAB(s) and Window Setup"), QStringLiteral("Build only CAB(s)")});
    gui_AutoBuildMode->setToolTip(
        QStringLiteral("This is used only when auto building project from Project Manager and Project"));
    connect(gui_AutoBuildMode, &QComboBox::activated, this, &GeneralOptionsPanel::gui_AutoBuildModeChange);
    form->addRow(lb_AutoBuildMode, gui_AutoBuildMode);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(header);
    layout->addStretch();
    FillGeneralOptions();
}

QList<QLineEdit *> GeneralOptionsPanel::optionEditors() const
{
    return {gui_Win32AppName, gui_Win32Version, gui_Provider, gui_WebSite, gui_BuildExecutableName};
}

void GeneralOptionsPanel::FillGeneralOptions()
{
    const QList<QLineEdit *> edits = optionEditors();
    for (int i = 0; i < edits.size(); ++i)
        edits[i]->setText(m_project.*optionEdits[i].field);
    {
        const QSignalBlocker silent(gui_AutoBuildMode);
        gui_AutoBuildMode->setCurrentIndex(m_project.DefaultBuildMode == 1 ? 1 : 0);
    }
    UpdateAutoBuildModeState();
}

void GeneralOptionsPanel::UpdateAutoBuildModeState()
{
    lb_AutoBuildMode->setEnabled(!m_project.Win32Only);
    gui_AutoBuildMode->setEnabled(!m_project.Win32Only);
}

void GeneralOptionsPanel::gui_AutoBuildModeChange(int index)
{
    m_project.SetDefaultBuildMode(index);
    emit buildModeChanged();
}

} // namespace talmo
