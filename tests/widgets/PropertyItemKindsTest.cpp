#include "tests/support/QtPrinters.h"

#include "widgets/DateTimeText.h"
#include "widgets/NumberText.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxColorItem.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxDateTimeItems.h"
#include "widgets/NxItemDisplay.h"
#include "widgets/NxNumberItem.h"
#include "widgets/NxPropertyItems.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// Rows inside a list, with the value changes the inspector would hear.
struct Rows
{
    Rows()
    {
        root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Root"));
        list.setItemCallback([this](TNxPropertyItem *, TNxItemNotification kind, int index) {
            if (kind == TNxItemNotification::ValueChanged)
                ++changes;
            if (kind == TNxItemNotification::ToolbarClick)
                clicks.push_back(index);
        });
    }
    template<typename T>
    T *add()
    {
        return list.addChild<T>(root, QStringLiteral("Row"));
    }
    TNxPropertyItems list;
    TNxPropertyItem *root = nullptr;
    int changes = 0;
    std::vector<int> clicks;
};

QString sep(const char *text)
{
    return QString::fromLatin1(text).replace(u'.', NumberText::localeDecimalSeparator());
}

} // namespace

TEST(PropertyItemKinds, CheckBoxTextFollowsTheTextKindCaseSensitively)
{
    struct Case
    {
        TNxCheckBoxItem::TextKind kind;
        const char *trueText;
        const char *set;
        bool checked;
        const char *reads;
    };
    const Case cases[] = {
        {TNxCheckBoxItem::tkTrueFalse, "", "true", true, "true"},
        {TNxCheckBoxItem::tkTrueFalse, "", "True", false, "false"},
        {TNxCheckBoxItem::tkTrueFalse, "", "untrue", false, "false"},
        {TNxCheckBoxItem::tkYesNo, "", "yes", true, "yes"},
        {TNxCheckBoxItem::tkYesNo, "", "Yes", false, "no"},
        {TNxCheckBoxItem::tkYesNo, "", "true", false, "no"},
        {TNxCheckBoxItem::tkEnabledDisabled, "", "enabled", true, "enabled"},
        {TNxCheckBoxItem::tkEnabledDisabled, "", "disabled", false, "disabled"},
        {TNxCheckBoxItem::tkCustom, "On", "On", true, "On"},
        {TNxCheckBoxItem::tkCustom, "On", "on", false, "false"},
        {TNxCheckBoxItem::tkCustom, "", "true", true, "true"},
    };
    for (const Case &c : cases) {
        Rows rows;
        auto *box = rows.add<TNxCheckBoxItem>();
        box->setTextKind(c.kind);
        box->setTrueText(QString::fromLatin1(c.trueText));
        box->setAsBoolean(!c.checked);
        box->setValue(QString::fromLatin1(c.set));
        EXPECT_EQ(box->asBoolean(), c.checked) << c.set;
        EXPECT_EQ(box->asString(), QString::fromLatin1(c.reads)) << c.set;
    }
}

TEST(PropertyItemKinds, CheckBoxTogglesAndAllowsAllUp)
{
    Rows rows;
    auto *box = rows.add<TNxCheckBoxItem>();
    EXPECT_TRUE(box->allowAllUp());
    EXPECT_EQ(box->buttons().count(), 1);
    EXPECT_EQ(box->buttons().item(0)->text(), QStringLiteral("true"));
    TNxCheckBoxItemDisplay display(box);
    display.keyDown(Qt::Key_Space, Qt::NoModifier);
    EXPECT_TRUE(box->asBoolean());
    display.keyDown(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_TRUE(box->asBoolean());
    display.keyDown(Qt::Key_Space, Qt::NoModifier);
    EXPECT_FALSE(box->asBoolean());
}

TEST(PropertyItemKinds, LastToolbarButtonStaysCheckedWithoutAllowAllUp)
{
    Rows rows;
    auto *bar = rows.add<TNxToolbarItem>();
    for (const char *text : {"left", "center", "right"})
        bar->buttons().add()->setText(QString::fromLatin1(text));
    bar->setButtonChecked(1, true);
    EXPECT_EQ(rows.clicks, std::vector<int>({1}));
    bar->setButtonChecked(1, false);
    EXPECT_TRUE(bar->buttons().item(1)->checked());
    EXPECT_EQ(bar->buttons().checkedCount(), 1);
    EXPECT_EQ(rows.clicks, std::vector<int>({1})) << "a refused change is no click";

    bar->setAllowAllUp(true);
    bar->buttons().item(1)->setChecked(false);
    EXPECT_EQ(bar->buttons().checkedCount(), 0);
    EXPECT_EQ(bar->asString(), QString());
}

TEST(PropertyItemKinds, GroupedToolbarKeepsOneButtonChecked)
{
    Rows rows;
    auto *bar = rows.add<TNxToolbarItem>();
    for (const char *text : {"a", "b", "c"})
        bar->buttons().add()->setText(QString::fromLatin1(text));
    bar->setGrouped(true);
    bar->setButtonChecked(0, true);
    bar->setButtonChecked(2, true);
    EXPECT_EQ(bar->asString(), QStringLiteral("c"));
    EXPECT_EQ(bar->buttons().checkedCount(), 1);

    bar->setGrouped(false);
    bar->setButtonChecked(0, true);
    EXPECT_EQ(bar->asString(), QStringLiteral("a,c"));
}

TEST(PropertyItemKinds, ToolbarValueChecksButtonsWhoseTextOccursInIt)
{
    Rows rows;
    auto *bar = rows.add<TNxToolbarItem>();
    bar->setAllowAllUp(true);
    for (const char *text : {"Bold", "Italic", "Under", "", "Strike"})
        bar->buttons().add()->setText(QString::fromLatin1(text));
    bar->setValue(QStringLiteral("fsBold,fsUnderline"));
    EXPECT_EQ(bar->asString(), QStringLiteral("Bold,Under"));
    bar->setValue(QStringLiteral("italic"));
    EXPECT_EQ(bar->asString(), QString()) << "the test is case-sensitive";
}

TEST(PropertyItemKinds, ToolbarHitTestAndDigitKeys)
{
    Rows rows;
    auto *bar = rows.add<TNxToolbarItem>();
    bar->setAllowAllUp(true);
    for (int i = 0; i < 3; ++i)
        bar->buttons().add()->setText(QString::number(i));
    bar->buttons().item(0)->setDivider(true);
    TNxToolbarItemDisplay display(bar);

    struct Hit
    {
        TNxToolbarItem::ButtonAlignment alignment;
        int x;
        int button;
    };
    const Hit hits[] = {
        {TNxToolbarItem::baLeftJustify, 0, 0},   {TNxToolbarItem::baLeftJustify, 16, 0},
        {TNxToolbarItem::baLeftJustify, 17, 1},  {TNxToolbarItem::baLeftJustify, 50, 2},
        {TNxToolbarItem::baLeftJustify, 51, -1}, {TNxToolbarItem::baRightJustify, 48, -1},
        {TNxToolbarItem::baRightJustify, 49, 0}, {TNxToolbarItem::baRightJustify, 99, 2},
    };
    for (const Hit &hit : hits) {
        bar->setAlignment(hit.alignment);
        EXPECT_EQ(display.buttonAt(hit.x, 100), hit.button) << hit.x;
    }

    // "1" is the first button that is not a divider; beyond the last, the first.
    display.keyDown(Qt::Key_1, Qt::NoModifier);
    EXPECT_EQ(bar->asString(), QStringLiteral("1"));
    display.keyDown(Qt::Key_9, Qt::NoModifier);
    EXPECT_EQ(bar->asString(), QString());
    display.keyDown(Qt::Key_2, Qt::NoModifier);
    EXPECT_EQ(bar->asString(), QStringLiteral("2"));
}

TEST(PropertyItemKinds, DividersAreNeverChecked)
{
    Rows rows;
    auto *bar = rows.add<TNxToolbarItem>();
    bar->setAllowAllUp(true);
    for (const char *text : {"a", "", "b"})
        bar->buttons().add()->setText(QString::fromLatin1(text));
    bar->buttons().item(1)->setDivider(true);
    TNxToolbarItemDisplay display(bar);
    display.setRect(QRect(0, 0, 100, 16));

    display.mouseDown(Qt::LeftButton, Qt::NoModifier, 20, 4);
    display.mouseUp(Qt::LeftButton, Qt::NoModifier, 20, 4);
    display.mouseUp(Qt::LeftButton, Qt::NoModifier, 40, 4);
    EXPECT_FALSE(bar->buttons().item(1)->checked());
    EXPECT_EQ(bar->asString(), QStringLiteral("b")) << "the divider's empty text never joins the value";
    EXPECT_TRUE(rows.clicks == std::vector<int>{2}) << "a click on the divider reports nothing";
    bar->setButtonChecked(1, true);
    EXPECT_EQ(bar->buttons().checkedCount(), 1);
}

TEST(PropertyItemKinds, ComboIndexSetsTheValueByDisplayModeOnlyWithinTheLines)
{
    Rows rows;
    auto *combo = rows.add<TNxComboBoxItem>();
    combo->setLines({QStringLiteral("HKCU=HKEY_CURRENT_USER"), QStringLiteral("plain")});
    struct Case
    {
        TNxComboBoxItem::DisplayMode mode;
        int index;
        const char *value;
    };
    const Case cases[] = {
        {TNxComboBoxItem::dmDefault, 0, "HKCU=HKEY_CURRENT_USER"},
        {TNxComboBoxItem::dmNameList, 0, "HKCU"},
        {TNxComboBoxItem::dmValueList, 0, "HKEY_CURRENT_USER"},
        {TNxComboBoxItem::dmIndentList, 0, "HKEY_CURRENT_USER"},
        {TNxComboBoxItem::dmNameList, 1, "plain"},
        {TNxComboBoxItem::dmValueList, 1, "plain"},
    };
    for (const Case &c : cases) {
        combo->setDisplayMode(c.mode);
        combo->setItemIndex(c.index);
        EXPECT_EQ(combo->asString(), QString::fromLatin1(c.value));
    }
    const int changes = rows.changes;
    combo->setItemIndex(5);
    combo->setItemIndex(-1);
    EXPECT_EQ(combo->itemIndex(), -1);
    EXPECT_EQ(combo->asString(), QStringLiteral("plain"));
    EXPECT_EQ(rows.changes, changes);

    combo->editorClosedUp(0);
    EXPECT_EQ(combo->itemIndex(), 0);
    EXPECT_EQ(combo->asString(), QStringLiteral("plain")) << "closing the list changes the index only";
    combo->setDisplayMode(TNxComboBoxItem::dmDefault);
    combo->editRejected(0);
    EXPECT_EQ(combo->asString(), QStringLiteral("HKCU=HKEY_CURRENT_USER"));
}

TEST(PropertyItemKinds, NumberRowParsesTypedText)
{
    using Opt = TNxCustomNumberItem;
    struct Case
    {
        const char *text;
        Opt::EditOptions options;
        double min, max;
        double number;
    };
    const Opt::EditOptions all = Opt::EditOptions(Opt::eoAllowFloat) | Opt::eoAllowSigns;
    const Case cases[] = {
        {"-5", all, 0, 0, -5},
        {"-5", Opt::EditOptions(Opt::eoAllowFloat), 0, 0, 5},
        {"1.5", all, 0, 0, 1.5},
        {"1.5", Opt::EditOptions(Opt::eoAllowSigns), 0, 0, 15},
        {"1.2.3", all, 0, 0, 1.23},
        {"12-3", all, 0, 0, 123},
        {"+", all, 0, 0, 0},
        {"", all, 0, 0, 0},
        {"abc", all, 0, 0, 0},
        {"250", all, 0, 100, 100},
        {"-7", all, 0, 100, 0},
        {"3", all, 5, 0, 5},
    };
    for (const Case &c : cases) {
        Rows rows;
        auto *number = rows.add<TNxCustomNumberItem>();
        number->setEditOptions(c.options);
        number->setMin(c.min);
        number->setMax(c.max);
        number->setValue(sep(c.text));
        EXPECT_DOUBLE_EQ(number->asFloat(), c.number) << c.text;
        EXPECT_EQ(rows.changes, 1);
    }
}

TEST(PropertyItemKinds, NumberRowRoundsHalvesToEvenAndFormatsThroughItsMask)
{
    Rows rows;
    auto *number = rows.add<TNxSpinItem>();
    const std::pair<double, int> rounding[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.51, 3}, {-0.5, 0}};
    for (const auto &[value, rounded] : rounding) {
        number->setAsFloat(value);
        EXPECT_EQ(number->asInteger(), rounded) << value;
    }
    number->setAsFloat(1234.5);
    EXPECT_EQ(number->asString(), sep("1234.5"));
    struct Mask
    {
        const char *mask;
        double value;
        const char *text;
    };
    const Mask masks[] = {
        {"0.00", 3.14159, "3.14"}, {"0", 2.5, "3"},          {"#.##", 0.5, ".5"},
        {"0.0#", 1.5, "1.5"},      {"000", 7, "007"},        {"0.0 ms", 12, "12.0 ms"},
        {"0.00", -1.005, "-1.00"}, {"0.0", -0.04, "0.0"},
    };
    for (const Mask &m : masks)
        EXPECT_EQ(TNxCustomNumberItem::formatFloat(QString::fromLatin1(m.mask), m.value), sep(m.text)) << m.mask;
}

TEST(PropertyItemKinds, TextRowConvertsNumbersAndFallsBackToZero)
{
    Rows rows;
    auto *text = rows.add<TNxTextItem>();
    text->setValue(QStringLiteral("42"));
    EXPECT_EQ(text->asInteger(), 42);
    text->setValue(QStringLiteral("4x"));
    EXPECT_EQ(text->asInteger(), 0);
    EXPECT_DOUBLE_EQ(text->asFloat(), 0);
    text->setAsFloat(0.25);
    EXPECT_EQ(text->asString(), sep("0.25"));
    EXPECT_DOUBLE_EQ(text->asFloat(), 0.25);
}

TEST(PropertyItemKinds, DateRowStoresTheShortDateAndReportsOneChange)
{
    Rows rows;
    auto *date = rows.add<TNxDateItem>();
    date->setAsDateTime(QDateTime(QDate(2024, 2, 29), QTime(15, 0)));
    EXPECT_EQ(rows.changes, 1);
    EXPECT_EQ(date->asString(), DateTimeText::dateToText(QDate(2024, 2, 29)));
    EXPECT_EQ(date->asDateTime().date(), QDate(2024, 2, 29));
    EXPECT_EQ(date->asInteger(), 45351);
    date->setAsInteger(2);
    EXPECT_EQ(date->asDateTime().date(), QDate(1900, 1, 1));
    date->setValue(QStringLiteral("not a date"));
    EXPECT_EQ(date->asInteger(), 0);
    EXPECT_FALSE(date->asDateTime().isValid());
}

TEST(PropertyItemKinds, TimeRowKeepsTheLastAcceptedTimeAndRefusesNonTimesAsNumbers)
{
    Rows rows;
    auto *time = rows.add<TNxTimeItem>();
    time->setAsDateTime(QDateTime(QDate(2000, 1, 1), QTime(18, 0)));
    EXPECT_EQ(rows.changes, 1);
    EXPECT_DOUBLE_EQ(time->asFloat(), 0.75);
    EXPECT_EQ(time->asInteger(), 1);
    time->editorHidden();
    time->setValue(QStringLiteral("teatime"));
    EXPECT_EQ(time->asDateTime().time(), QTime(18, 0));
    EXPECT_THROW(time->asFloat(), TimeConversionError);
    time->editorHidden();
    EXPECT_EQ(time->asString(), DateTimeText::timeToText(QTime(18, 0)));
}

TEST(PropertyItemKinds, DayNumbersRoundTrip)
{
    const std::pair<QDateTime, double> days[] = {
        {QDateTime(QDate(1899, 12, 30), QTime(0, 0)), 0},
        {QDateTime(QDate(1899, 12, 31), QTime(6, 0)), 1.25},
        {QDateTime(QDate(1899, 12, 29), QTime(6, 0)), -1.25},
        {QDateTime(QDate(2000, 1, 1), QTime(12, 0)), 36526.5},
    };
    for (const auto &[dateTime, number] : days) {
        EXPECT_DOUBLE_EQ(DayNumber::fromDateTime(dateTime), number);
        EXPECT_EQ(DayNumber::toDateTime(number), dateTime);
    }
}

TEST(PropertyItemKinds, ColourRowReadsItsNotation)
{
    TNxColorItem color;
    EXPECT_EQ(color.textOfColor(clRed), QStringLiteral("clRed"));
    EXPECT_EQ(color.colorOfText(QStringLiteral("$000000FF")), std::optional<TColor>(clRed));
    EXPECT_EQ(color.colorOfText(QString()), std::optional<TColor>(clNone));
    EXPECT_EQ(color.colorOfText(QStringLiteral("reddish")), std::nullopt);
    color.setColorKind(TNxColorItem::ckWeb);
    EXPECT_EQ(color.textOfColor(clRed), QStringLiteral("#FF0000"));
    EXPECT_EQ(color.colorOfText(QStringLiteral("red")), std::optional<TColor>(clRed));
    EXPECT_EQ(color.colorOfText(QStringLiteral("clRed")), std::nullopt);
}

TEST(PropertyItemKinds, ButtonRowReportsItsButton)
{
    Rows rows;
    auto *button = rows.add<TNxButtonItem>();
    int clicks = 0;
    QObject::connect(button, &TNxButtonItem::buttonClick, [&](TNxPropertyItem *item) {
        EXPECT_EQ(item, button);
        ++clicks;
    });
    button->clickButton();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->buttonCaption(), QStringLiteral("..."));
}

TEST(PropertyItemKinds, TextPainterShowsPasswordsMaskedEmptyValuesAndBoldNonDefaults)
{
    struct Case
    {
        const char *value;
        char password;
        bool boldNonDefault;
        const char *defaultValue;
        const char *shown;
        bool bold;
    };
    const Case cases[] = {
        {"secret", '*', false, "", "******", false},
        {"", '*', false, "", "(none)", false},
        {"plain", 0, false, "", "plain", false},
        {"{PF}\\App", 0, true, "{pf}\\app", "{PF}\\App", false},
        {"{pf}\\Other", 0, true, "{pf}\\app", "{pf}\\Other", true},
        {"", 0, true, "x", "(none)", false},
        {"changed", 0, false, "x", "changed", false},
    };
    for (const Case &c : cases) {
        TNxTextItem row;
        row.setEmptyValue(QStringLiteral("(none)"));
        row.setPasswordChar(QChar::fromLatin1(c.password));
        if (c.boldNonDefault)
            row.setOptions(itoBoldNonDefault);
        row.setDefaultValue(QString::fromLatin1(c.defaultValue));
        row.setValue(QString::fromLatin1(c.value));
        EXPECT_EQ(TNxTextItemDisplay::shownText(row), QString::fromLatin1(c.shown)) << c.value;
        EXPECT_EQ(TNxTextItemDisplay::drawsBold(row), c.bold) << c.value;
    }
}
