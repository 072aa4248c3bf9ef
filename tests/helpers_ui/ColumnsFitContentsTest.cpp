#include "helpers/ui/ColumnsFitContents.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace talmo;

namespace {

const QString longPath = QStringLiteral("{app}\\Resources\\Localisation\\Deutsch\\Hilfe\\Kapitel-Einleitung.html");

struct FilledList
{
    FilledList()
    {
        list.setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Destination"), QStringLiteral("Size")});
        list.resize(400, 300);
        list.setColumnWidth(0, 60);
        list.setColumnWidth(1, 60);
        fit = ColumnsFitContents::attach(&list);
        list.show();
    }

    void refill(const QStringList &texts)
    {
        list.clear();
        new QTreeWidgetItem(&list, texts);
        QCoreApplication::processEvents();
    }

    int textWidth(int column) const
    {
        return list.fontMetrics().horizontalAdvance(list.topLevelItem(0)->text(column));
    }

    QTreeWidget list;
    ColumnsFitContents *fit = nullptr;
};

} // namespace

TEST(ColumnsFitContents, ARefillWidensEveryColumnButTheLastToItsLongestText)
{
    FilledList filled;
    filled.refill({QStringLiteral("Kapitel-Einleitung.html"), longPath, QStringLiteral("12 KB")});
    EXPECT_GE(filled.list.columnWidth(0), filled.textWidth(0));
    EXPECT_GE(filled.list.columnWidth(1), filled.textWidth(1));
    EXPECT_TRUE(filled.list.header()->stretchLastSection());

    filled.refill({QStringLiteral("a"), QStringLiteral("{app}"), QStringLiteral("1 KB")});
    EXPECT_LT(filled.list.columnWidth(1), filled.list.fontMetrics().horizontalAdvance(longPath))
        << "a shorter refill gives the room back";
    EXPECT_FALSE(filled.fit->isSizedByUser(0));
    EXPECT_FALSE(filled.fit->isSizedByUser(1));
}

TEST(ColumnsFitContents, AColumnTheUserSizedKeepsItsWidthAcrossRefills)
{
    FilledList filled;
    filled.refill({QStringLiteral("a"), QStringLiteral("{app}"), QStringLiteral("1 KB")});
    // What a drag on the header's divider does.
    filled.list.header()->resizeSection(1, 123);
    filled.refill({QStringLiteral("Kapitel-Einleitung.html"), longPath, QStringLiteral("12 KB")});
    EXPECT_EQ(filled.list.columnWidth(1), 123);
    EXPECT_TRUE(filled.fit->isSizedByUser(1));
    EXPECT_GE(filled.list.columnWidth(0), filled.textWidth(0)) << "the other columns still fit";
}

TEST(ColumnsFitContents, WidthsBroughtBackFromTheSettingsCountAsTheUsers)
{
    FilledList filled;
    filled.list.setColumnWidth(0, 211); // as a restore of saved columns does
    filled.refill({QStringLiteral("Kapitel-Einleitung.html"), longPath, QStringLiteral("12 KB")});
    EXPECT_EQ(filled.list.columnWidth(0), 211);
}

TEST(ColumnsFitContents, HidingAColumnOrStretchingTheLastIsNotTheUsersSizing)
{
    FilledList filled;
    filled.list.setColumnHidden(0, true);
    filled.list.resize(700, 300);
    filled.list.setColumnHidden(0, false);
    filled.refill({QStringLiteral("Kapitel-Einleitung.html"), longPath, QStringLiteral("12 KB")});
    EXPECT_FALSE(filled.fit->isSizedByUser(0));
    EXPECT_FALSE(filled.fit->isSizedByUser(2));
    EXPECT_GE(filled.list.columnWidth(0), filled.textWidth(0));
}

TEST(ColumnsFitContents, ADragOnTheHeadersDividerMarksTheColumnAsTheUsers)
{
    FilledList filled;
    filled.refill({QStringLiteral("a"), QStringLiteral("{app}"), QStringLiteral("1 KB")});
    QHeaderView *header = filled.list.header();
    const int fitted = header->sectionSize(0);
    const int divider = header->sectionViewportPosition(0) + fitted - 1;
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(divider, y));
    QTest::mouseMove(header->viewport(), QPoint(divider + 70, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(divider + 70, y));
    const int dragged = header->sectionSize(0);
    EXPECT_GT(dragged, fitted + 50);
    ASSERT_TRUE(filled.fit->isSizedByUser(0));
    filled.refill({QStringLiteral("Kapitel-Einleitung-mit-einem-sehr-langen-Namen.html"), longPath, QString()});
    EXPECT_EQ(header->sectionSize(0), dragged);
}
