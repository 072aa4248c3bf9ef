#include "tests/support/QtPrinters.h"
#include "tests/widgets/InspectorRowsFixture.h"

#include "widgets/NextInspector.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxEdit.h"
#include "widgets/NxTextItem.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProxyStyle>
#include <QTest>
#include <QToolTip>

using namespace talmo;

namespace {

// Hints show without the usual pause, so a test need not wait for them.
class NoHintDelayStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returned) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// The three-row inspector; every event the windows listen to is written
// down as text in the order fired.
class InspectorEventsFixture : public InspectorRowsFixture
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(InspectorRowsFixture::SetUp());
        QObject::connect(inspector, &TNextInspector::itemSelected,
                         [this](TNxPropertyItem *item) { events << QStringLiteral("select ") + item->caption(); });
        QObject::connect(inspector, &TNextInspector::expand,
                         [this](TNxPropertyItem *item) { events << QStringLiteral("expand ") + item->caption(); });
        QObject::connect(inspector, &TNextInspector::change, [this](TNxPropertyItem *item, const QString &value) {
            events << QStringLiteral("change ") + item->caption() + QStringLiteral("=") + value;
        });
        QObject::connect(inspector, &TNextInspector::toolbarClick, [this](TNxPropertyItem *item, int index) {
            events << QStringLiteral("toolbar ") + item->caption() + QStringLiteral(" ") + QString::number(index);
        });
        QObject::connect(inspector, &TNextInspector::dblClick, [this] {
            events << QStringLiteral("dblclick ") + (general->expanded() ? QStringLiteral("open") : QStringLiteral("shut"));
        });
    }

    void TearDown() override { QToolTip::hideText(); }

    // A point in the row's caption cell.
    QPoint captionPoint(const TNxPropertyItem *row) const { return QPoint(40, inspector->rowTop(row) + 8); }

    void moveOnto(const TNxPropertyItem *row) { QTest::mouseMove(inspector->viewport(), captionPoint(row)); }

    // Qt lets a hidden tip fade out briefly before it is gone.
    static bool tipGoesAway() { return QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000); }
    static bool tipShows() { return QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000); }

    QStringList events;
};

} // namespace

TEST_F(InspectorEventsFixture, SelectingFiresOnlyWhenTheSelectionChanges)
{
    inspector->selectItem(title);
    inspector->selectItem(title);
    QTest::mouseClick(inspector->viewport(), Qt::LeftButton, {}, captionPoint(title));
    EXPECT_EQ(events, QStringList({"select Title"}));
    EXPECT_EQ(inspector->editingItem(), title);
}

TEST_F(InspectorEventsFixture, TheMouseSkipsDisabledRowsButTheKeysDoNot)
{
    inspector->selectItem(name);
    title->setEnabled(false);
    events.clear();
    QTest::mouseClick(inspector->viewport(), Qt::LeftButton, {}, captionPoint(title));
    EXPECT_EQ(inspector->selected(), name);
    EXPECT_TRUE(events.isEmpty());

    QTest::keyClick(inspector->editor(), Qt::Key_Down);
    EXPECT_EQ(inspector->selected(), title);
    EXPECT_EQ(inspector->editingItem(), nullptr) << "a disabled row is not edited";
    EXPECT_EQ(events, QStringList({"select Title"}));
}

TEST_F(InspectorEventsFixture, CollapsingAndExpandingHideTheEditorAndReport)
{
    inspector->selectItem(name);
    ASSERT_TRUE(inspector->editor());
    inspector->editor()->setText(QStringLiteral("typed"));
    events.clear();
    general->setExpanded(false);
    EXPECT_EQ(inspector->editor(), nullptr);
    general->setExpanded(true);
    EXPECT_EQ(events, QStringList({"expand General", "expand General"})) << "nothing typed is applied";
    EXPECT_EQ(name->getValue(), QStringLiteral("alpha"));
}

TEST_F(InspectorEventsFixture, DoubleClickReportsBeforeTheRowToggles)
{
    const QPoint beyondTheExpandZone(general->level() * TNextInspector::MarginWidth + 30, inspector->rowTop(general) + 8);
    QTest::mouseDClick(inspector->viewport(), Qt::LeftButton, {}, beyondTheExpandZone);
    EXPECT_TRUE(events.contains(QStringLiteral("dblclick open"))) << events.join(u'|').toStdString();
    EXPECT_TRUE(events.contains(QStringLiteral("expand General")));
    EXPECT_LT(events.indexOf(QStringLiteral("dblclick open")), events.indexOf(QStringLiteral("expand General")));
    EXPECT_FALSE(general->expanded());
}

TEST_F(InspectorEventsFixture, HideEditorsDropsTheTypedTextWithoutAChange)
{
    inspector->selectItem(name);
    ASSERT_TRUE(inspector->editor());
    inspector->editor()->setText(QStringLiteral("typed"));
    events.clear();
    inspector->hideEditors();
    EXPECT_EQ(inspector->editor(), nullptr);
    EXPECT_EQ(inspector->selected(), name);
    EXPECT_EQ(name->getValue(), QStringLiteral("alpha"));
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(InspectorEventsFixture, ValuesSetInCodeReportAChangeEvenWhenEqual)
{
    name->setValue(QStringLiteral("alpha"));
    title->setValue(QStringLiteral("omega"));
    EXPECT_EQ(events, QStringList({"change Name=alpha", "change Title=omega"}));
}

TEST_F(InspectorEventsFixture, CheckBoxRowsReportTheirButtonAndTheNewValue)
{
    auto *box = inspector->items()->addChild<TNxCheckBoxItem>(general, QStringLiteral("Flag"));
    box->setTextKind(TNxCheckBoxItem::tkYesNo);
    events.clear();
    box->setAsBoolean(true);
    EXPECT_TRUE(events.contains(QStringLiteral("toolbar Flag 0"))) << events.join(u'|').toStdString();
    EXPECT_TRUE(events.contains(QStringLiteral("change Flag=yes"))) << events.join(u'|').toStdString();
}

TEST_F(InspectorEventsFixture, HintsFollowTheRowsThatHaveThem)
{
    auto *noHintDelay = new NoHintDelayStyle;
    noHintDelay->setParent(&window); // freed after the inspector that uses it
    inspector->QWidget::setStyle(noHintDelay);
    name->setHint(QStringLiteral("The name of the module"));
    name->setShowHint(true);
    title->setHint(QStringLiteral("The caption"));
    title->setShowHint(true);
    note->setHint(QStringLiteral("Not shown: ShowHint is off"));

    moveOnto(name);
    ASSERT_TRUE(tipShows());
    EXPECT_EQ(QToolTip::text(), name->hint());

    moveOnto(title);
    EXPECT_TRUE(QToolTip::isVisible()) << "with a hint up the next one shows at once";
    EXPECT_EQ(QToolTip::text(), title->hint());

    moveOnto(note);
    EXPECT_TRUE(tipGoesAway()) << "a row without ShowHint cancels the hint";

    moveOnto(name);
    ASSERT_TRUE(tipShows());
    QTest::mousePress(inspector->viewport(), Qt::LeftButton, {}, captionPoint(name));
    EXPECT_TRUE(tipGoesAway()) << "a press releases the hint";
    QTest::mouseRelease(inspector->viewport(), Qt::LeftButton, {}, captionPoint(name));
}

// A caption column fitted to its captions: whole where the width allows,
// elided with the caption in a tool tip where it does not, and left alone
// once the user placed the splitter.
TEST_F(InspectorEventsFixture, AFittedCaptionColumnFollowsItsCaptionsUntilTheUserPlacesIt)
{
    inspector->setFitsCaptions(true);
    EXPECT_EQ(inspector->splitterPosition(), inspector->captionsWidth());
    EXPECT_FALSE(inspector->elidesCaption(title));

    TNxTextItem *longRow = addRow("Skip If Source Doesn't Exists And Never Uninstall", "yes");
    QCoreApplication::processEvents();
    const int valuesLeast = TNextInspector::MinFittedValueWidth;
    EXPECT_EQ(inspector->splitterPosition(), inspector->viewport()->width() - valuesLeast);
    EXPECT_TRUE(inspector->elidesCaption(longRow));
    EXPECT_FALSE(inspector->elidesCaption(title));
    moveOnto(longRow);
    ASSERT_TRUE(tipShows());
    EXPECT_EQ(QToolTip::text(), longRow->caption());

    inspector->resize(1000, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(inspector->splitterPosition(), inspector->captionsWidth()) << "a wider inspector shows it whole";
    EXPECT_FALSE(inspector->elidesCaption(longRow));

    const QPoint splitter(inspector->splitterPosition(), inspector->rowTop(title) + 8);
    QTest::mousePress(inspector->viewport(), Qt::LeftButton, {}, splitter);
    QTest::mouseMove(inspector->viewport(), splitter - QPoint(150, 0));
    QTest::mouseRelease(inspector->viewport(), Qt::LeftButton, {}, splitter - QPoint(150, 0));
    const int placed = inspector->splitterPosition();
    EXPECT_FALSE(inspector->fitsCaptions());
    inspector->resize(400, 200);
    addRow("Another", "row");
    QCoreApplication::processEvents();
    EXPECT_EQ(inspector->splitterPosition(), placed);
    EXPECT_TRUE(inspector->elidesCaption(longRow)) << "a caption the user's divider cuts shows whole in its tip too";
    moveOnto(title);
    ASSERT_TRUE(tipGoesAway());
    moveOnto(longRow);
    ASSERT_TRUE(tipShows());
    EXPECT_EQ(QToolTip::text(), longRow->caption());
}

TEST_F(InspectorEventsFixture, CaptionsCutShortStayApartByTheirEnds)
{
    TNxTextItem *onInstall = addRow("Delete Key On Install", "no");
    TNxTextItem *onUninstall = addRow("Delete Key On Uninstall", "no");
    inspector->setSplitterPosition(TNextInspector::captionWidth(onInstall) - 20);
    QCoreApplication::processEvents();

    ASSERT_TRUE(inspector->elidesCaption(onInstall));
    const QString install = inspector->shownCaption(onInstall);
    const QString uninstall = inspector->shownCaption(onUninstall);
    EXPECT_NE(install, uninstall);
    EXPECT_TRUE(install.startsWith(QStringLiteral("Del")) && install.endsWith(QStringLiteral("tall"))) << install.toStdString();
    EXPECT_TRUE(install.contains(QChar(0x2026))) << install.toStdString();
    EXPECT_EQ(inspector->shownCaption(title), title->caption());
}
