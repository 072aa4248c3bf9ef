#include "tests/designercontrols/PaletteTestSupport.h"
#include "tests/support/QtPrinters.h"

#include "designer/DesignStrings.h"
#include "designer/controls/Button.h"
#include "designer/controls/Edit.h"
#include "designer/controls/Label.h"
#include "designer/controls/NewStaticText.h"
#include "designer/controls/PasswordEdit.h"
#include "designer/controls/TextMeasurer.h"
#include "widgets/Colors.h"

#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <functional>

using namespace talmo;
using namespace talmo::testing;

namespace {

class ClassBehaviour : public PalettePage
{
protected:
    TVisualControl *visual(const char *className, TDesignControl *parent = nullptr)
    {
        return qobject_cast<TVisualControl *>(insert(QString::fromLatin1(className), 8, 8, parent));
    }

    static QStringList tabNames(const QWidget &parent)
    {
        QStringList names;
        for (const TVisualControl *control : TVisualControl::tabSequence(&parent))
            names.append(control->name() + u'=' + QString::number(control->tabOrder()));
        return names;
    }

    // The properties of the named object, unindented.
    QStringList blockOf(const QString &name) const
    {
        const QStringList page = written();
        const qsizetype start = page.indexOf(QRegularExpression(QStringLiteral(" *object %1: \\w+").arg(name)));
        const qsizetype end = page.indexOf(QRegularExpression(QStringLiteral(" *end")), start);
        QStringList block = start < 0 ? QStringList() : page.mid(start + 1, end - start - 1);
        for (QString &line : block)
            line = line.trimmed();
        return block;
    }
};

// Text the name may follow: Caption, Text or the memo's lines.
QString designTextOf(const QObject *control)
{
    if (auto *lines = qvariant_cast<TDesignStrings *>(control->property("Lines")))
        return lines->strings().join(u'\n');
    const QVariant caption = control->property("Caption");
    return caption.isValid() ? caption.toString() : control->property("Text").toString();
}

TEST_F(ClassBehaviour, WindowedSiblingsAreNumberedInCreationOrderAndMovesRenumber)
{
    visual("TButton");
    visual("TLabel");
    visual("TEdit");
    visual("TNewProgressBar");
    TVisualControl *panel = visual("TPanel");
    TVisualControl *inside = visual("TCheckBox", panel);
    EXPECT_EQ(tabNames(root), QStringList({"Button1=0", "Edit1=1", "Panel1=2"}));
    EXPECT_EQ(inside->tabOrder(), 0);
    EXPECT_EQ(qobject_cast<TVisualControl *>(root.findComponent(QStringLiteral("Label1")))->tabOrder(), -1);
    EXPECT_EQ(qobject_cast<TVisualControl *>(root.findComponent(QStringLiteral("ProgressBar1")))->tabOrder(), -1);

    struct Move
    {
        const char *name;
        int tabOrder;
        QStringList sequence;
    };
    const Move moves[] = {
        {"Panel1", 0, {"Panel1=0", "Button1=1", "Edit1=2"}},
        {"Panel1", 99, {"Button1=0", "Edit1=1", "Panel1=2"}},
        {"Edit1", 0, {"Edit1=0", "Button1=1", "Panel1=2"}},
        {"Button1", -3, {"Button1=0", "Edit1=1", "Panel1=2"}},
    };
    for (const Move &move : moves) {
        root.findComponent(QString::fromLatin1(move.name))->setProperty("TabOrder", move.tabOrder);
        EXPECT_EQ(tabNames(root), move.sequence) << move.name << " to " << move.tabOrder;
    }
    visual("TMemo");
    EXPECT_EQ(tabNames(root).constLast(), QStringLiteral("Memo1=3"));
}

TEST_F(ClassBehaviour, TabOrderMovesSurviveASaveAndLoad)
{
    visual("TButton");
    visual("TEdit");
    visual("TMemo");
    root.findComponent(QStringLiteral("Memo1"))->setProperty("TabOrder", 0);
    root.findComponent(QStringLiteral("Button1"))->setProperty("TabOrder", 2);
    const QStringList page = written();

    TPanel reread;
    reread.setDesigning(true);
    PageDfm::LoadPageDfm(reread, PageDfm::preparedPage(page, registry), registry);
    EXPECT_EQ(tabNames(reread), QStringList({"Memo1=0", "Edit1=1", "Button1=2"}));
    EXPECT_EQ(PageDfm::WritePageDfm(reread, registry), page);
    reread.destroyComponents();
}

TEST_F(ClassBehaviour, FontAndColourFollowTheParentUntilEdited)
{
    auto *panel = static_cast<TPanel *>(visual("TPanel"));
    auto *label = static_cast<TLabel *>(visual("TLabel", panel));
    auto *edit = static_cast<TEdit *>(visual("TEdit", panel));
    panel->designFont().setName(QStringLiteral("Arial"));
    panel->setColor(clYellow);
    EXPECT_EQ(label->designFont().name(), QStringLiteral("Arial"));
    EXPECT_EQ(edit->designFont().name(), QStringLiteral("Arial"));
    EXPECT_EQ(label->color(), clYellow);
    EXPECT_EQ(edit->color(), clWindow) << "an edit keeps its own colour";
    EXPECT_FALSE(panel->parentFont());
    EXPECT_FALSE(panel->parentColor());

    label->designFont().setStyle(TDesignFont::fsBold);
    label->setColor(clRed);
    panel->designFont().setName(QStringLiteral("Verdana"));
    panel->setColor(clAqua);
    EXPECT_EQ(label->designFont().name(), QStringLiteral("Arial"));
    EXPECT_EQ(label->color(), clRed);
    EXPECT_EQ(edit->designFont().name(), QStringLiteral("Verdana"));
    EXPECT_EQ(blockOf(QStringLiteral("Label1")),
              QStringList({"Left = 8", "Top = 8", "Width = 36", "Height = 13", "Caption = 'Label1'", "Color = clRed",
                           "Font.Charset = DEFAULT_CHARSET", "Font.Color = clWindowText", "Font.Height = -11",
                           "Font.Name = 'Arial'", "Font.Style = [fsBold]", "ParentColor = False", "ParentFont = False"}));

    label->setParentFont(true);
    label->setParentColor(true);
    EXPECT_EQ(label->designFont().name(), QStringLiteral("Verdana"));
    EXPECT_EQ(label->designFont().style(), TDesignFont::TFontStyles());
    EXPECT_EQ(label->color(), clAqua);
    EXPECT_EQ(blockOf(QStringLiteral("Label1")).filter(QRegularExpression(QStringLiteral("Font|Color"))),
              QStringList());
}

TEST_F(ClassBehaviour, TextFollowsTheNameOnlyWhileDesignedEqualAndNotLoading)
{
    for (const char *className : {"TButton", "TEdit", "TMemo", "TLabel", "TPanel", "TRichEditViewer"}) {
        root.destroyComponents();
        TDesignControl *control = insert(QString::fromLatin1(className));
        const QString first = control->name();
        ASSERT_EQ(designTextOf(control), first) << className;
        control->rename(QStringLiteral("Renamed"));
        EXPECT_EQ(designTextOf(control), QStringLiteral("Renamed")) << className;

        control->beginLoading();
        control->rename(QStringLiteral("WhileLoading"));
        control->endLoading();
        EXPECT_EQ(designTextOf(control), QStringLiteral("Renamed")) << className << " while loading";

        control->setDesigning(false);
        control->rename(QStringLiteral("Running"));
        EXPECT_EQ(designTextOf(control), QStringLiteral("Renamed")) << className << " outside design state";
    }
    auto *button = static_cast<TButton *>(insert(QStringLiteral("TButton")));
    button->setCaption(QStringLiteral("&Next"));
    button->rename(QStringLiteral("NextButton"));
    EXPECT_EQ(button->caption(), QStringLiteral("&Next"));
}

struct AutoSizeCase
{
    const char *className;
    const char *caption;
    bool wordWrap;
    QSize size;
};

// 6 pixels a character, 13 a line, in a label 60 wide; the static text adds
// one each way and wraps within its width less one.
const AutoSizeCase AutoSizeCases[] = {
    {"TLabel", "Hello", false, {30, 13}},
    {"TLabel", "&Hello", false, {30, 13}},
    {"TLabel", "a&&b", false, {18, 13}},
    {"TLabel", "", false, {6, 13}},
    {"TLabel", "two\nlines", false, {30, 26}},
    {"TNewStaticText", "Hello", false, {31, 14}},
    {"TNewStaticText", "&", false, {7, 14}},
    {"TNewStaticText", "", false, {7, 14}},
    {"TLabel", "aaaaaaaaaaaaaaaaaaaa", true, {60, 26}},
    {"TNewStaticText", "aaaaaaaaaaaaaaaaaaaa", true, {60, 40}},
};

TEST_F(ClassBehaviour, AutoSizeMeasuresTheCaptionThroughTheMeasurer)
{
    for (const AutoSizeCase &sized : AutoSizeCases) {
        root.destroyComponents();
        auto *label = static_cast<TLabel *>(insert(QString::fromLatin1(sized.className)));
        label->setAutoSize(false);
        label->setBounds(8, 8, 60, 17);
        label->setWordWrap(sized.wordWrap);
        label->setCaption(QString::fromLatin1(sized.caption));
        EXPECT_EQ(label->size(), QSize(60, 17)) << "without AutoSize, " << sized.caption;
        label->setAutoSize(true);
        EXPECT_EQ(QSize(label->width(), label->height()), sized.size) << sized.className << " " << sized.caption;
        EXPECT_EQ(label->pos(), QPoint(8, 8));
    }
}

TEST_F(ClassBehaviour, EditAndComboAreOneTextLinePlusEightHigh)
{
    for (const char *className : {"TEdit", "TComboBox", "TPasswordEdit"})
        EXPECT_EQ(insert(QString::fromLatin1(className))->height(), 21) << className;
}

TEST_F(ClassBehaviour, PasswordEditEchoesHiddenWhilePasswordIsOn)
{
    auto *edit = static_cast<TPasswordEdit *>(insert(QStringLiteral("TPasswordEdit")));
    auto *line = edit->findChild<QLineEdit *>();
    EXPECT_EQ(line->echoMode(), QLineEdit::Password);
    edit->setPassword(false);
    EXPECT_EQ(line->echoMode(), QLineEdit::Normal);
    edit->setPasswordChar(QStringLiteral("*"));
    EXPECT_EQ(line->echoMode(), QLineEdit::Password) << "the edit's own PasswordChar still hides";
    EXPECT_EQ(edit->text(), QStringLiteral("PasswordEdit1"));
}

TEST_F(ClassBehaviour, DesignStateTakesNoInputShowsHiddenAndPaintsDisabled)
{
    TVisualControl *button = visual("TButton");
    button->setDesignVisible(false);
    button->setDesignEnabled(false);
    auto *inner = button->findChild<QWidget *>();
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(inner->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(inner->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_FALSE(button->isHidden());
    EXPECT_FALSE(inner->isEnabled());

    root.setDesigning(false);
    EXPECT_TRUE(button->isHidden());
    EXPECT_FALSE(inner->testAttribute(Qt::WA_TransparentForMouseEvents));
    button->setDesignVisible(true);
    button->setDesignEnabled(true);
    EXPECT_FALSE(button->isHidden());
    EXPECT_TRUE(inner->isEnabled());
    EXPECT_EQ(inner->focusPolicy(), Qt::StrongFocus);
}

} // namespace

namespace {

struct AcceleratorCase
{
    const char *what;
    const char *caption;
    QChar typed;
    std::function<void(TLabel &, TEdit &)> set;
    bool handled;
    bool focused;
};

TEST_F(ClassBehaviour, StaticTextAcceleratorFocusesItsFocusControl)
{
    const AcceleratorCase cases[] = {
        {"matching", "&Name:", u'n', [](TLabel &, TEdit &) {}, true, true},
        {"any case", "&Name:", u'N', [](TLabel &, TEdit &) {}, true, true},
        {"another key", "&Name:", u'a', [](TLabel &, TEdit &) {}, false, false},
        {"a literal ampersand", "Fish &&Chips", u'c', [](TLabel &, TEdit &) {}, false, false},
        {"no accelerator shown", "&Name:", u'n', [](TLabel &text, TEdit &) { text.setShowAccelChar(false); }, false,
         false},
        {"disabled", "&Name:", u'n', [](TLabel &text, TEdit &) { text.setDesignEnabled(false); }, false, false},
        {"no focus control", "&Name:", u'n', [](TLabel &text, TEdit &) { text.setFocusControl(nullptr); }, false,
         false},
        {"a target that cannot take the focus", "&Name:", u'n',
         [](TLabel &, TEdit &edit) { edit.setDesignEnabled(false); }, true, false},
        {"while designed", "&Name:", u'n', [](TLabel &text, TEdit &) { text.setDesigning(true); }, false, false},
    };
    root.show();
    root.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&root));
    for (const AcceleratorCase &accelerator : cases) {
        root.destroyComponents();
        root.setDesigning(false);
        auto *edit = static_cast<TEdit *>(insert(QStringLiteral("TEdit"), 100, 8));
        auto *text = static_cast<TLabel *>(insert(QStringLiteral("TNewStaticText")));
        text->setCaption(QString::fromLatin1(accelerator.caption));
        text->setFocusControl(edit);
        accelerator.set(*text, *edit);
        EXPECT_EQ(text->dialogChar(accelerator.typed), accelerator.handled) << accelerator.what;
        EXPECT_EQ(edit->focusProxy()->hasFocus(), accelerator.focused) << accelerator.what;
    }
}

TEST_F(ClassBehaviour, AltAndTheAcceleratorReachTheStaticText)
{
    root.setDesigning(false);
    auto *edit = static_cast<TEdit *>(insert(QStringLiteral("TEdit"), 100, 8));
    auto *other = static_cast<TEdit *>(insert(QStringLiteral("TEdit"), 100, 40));
    auto *text = static_cast<TLabel *>(insert(QStringLiteral("TNewStaticText")));
    text->setCaption(QStringLiteral("&Name:"));
    text->setFocusControl(edit);
    root.show();
    root.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&root));
    other->setFocus();
    QTest::keyClick(&root, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(edit->focusProxy()->hasFocus());
}

} // namespace

namespace {

// Pixels darker than the list's background in the corner a name is drawn in.
int DarkPixelsInTheCorner(QWidget *control)
{
    const QImage picture = control->grab().toImage();
    int dark = 0;
    for (int y = 5; y < 15; ++y) {
        for (int x = 5; x < 50; ++x)
            dark += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
    }
    return dark;
}

TEST_F(ClassBehaviour, AnEmptyListShowsItsNameWhileDesigned)
{
    for (const char *className : {"TListBox", "TFolderTreeView", "TStartMenuFolderTreeView", "TNewCheckListBox"}) {
        SCOPED_TRACE(className);
        TVisualControl *list = visual(className);
        list->setWidth(121);
        list->setHeight(97);
        EXPECT_GT(DarkPixelsInTheCorner(list), 0) << "no name shows";
        const QImage before = list->grab().toImage();
        ASSERT_TRUE(list->rename(QStringLiteral("Renamed") + list->name()).accepted);
        EXPECT_NE(list->grab().toImage(), before) << "the new name is not drawn";
    }
    TVisualControl *listBox = visual("TListBox");
    root.setDesigning(false);
    EXPECT_EQ(DarkPixelsInTheCorner(listBox), 0) << "a running list shows no name";
}

} // namespace
