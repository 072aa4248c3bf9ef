#include "windows/main/ProjectClosing.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// Answers every question with one button and records what happened.
struct Answers
{
    UiButton answer = UiButton::Yes;
    QStringList asked;
    QList<int> saved;
    int failingSave = -1;

    ProjectClosing::Ask ask()
    {
        return [this](const QString &question) {
            asked.append(question);
            return answer;
        };
    }
    std::function<bool(int)> save()
    {
        return [this](int index) {
            saved.append(index);
            return index != failingSave;
        };
    }
};

TEST(ProjectClosing, OneProjectAsksOnlyWhenModifiedAndEachAnswerDecides)
{
    const struct
    {
        const char *name;
        bool modified;
        UiButton answer;
        bool saveSucceeds;
        UiButton result;
        int saves;
    } cases[] = {
        { "unmodified goes without a question", false, UiButton::Cancel, true, UiButton::Yes, 0 },
        { "Yes saves and goes", true, UiButton::Yes, true, UiButton::Yes, 1 },
        { "a failed save keeps it", true, UiButton::Yes, false, UiButton::Cancel, 1 },
        { "No discards without saving", true, UiButton::No, true, UiButton::No, 0 },
        { "Cancel keeps it", true, UiButton::Cancel, true, UiButton::Cancel, 0 },
    };
    for (const auto &c : cases) {
        Answers answers;
        answers.answer = c.answer;
        answers.failingSave = c.saveSucceeds ? -1 : 0;
        const UiButton result = ProjectClosing::CloseOne(c.modified, ProjectClosing::TabQuestion, answers.ask(),
                                                         [&answers] { return answers.save()(0); });
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(answers.saved.size(), c.saves) << c.name;
        EXPECT_EQ(answers.asked, c.modified ? QStringList{ ProjectClosing::TabQuestion } : QStringList()) << c.name;
    }
}

TEST(ProjectClosing, AllProjectsAskOnceAndSaveTheModifiedOnesInTurn)
{
    Answers yes;
    EXPECT_TRUE(ProjectClosing::CloseAll({ true, false, true }, yes.ask(), yes.save()));
    EXPECT_EQ(yes.asked, QStringList{ ProjectClosing::ProjectsQuestion });
    EXPECT_EQ(yes.saved, QList<int>({ 0, 2 }));

    Answers failing;
    failing.failingSave = 1;
    EXPECT_FALSE(ProjectClosing::CloseAll({ true, true, true }, failing.ask(), failing.save()));
    EXPECT_EQ(failing.saved, QList<int>({ 0, 1 }));

    Answers no;
    no.answer = UiButton::No;
    EXPECT_TRUE(ProjectClosing::CloseAll({ true }, no.ask(), no.save()));
    EXPECT_TRUE(no.saved.isEmpty());

    Answers cancel;
    cancel.answer = UiButton::Cancel;
    EXPECT_FALSE(ProjectClosing::CloseAll({ false, true }, cancel.ask(), cancel.save()));
    EXPECT_TRUE(cancel.saved.isEmpty());

    Answers unmodified;
    EXPECT_TRUE(ProjectClosing::CloseAll({ false, false }, unmodified.ask(), unmodified.save()));
    EXPECT_TRUE(unmodified.asked.isEmpty());
}

} // namespace
