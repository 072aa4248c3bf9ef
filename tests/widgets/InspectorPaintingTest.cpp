#include "tests/support/QtPrinters.h"

#include "widgets/NextInspector.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxColorItem.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxDateTimeItems.h"
#include "widgets/NxNumberItem.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace talmo;

namespace {

struct PaintedInspector
{
    PaintedInspector()
    {
        inspector.resize(300, 260);
        TNxPropertyItems *items = inspector.items();
        auto *root = items->addChild<TNxPropertyItem>(nullptr, QStringLiteral("Category"));
        color = items->addChild<TNxColorItem>(root, QStringLiteral("Color"));
        color->setShowPreview(true);
        items->addChild<TNxTextItem>(root, QStringLiteral("Text"))->setValue(QStringLiteral("text"));
        auto *password = items->addChild<TNxTextItem>(root, QStringLiteral("Password"));
        password->setPasswordChar(u'*');
        password->setValue(QStringLiteral("secret"));
        auto *bold = items->addChild<TNxTextItem>(root, QStringLiteral("Bold"));
        bold->setOptions(itoBoldNonDefault);
        bold->setDefaultValue(QStringLiteral("Same"));
        bold->setValue(QStringLiteral("same"));
        items->addChild<TNxTextItem>(root, QStringLiteral("Empty"))->setEmptyValue(QStringLiteral("(none)"));
        items->addChild<TNxSpinItem>(root, QStringLiteral("Spin"))->setAsFloat(1.5);
        auto *combo = items->addChild<TNxComboBoxItem>(root, QStringLiteral("Combo"));
        combo->setLines({QStringLiteral("a"), QStringLiteral("b")});
        combo->setItemIndex(1);
        items->addChild<TNxFontNameItem>(root, QStringLiteral("Font"))->setShowPreview(true);
        items->addChild<TNxDateItem>(root, QStringLiteral("Date"))->setAsInteger(45000);
        items->addChild<TNxTimeItem>(root, QStringLiteral("Time"));
        items->addChild<TNxButtonItem>(root, QStringLiteral("Button"));
        auto *checked = items->addChild<TNxCheckBoxItem>(root, QStringLiteral("Check"));
        checked->setAsBoolean(true);
        checked->setShowText(true);
        auto *button = items->addChild<TNxCheckBoxItem>(root, QStringLiteral("Check button"));
        button->setStyle(TNxCheckBoxItem::bsButton);
        auto *bar = items->addChild<TNxToolbarItem>(root, QStringLiteral("Toolbar"));
        bar->setDrawBackground(true);
        bar->setAlignment(TNxToolbarItem::baRightJustify);
        for (int i = 0; i < 3; ++i)
            bar->buttons().add()->setText(QString::number(i));
        bar->buttons().item(1)->setDivider(true);
        bar->setButtonChecked(0, true);
        auto *suffixed = items->addChild<TNxTextItem>(root, QStringLiteral("Suffixed"));
        suffixed->setShowSuffix(true);
        suffixed->setSuffixValue(QStringLiteral("px"));
        items->addChild<TNxTextItem>(suffixed, QStringLiteral("Nested"))->setEnabled(false);
        items->addChild<TNxTextItem>(nullptr, QStringLiteral("Second"));
    }

    QImage paint() { return inspector.viewport()->grab().toImage(); }
    QPoint previewCorner() const
    {
        return QPoint(inspector.splitterPosition() + 1 + 2, inspector.rowTop(color) + 2);
    }

    TNextInspector inspector;
    TNxColorItem *color = nullptr;
};

} // namespace

TEST(InspectorPainting, EveryKindPaintsInEveryStyle)
{
    PaintedInspector painted;
    for (TPropertiesStyle style : {psDefault, psOffice2003, psOffice2007, psWhidbey}) {
        painted.inspector.setStyle(style);
        painted.inspector.selectItem(painted.inspector.items()->item(style + 1));
        const QImage image = painted.paint();
        ASSERT_FALSE(image.isNull());
        // The margin is in the margin colour.
        EXPECT_EQ(QColor(image.pixel(3, 40)), SystemColors::toQColor(painted.inspector.effectiveMarginColor()))
            << style;
    }
}

TEST(InspectorPainting, ColourPreviewShowsTheColourOrARedCrossForNone)
{
    PaintedInspector painted;
    painted.color->setValue(QStringLiteral("clLime"));
    QImage image = painted.paint();
    EXPECT_EQ(QColor(image.pixel(painted.previewCorner())), QColor(0, 255, 0));

    painted.color->setValue(QString());
    image = painted.paint();
    EXPECT_EQ(QColor(image.pixel(painted.previewCorner())), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(painted.previewCorner() + QPoint(3, 0))), QColor(255, 255, 255));
}

TEST(InspectorPainting, GridLinesFollowTheRowStep)
{
    PaintedInspector painted;
    painted.inspector.setAppearanceOptions({});
    painted.inspector.setGridColor(clRed);
    QImage image = painted.paint();
    EXPECT_EQ(QColor(image.pixel(200, 16)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(200, 33)), QColor(255, 0, 0));
    painted.inspector.setOptions(painted.inspector.options() & ~TNextInspector::poGrid);
    image = painted.paint();
    EXPECT_NE(QColor(image.pixel(200, 16)), QColor(255, 0, 0));
}
