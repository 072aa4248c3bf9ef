#include "widgets/NxTreeNodes.h"

#include "widgets/ListIndexOutOfBounds.h"

#include <algorithm>

namespace talmo {

int TNxTreeNode::absoluteIndex() const
{
    return m_owner ? m_owner->indexOf(this) : -1;
}

TNxTreeNodes::TNxTreeNodes(QObject *ownerControl)
    : m_ownerControl(ownerControl)
{
}

TNxTreeNodes::~TNxTreeNodes()
{
    clear();
}

TNxTreeNode *TNxTreeNodes::createNode() const
{
    return new TNxTreeNode;
}

TNxTreeNode *TNxTreeNodes::addChild(TNxTreeNode *parent)
{
    if (parent && parent->m_owner != this)
        return nullptr;
    TNxTreeNode *node = createNode();
    insertNode(parent, node, true);
    return node;
}

void TNxTreeNodes::insertNode(TNxTreeNode *parent, TNxTreeNode *node, bool asLast)
{
    node->m_owner = this;
    if (parent) {
        node->m_parent = parent;
        node->m_level = parent->m_level + 1;
        node->m_hidden = parent->m_hidden || !parent->m_expanded;
        ++parent->m_childCount;
        const int parentIndex = indexOf(parent);
        const int at = asLast ? parentIndex + descendantCount(parent) + 1 : parentIndex + 1;
        m_nodes.insert(m_nodes.begin() + at, node);
    } else {
        node->m_parent = nullptr;
        node->m_level = 0;
        ++m_rootCount;
        m_nodes.insert(asLast ? m_nodes.end() : m_nodes.begin(), node);
    }
}

void TNxTreeNodes::removeNode(TNxTreeNode *node)
{
    const int index = indexOf(node);
    if (index < 0)
        return;
    const int last = index + descendantCount(node);
    if (TNxTreeNode *parent = node->m_parent)
        --parent->m_childCount;
    else
        --m_rootCount;
    const auto first = m_nodes.begin() + index;
    const auto end = m_nodes.begin() + last + 1;
    std::for_each(first, end, [](TNxTreeNode *doomed) { delete doomed; });
    m_nodes.erase(first, end);
}

void TNxTreeNodes::clear()
{
    for (TNxTreeNode *node : m_nodes)
        delete node;
    m_nodes.clear();
    m_rootCount = 0;
}

TNxTreeNode *TNxTreeNodes::item(int index) const
{
    if (index < 0 || index >= count())
        throw ListIndexOutOfBounds(index);
    return m_nodes[std::size_t(index)];
}

TNxTreeNode *TNxTreeNodes::findByTag(int key) const
{
    const auto found = std::find_if(m_nodes.begin(), m_nodes.end(), [key](const TNxTreeNode *n) { return n->tag() == key; });
    return found == m_nodes.end() ? nullptr : *found;
}

int TNxTreeNodes::descendantCount(const TNxTreeNode *node) const
{
    const int index = indexOf(node);
    if (index < 0)
        return 0;
    int descendants = 0;
    for (std::size_t i = std::size_t(index) + 1; i < m_nodes.size() && m_nodes[i]->m_level > node->m_level; ++i)
        ++descendants;
    return descendants;
}

int TNxTreeNodes::childCount(const TNxTreeNode *node) const
{
    return node ? node->m_childCount : m_rootCount;
}

int TNxTreeNodes::indexOf(const TNxTreeNode *node) const
{
    const auto found = std::find(m_nodes.begin(), m_nodes.end(), node);
    return found == m_nodes.end() ? -1 : int(found - m_nodes.begin());
}

} // namespace talmo
