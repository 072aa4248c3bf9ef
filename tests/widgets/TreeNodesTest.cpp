#include "tests/support/QtPrinters.h"

#include "widgets/ListIndexOutOfBounds.h"
#include "widgets/NxTreeNodes.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

// The texts of the list in display order.
QStringList order(const TNxTreeNodes &nodes)
{
    QStringList texts;
    for (int i = 0; i < nodes.count(); ++i)
        texts << nodes.item(i)->text();
    return texts;
}

TNxTreeNode *add(TNxTreeNodes &nodes, TNxTreeNode *parent, const QString &text, int tag = 0)
{
    TNxTreeNode *node = nodes.addChild(parent);
    node->setText(text);
    node->setTag(tag);
    return node;
}

class CountingNode : public TNxTreeNode
{
public:
    explicit CountingNode(int &alive) : m_alive(alive) { ++m_alive; }
    ~CountingNode() override { --m_alive; }

private:
    int &m_alive;
};

class CountingNodes : public TNxTreeNodes
{
public:
    mutable int alive = 0;

protected:
    TNxTreeNode *createNode() const override { return new CountingNode(alive); }
};

} // namespace

TEST(TreeNodes, RootsAppendInOrder)
{
    TNxTreeNodes nodes;
    for (const char *text : {"a", "b", "c"})
        add(nodes, nullptr, text);
    EXPECT_EQ(order(nodes), QStringList({"a", "b", "c"}));
    EXPECT_EQ(nodes.rootCount(), 3);
    EXPECT_EQ(nodes.childCount(nullptr), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(nodes.item(i)->level(), 0);
        EXPECT_EQ(nodes.item(i)->absoluteIndex(), i);
        EXPECT_EQ(nodes.item(i)->owner(), &nodes);
    }
}

TEST(TreeNodes, ChildrenGoAfterTheParentsLastDescendant)
{
    TNxTreeNodes nodes;
    TNxTreeNode *a = add(nodes, nullptr, "A");
    TNxTreeNode *a1 = add(nodes, a, "A1");
    add(nodes, a, "A2");
    add(nodes, nullptr, "B");
    EXPECT_EQ(order(nodes), QStringList({"A", "A1", "A2", "B"}));
    TNxTreeNode *a1x = add(nodes, a1, "A1x");
    EXPECT_EQ(order(nodes), QStringList({"A", "A1", "A1x", "A2", "B"}));
    EXPECT_EQ(a1x->level(), 2);
    EXPECT_EQ(a1x->parent(), a1);
    EXPECT_EQ(nodes.childCount(a), 2);
    EXPECT_EQ(nodes.descendantCount(a), 3);
    EXPECT_EQ(nodes.descendantCount(a1x), 0);
}

TEST(TreeNodes, InsertFirstGoesDirectlyAfterTheParentOrToTheTop)
{
    TNxTreeNodes nodes;
    TNxTreeNode *a = add(nodes, nullptr, "A");
    add(nodes, a, "A1");
    auto *first = new TNxTreeNode;
    first->setText("A0");
    nodes.insertNode(a, first, false);
    auto *top = new TNxTreeNode;
    top->setText("Z");
    nodes.insertNode(nullptr, top, false);
    EXPECT_EQ(order(nodes), QStringList({"Z", "A", "A0", "A1"}));
    EXPECT_EQ(nodes.rootCount(), 2);
}

TEST(TreeNodes, NodesUnderACollapsedOrHiddenParentAreHidden)
{
    TNxTreeNodes nodes;
    TNxTreeNode *open = add(nodes, nullptr, "open");
    open->setExpanded(true);
    TNxTreeNode *shown = add(nodes, open, "shown");
    TNxTreeNode *closed = add(nodes, open, "closed");
    TNxTreeNode *hidden = add(nodes, closed, "hidden");
    hidden->setExpanded(true);
    TNxTreeNode *grandchild = add(nodes, hidden, "grandchild");
    EXPECT_FALSE(open->hidden());
    EXPECT_FALSE(shown->hidden());
    EXPECT_FALSE(closed->hidden());
    EXPECT_TRUE(hidden->hidden());
    EXPECT_TRUE(grandchild->hidden());
}

TEST(TreeNodes, FindByTagTakesTheLowestIndex)
{
    TNxTreeNodes nodes;
    EXPECT_EQ(nodes.findByTag(0), nullptr);
    TNxTreeNode *first = add(nodes, nullptr, "first");
    add(nodes, nullptr, "second");
    EXPECT_EQ(nodes.findByTag(0), first);
    TNxTreeNode *seven = add(nodes, first, "seven", 7);
    add(nodes, nullptr, "also seven", 7);
    EXPECT_EQ(nodes.findByTag(7), seven);
    EXPECT_EQ(nodes.findByTag(8), nullptr);
}

TEST(TreeNodes, RemovingANodeFreesItsWholeSubtree)
{
    CountingNodes nodes;
    TNxTreeNode *a = add(nodes, nullptr, "A");
    TNxTreeNode *a1 = add(nodes, a, "A1");
    add(nodes, a1, "A1x");
    add(nodes, a, "A2");
    add(nodes, nullptr, "B");
    ASSERT_EQ(nodes.alive, 5);

    nodes.removeNode(a1);
    EXPECT_EQ(order(nodes), QStringList({"A", "A2", "B"}));
    EXPECT_EQ(nodes.alive, 3);
    EXPECT_EQ(nodes.childCount(a), 1);

    nodes.removeNode(a);
    EXPECT_EQ(order(nodes), QStringList({"B"}));
    EXPECT_EQ(nodes.rootCount(), 1);
    EXPECT_EQ(nodes.alive, 1);
}

TEST(TreeNodes, ForeignNodesAndBadIndicesAreRefused)
{
    TNxTreeNodes nodes, other;
    TNxTreeNode *stranger = other.addChild(nullptr);
    EXPECT_EQ(nodes.addChild(stranger), nullptr);
    nodes.removeNode(stranger);
    EXPECT_EQ(other.count(), 1);
    EXPECT_TRUE(nodes.isEmpty());
    EXPECT_THROW(nodes.item(0), ListIndexOutOfBounds);
    EXPECT_THROW(other.item(-1), ListIndexOutOfBounds);
}

TEST(TreeNodes, ClearFreesEveryNode)
{
    CountingNodes nodes;
    add(nodes, add(nodes, nullptr, "A"), "A1");
    EXPECT_EQ(nodes.alive, 2);
    nodes.clear();
    EXPECT_EQ(nodes.alive, 0);
    EXPECT_EQ(nodes.rootCount(), 0);
}
