#pragma once

#include <functional>

class QAbstractItemView;
class QModelIndex;

namespace talmo {

// Runs action once the editor open on index has been closed, or at once when
// none is open there. A handler of an edited item that refills the view (a
// rename that rebuilds a tree) goes through it: while the edit is committed
// the view still holds the editor, and closing an editor whose item has gone
// makes Qt warn that the editor does not belong to the view.
void AfterItemEditorCloses(QAbstractItemView &view, const QModelIndex &index, std::function<void()> action);

} // namespace talmo
