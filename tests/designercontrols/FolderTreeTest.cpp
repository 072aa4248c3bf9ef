#include "tests/designercontrols/PaletteTestSupport.h"
#include "tests/support/QtPrinters.h"

#include "designer/controls/FolderTreeView.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace talmo;
using namespace talmo::testing;

namespace {

class FolderTree : public PalettePage
{
protected:
    TCustomFolderTreeView *running(const char *className)
    {
        auto *view = static_cast<TCustomFolderTreeView *>(insert(QString::fromLatin1(className)));
        root.setDesigning(false);
        root.show();
        return view;
    }

    // Expands the nodes along an absolute path, one folder at a time.
    static QTreeWidgetItem *open(QTreeWidget &tree, const QString &path)
    {
        QTreeWidgetItem *node = tree.topLevelItem(0);
        node->setExpanded(true);
        for (const QString &name : path.split(u'/', Qt::SkipEmptyParts)) {
            QTreeWidgetItem *next = nullptr;
            for (int child = 0; child < node->childCount() && !next; ++child) {
                if (node->child(child)->text(0) == name)
                    next = node->child(child);
            }
            if (!next)
                return nullptr;
            node = next;
            node->setExpanded(true);
        }
        return node;
    }
};

TEST_F(FolderTree, DesignedTreesAreEmpty)
{
    for (const char *className : {"TFolderTreeView", "TStartMenuFolderTreeView"}) {
        auto *view = static_cast<TCustomFolderTreeView *>(insert(QString::fromLatin1(className)));
        view->show();
        EXPECT_EQ(view->tree()->topLevelItemCount(), 0) << className;
    }
}

TEST_F(FolderTree, StartMenuTreeListsNothingOutsideDesignState)
{
    EXPECT_EQ(running("TStartMenuFolderTreeView")->tree()->topLevelItemCount(), 0);
}

TEST_F(FolderTree, ListsFoldersFromTheRootAsNodesExpand)
{
    QTemporaryDir temp;
    const QString base = QDir(temp.path()).canonicalPath();
    for (const char *folder : {"beta/inner", "alpha", ".hidden"})
        ASSERT_TRUE(QDir(base).mkpath(QString::fromLatin1(folder)));
    ASSERT_TRUE(QFile(base + QStringLiteral("/file.txt")).open(QIODevice::WriteOnly));

    TCustomFolderTreeView *view = running("TFolderTreeView");
    QTreeWidget &tree = *view->tree();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), QStringLiteral("/"));
    EXPECT_EQ(tree.topLevelItem(0)->childCount(), 0) << "nothing listed before it expands";

    QTreeWidgetItem *folder = open(tree, base);
    ASSERT_NE(folder, nullptr);
    QStringList names;
    for (int child = 0; child < folder->childCount(); ++child)
        names.append(folder->child(child)->text(0));
    EXPECT_EQ(names, QStringList({".hidden", "alpha", "beta"}));
    EXPECT_EQ(folder->child(2)->childCount(), 0) << "beta is listed when it expands";

    QSignalSpy changes(view, &TCustomFolderTreeView::changed);
    tree.setCurrentItem(folder->child(2));
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(view->directory(), base + QStringLiteral("/beta"));

    QTreeWidgetItem *alpha = folder->child(1);
    alpha->setExpanded(true);
    EXPECT_EQ(alpha->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator) << "an empty folder loses its mark";
    EXPECT_FALSE(alpha->flags() & Qt::ItemIsEditable) << "a listed folder is not renamed";
}

TEST_F(FolderTree, ANewFolderIsRenamedThroughOnRename)
{
    QTemporaryDir temp;
    const QString base = QDir(temp.path()).canonicalPath();
    ASSERT_TRUE(QDir(base).mkpath(QStringLiteral("middle")));
    TCustomFolderTreeView *view = running("TFolderTreeView");
    QTreeWidget &tree = *view->tree();
    tree.setCurrentItem(open(tree, base));

    QStringList asked;
    QString answer;
    bool accept = true;
    QObject::connect(view, &TCustomFolderTreeView::renaming, view, [&](QString &newName, bool &accepted) {
        asked.append(newName);
        if (!answer.isEmpty())
            newName = answer;
        accepted = accept;
    });
    view->CreateNewDirectory(QStringLiteral("New Folder"));
    EXPECT_EQ(view->directory(), base + QStringLiteral("/New Folder"));
    QTreeWidgetItem *created = tree.currentItem();

    created->setText(0, QStringLiteral("aaa"));
    EXPECT_EQ(view->directory(), base + QStringLiteral("/aaa"));
    EXPECT_EQ(tree.currentItem()->parent()->child(0), created) << "siblings sorted again";

    accept = false;
    created->setText(0, QStringLiteral("refused"));
    EXPECT_EQ(created->text(0), QStringLiteral("aaa"));

    accept = true;
    answer = QStringLiteral("zzz");
    created->setText(0, QStringLiteral("asked"));
    EXPECT_EQ(created->text(0), QStringLiteral("zzz"));
    EXPECT_EQ(view->directory(), base + QStringLiteral("/zzz"));

    created->setText(0, QString());
    EXPECT_EQ(created->text(0), QStringLiteral("zzz")) << "an empty name changes nothing";
    EXPECT_EQ(asked, QStringList({"aaa", "refused", "asked"}));
    EXPECT_FALSE(QDir(base + QStringLiteral("/zzz")).exists()) << "the folder is made later, not by the tree";
}

} // namespace
