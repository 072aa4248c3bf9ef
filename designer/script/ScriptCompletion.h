#pragma once

#include "designer/core/CompletionTypes.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class QKeyEvent;

namespace talmo {

class CompletionPopup;
class ScriptEditor;
class ScriptKnowledgeBase;

// The project scope of an editor, asked for afresh on every pop-up.
using CompletionScopeProvider = std::function<CompletionScope()>;

// The completion list and the parameter hint of a script editor. The list
// opens after its delay when "." is typed and at once on Ctrl+Space; it
// filters by the typed name, completes with Tab, Enter or an end-of-token
// character and inserts the chosen entry's insert text. The hint is the
// editor's call tip: it opens after its delay when "(" is typed and at once
// on Ctrl+Shift+Space, and follows the caret (commas, nested calls) while shown.
// A delayed pop-up opens only while the caret is still where its trigger left
// it (the list: still in the member name after the "."; the hint: still on the
// line, right of the "("), so a fast typist who moved on never gets a list on a
// later statement or line. Keys that arrive while the list is being worked out
// go into the text before the list shows, so they never pick an entry.
class ScriptCompletion : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultMemberListDelay = 1000;
    static constexpr int DefaultParameterHintDelay = 1200;

    ScriptCompletion(ScriptEditor &editor, const ScriptKnowledgeBase &knowledge, CompletionScopeProvider scope);
    ~ScriptCompletion() override;

    // Delays in milliseconds after "." and "("; 0 opens the pop-up at once.
    void setDelays(int memberList, int parameterHint);

    // Keys the pop-ups take before the editor sees them; true when consumed.
    bool keyBeforeEditor(QKeyEvent *event);
    // Opens or follows the pop-ups after the editor handled a key.
    void keyAfterEditor(QKeyEvent *event);

    void showMemberList();
    void showParameterHint();
    void cancel();

    CompletionPopup *popup() const { return m_popup; }
    bool isCallTipShown() const;
    QStringList callTipParameters() const { return m_callTipParameters; }
    int highlightedParameter() const { return m_highlighted; }

private:
    void openDelayedMemberList();
    void openDelayedParameterHint();
    void openMemberList();
    // The text from position to the caret when the caret is on the same line
    // at or right of it; nothing otherwise.
    std::optional<QString> typedSince(int position) const;
    bool isCaretInMemberName(int nameStart) const;
    CompletionResult resolve(CompletionKind kind) const;
    int caretPosition() const;
    QString typedPrefix() const;
    void refilter();
    void complete();
    void showCallTip(const CompletionResult &hint);
    void cancelCallTip();

    ScriptEditor &m_editor;
    const ScriptKnowledgeBase &m_knowledge;
    CompletionScopeProvider m_scope;
    CompletionPopup *m_popup;
    QTimer m_memberListTimer;
    QTimer m_parameterHintTimer;
    int m_tokenStart = -1;
    int m_memberListTrigger = -1;
    int m_parameterHintTrigger = -1;
    bool m_openingMemberList = false;
    bool m_memberListAskedWhileOpening = false;
    QStringList m_callTipParameters;
    int m_highlighted = -1;
};

} // namespace talmo
