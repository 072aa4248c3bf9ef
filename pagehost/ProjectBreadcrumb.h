#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

class TNxPathControl;
class TNxPathNode;

// The project window's breadcrumb: five section roots, the modules and
// wizard pages under them, and registry sections under the CAB creator
// module. Every change here is silent; only a user's (or a caller's explicit
// select()) choice reaches the control's select signal.
class ProjectBreadcrumb
{
public:
    enum RootKey { Modules = -1, Languages = -2, WizardDialogs = -3, SetupTypes = -4, Appearance = -5 };
    enum WizardKey { GlobalCode = -1, Separator = -2 };

    struct ModuleNode
    {
        int componentIndex;
        QString caption;
    };

    // Builds the five roots on the control and selects the first.
    explicit ProjectBreadcrumb(TNxPathControl *control);

    TNxPathControl *control() const { return m_control; }
    TNxPathNode *root(RootKey key) const;
    TNxPathNode *moduleNode(int componentIndex) const;
    TNxPathNode *childWithKey(TNxPathNode *parent, int key) const;
    TNxPathNode *selected() const;

    // Replaces every node below the roots.
    void rebuild(const QList<ModuleNode> &modules, const QStringList &customPages);

    // Registry-section nodes under moduleNode. A selected section node whose
    // index still exists stays selected; otherwise a selection below
    // moduleNode moves to moduleNode itself. Returns whether it moved.
    bool setRegistrySectionNodes(TNxPathNode *moduleNode, const QStringList &captions);

    void setSelectedSilently(TNxPathNode *node);
    // Selects through the control, running its select handlers.
    void select(TNxPathNode *node);

private:
    void removeChildren(TNxPathNode *node);
    TNxPathNode *addNode(TNxPathNode *parent, const QString &text, int key);

    TNxPathControl *m_control;
};

} // namespace talmo
