#pragma once

#include "widgets/NxPropertyItem.h"

#include <QFont>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

namespace talmo {

enum TItemsArrange { taCatagory, taName };

// The rows of one inspector, kept as one display-order list (each item
// followed by its descendants) and a by-name list of the rows below the top
// level. The list owns its items and reports every change of an item through
// one callback.
class TNxPropertyItems : public QObject
{
    Q_OBJECT

public:
    using ItemCallback = std::function<void(TNxPropertyItem *, TNxItemNotification, int)>;
    using ChangeCallback = std::function<void()>;

    TNxPropertyItems() = default;
    ~TNxPropertyItems() override;

    // Makes a row of kind T below parent (nothing: a read-only top-level row)
    // after the parent's last descendant; nothing when making it fails.
    template<typename T>
    T *addChild(TNxPropertyItem *parent, const QString &caption)
    {
        return static_cast<T *>(addChild(parent, [] { return std::unique_ptr<TNxPropertyItem>(new T); }, caption));
    }
    TNxPropertyItem *addChild(TNxPropertyItem *parent, const std::function<std::unique_ptr<TNxPropertyItem>()> &make,
                              const QString &caption);
    // Takes an item made elsewhere into the list, below parent (or at the end
    // of the top level).
    void insertItem(TNxPropertyItem *item, TNxPropertyItem *parent);
    // Frees every item, last to first.
    void clear();

    int count() const { return int(m_display.size()); }
    TNxPropertyItem *item(int index) const;
    // The first row with this tag, in display order.
    TNxPropertyItem *findByTag(int tag) const;
    int indexOf(const TNxPropertyItem *item) const;
    int sortedIndexOf(const TNxPropertyItem *item) const;

    TItemsArrange arrange() const { return m_arrange; }
    void setArrange(TItemsArrange value) { m_arrange = value; }
    // The rows in the order the inspector shows them (display or by-name order).
    const std::vector<TNxPropertyItem *> &itemsInUse() const { return m_arrange == taName ? m_byName : m_display; }
    const std::vector<TNxPropertyItem *> &displayOrder() const { return m_display; }
    const std::vector<TNxPropertyItem *> &byNameOrder() const { return m_byName; }
    int nodeIndexOf(const TNxPropertyItem *item) const;

    // The inspector's font, given to every inserted row.
    QFont font() const { return m_font; }
    void setFont(const QFont &font) { m_font = font; }
    // The component the mapped rows read from when they have no bound component.
    QObject *associate() const { return m_associate; }
    void setAssociate(QObject *object);
    // Hides top-level rows (the inspector's HideTopLevel).
    bool hideTopLevel() const { return m_hideTopLevel; }
    void setHideTopLevel(bool value) { m_hideTopLevel = value; }
    // Shown by the inspector: not hidden, visible, not a hidden top-level row.
    bool isRowShown(const TNxPropertyItem *item) const;
    // Shown rows of the list in use, in order.
    std::vector<TNxPropertyItem *> shownRows() const;

    void setItemCallback(ItemCallback callback) { m_itemCallback = std::move(callback); }
    void setChangeCallback(ChangeCallback callback) { m_changeCallback = std::move(callback); }

private:
    friend class TNxPropertyItem;

    void deliver(TNxPropertyItem *item, TNxItemNotification kind, int index);
    void changed();
    // Called by a dying item: frees its descendants and takes it out.
    void removeItem(TNxPropertyItem *item);
    // Moves a level-1 row and its descendants to its place by caption.
    void resortByName(TNxPropertyItem *item);
    static int endOfSubtree(const std::vector<TNxPropertyItem *> &list, int index);

    std::vector<TNxPropertyItem *> m_display;
    std::vector<TNxPropertyItem *> m_byName;
    TItemsArrange m_arrange = taCatagory;
    QFont m_font;
    QPointer<QObject> m_associate;
    bool m_hideTopLevel = false;
    bool m_clearing = false;
    ItemCallback m_itemCallback;
    ChangeCallback m_changeCallback;
};

} // namespace talmo
