#pragma once

#include <QString>

#include <vector>

class QObject;

namespace talmo {

class TNxTreeNodes;

// One node of a TNxTreeNodes list.
class TNxTreeNode
{
public:
    TNxTreeNode() = default;
    virtual ~TNxTreeNode() = default;
    TNxTreeNode(const TNxTreeNode &) = delete;
    TNxTreeNode &operator=(const TNxTreeNode &) = delete;

    int childCount() const { return m_childCount; }
    int tag() const { return m_tag; }
    void setTag(int value) { m_tag = value; }
    bool expanded() const { return m_expanded; }
    void setExpanded(bool value) { m_expanded = value; }
    // Set when the node was inserted under a hidden or collapsed parent.
    bool hidden() const { return m_hidden; }
    TNxTreeNodes *owner() const { return m_owner; }
    int level() const { return m_level; }
    TNxTreeNode *parent() const { return m_parent; }
    const QString &text() const { return m_text; }
    void setText(const QString &value) { m_text = value; }
    // The index in the owner's list, -1 when it is not in one.
    int absoluteIndex() const;

private:
    friend class TNxTreeNodes;
    int m_childCount = 0;
    int m_tag = 0;
    bool m_expanded = false;
    bool m_hidden = false;
    TNxTreeNodes *m_owner = nullptr;
    int m_level = 0;
    TNxTreeNode *m_parent = nullptr;
    QString m_text;
};

// A tree kept as one list in display order: every node is followed by all of
// its descendants, and a parent's children come in the order they were added.
// The list owns its nodes.
class TNxTreeNodes
{
public:
    explicit TNxTreeNodes(QObject *ownerControl = nullptr);
    virtual ~TNxTreeNodes();
    TNxTreeNodes(const TNxTreeNodes &) = delete;
    TNxTreeNodes &operator=(const TNxTreeNodes &) = delete;

    QObject *ownerControl() const { return m_ownerControl; }

    // A new node as the last child of parent (nullptr: the last root node).
    TNxTreeNode *addChild(TNxTreeNode *parent);
    // Takes ownership of node. asLast false puts it first among the parent's
    // children (first root for no parent).
    void insertNode(TNxTreeNode *parent, TNxTreeNode *node, bool asLast);
    // Takes node and all its descendants out of the list and frees them.
    void removeNode(TNxTreeNode *node);
    void clear();

    int count() const { return int(m_nodes.size()); }
    bool isEmpty() const { return m_nodes.empty(); }
    // Throws ListIndexOutOfBounds for an index outside 0..count - 1.
    TNxTreeNode *item(int index) const;
    // The node with the lowest index whose tag equals key.
    TNxTreeNode *findByTag(int key) const;
    int descendantCount(const TNxTreeNode *node) const;
    // The node's child count, or the number of roots for nullptr.
    int childCount(const TNxTreeNode *node) const;
    int rootCount() const { return m_rootCount; }
    int indexOf(const TNxTreeNode *node) const;

protected:
    // The node class this list creates; path lists answer their own.
    virtual TNxTreeNode *createNode() const;

private:
    std::vector<TNxTreeNode *> m_nodes;
    QObject *m_ownerControl = nullptr;
    int m_rootCount = 0;
};

} // namespace talmo
