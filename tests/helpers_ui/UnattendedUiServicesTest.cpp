#include "helpers/ui/FakeUiServices.h"
#include "helpers/ui/UnattendedUiServices.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(UnattendedUiServicesTest, QuestionsTakeTheFirstButtonAndPickersCancel)
{
    UnattendedUiServices ui(UnattendedUiServices::Messages::None);
    EXPECT_EQ(ui.ask(nullptr, {}, QStringLiteral("Create it?"), { UiButton::Yes, UiButton::No }), UiButton::Yes);
    EXPECT_EQ(ui.ask(nullptr, {}, {}, { UiButton::No, UiButton::Yes }), UiButton::No);
    EXPECT_EQ(ui.ask(nullptr, {}, {}, {}), UiButton::Cancel);
    EXPECT_TRUE(ui.openFiles(nullptr, {}).isEmpty());
    DialogCheckBox box;
    EXPECT_TRUE(ui.openFilesWithCheckBox(nullptr, {}, box).isEmpty());
    EXPECT_FALSE(ui.saveFile(nullptr, {}).has_value());
    EXPECT_FALSE(ui.pickFolder(nullptr, {}, {}).has_value());
}

TEST(UnattendedUiServicesTest, MessagesGoWhereTheCommandLineSaid)
{
    FakeUiServices dialogs;
    QStringList lines;
    const auto sink = [&lines](const QString &line) { lines.append(line); };
    const QString text = QStringLiteral("Project: a.talmo - failed\rsecond line");

    UnattendedUiServices(UnattendedUiServices::Messages::None, &dialogs, sink)
        .showMessage(nullptr, UiMessageKind::Error, {}, text);
    EXPECT_TRUE(dialogs.shownTexts().isEmpty());
    EXPECT_TRUE(lines.isEmpty());

    UnattendedUiServices(UnattendedUiServices::Messages::Dialogs, &dialogs, sink)
        .showMessage(nullptr, UiMessageKind::Error, {}, text);
    EXPECT_EQ(dialogs.shownTexts(), QStringList{ text });
    EXPECT_TRUE(lines.isEmpty());

    UnattendedUiServices(UnattendedUiServices::Messages::StandardError, &dialogs, sink)
        .showMessage(nullptr, UiMessageKind::Error, {}, text);
    EXPECT_EQ(lines, QStringList{ QStringLiteral("talmo: Project: a.talmo - failed second line") });
    EXPECT_EQ(dialogs.shownTexts().size(), 1);
}

} // namespace
