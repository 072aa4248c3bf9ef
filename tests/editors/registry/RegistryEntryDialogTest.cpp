#include "editors/registry/EditorRegistryEntry.h"
#include "model/RegistrySection.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/support/QtPrinters.h"
#include "widgets/HexEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace talmo;
using namespace talmo::testing;

namespace {

struct RegistryEntryDialogTest : EditorTest
{
    TRegistryEntry confirmed(const TRegistryEntry &start)
    {
        TRegistryEntry entry = start;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        click(dialog.okButton);
        EXPECT_EQ(accepted.count(), 1);
        dialog.store(entry);
        return entry;
    }

    TeditorRegistryEntry dialog;
};

TRegistryEntry entry(const char *flags, const char *value, bool overwrite = false)
{
    TRegistryEntry e;
    e.registry_root_string = "HKEY_LOCAL_MACHINE";
    e.subkey = "A";
    e.value_name = "v";
    e.flags = flags;
    e.value = value;
    e.overwrite = overwrite;
    return e;
}

} // namespace

TEST_F(RegistryEntryDialogTest, EachTypeShowsItsEditorAndOtherTypesAreKept)
{
    EXPECT_EQ(dialog.windowTitle(), QString("Edit Registry Key"));
    EXPECT_EQ(dialog.overwrite_key->text(), QString("If the registry key exists, do not overwrite it."));
    const std::pair<const char *, bool> cases[] = {
        {"TYPE_SZ", false}, {"TYPE_MULTI_SZ", false}, {"TYPE_BINARY", true}, {"TYPE_DWORD", false},
    };
    for (const auto &[flags, hex] : cases) {
        SCOPED_TRACE(flags);
        dialog.load(entry(flags, "0A"));
        EXPECT_EQ(dialog.ComboBox1->currentText(), QString(flags));
        EXPECT_EQ(dialog.hexEditor->isHidden(), !hex);
        EXPECT_EQ(dialog.editor_string->isHidden(), hex);
    }
    dialog.load(entry("TYPE_QWORD", "7", true));
    EXPECT_EQ(dialog.ComboBox1->currentText(), QString("TYPE_QWORD"));
    EXPECT_EQ(dialog.editor_string->text(), QString("7"));
    EXPECT_TRUE(dialog.overwrite_key->isChecked());
    const TRegistryEntry kept = confirmed(entry("TYPE_QWORD", "7", true));
    EXPECT_EQ(kept.flags, QString("TYPE_QWORD"));
    EXPECT_EQ(kept.value, QString("7"));

    dialog.load(entry("TYPE_SZ", "a"));
    EXPECT_EQ(dialog.ComboBox1->count(), 4) << "the kept type belongs to its own entry only";
}

TEST_F(RegistryEntryDialogTest, BytesTypedInTheHexEditorAreStored)
{
    dialog.load(entry("TYPE_SZ", ""));
    dialog.ComboBox1->setCurrentIndex(RegistryEntryValue::BinaryType);
    QTest::keyClicks(dialog.hexEditor, "0102");
    const TRegistryEntry stored = confirmed(entry("TYPE_SZ", ""));
    EXPECT_EQ(stored.flags, QString("TYPE_BINARY"));
    EXPECT_EQ(stored.value, QString("01,02"));
}

TEST_F(RegistryEntryDialogTest, TextSwitchedToBinaryStoresTheHexEditorsBytesAndSwitchingBackKeepsIt)
{
    dialog.load(entry("TYPE_SZ", "hello"));
    dialog.ComboBox1->setCurrentIndex(RegistryEntryValue::BinaryType);
    EXPECT_EQ(dialog.hexEditor->data(), QByteArray());
    EXPECT_EQ(confirmed(entry("TYPE_SZ", "hello")).value, QString());

    dialog.ComboBox1->setCurrentIndex(RegistryEntryValue::StringType);
    EXPECT_EQ(dialog.editor_string->text(), QString("hello"));
    QTest::keyClicks(dialog.editor_string, "!");
    const TRegistryEntry stored = confirmed(entry("TYPE_SZ", "hello"));
    EXPECT_EQ(stored.flags, QString("TYPE_SZ"));
    EXPECT_EQ(stored.value, QString("hello!"));
}

// Data the CAB build would refuse is refused where it is typed; the dialog
// stays open for it to be mended.
TEST_F(RegistryEntryDialogTest, InvalidDwordDataIsRefused)
{
    const std::pair<const char *, bool> cases[] = {
        {"abc", false}, {"12x", false}, {"4294967296", false}, {"-2147483649", false}, {"0x1FFFFFFFF", false},
        {"", true},     {"42", true},   {"-1", true},          {"4294967295", true},   {"0xFF", true},
    };
    for (const auto &[typed, taken] : cases) {
        SCOPED_TRACE(typed);
        dialog.load(entry("TYPE_DWORD", "1"));
        dialog.editor_string->clear();
        QTest::keyClicks(dialog.editor_string, typed);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        const qsizetype shownBefore = ui.shownTexts().size();
        click(dialog.okButton);
        EXPECT_EQ(accepted.count(), taken ? 1 : 0);
        EXPECT_EQ(ui.shownTexts().size() - shownBefore, taken ? 0 : 1);
    }
    EXPECT_TRUE(ui.shownTexts().last().startsWith("DWORD data must be a whole number")) << ui.shownTexts().last().toStdString();
}

TEST_F(RegistryEntryDialogTest, InvalidBinaryDataKeptFromTheFileIsRefused)
{
    dialog.load(entry("TYPE_BINARY", "0A,XY"));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    click(dialog.okButton);
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(ui.shownTexts(), QStringList{"Binary data must be bytes of one or two hex digits separated by commas, such as 0A,FF."});
    dialog.load(entry("TYPE_BINARY", "0A,FF"));
    click(dialog.okButton);
    EXPECT_EQ(accepted.count(), 1);
}
