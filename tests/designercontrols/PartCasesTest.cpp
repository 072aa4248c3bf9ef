#include "tests/designercontrols/PaletteTestSupport.h"
#include "tests/support/QtPrinters.h"

#include "designer/controls/BitmapImage.h"
#include "designer/controls/NewCheckListBox.h"
#include "designer/controls/NewProgressBar.h"
#include "designer/controls/RichEditViewer.h"
#include "platform/ShellServices.h"
#include "widgets/Colors.h"

#include <QPainter>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QWheelEvent>

#include <climits>

using namespace talmo;
using namespace talmo::testing;

namespace {

class PartCases : public PalettePage
{
protected:
    template <typename Control>
    Control *create(const char *className)
    {
        return static_cast<Control *>(insert(QString::fromLatin1(className)));
    }
};

// Red left half, green right half.
QImage twoColours(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::green);
    QPainter(&image).fillRect(0, 0, width / 2, height, Qt::red);
    return image;
}

const QRgb Untouched = qRgb(1, 2, 3);

// The control painted onto an image first filled with Untouched.
QImage painted(TBitmapImage &image, const QSize &size)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Untouched);
    QPainter painter(&canvas);
    image.paintTo(painter, size);
    return canvas;
}

TEST_F(PartCases, BitmapAutoSizeTakesThePictureAndClearingKeepsIt)
{
    auto *image = create<TBitmapImage>("TBitmapImage");
    image->setAutoSize(true);
    image->bitmap().setData(TBitmapImage::storedForm(twoColours(32, 32)));
    EXPECT_EQ(image->size(), QSize(32, 32));
    EXPECT_EQ(image->pos(), QPoint(8, 8));
    image->bitmap().setData({});
    EXPECT_EQ(image->size(), QSize(32, 32));
}

struct PaintCase
{
    const char *what;
    QSize bitmap;
    std::function<void(TBitmapImage &)> set;
    QSize client;
    QList<std::pair<QPoint, QRgb>> pixels;
};

TEST_F(PartCases, BitmapPaintingSteps)
{
    const QRgb red = qRgb(255, 0, 0);
    const QRgb green = qRgb(0, 255, 0);
    const QRgb blue = qRgb(0, 0, 255);
    const QRgb face = SystemColors::toQColor(clBtnFace).rgb();
    const PaintCase cases[] = {
        {"back colour fills what the picture leaves", {10, 10}, [](TBitmapImage &) {}, {30, 20},
         {{{2, 2}, red}, {{7, 2}, green}, {{20, 15}, face}}},
        {"clNone leaves the rest unpainted", {10, 10}, [](TBitmapImage &i) { i.setBackColor(clNone); }, {30, 20},
         {{{2, 2}, red}, {{20, 15}, Untouched}}},
        {"centred", {10, 10}, [](TBitmapImage &i) { i.setCenter(true); }, {30, 20},
         {{{10, 5}, red}, {{19, 14}, green}, {{9, 5}, face}}},
        {"centred but larger starts at the corner", {40, 40}, [](TBitmapImage &i) { i.setCenter(true); }, {30, 20},
         {{{0, 0}, red}, {{19, 0}, red}, {{20, 0}, green}}},
        {"stretched to the client", {10, 10}, [](TBitmapImage &i) { i.setStretch(true); }, {40, 20},
         {{{19, 10}, red}, {{20, 10}, green}, {{39, 19}, green}}},
        {"stretched at the client size is unchanged", {30, 20}, [](TBitmapImage &i) { i.setStretch(true); },
         {30, 20}, {{{14, 0}, red}, {{15, 0}, green}}},
        {"replaced colour", {10, 10},
         [](TBitmapImage &i) {
             i.setReplaceColor(clRed);
             i.setReplaceWithColor(clBlue);
         },
         {10, 10}, {{{2, 2}, blue}, {{7, 2}, green}}},
        {"one replace colour alone changes nothing", {10, 10}, [](TBitmapImage &i) { i.setReplaceColor(clRed); },
         {10, 10}, {{{2, 2}, red}}},
    };
    for (const PaintCase &paintCase : cases) {
        root.destroyComponents();
        auto *image = create<TBitmapImage>("TBitmapImage");
        image->setDesigning(false);
        image->bitmap().setData(TBitmapImage::storedForm(twoColours(paintCase.bitmap.width(), paintCase.bitmap.height())));
        paintCase.set(*image);
        const QImage canvas = painted(*image, paintCase.client);
        for (const auto &[point, colour] : paintCase.pixels)
            EXPECT_EQ(QColor(canvas.pixel(point)), QColor(colour)) << paintCase.what << " at " << point.x() << ","
                                                                   << point.y();
    }
}

TEST_F(PartCases, BitmapShowsADashedFrameOnlyWhileDesigned)
{
    auto *image = create<TBitmapImage>("TBitmapImage");
    image->setBackColor(clNone);
    const auto frameDots = [&] {
        const QImage canvas = painted(*image, {40, 40});
        int dots = 0;
        for (int x = 0; x < 40; ++x)
            dots += canvas.pixel(x, 0) != Untouched;
        return dots;
    };
    const int designed = frameDots();
    EXPECT_GT(designed, 5);
    EXPECT_LT(designed, 40) << "dashed, not solid";
    image->setDesigning(false);
    EXPECT_EQ(frameDots(), 0);
}

TEST_F(PartCases, BitmapBadInputIsKeptAndPaintsNoPicture)
{
    auto *image = create<TBitmapImage>("TBitmapImage");
    image->setDesigning(false);
    const QByteArray garbage = QByteArrayLiteral("\x05\x00\x00\x00" "BMxyz");
    image->bitmap().setData(garbage);
    EXPECT_TRUE(image->picture().isNull());
    EXPECT_EQ(image->bitmap().data(), garbage);
    EXPECT_EQ(QColor(painted(*image, {10, 10}).pixel(5, 5)), SystemColors::toQColor(clBtnFace));

    image->setWidth(-20);
    EXPECT_EQ(image->width(), -20);
    image->bitmap().setData(TBitmapImage::storedForm(twoColours(10, 10)));
    image->setStretch(true);
    QImage canvas(10, 10, QImage::Format_RGB32);
    canvas.fill(Untouched);
    QPainter painter(&canvas);
    image->paintTo(painter, {-20, 10});
    EXPECT_EQ(canvas.pixel(0, 0), Untouched);
    image->paintTo(painter, {1000000, 1000000});
    painter.end();
    EXPECT_EQ(QColor(canvas.pixel(9, 9)), QColor(Qt::red)) << "the huge stretch paints only what shows";
}

struct ProgressCase
{
    int min;
    int max;
    int position;
    int stored;
    int native;
};

const ProgressCase ProgressCases[] = {
    {0, 200, 50, 50, 16384},
    {0, 200, 300, 200, 65535},
    {0, 200, -5, 0, 0},
    {0, 3, 1, 1, 21845},
    {-100, 100, 0, 0, 32768},
    {10, 10, 10, 10, 0},
    {50, 10, 30, 50, 0},
    {INT_MIN, INT_MAX, 0, 0, 32768},
};

TEST_F(PartCases, ProgressPositionIsClampedAndMappedOntoTheNativeRange)
{
    for (const ProgressCase &progress : ProgressCases) {
        root.destroyComponents();
        auto *bar = create<TNewProgressBar>("TNewProgressBar");
        bar->setMin(progress.min);
        bar->setMax(progress.max);
        bar->setPosition(progress.position);
        EXPECT_EQ(bar->position(), progress.stored) << progress.min << ".." << progress.max << " at " << progress.position;
        EXPECT_EQ(bar->findChild<QProgressBar *>()->value(), progress.native) << progress.min << ".." << progress.max;
    }
}

TEST_F(PartCases, ProgressMaxTypedDownToMinDividesByNothing)
{
    auto *bar = create<TNewProgressBar>("TNewProgressBar");
    bar->setPosition(40);
    for (const int max : {0, -1}) {
        bar->setMax(max);
        EXPECT_EQ(bar->nativePosition(), 0) << max;
    }
    bar->setMax(100);
    bar->setPosition(40);
    EXPECT_EQ(bar->nativePosition(), 26214);
}

// Clicks the middle of the first occurrence of text in the viewer.
void clickText(QTextBrowser &browser, const QString &text)
{
    QTextCursor cursor = browser.document()->find(text);
    ASSERT_FALSE(cursor.isNull()) << text.toStdString();
    cursor.setPosition(cursor.selectionStart() + text.size() / 2);
    const QPoint point = browser.cursorRect(cursor).center();
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, point);
}

TEST_F(PartCases, RichViewerOpensExactlyTheClickedLinkOnlyWithUseRichEdit)
{
    FakeShellServices shell;
    ScopedCurrentShellServices scope(shell);
    auto *viewer = create<TRichEditViewer>("TRichEditViewer");
    viewer->setBounds(0, 0, 400, 200);
    viewer->lines().setStrings({QStringLiteral("Read https://example.org/notes.html, then go on.")});
    root.setDesigning(false);
    root.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&root));
    auto *browser = viewer->findChild<QTextBrowser *>();

    clickText(*browser, QStringLiteral("example.org"));
    ASSERT_EQ(shell.requests().size(), 1);
    EXPECT_EQ(shell.requests().constFirst().target, QStringLiteral("https://example.org/notes.html"));

    clickText(*browser, QStringLiteral("then"));
    EXPECT_EQ(shell.requests().size(), 1) << "plain text opens nothing";

    viewer->setUseRichEdit(false);
    clickText(*browser, QStringLiteral("example.org"));
    EXPECT_EQ(shell.requests().size(), 1);
    EXPECT_FALSE(browser->toHtml().contains(QStringLiteral("href")));
}

TEST_F(PartCases, RichViewerBackgroundFollowsColor)
{
    auto *viewer = create<TRichEditViewer>("TRichEditViewer");
    viewer->setColor(clYellow);
    EXPECT_EQ(viewer->findChild<QTextBrowser *>()->palette().color(QPalette::Base), QColor(Qt::yellow));
}

} // namespace

namespace {

// A running list (not designed) on a shown page: Parent with two children,
// then a radio group of two, then a disabled check box.
class CheckListBoxCases : public PartCases
{
protected:
    TNewCheckListBox *running(bool wantTabs)
    {
        auto *list = create<TNewCheckListBox>("TNewCheckListBox");
        list->setBounds(8, 8, 200, 160);
        list->setWantTabs(wantTabs);
        list->AddCheckBox(QStringLiteral("Parent"), QString(), 0, false, true, false, false);
        list->AddCheckBox(QStringLiteral("Child &one"), QStringLiteral("1 MB"), 1, false, true, false, true);
        list->AddCheckBox(QStringLiteral("Child two"), QString(), 1, false, true, false, true);
        list->AddRadioButton(QStringLiteral("Radio A"), QString(), 0, false, true);
        list->AddRadioButton(QStringLiteral("Radio B"), QString(), 0, false, true);
        list->AddCheckBox(QStringLiteral("Disabled"), QString(), 0, false, false, false, false);
        root.setDesigning(false);
        root.show();
        root.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&root));
        list->setFocus();
        return list;
    }

    static QString states(const TNewCheckListBox &list)
    {
        QString letters;
        for (int index = 0; index < list.items().count(); ++index)
            letters += QStringLiteral("ucg").at(list.items().at(index).state);
        return letters;
    }

    static QPoint centreOf(const TNewCheckListBox &list, int index) { return list.itemRect(index).center(); }
};

TEST_F(CheckListBoxCases, OnTheSurfaceTheListIsEmptyAndTakesNoClick)
{
    auto *list = create<TNewCheckListBox>("TNewCheckListBox");
    EXPECT_EQ(list->items().count(), 0);
    list->AddCheckBox(QStringLiteral("Item"), QString(), 0, false, true, false, false);
    QSignalSpy clicks(list, &TNewCheckListBox::clickCheck);
    QTest::mouseClick(list, Qt::LeftButton, {}, centreOf(*list, 0));
    EXPECT_EQ(clicks.size(), 0);
    EXPECT_EQ(list->items().at(0).state, TCheckListItems::Unchecked);
}

struct HeightCase
{
    const char *caption;
    int minItemHeight;
    int height;
};

TEST_F(CheckListBoxCases, ItemHeightIsTheWrappedTextPlusFourAtLeastTheMinimumAndEven)
{
    const HeightCase cases[] = {
        {"one line", 16, 18}, {"one line", 25, 26}, {"one line", 0, 18}, {"", 16, 18},
        {"a caption that wraps", 16, 30}, {"a caption that wraps twice over, so three lines", 16, 44}};
    for (const HeightCase &height : cases) {
        root.destroyComponents();
        auto *list = create<TNewCheckListBox>("TNewCheckListBox");
        list->setMinItemHeight(height.minItemHeight);
        list->AddCheckBox(QString::fromLatin1(height.caption), QString(), 0, false, true, false, false);
        EXPECT_EQ(list->itemRect(0).height(), height.height) << height.caption << " " << height.minItemHeight;
    }
}

TEST_F(CheckListBoxCases, AClickOrSpaceTogglesAtOnce)
{
    TNewCheckListBox *list = running(false);
    QSignalSpy clicks(list, &TNewCheckListBox::clickCheck);
    QTest::mouseClick(list, Qt::LeftButton, {}, centreOf(*list, 0));
    EXPECT_EQ(states(*list), QStringLiteral("cccuuu"));
    EXPECT_EQ(list->itemIndex(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(states(*list), QStringLiteral("gucuuu"));
    QTest::mouseClick(list, Qt::LeftButton, {}, centreOf(*list, 4));
    QTest::mouseClick(list, Qt::LeftButton, {}, centreOf(*list, 4));
    EXPECT_EQ(states(*list), QStringLiteral("gucucu")) << "a radio stays checked";
    QTest::mouseClick(list, Qt::LeftButton, {}, centreOf(*list, 5));
    EXPECT_EQ(states(*list), QStringLiteral("gucucu")) << "a disabled item takes no click";
    EXPECT_EQ(clicks.size(), 4);
}

TEST_F(CheckListBoxCases, WithWantTabsItemsActLikeButtons)
{
    TNewCheckListBox *list = running(true);
    QTest::mousePress(list, Qt::LeftButton, {}, centreOf(*list, 0));
    QTest::mouseRelease(list, Qt::LeftButton, {}, centreOf(*list, 1));
    EXPECT_EQ(states(*list), QStringLiteral("uuuuuu")) << "released outside the pressed item";
    QTest::mousePress(list, Qt::LeftButton, {}, centreOf(*list, 2));
    EXPECT_EQ(states(*list), QStringLiteral("uuuuuu")) << "the press only captures";
    QTest::mouseRelease(list, Qt::LeftButton, {}, centreOf(*list, 2));
    EXPECT_EQ(states(*list), QStringLiteral("gucuuu"));

    list->setItemIndex(0);
    QTest::keyPress(list, Qt::Key_Space);
    EXPECT_EQ(states(*list), QStringLiteral("gucuuu"));
    QTest::keyRelease(list, Qt::Key_Space);
    EXPECT_EQ(states(*list), QStringLiteral("cccuuu"));

    QTest::keyPress(list, Qt::Key_Space);
    QTest::keyClick(list, Qt::Key_Escape);
    QTest::keyRelease(list, Qt::Key_Space);
    EXPECT_EQ(states(*list), QStringLiteral("cccuuu")) << "another key cancels a key capture";
}

TEST_F(CheckListBoxCases, TabStopsOncePerRadioGroupAndArrowsCheckRadios)
{
    insert(QStringLiteral("TEdit"), 250, 8);
    TNewCheckListBox *list = running(true);
    list->CheckItem(4, coCheck);
    list->setItemIndex(0);
    QStringList visited;
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(list, Qt::Key_Tab);
        visited.append(QString::number(list->itemIndex()));
    }
    EXPECT_EQ(visited, QStringList({"1", "2", "4"}));
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->itemIndex(), 3);
    EXPECT_EQ(states(*list).mid(3, 2), QStringLiteral("cu")) << "the arrow checked the radio it landed on";
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_FALSE(list->hasFocus()) << "Tab past the last stop leaves the list";
}

TEST_F(CheckListBoxCases, HugeOffsetAndMinItemHeightStayWithinTheSurface)
{
    TNewCheckListBox *list = running(false);
    list->setOffset(1000000000);
    list->setMinItemHeight(1000000000);
    EXPECT_LE(list->itemRect(0).height(), 1 << 15);
    EXPECT_FALSE(list->grab().isNull());
}

} // namespace

namespace {

TEST_F(CheckListBoxCases, AnItemsAcceleratorSelectsAndTogglesItWithWantTabs)
{
    auto *edit = insert(QStringLiteral("TEdit"), 250, 8);
    TNewCheckListBox *list = running(true);
    edit->setFocus();
    QSignalSpy clicks(list, &TNewCheckListBox::clickCheck);
    QTest::keyClick(&root, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(list->itemIndex(), 1);
    EXPECT_EQ(states(*list), QStringLiteral("gcuuuu"));
    EXPECT_EQ(clicks.size(), 1);

    EXPECT_FALSE(list->dialogChar(u'x'));
    list->setWantTabs(false);
    EXPECT_FALSE(list->dialogChar(u'o')) << "without WantTabs items have no accelerators";
    EXPECT_EQ(states(*list), QStringLiteral("gcuuuu"));
}

} // namespace

namespace {

TEST_F(CheckListBoxCases, TheSelectionScrollsIntoViewAndWheelScrolls)
{
    TNewCheckListBox *list = running(false);
    for (int extra = 0; extra < 20; ++extra)
        list->AddCheckBox(QStringLiteral("Extra %1").arg(extra), QString(), 0, false, true, false, false);
    list->setItemIndex(25);
    EXPECT_GT(list->topIndex(), 0);
    const QRect shown = list->itemRect(25);
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_LE(shown.bottom(), list->height() - 1);
    EXPECT_EQ(list->itemAt(shown.center()), 25);

    list->setItemIndex(0);
    EXPECT_EQ(list->topIndex(), 0);
    QWheelEvent down(QPointF(10, 10), list->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -240), Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list, &down);
    EXPECT_EQ(list->topIndex(), 2);
    EXPECT_TRUE(list->itemRect(1).isEmpty());
}

TEST_F(CheckListBoxCases, AnArrowPastTheEndGoesToTheParentsNextControl)
{
    TNewCheckListBox *list = running(true);
    list->setItemIndex(4);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->itemIndex(), 0) << "alone on its page, the arrow wraps";

    auto *edit = insert(QStringLiteral("TEdit"), 250, 8);
    list->setFocus();
    list->setItemIndex(4);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(edit->focusProxy()->hasFocus());
}

} // namespace
