#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <bitset>

namespace talmo {

enum TCheckItemOperation { coUncheck, coCheck, coCheckWithChildren };

// The items of a check list box: check boxes, radio buttons and groups in
// levels, with the rules that carry a check to children, radio siblings and
// ancestors. Siblings are the items of one level between two items of a lower
// level; a radio group is a run of radio siblings not broken by another kind.
class TCheckListItems
{
public:
    enum Kind { Group, CheckBox, RadioButton };
    enum State { Unchecked, Checked, Grayed };

    struct Item
    {
        Kind kind = CheckBox;
        int level = 0;
        State state = Unchecked;
        bool enabled = true;
        bool hasInternalChildren = false;
        bool checkWhenParentChecked = false;
        bool lastChild = false;
        QString caption;
        QString subItem;
        QPointer<QObject> object;
        // Bit n: a vertical tree line passes this item at level n.
        std::bitset<256> lines;
    };

    int AddCheckBox(const QString &caption, const QString &subItem, int level, bool checked, bool enabled,
                    bool hasInternalChildren, bool checkWhenParentChecked, QObject *object = nullptr);
    int AddGroup(const QString &caption, const QString &subItem, int level, QObject *object = nullptr);
    int AddRadioButton(const QString &caption, const QString &subItem, int level, bool checked, bool enabled,
                       QObject *object = nullptr);
    void clear() { m_items.clear(); }

    int count() const { return int(m_items.size()); }
    const Item &at(int index) const { return m_items.at(index); }
    void setState(int index, State state) { m_items[index].state = state; }
    void setEnabled(int index, bool enabled) { m_items[index].enabled = enabled; }

    // Checks or unchecks the item, its children, its radio siblings and its
    // ancestors; true when any state changed. A radio button cannot be unchecked.
    bool CheckItem(int index, TCheckItemOperation operation);
    // A click or Space: an unchecked or grayed check box gets checked with its
    // children (a grayed one that does not change is unchecked), a checked one
    // unchecked, a radio button checked. True when any state changed.
    bool toggle(int index);
    // Rebuilds every item's line bits and last-child mark.
    void updateLines();

    // The parent (-1 at the top level), and the direct children.
    int parentOf(int index) const;
    QList<int> childrenOf(int index) const;

private:
    static Item item(Kind kind, const QString &caption, const QString &subItem, int level, bool checked, bool enabled,
                     QObject *object);
    int add(Item item);
    QList<int> radioGroupOf(int index) const;
    bool groupHasChecked(int index) const;
    bool setItemState(int index, State state);
    bool recursiveCheck(int index, TCheckItemOperation operation);
    bool uncheckRadioSiblings(int index);
    State stateFromChildren(int index, bool self) const;
    bool fillRadioGroups(int parent);

    QList<Item> m_items;
};

} // namespace talmo
