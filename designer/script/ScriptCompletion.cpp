#include "designer/script/ScriptCompletion.h"

#include "designer/core/CompletionResolver.h"
#include "designer/script/CompletionPopup.h"
#include "designer/script/ScriptEditor.h"
#include "helpers/core/ScriptText.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>

namespace talmo {

namespace {

const QString EndOfTokenCharacters = QStringLiteral("()[]. ");
const QColor HintBackground(0xFF, 0xFF, 0xE1);

// The wait cursor while the resolver reads the text.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

bool IsCtrlSpace(const QKeyEvent *event, Qt::KeyboardModifiers modifiers)
{
    return event->key() == Qt::Key_Space && (event->modifiers() & ~Qt::KeypadModifier) == modifiers;
}

// The parameters of a hint line: "a: X","b: Y" gives a: X and b: Y.
QStringList HintParameters(const QString &line)
{
    if (line.size() < 2)
        return {};
    return line.mid(1, line.size() - 2).split(QStringLiteral("\",\""));
}

} // namespace

ScriptCompletion::ScriptCompletion(ScriptEditor &editor, const ScriptKnowledgeBase &knowledge, CompletionScopeProvider scope)
    : QObject(&editor)
    , m_editor(editor)
    , m_knowledge(knowledge)
    , m_scope(std::move(scope))
    , m_popup(new CompletionPopup(&editor))
{
    m_memberListTimer.setSingleShot(true);
    m_memberListTimer.setInterval(DefaultMemberListDelay);
    m_parameterHintTimer.setSingleShot(true);
    m_parameterHintTimer.setInterval(DefaultParameterHintDelay);
    connect(&m_memberListTimer, &QTimer::timeout, this, &ScriptCompletion::openDelayedMemberList);
    connect(&m_parameterHintTimer, &QTimer::timeout, this, &ScriptCompletion::openDelayedParameterHint);
    connect(m_popup, &CompletionPopup::chosen, this, &ScriptCompletion::complete);
    m_editor.setCallTipsBackgroundColor(HintBackground);
}

ScriptCompletion::~ScriptCompletion() = default;

void ScriptCompletion::setDelays(int memberList, int parameterHint)
{
    m_memberListTimer.setInterval(memberList);
    m_parameterHintTimer.setInterval(parameterHint);
}

bool ScriptCompletion::keyBeforeEditor(QKeyEvent *event)
{
    if (m_popup->isVisible()) {
        if (m_popup->moveSelection(event->key()))
            return true;
        switch (event->key()) {
        case Qt::Key_Tab: case Qt::Key_Return: case Qt::Key_Enter:
            complete();
            return true;
        case Qt::Key_Escape:
            m_popup->hide();
            return true;
        default:
            break;
        }
        if (event->text().size() == 1 && EndOfTokenCharacters.contains(event->text()))
            complete();
        return false;
    }
    if (IsCtrlSpace(event, Qt::ControlModifier)) {
        showMemberList();
        return true;
    }
    if (IsCtrlSpace(event, Qt::ControlModifier | Qt::ShiftModifier)) {
        showParameterHint();
        return true;
    }
    return false;
}

void ScriptCompletion::keyAfterEditor(QKeyEvent *event)
{
    const QString typed = event->text();
    if (m_popup->isVisible())
        refilter();
    if (isCallTipShown())
        showParameterHint();
    if (typed == QLatin1String(".")) {
        m_parameterHintTimer.stop();
        m_memberListTrigger = caretPosition();
        m_memberListTimer.interval() == 0 ? showMemberList() : m_memberListTimer.start();
    } else if (typed == QLatin1String("(")) {
        m_memberListTimer.stop();
        m_parameterHintTrigger = caretPosition();
        m_parameterHintTimer.interval() == 0 ? showParameterHint() : m_parameterHintTimer.start();
    }
}

void ScriptCompletion::openDelayedMemberList()
{
    if (isCaretInMemberName(m_memberListTrigger))
        showMemberList();
}

void ScriptCompletion::openDelayedParameterHint()
{
    if (typedSince(m_parameterHintTrigger))
        showParameterHint();
}

std::optional<QString> ScriptCompletion::typedSince(int position) const
{
    const int caret = caretPosition();
    const auto lineOf = [this](int at) { return m_editor.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, at); };
    if (position < 0 || caret < position || lineOf(caret) != lineOf(position))
        return std::nullopt;
    return m_editor.text(position, caret);
}

bool ScriptCompletion::isCaretInMemberName(int nameStart) const
{
    const std::optional<QString> name = typedSince(nameStart);
    return name && std::all_of(name->cbegin(), name->cend(), IsIdentifierChar);
}

CompletionResult ScriptCompletion::resolve(CompletionKind kind) const
{
    const WaitCursor wait;
    int line = 0;
    int index = 0;
    m_editor.getCursorPosition(&line, &index);
    CompletionRequest request;
    request.kind = kind;
    request.lines = m_editor.text().split(QLatin1Char('\n'));
    request.caretLine = line;
    request.caretColumn = int(m_editor.text(m_editor.positionFromLineIndex(line, 0), caretPosition()).size());
    request.scope = m_scope ? m_scope() : CompletionScope();
    return ResolveCompletion(request, m_knowledge);
}

int ScriptCompletion::caretPosition() const
{
    return int(m_editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
}

QString ScriptCompletion::typedPrefix() const
{
    return m_editor.text(m_tokenStart, caretPosition());
}

void ScriptCompletion::showMemberList()
{
    m_memberListTimer.stop();
    if (m_openingMemberList) {
        m_memberListAskedWhileOpening = true;
        return;
    }
    do {
        m_memberListAskedWhileOpening = false;
        openMemberList();
    } while (m_memberListAskedWhileOpening);
}

void ScriptCompletion::openMemberList()
{
    if (m_editor.isCaretInProtectedLine())
        return;
    const CompletionResult result = resolve(CompletionKind::MemberList);
    if (!result.canShow)
        return;
    m_tokenStart = int(m_editor.SendScintilla(QsciScintillaBase::SCI_WORDSTARTPOSITION, caretPosition(), true));
    // Keys typed while the text was read belong to the text, not to the list.
    m_openingMemberList = true;
    QCoreApplication::processEvents();
    m_openingMemberList = false;
    if (!isCaretInMemberName(m_tokenStart))
        return;
    m_popup->setEntries(result.displayLines, result.insertTexts);
    if (!m_popup->filter(typedPrefix()))
        return;
    const int x = int(m_editor.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, m_tokenStart));
    const int y = int(m_editor.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, m_tokenStart));
    const int lineHeight = int(m_editor.SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0));
    m_popup->showAt(m_editor.viewport()->mapToGlobal(QPoint(x, y + lineHeight)));
}

void ScriptCompletion::refilter()
{
    if (!isCaretInMemberName(m_tokenStart) || !m_popup->filter(typedPrefix()))
        m_popup->hide();
}

void ScriptCompletion::complete()
{
    const QString insertText = m_popup->chosenInsertText();
    m_popup->hide();
    if (insertText.isEmpty())
        return;
    m_editor.SendScintilla(QsciScintillaBase::SCI_SETSEL, m_tokenStart, caretPosition());
    m_editor.replaceSelectedText(insertText);
}

void ScriptCompletion::showParameterHint()
{
    m_parameterHintTimer.stop();
    if (m_editor.isCaretInProtectedLine())
        return;
    const CompletionResult hint = resolve(CompletionKind::ParameterHint);
    if (hint.canShow)
        showCallTip(hint);
    else
        cancelCallTip();
}

void ScriptCompletion::showCallTip(const CompletionResult &hint)
{
    const QStringList parameters = HintParameters(hint.displayLines.value(0));
    if (parameters.isEmpty()) {
        cancelCallTip();
        return;
    }
    const QByteArray text = parameters.join(QStringLiteral(", ")).toUtf8();
    if (parameters != m_callTipParameters || !isCallTipShown())
        m_editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPSHOW, caretPosition(), text.constData());
    m_callTipParameters = parameters;
    m_highlighted = hint.parameterIndex < parameters.size() ? hint.parameterIndex : -1;
    int start = 0;
    int end = 0;
    if (m_highlighted >= 0) {
        start = int(parameters.mid(0, m_highlighted).join(QStringLiteral(", ")).toUtf8().size());
        if (m_highlighted > 0)
            start += 2;
        end = start + int(parameters.at(m_highlighted).toUtf8().size());
    }
    m_editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPSETHLT, start, end);
}

void ScriptCompletion::cancelCallTip()
{
    if (isCallTipShown())
        m_editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPCANCEL);
    m_callTipParameters.clear();
    m_highlighted = -1;
}

bool ScriptCompletion::isCallTipShown() const
{
    return m_editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE) != 0;
}

void ScriptCompletion::cancel()
{
    m_memberListTimer.stop();
    m_parameterHintTimer.stop();
    m_popup->hide();
    cancelCallTip();
}

} // namespace talmo
