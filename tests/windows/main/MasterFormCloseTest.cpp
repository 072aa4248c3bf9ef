#include "tests/support/QtPrinters.h"
#include "tests/windows/main/MasterFormTestSupport.h"
#include "widgets/NxPageControl.h"
#include "windows/project/TprojectForm.h"

#include <QFile>

#include <ostream>

using namespace talmo;
using namespace talmo::testing;

namespace {

enum class Trigger { TabButton, Close, CloseAll, Quit };
enum class Outcome { Saved, SaveFails, Cancelled };

struct CloseCase
{
    Trigger trigger;
    Outcome outcome;
};

std::string Name(const CloseCase &c)
{
    const char *triggers[] = { "TabButton", "Close", "CloseAll", "Quit" };
    const char *outcomes[] = { "Saved", "SaveFails", "Cancelled" };
    return std::string(triggers[int(c.trigger)]) + outcomes[int(c.outcome)];
}

void PrintTo(const CloseCase &c, std::ostream *os)
{
    *os << Name(c);
}

class MasterFormCloseTest : public MasterFormFixture, public ::testing::WithParamInterface<CloseCase>
{
protected:
    // Closes the way the case says; true when the window agreed to close.
    bool Trigger(Trigger trigger)
    {
        TmasterForm &form = Master();
        switch (trigger) {
        case Trigger::TabButton: {
            bool accept = true;
            const int index = form.projectPages()->activePageIndex();
            emit form.projectPages()->pageClose(index, accept);
            if (accept)
                form.projectPages()->deletePage(form.projectPages()->getPage(index));
            return true;
        }
        case Trigger::Close: form.CloseActive(); return true;
        case Trigger::CloseAll: form.CloseAll(); return true;
        case Trigger::Quit: return form.close();
        }
        return false;
    }
};

TEST_P(MasterFormCloseTest, AnUnsuccessfulSaveKeepsTheProjectOpen)
{
    const CloseCase &c = GetParam();
    const QString file = WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"));
    TmasterForm &form = Master();
    form.show();
    ASSERT_TRUE(form.OpenFile(file));
    TProjectContainer &project = form.activeProjectForm()->project();
    project.AppName = QStringLiteral("changed");
    project.Modified = true;
    if (c.outcome == Outcome::SaveFails)
        project.FileName = Path(QStringLiteral("no such folder/a.talmo"));
    ui.queueAnswer(c.outcome == Outcome::Cancelled ? UiButton::Cancel : UiButton::Yes);

    const bool closed = Trigger(c.trigger);

    const bool gone = c.outcome == Outcome::Saved;
    if (c.trigger == Trigger::Quit)
        EXPECT_EQ(closed, gone);
    else
        EXPECT_EQ(ProjectTabCount(), gone ? 0 : 1);
    TProjectContainer onDisk;
    ASSERT_TRUE(onDisk.LoadFromFile(file));
    EXPECT_EQ(onDisk.AppName, gone ? QStringLiteral("changed") : QStringLiteral("a"));
    if (!gone)
        EXPECT_TRUE(form.activeProjectForm() && form.activeProjectForm()->project().Modified);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MasterFormCloseTest,
    ::testing::ValuesIn([] {
        std::vector<CloseCase> cases;
        for (Trigger trigger : { Trigger::TabButton, Trigger::Close, Trigger::CloseAll, Trigger::Quit })
            for (Outcome outcome : { Outcome::Saved, Outcome::SaveFails, Outcome::Cancelled })
                cases.push_back({ trigger, outcome });
        return cases;
    }()),
    [](const ::testing::TestParamInfo<CloseCase> &info) { return Name(info.param); });

TEST_F(MasterFormCloseTest, NoDiscardsTheChangesAndCloses)
{
    const QString file = WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"));
    ASSERT_TRUE(Master().OpenFile(file));
    Master().activeProjectForm()->project().Modified = true;
    ui.queueAnswer(UiButton::No);

    EXPECT_EQ(Master().CloseProjectPage(Master().projectPages()->activePageIndex()), UiButton::No);
    EXPECT_EQ(ProjectTabCount(), 0);
}

TEST_F(MasterFormCloseTest, AManagerWhoseSaveIsCancelledKeepsTheProgramOpen)
{
    Master().managerPanel()->AddEntry(WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a")), false);
    ui.queueAnswer(UiButton::Yes);
    ui.queueSaveFile(std::nullopt);

    EXPECT_FALSE(Master().close());
    EXPECT_EQ(Master().managerPanel()->manager().Entries.Count(), 1);
    EXPECT_TRUE(Master().managerPanel()->manager().Modified);
}

TEST_F(MasterFormCloseTest, TheWelcomeTabIsKeptWhenClosedAndComesBack)
{
    TmasterForm &form = Master();
    QPointer<TNxTabSheet> welcome = form.welcomeTab();
    bool accept = true;
    emit form.projectPages()->pageClose(0, accept);
    EXPECT_FALSE(accept);
    EXPECT_EQ(form.projectPages()->getPageCount(), 1) << "the only tab stays";

    ASSERT_TRUE(form.OpenFile(WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"))));
    emit form.projectPages()->pageClose(0, accept);
    EXPECT_EQ(form.projectPages()->indexOfPage(welcome), -1);
    ASSERT_FALSE(welcome.isNull());
    form.ShowWelcomePage();
    EXPECT_EQ(form.projectPages()->activePage(), welcome.data());
}

} // namespace
