#pragma once

#include "designer/controls/VisualControl.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace talmo {

// A folder picker that lists nothing while designed; outside design state it
// lists folders as nodes expand. Directory is the selected node's full path.
class TCustomFolderTreeView : public TVisualControl
{
    Q_OBJECT
    Q_PROPERTY(QString Directory READ directory)

public:
    explicit TCustomFolderTreeView(QWidget *parent = nullptr);

    const QString &directory() const { return m_directory; }
    QTreeWidget *tree() const { return m_tree; }
    // Adds a node for a folder still to be made under the selected node (the
    // top level without one), selects it and opens its name for editing.
    // Only such nodes can be renamed; they are never listed.
    void CreateNewDirectory(const QString &defaultName);

signals:
    // OnChange: after every selection change.
    void changed();
    // OnRename: a handler may refuse or replace the new name.
    void renaming(QString &newName, bool &accept);

protected:
    void designingChanged() override;
    // Lists the top level when first shown outside design state.
    void showEvent(QShowEvent *event) override;
    // The top level's nodes (parentPath empty) or a folder's sub-folders.
    virtual QStringList listFolders(const QString &parentPath) const = 0;
    // The full path of a node.
    virtual QString pathOf(const QTreeWidgetItem *item) const;

private:
    void fill();
    void addChildren(QTreeWidgetItem *parent, const QString &path);
    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &name);
    void expand(QTreeWidgetItem *item);
    void selectionChanged();
    void itemRenamed(QTreeWidgetItem *item);

    QTreeWidget *m_tree;
    QString m_directory;
};

// Lists every folder from "/": Linux has no hidden-and-system folders to skip.
class TFolderTreeView : public TCustomFolderTreeView
{
    Q_OBJECT

public:
    explicit TFolderTreeView(QWidget *parent = nullptr) : TCustomFolderTreeView(parent) {}
    static const DesignPropertyTable &propertyTable();

protected:
    QStringList listFolders(const QString &parentPath) const override;
};

// Nothing gives it the start menu's folders, so it lists nothing.
class TStartMenuFolderTreeView : public TCustomFolderTreeView
{
    Q_OBJECT

public:
    explicit TStartMenuFolderTreeView(QWidget *parent = nullptr) : TCustomFolderTreeView(parent) {}
    static const DesignPropertyTable &propertyTable();

protected:
    QStringList listFolders(const QString &) const override { return {}; }
};

} // namespace talmo
