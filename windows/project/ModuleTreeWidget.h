#pragma once

#include <QTreeWidget>

#include <functional>

namespace talmo {

// The module tree's view. Qt never moves an item here: a drag from the tree
// itself asks the owner whether the node under the mouse may take the
// dragged one, and a drop is handed to the owner, which changes the project
// and rebuilds the tree.
class ModuleTreeWidget : public QTreeWidget
{
    Q_OBJECT
public:
    explicit ModuleTreeWidget(QWidget *parent = nullptr);

    // The dragged node and the node under the mouse (null: none).
    std::function<bool(QTreeWidgetItem *dragged, QTreeWidgetItem *target)> canDrop;
    std::function<void(QTreeWidgetItem *target)> drop;

    // The width the shown names need, indented as they are.
    int namesWidth() const { return sizeHintForColumn(0); }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool acceptable(QDropEvent *event) const;
};

} // namespace talmo
