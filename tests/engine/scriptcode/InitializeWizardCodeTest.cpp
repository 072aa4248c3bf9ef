#include "engine/script/DownloadList.h"
#include "engine/scriptcode/InitializeWizardCode.h"
#include "model/ProjectContainer.h"

#include "CodePartsTestSupport.h"

namespace talmo {
namespace {

using namespace codepartstest;

QStringList body(const TProjectContainer &project, const DownloadList &downloads = {})
{
    QStringList lines;
    InitializeWizardCode::WriteInitializeWizard(project, downloads, QStringLiteral("/nowhere/"), lines);
    return lines;
}

TEST(InitializeWizardCode, BareProjectOnlyResetsTheWaitFlag)
{
    TProjectContainer project;
    EXPECT_EQ(Text(body(project)), Text(Lines({ "begin", "  FirstCab:=True;", "end;" })));
}

TEST(InitializeWizardCode, EveryStartUpActionInItsOrder)
{
    TProjectContainer project;
    project.SkinCrafterSupport = true;
    project.SkinCrafterSkinFileName = QStringLiteral("C:\\skins\\blue.skf");
    project.PalmSections.AddNew();
    TCustomForm &first = project.CustomForms.AddNew(false);
    first.Name = QStringLiteral("P1");
    first.CreationOrder = 0;
    TCustomForm &off = project.CustomForms.AddNew(false);
    off.Name = QStringLiteral("Off");
    off.Enabled = false;
    TCustomForm &second = project.CustomForms.AddNew(false);
    second.Name = QStringLiteral("P2");
    second.CreationOrder = 8;
    project.DirectCopyModules.AddNew();
    project.URLText = QStringLiteral("Home");
    DownloadList downloads;
    downloads.Add(QStringLiteral("http://x/a.zip"), QStringLiteral("ExpandConstant('{tmp}\\a.zip')"), QString(),
                  DownloadList::DesktopFile);
    EXPECT_EQ(Text(body(project, downloads)), Text(FixtureLines(QStringLiteral("initialize-wizard-all.txt"))));
}

TEST(InitializeWizardCode, WelcomeText)
{
    struct Case
    {
        const char *message;
        const char *line; // nullptr: no caption line
    };
    const Case cases[] = {
        { "Welcome to %APPNAME%'s setup", "WizardForm.WelcomeLabel2.Caption:='Welcome to My App''s setup';" },
        { "A\r\nB\nC", "WizardForm.WelcomeLabel2.Caption:='A'+#13+'B'+#13+'C';" },
        { "\r\n", "WizardForm.WelcomeLabel2.Caption:='';" },
        { "%Provider% %version%", "WizardForm.WelcomeLabel2.Caption:='Maker 3.1';" },
        { "", nullptr },
    };
    for (const Case &c : cases) {
        TProjectContainer project;
        project.Win32AppName = QStringLiteral("My App");
        project.Provider = QStringLiteral("Maker");
        project.Win32Version = QStringLiteral("3.1");
        project.WelcomeMessage = QString::fromUtf8(c.message);
        const QStringList lines = body(project);
        if (c.line)
            EXPECT_EQ(lines.at(1), QString::fromUtf8(c.line)) << c.message;
        else
            EXPECT_EQ(lines.size(), 3) << c.message;
    }
}

TEST(InitializeWizardCode, LinkLabelTakesTheAboutButtonsPlaceWhenThereIsNone)
{
    TProjectContainer project;
    project.URLText = QStringLiteral("Home");
    const QStringList lines = body(project);
    EXPECT_FALSE(lines.contains(QStringLiteral("    AboutButton := TButton.Create(WizardForm);")));
    EXPECT_EQ(lines.at(lines.size() - 3),
              QStringLiteral("    URLLabel.Left := WizardForm.ClientWidth - WizardForm.CancelButton.Left - WizardForm.CancelButton.Width;"));
}

TEST(InitializeWizardCode, SkinWithoutItsOwnInitializeWizardStillBegins)
{
    TProjectContainer project;
    project.SkinName = QStringLiteral("Plain");
    QStringList lines;
    const QString programFolder = QStringLiteral(TALMO_TEST_SOURCE_DIR "/fixtures/codeparts/");
    InitializeWizardCode::WriteInitializeWizard(project, {}, programFolder, lines);
    EXPECT_EQ(Text(lines), Text(Lines({ "begin", "  FirstCab:=True;", "end;" })));
}

} // namespace
} // namespace talmo
