#pragma once

#include "widgets/NxPropertyItem.h"

#include <QMetaObject>

#include <map>
#include <vector>

class QWidget;

namespace talmo {

class TNxComboBox;
class TNxCustomEdit;

// The in-place editors of one inspector: one widget per editor kind, made
// when first needed, prepared for the row it edits, and the suffix box.
class NxInplaceEditors
{
public:
    explicit NxInplaceEditors(QWidget *parent);

    TNxCustomEdit *editorFor(TNxEditorKind kind);
    TNxComboBox *suffixEditor();
    // Fills the editor from the item and routes its own events (close-up,
    // selection, button click) to the item.
    void prepare(TNxCustomEdit *editor, TNxPropertyItem *item);
    void prepareSuffix(TNxComboBox *editor, TNxPropertyItem *item);
    // The index of the line the editor shows (-1 for editors without lines).
    static int editorItemIndex(const TNxCustomEdit *editor);
    // Whether the editor's drop-down is open.
    static bool droppedDown(const TNxCustomEdit *editor);

    // Forgets the editor's ties to the row it last edited.
    void dropItemConnections();

private:
    TNxCustomEdit *create(TNxEditorKind kind);

    QWidget *m_parent;
    std::map<TNxEditorKind, TNxCustomEdit *> m_editors;
    TNxComboBox *m_suffix = nullptr;
    std::vector<QMetaObject::Connection> m_itemConnections;
    QMetaObject::Connection m_suffixConnection;
};

} // namespace talmo
