#pragma once

#include "designer/script/ScriptCompletion.h"

#include <Qsci/qsciscintilla.h>

class QMenu;

namespace talmo {

class ScriptKnowledgeBase;

// The Pascal script editor of the page event code and of the global code.
// Line 1 is the editor's header (an event's declaration, the global-code
// comment): while protected, never edited, joined or removed by typing,
// deleting, pasting, cutting or dropping, because its owners store the lines
// from the second on. The caret's line shows on the hint colour.
class ScriptEditor : public QsciScintilla
{
    Q_OBJECT
public:
    explicit ScriptEditor(QWidget *parent = nullptr);
    ~ScriptEditor() override;

    // The text line by line, each without its trailing blanks.
    QStringList Lines() const;
    // Replaces the text without signalling codeChanged (the guard the owners'
    // own writes need) and forgets the undo history, so undo never reaches
    // back into text the program set.
    void setLines(const QStringList &lines);

    bool isFirstLineProtected() const { return m_firstLineProtected; }
    void setFirstLineProtected(bool protect);

    // The identifier at (or right before) the caret; empty when there is none.
    QString wordAtCaret() const;

    // Whether the caret stands in line 1 while it is protected.
    bool isCaretInProtectedLine() const;

    // Turns on completion and parameter hints over the project scope of this
    // editor (its page, or the global code). Until then no pop-up opens.
    void setCompletionScope(const ScriptKnowledgeBase &knowledge, CompletionScopeProvider scope);
    ScriptCompletion *completion() const { return m_completion; }

    // The context menu, made once: Copy, Cut, Paste, "Locate Selection in Helper".
    QMenu *contextMenu() const { return m_menu; }

public slots:
    void cut() override;
    void paste() override;

signals:
    // The user changed the text (typing, pasting, undo, completion...).
    void codeChanged();
    // "Locate Selection in Helper" with the word at the caret.
    void locateSelectionInHelper(const QString &word);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    enum class EditDirection { AtSelection, BackwardFromCaret };

    void applyLook();
    void buildContextMenu();
    void onTextChanged();
    void fitScrollWidthToText();
    // Prepares an edit that acts on the selection (or caret): false when it
    // must not happen; a selection starting in line 1 is cut back to line 2.
    bool allowEdit(EditDirection direction);
    bool isInFirstLine(const QPoint &point) const;

    QMenu *m_menu = nullptr;
    ScriptCompletion *m_completion = nullptr;
    bool m_firstLineProtected = true;
    bool m_silent = false;
};

} // namespace talmo
