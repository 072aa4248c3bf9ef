#include "widgets/NxPathNodes.h"

namespace talmo {

TNxPathNode::~TNxPathNode()
{
    if (auto *list = dynamic_cast<TNxPathNodes *>(owner()); list && list->m_nodeGone)
        list->m_nodeGone(this);
}

TNxPathNodes::TNxPathNodes(QObject *ownerControl, NodeGone nodeGone)
    : TNxTreeNodes(ownerControl)
    , m_nodeGone(std::move(nodeGone))
{
}

TNxPathNodes::~TNxPathNodes()
{
    // The base class frees the nodes; nobody needs to hear of it by then.
    m_nodeGone = {};
}

TNxPathNode *TNxPathNodes::getItem(int index) const
{
    return static_cast<TNxPathNode *>(item(index));
}

TNxTreeNode *TNxPathNodes::createNode() const
{
    return new TNxPathNode;
}

} // namespace talmo
