#pragma once

#include "widgets/NxImageList.h"
#include "widgets/NxPathNodes.h"
#include "widgets/PopupMenuRunner.h"

#include <QPointer>
#include <QWidget>

class QMenu;

namespace talmo {

enum TPathButtonStyle { bsDefault, bsOffice2007 };

// A breadcrumb bar: the selected node's ancestors as buttons after a root
// button; arrow parts drop down a node's children, the root button the top
// level. Choosing a node selects it.
class TNxPathControl : public QWidget
{
    Q_OBJECT
public:
    enum HotPart { hpBody, hpArrow };

    explicit TNxPathControl(QWidget *parent = nullptr);
    ~TNxPathControl() override;

    TNxPathNodes &nodes() { return m_nodes; }
    TPathButtonStyle buttonStyle() const { return m_buttonStyle; }
    void setButtonStyle(TPathButtonStyle style);
    TNxImageList *images() const { return m_images; }
    void setImages(TNxImageList *images);

    TNxPathNode *selectedNode() const { return m_selectedNode; }
    // Fires OnSelect only when the node differs from the selected one.
    void setSelectedNode(TNxPathNode *node);

    // The first level of the selected node's path that fits beside the
    // selected node, from the nodes' widths as they are now.
    int firstShownLevel() const;
    TNxPathNode *hotNode() const { return m_hotNode; }
    HotPart hotPart() const { return m_hotPart; }
    TNxPathNode *pressedNode() const { return m_pressedNode; }
    bool rootHot() const { return m_rootHot; }
    bool rootPressed() const { return m_rootPressed; }
    bool dropDownOpen() const { return m_dropDownOpen; }

    virtual int getArrowWidth() const;
    virtual int getNodeWidth(const TNxPathNode *node) const;
    // The node of the path at a level (0 = the top).
    TNxPathNode *pathNodeAt(int level) const;
    // The button of a shown node (empty for nodes not shown).
    QRect nodeRect(const TNxPathNode *node) const;
    // The shown node under a point and whether the point is on its arrow part.
    TNxPathNode *nodeAt(const QPoint &point, bool *onArrow = nullptr) const;

    // Fill the drop-down menu: every top-level node, or the node's children.
    // Each item's data is the node's index in the flat list.
    QMenu *fillRootMenu();
    QMenu *fillNodeMenu(const TNxPathNode *node);
    QMenu *dropDownMenu() const { return m_menu; }
    void setMenuRunner(PopupMenuRunner runner) { m_menuRunner = std::move(runner); }

signals:
    void select();

protected:
    virtual void doSelect();

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void nodeGone(TNxPathNode *node);
    QList<TNxPathNode *> shownNodes() const;
    QRect rootRect() const { return QRect(0, 0, 32, height()); }
    void repaintNode(const TNxPathNode *node);
    void pressRoot();
    void pressArrow(TNxPathNode *node);
    void runMenu(const QPoint &at);
    void setHot(TNxPathNode *node, HotPart part);
    // After a node's drop-down closed, also by an exception.
    void dropDownClosed(TNxPathNode *shownFor);

    void drawFrame(QPainter &painter, const QRect &rect, int state) const;
    void drawTriangle(QPainter &painter, const QRect &arrowRect, bool down, bool root) const;

    TNxPathNodes m_nodes;
    TPathButtonStyle m_buttonStyle = bsDefault;
    QPointer<TNxImageList> m_images;
    TNxPathNode *m_selectedNode = nullptr;
    TNxPathNode *m_hotNode = nullptr;
    HotPart m_hotPart = hpBody;
    TNxPathNode *m_pressedNode = nullptr;
    bool m_dropDownOpen = false;
    bool m_rootHot = false;
    bool m_rootPressed = false;
    bool m_menuMayOpen = true;
    QMenu *m_menu;
    PopupMenuRunner m_menuRunner = execPopupMenu();
};

} // namespace talmo
