#pragma once

#include "widgets/NxTreeNodes.h"

#include <functional>

namespace talmo {

// A node of the path bar with the image of the root button when it heads the path.
class TNxPathNode : public TNxTreeNode
{
public:
    ~TNxPathNode() override;

    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index) { m_imageIndex = index; }

private:
    int m_imageIndex = 0;
};

// The path bar's node list: its nodes are path nodes, and the bar hears of
// every node that goes so it never keeps one that is freed.
class TNxPathNodes : public TNxTreeNodes
{
public:
    using NodeGone = std::function<void(TNxPathNode *)>;

    explicit TNxPathNodes(QObject *ownerControl = nullptr, NodeGone nodeGone = {});
    ~TNxPathNodes() override;

    // Throws ListIndexOutOfBounds for an index outside the list.
    TNxPathNode *getItem(int index) const;
    TNxPathNode *addPathChild(TNxPathNode *parent) { return static_cast<TNxPathNode *>(addChild(parent)); }

protected:
    TNxTreeNode *createNode() const override;

private:
    friend class TNxPathNode;
    NodeGone m_nodeGone;
};

} // namespace talmo
