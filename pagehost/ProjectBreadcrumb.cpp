#include "pagehost/ProjectBreadcrumb.h"

#include "widgets/NxPathControl.h"
#include "widgets/NxPathNodes.h"

#include <QSignalBlocker>

namespace talmo {

ProjectBreadcrumb::ProjectBreadcrumb(TNxPathControl *control)
    : m_control(control)
{
    const QSignalBlocker silent(m_control);
    addNode(nullptr, QStringLiteral("Installation Modules"), Modules);
    addNode(nullptr, QStringLiteral("Languages"), Languages);
    addNode(nullptr, QStringLiteral("Wizard Dialogs"), WizardDialogs);
    addNode(nullptr, QStringLiteral("Setup Types"), SetupTypes);
    addNode(nullptr, QStringLiteral("Appearance and Themes"), Appearance);
    m_control->setSelectedNode(root(Modules));
}

TNxPathNode *ProjectBreadcrumb::root(RootKey key) const
{
    auto &nodes = m_control->nodes();
    for (int i = 0; i < nodes.count(); ++i) {
        TNxPathNode *node = nodes.getItem(i);
        if (node->level() == 0 && node->tag() == key)
            return node;
    }
    return nullptr;
}

TNxPathNode *ProjectBreadcrumb::moduleNode(int componentIndex) const
{
    return childWithKey(root(Modules), componentIndex);
}

TNxPathNode *ProjectBreadcrumb::childWithKey(TNxPathNode *parent, int key) const
{
    auto &nodes = m_control->nodes();
    for (int i = 0; i < nodes.count(); ++i) {
        TNxPathNode *node = nodes.getItem(i);
        if (node->parent() == parent && node->tag() == key)
            return node;
    }
    return nullptr;
}

TNxPathNode *ProjectBreadcrumb::selected() const
{
    return m_control->selectedNode();
}

void ProjectBreadcrumb::rebuild(const QList<ModuleNode> &modules, const QStringList &customPages)
{
    // A selected module or wizard page stays selected when it is still listed.
    TNxPathNode *was = selected();
    while (was && was->level() > 1)
        was = static_cast<TNxPathNode *>(was->parent());
    const int wasRoot = was && was->parent() ? was->parent()->tag() : 0;
    const int wasKey = was ? was->tag() : 0;

    const QSignalBlocker silent(m_control);
    for (RootKey key : {Modules, Languages, WizardDialogs, SetupTypes, Appearance})
        removeChildren(root(key));
    for (const ModuleNode &module : modules)
        addNode(root(Modules), module.caption, module.componentIndex);
    addNode(root(Appearance), QStringLiteral("Advanced Appearance Options"), 0);
    addNode(root(WizardDialogs), QStringLiteral("Global Code"), GlobalCode);
    addNode(root(WizardDialogs), QStringLiteral("-"), Separator);
    for (int i = 0; i < customPages.size(); ++i)
        addNode(root(WizardDialogs), customPages.at(i), i);
    if (!m_control->selectedNode())
        m_control->setSelectedNode(wasRoot ? childWithKey(root(RootKey(wasRoot)), wasKey) : nullptr);
    if (!m_control->selectedNode())
        m_control->setSelectedNode(root(Modules));
}

bool ProjectBreadcrumb::setRegistrySectionNodes(TNxPathNode *moduleNode, const QStringList &captions)
{
    TNxPathNode *before = selected();
    const bool sectionWasSelected = before && before->parent() == moduleNode;
    const int selectedIndex = sectionWasSelected ? before->tag() : -1;

    const QSignalBlocker silent(m_control);
    if (sectionWasSelected)
        m_control->setSelectedNode(moduleNode);
    removeChildren(moduleNode);
    TNxPathNode *keep = nullptr;
    for (int i = 0; i < captions.size(); ++i) {
        TNxPathNode *node = addNode(moduleNode, captions.at(i), i);
        if (i == selectedIndex)
            keep = node;
    }
    if (keep)
        m_control->setSelectedNode(keep);
    m_control->update();
    return sectionWasSelected && !keep;
}

void ProjectBreadcrumb::setSelectedSilently(TNxPathNode *node)
{
    const QSignalBlocker silent(m_control);
    m_control->setSelectedNode(node);
}

void ProjectBreadcrumb::select(TNxPathNode *node)
{
    m_control->setSelectedNode(node);
}

void ProjectBreadcrumb::removeChildren(TNxPathNode *node)
{
    auto &nodes = m_control->nodes();
    for (int i = nodes.count() - 1; i >= 0; --i) {
        if (nodes.getItem(i)->parent() == node)
            nodes.removeNode(nodes.getItem(i));
    }
}

TNxPathNode *ProjectBreadcrumb::addNode(TNxPathNode *parent, const QString &text, int key)
{
    TNxPathNode *node = m_control->nodes().addPathChild(parent);
    node->setText(text);
    node->setTag(key);
    return node;
}

} // namespace talmo
