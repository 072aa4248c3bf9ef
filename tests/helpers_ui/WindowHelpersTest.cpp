#include "helpers/ui/FakeUiServices.h"
#include "helpers/ui/FileDialogFilter.h"
#include "helpers/ui/FontsAndThemes.h"
#include "helpers/ui/HexText.h"
#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/ShellHelpers.h"
#include "helpers/ui/SystemImageList.h"
#include "helpers/ui/TreeExpansion.h"
#include "platform/ShellServices.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace talmo;

TEST(BytesToHex, WritesTwoUpperCaseDigitsPerByte)
{
    struct Case { QByteArray bytes; bool swap; QString text; };
    const Case cases[] = {
        { QByteArray("\x0a", 1), false, QStringLiteral("0A") },
        { QByteArray("\x0a", 1), true, QStringLiteral("A0") },
        { QByteArray("\x00\xff\x7e\xc3", 4), false, QStringLiteral("00FF7EC3") },
        { QByteArray("\x00\xff\x7e\xc3", 4), true, QStringLiteral("00FFE73C") },
        { QByteArray(), false, QString() },
    };
    for (const Case &c : cases)
        EXPECT_EQ(BytesToHex(c.bytes, c.swap), c.text) << c.text.toStdString();
}

TEST(FileDialogFilter, TurnsPipeFiltersIntoQtNameFilters)
{
    struct Case { QString pipe; QStringList qt; };
    const Case cases[] = {
        { QStringLiteral("Registry Files (*.reg;*.rgu)|*.reg;*.rgu|All Files (*.*)|*.*"),
          { QStringLiteral("Registry Files (*.reg *.rgu)"), QStringLiteral("All Files (*)") } },
        { QStringLiteral("Icons|*.ico"), { QStringLiteral("Icons (*.ico)") } },
        { QString(), {} },
        { QStringLiteral("Dangling description"), {} },
    };
    for (const Case &c : cases)
        EXPECT_EQ(qtNameFilters(c.pipe), c.qt) << c.pipe.toStdString();
}

TEST(ListViewSortArrow, FollowsTheLastSortedColumnAndDirection)
{
    QTreeWidget list;
    list.setColumnCount(3);
    QHeaderView *header = list.header();
    SetListViewSortArrow(header, 1, false);
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    SetListViewSortArrow(header, 1, true);
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    SetListViewSortArrow(header, 2, false);
    EXPECT_EQ(header->sortIndicatorSection(), 2);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
}

TEST(ListViewCaptions, ColumnsNarrowerThanTheirCaptionGrowAndStretchingOnesKeepTheWidest)
{
    QTreeWidget list;
    list.setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Unsupported Platforms"), QStringLiteral("Size"),
                          QStringLiteral("Last Readme File")});
    QHeaderView *header = list.header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::Stretch);
    header->resizeSection(1, 40);
    header->resizeSection(2, 300);
    KeepColumnCaptionsWhole(header);
    EXPECT_EQ(header->sectionSize(1), ColumnCaptionWidth(header, 1));
    EXPECT_EQ(header->sectionSize(2), 300);
    EXPECT_EQ(header->minimumSectionSize(), ColumnCaptionWidth(header, 3));
    EXPECT_GT(ColumnCaptionWidth(header, 3),
              QFontMetricsF(header->font()).horizontalAdvance(QStringLiteral("Last Readme File")));
}

TEST(ListViewCaptions, EveryRowTextIsAlsoItsToolTip)
{
    QTreeWidget list;
    list.setColumnCount(2);
    auto *row = new QTreeWidgetItem(&list);
    SetRowTexts(row, {QStringLiteral("Readme"), QStringLiteral("docs\\Lisez-moi.txt")});
    EXPECT_EQ(row->text(1), QStringLiteral("docs\\Lisez-moi.txt"));
    EXPECT_EQ(row->toolTip(1), row->text(1));
    EXPECT_EQ(row->toolTip(0), QStringLiteral("Readme"));
}

TEST(FontsAndThemes, WindowsUseTheApplicationFont)
{
    EXPECT_FALSE(IsVistaOrLater());
    EXPECT_FALSE(IsDwmCompositionEnabled());
    QFont font(QStringLiteral("Courier"), 31);
    ApplyIconTitleFont(font);
    EXPECT_EQ(font, QApplication::font());

    QWidget form;
    form.setFont(QFont(QStringLiteral("Courier"), 13));
    ApplyVistaFormFont(&form);
    EXPECT_EQ(form.font().pointSize(), 13);
}

TEST(ShellHelpers, ShellOpenGoesThroughTheShellServices)
{
    FakeShellServices shell;
    ScopedCurrentShellServices scope(shell);
    EXPECT_TRUE(ShellOpen(QStringLiteral("https://example.org/help")));
    shell.setResult(false);
    EXPECT_FALSE(ShellOpen(QStringLiteral("/tmp/setup.exe")));
    ASSERT_EQ(shell.requests().size(), 2);
    EXPECT_EQ(shell.requests().at(0).target, QStringLiteral("https://example.org/help"));
    EXPECT_FALSE(shell.requests().at(1).isProgram);
}

TEST(ShellHelpers, FolderPickerChangesThePathOnlyWhenConfirmed)
{
    FakeUiServices ui;
    ScopedCurrentUiServices scope(ui);
    ui.queueFolder(std::nullopt);
    ui.queueFolder(QStringLiteral("/home/user/out"));

    QString path = QStringLiteral("/previous");
    EXPECT_FALSE(BrowseForFolder(path, QStringLiteral("Output folder"), QStringLiteral("/start")));
    EXPECT_EQ(path, QStringLiteral("/previous"));
    EXPECT_TRUE(BrowseForFolder(path, QStringLiteral("Output folder")));
    EXPECT_EQ(path, QStringLiteral("/home/user/out"));

    ASSERT_EQ(ui.calls().size(), 2);
    EXPECT_EQ(ui.calls().at(0).request.folder, QStringLiteral("/start"));
    EXPECT_EQ(ui.calls().at(1).title, QStringLiteral("Output folder"));
}

TEST(ShellHelpers, WithoutInstalledServicesNothingHappens)
{
    QString path = QStringLiteral("/previous");
    EXPECT_FALSE(BrowseForFolder(path, QStringLiteral("Pick")));
    EXPECT_EQ(path, QStringLiteral("/previous"));
    EXPECT_FALSE(ShellOpen(QStringLiteral("/tmp/setup.exe")));
}

TEST(ShellHelpers, FileInfoNeedsOnlyTheName)
{
    const ShellFileInfo text = GetShellFileInfo(QStringLiteral("/nowhere/readme.txt"), false, false);
    const ShellFileInfo image = GetShellFileInfo(QStringLiteral("/nowhere/picture.png"), false, true);
    EXPECT_FALSE(text.typeName.isEmpty());
    EXPECT_NE(text.typeName, image.typeName);
    EXPECT_EQ(text.iconSize, 16);
    EXPECT_EQ(image.iconSize, 32);
}

TEST(ShellHelpers, IconIndexesAreSharedByTypeAndSize)
{
    const ShellFileInfo small = GetShellFileInfo(QStringLiteral("/nowhere/a.txt"), false, false);
    const ShellFileInfo large = GetShellFileInfo(QStringLiteral("/elsewhere/B.TXT"), false, true);
    const ShellFileInfo image = GetShellFileInfo(QStringLiteral("/nowhere/picture.png"), false, false);
    EXPECT_EQ(small.iconIndex, large.iconIndex);
    EXPECT_NE(small.iconIndex, image.iconIndex);
    EXPECT_NE(GetFolderIconIndex(false), GetFolderIconIndex(true));
    EXPECT_EQ(GetFolderIconIndex(true), GetFolderIconIndex(true));
    EXPECT_FALSE(SystemImageList::instance().icon(GetFolderIconIndex(false)).isNull());
    EXPECT_TRUE(SystemImageList::instance().icon(SystemImageList::instance().count()).isNull());
}

TEST(TreeExpansion, ARefilledTreeOpensWhereTheUserLeftIt)
{
    QTreeWidget tree;
    const auto fill = [&tree] {
        tree.clear();
        auto *top = new QTreeWidgetItem(&tree, { QStringLiteral("Top") });
        for (const char *name : { "A", "B" }) {
            auto *child = new QTreeWidgetItem(top, { QString::fromLatin1(name) });
            new QTreeWidgetItem(new QTreeWidgetItem(child, { QStringLiteral("Inner") }), { QStringLiteral("Leaf") });
        }
        return top;
    };
    QTreeWidgetItem *top = fill();
    top->setExpanded(true);
    top->child(1)->setExpanded(true);
    top->child(1)->child(0)->setExpanded(true);
    const TreeExpansion expansion(tree);

    top = fill();
    expansion.restore(tree);
    EXPECT_TRUE(top->isExpanded());
    EXPECT_FALSE(top->child(0)->isExpanded());
    EXPECT_FALSE(top->child(0)->child(0)->isExpanded()) << "the same text under another parent is another item";
    EXPECT_TRUE(top->child(1)->isExpanded());
    EXPECT_TRUE(top->child(1)->child(0)->isExpanded());
}
