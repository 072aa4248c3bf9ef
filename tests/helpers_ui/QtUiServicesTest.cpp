#include "helpers/ui/CheckBoxFileDialog.h"
#include "helpers/ui/QtUiServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace talmo;

namespace {

// Acts on the modal dialog as soon as it is up, from inside its event loop.
template <typename Dialog>
void whenShown(std::function<void(Dialog *)> action)
{
    auto *poll = new QTimer(qApp);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
            poll->deleteLater();
            poll->stop();
            action(dialog);
        }
    });
    poll->start();
}

} // namespace

TEST(QtUiServices, QuestionReturnsTheClickedButton)
{
    struct Case { QMessageBox::StandardButton click; UiButton answer; };
    const Case cases[] = {
        { QMessageBox::Yes, UiButton::Yes },
        { QMessageBox::No, UiButton::No },
        { QMessageBox::Cancel, UiButton::Cancel },
    };
    QtUiServices ui;
    for (const Case &c : cases) {
        QString shownText;
        whenShown<QMessageBox>([&](QMessageBox *box) {
            shownText = box->text();
            box->button(c.click)->click();
        });
        const UiButton answer = ui.ask(nullptr, QStringLiteral("Talmo"), QStringLiteral("Save changes ?"),
                                       { UiButton::Yes, UiButton::No, UiButton::Cancel });
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(shownText, QStringLiteral("Save changes ?"));
    }
}

TEST(QtUiServices, OpenDialogWithCheckBoxReportsTheBoxOnCancelAndTheFileOnAccept)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("import.reg"));
    QFile(file).open(QIODevice::WriteOnly);
    QtUiServices ui;
    FileDialogRequest request;
    request.filter = QStringLiteral("Registry Files (*.reg;*.rgu)|*.reg;*.rgu|All Files (*.*)|*.*");
    request.folder = dir.path();

    DialogCheckBox box{ QStringLiteral("Import with Don't Overwrite Flag Enabled"), true, true };
    bool shownChecked = false;
    whenShown<CheckBoxFileDialog>([&](CheckBoxFileDialog *dialog) {
        shownChecked = dialog->checkBox()->isChecked();
        dialog->checkBox()->click();
        dialog->reject();
    });
    EXPECT_TRUE(ui.openFilesWithCheckBox(nullptr, request, box).isEmpty());
    EXPECT_TRUE(shownChecked);
    EXPECT_FALSE(box.checked);

    QStringList nameFilters;
    whenShown<CheckBoxFileDialog>([&](CheckBoxFileDialog *dialog) {
        nameFilters = dialog->nameFilters();
        dialog->checkBox()->click();
        dialog->selectFile(file);
        static_cast<QDialog *>(dialog)->accept();
    });
    EXPECT_EQ(ui.openFilesWithCheckBox(nullptr, request, box), QStringList{ file });
    EXPECT_TRUE(box.checked);
    EXPECT_EQ(nameFilters, (QStringList{ "Registry Files (*.reg *.rgu)", "All Files (*)" }));
}

TEST(QtUiServices, OpenDialogTakesANewFileWhenAskedAndSaveDialogAddsTheDefaultSuffix)
{
    QTemporaryDir dir;
    QtUiServices ui;
    FileDialogRequest open;
    open.folder = dir.path();
    open.fileMustExist = false;
    const QString planned = dir.filePath(QStringLiteral("later.zip"));
    DialogCheckBox box{ QStringLiteral("Make Path Relative"), true, true };
    whenShown<CheckBoxFileDialog>([&](CheckBoxFileDialog *dialog) {
        dialog->selectFile(planned);
        static_cast<QDialog *>(dialog)->accept();
    });
    EXPECT_EQ(ui.openFilesWithCheckBox(nullptr, open, box), QStringList{ planned });

    FileDialogRequest save;
    save.folder = dir.path();
    save.defaultSuffix = QStringLiteral("talmo");
    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        dialog->selectFile(QStringLiteral("MyApp"));
        static_cast<QDialog *>(dialog)->accept();
    });
    EXPECT_EQ(ui.saveFile(nullptr, save), std::optional<QString>(dir.filePath(QStringLiteral("MyApp.talmo"))));
}
