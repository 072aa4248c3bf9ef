#include "designer/script/ScriptEditor.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscilexerpascal.h>

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace talmo {

namespace {

const QColor HintBackground(0xFF, 0xFF, 0xE1);
const QColor CommentColor(0x00, 0x80, 0x00);
const QColor KeywordColor(0x00, 0x00, 0x80);
const QColor StringColor(0x00, 0x00, 0xFF);

QFont EditorFont()
{
    QFont font(QStringLiteral("Courier New"), 9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QsciLexerPascal *MakeLexer(QObject *parent)
{
    auto *lexer = new QsciLexerPascal(parent);
    const QFont font = EditorFont();
    lexer->setDefaultFont(font);
    lexer->setFont(font);
    lexer->setDefaultPaper(Qt::white);
    lexer->setPaper(Qt::white);
    lexer->setDefaultColor(Qt::black);
    lexer->setColor(Qt::black);
    for (int style : { QsciLexerPascal::Comment, QsciLexerPascal::CommentLine, QsciLexerPascal::CommentParenthesis })
        lexer->setColor(CommentColor, style);
    lexer->setColor(KeywordColor, QsciLexerPascal::Keyword);
    for (int style : { QsciLexerPascal::SingleQuotedString, QsciLexerPascal::UnclosedString, QsciLexerPascal::Character })
        lexer->setColor(StringColor, style);
    return lexer;
}

// Keys that only move the caret, select, copy or undo: never harmful to line 1.
bool LeavesTextAlone(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta: case Qt::Key_AltGr:
    case Qt::Key_CapsLock: case Qt::Key_NumLock: case Qt::Key_ScrollLock: case Qt::Key_Escape: case Qt::Key_Menu:
        return true;
    default:
        break;
    }
    if (event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F35)
        return true;
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)
        || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)
        || (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier);
}

QString WithoutTrailingBlanks(QString line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1).isSpace())
        --end;
    line.truncate(end);
    return line;
}

} // namespace

ScriptEditor::ScriptEditor(QWidget *parent)
    : QsciScintilla(parent)
{
    applyLook();
    buildContextMenu();
    connect(this, &QsciScintilla::textChanged, this, &ScriptEditor::onTextChanged);
}

ScriptEditor::~ScriptEditor() = default;

void ScriptEditor::applyLook()
{
    setUtf8(true);
    setLexer(MakeLexer(this));
    setFont(EditorFont());
    for (int margin = 0; margin < 5; ++margin)
        setMarginWidth(margin, 0);
    setEdgeMode(EdgeNone);
    setAutoIndent(true);
    setIndentationsUseTabs(false);
    setTabIndents(true);
    setBackspaceUnindents(true);
    setEolMode(EolUnix);
    // Swapping or moving lines could carry line 1 away from the top.
    for (auto command : { QsciCommand::LineTranspose, QsciCommand::MoveSelectedLinesUp,
                          QsciCommand::MoveSelectedLinesDown }) {
        if (QsciCommand *bound = standardCommands()->find(command)) {
            bound->setKey(0);
            bound->setAlternateKey(0);
        }
    }
    // The hint colour marks the caret's line, focused or not; the header line
    // takes the lexer's colours as every other line.
    setCaretLineVisible(true);
    setCaretLineBackgroundColor(HintBackground);
    SendScintilla(SCI_SETCARETLINEVISIBLEALWAYS, 1);
    fitScrollWidthToText();
}

void ScriptEditor::fitScrollWidthToText()
{
    // The scroll bar shows only for a line wider than the view; the width
    // grows as wider lines are shown and starts again with new text.
    SendScintilla(SCI_SETSCROLLWIDTH, 1);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1);
}

void ScriptEditor::buildContextMenu()
{
    m_menu = new QMenu(this);
    connect(m_menu->addAction(QStringLiteral("Copy")), &QAction::triggered, this, &QsciScintilla::copy);
    connect(m_menu->addAction(QStringLiteral("Cut")), &QAction::triggered, this, &ScriptEditor::cut);
    connect(m_menu->addAction(QStringLiteral("Paste")), &QAction::triggered, this, &ScriptEditor::paste);
    m_menu->addSeparator();
    connect(m_menu->addAction(QStringLiteral("Locate Selection in Helper")), &QAction::triggered, this,
            [this] { emit locateSelectionInHelper(wordAtCaret()); });
}

QStringList ScriptEditor::Lines() const
{
    QStringList lines = text().split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = WithoutTrailingBlanks(line);
    return lines;
}

void ScriptEditor::setLines(const QStringList &lines)
{
    {
        const QScopedValueRollback<bool> silence(m_silent, true);
        setText(lines.join(QLatin1Char('\n')));
    }
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    fitScrollWidthToText();
}

void ScriptEditor::setFirstLineProtected(bool protect)
{
    m_firstLineProtected = protect;
}

QString ScriptEditor::wordAtCaret() const
{
    int line = 0;
    int index = 0;
    getCursorPosition(&line, &index);
    return wordAtLineIndex(line, index);
}

bool ScriptEditor::isCaretInProtectedLine() const
{
    int line = 0;
    int index = 0;
    getCursorPosition(&line, &index);
    return m_firstLineProtected && line == 0;
}

void ScriptEditor::setCompletionScope(const ScriptKnowledgeBase &knowledge, CompletionScopeProvider scope)
{
    delete m_completion;
    m_completion = new ScriptCompletion(*this, knowledge, std::move(scope));
}

void ScriptEditor::onTextChanged()
{
    if (!m_silent)
        emit codeChanged();
}

bool ScriptEditor::allowEdit(EditDirection direction)
{
    if (!m_firstLineProtected)
        return true;
    int fromLine = -1;
    int fromIndex = -1;
    int toLine = -1;
    int toIndex = -1;
    getSelection(&fromLine, &fromIndex, &toLine, &toIndex);
    if (fromLine < 0) {
        getCursorPosition(&fromLine, &fromIndex);
        if (direction == EditDirection::BackwardFromCaret)
            return fromLine > 1 || (fromLine == 1 && fromIndex > 0);
        return fromLine > 0;
    }
    if (fromLine > 0)
        return true;
    if (toLine == 0)
        return false;
    setSelection(1, 0, toLine, toIndex);
    return true;
}

void ScriptEditor::keyPressEvent(QKeyEvent *event)
{
    if (m_completion && m_completion->keyBeforeEditor(event)) {
        event->accept();
        return;
    }
    if (!LeavesTextAlone(event)) {
        const bool backward = event->key() == Qt::Key_Backspace;
        if (!allowEdit(backward ? EditDirection::BackwardFromCaret : EditDirection::AtSelection)) {
            event->accept();
            return;
        }
    }
    QsciScintilla::keyPressEvent(event);
    if (m_completion)
        m_completion->keyAfterEditor(event);
}

void ScriptEditor::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty() && !allowEdit(EditDirection::AtSelection)) {
        event->accept();
        return;
    }
    QsciScintilla::inputMethodEvent(event);
}

void ScriptEditor::cut()
{
    if (allowEdit(EditDirection::AtSelection))
        QsciScintilla::cut();
}

void ScriptEditor::paste()
{
    if (allowEdit(EditDirection::AtSelection))
        QsciScintilla::paste();
}

void ScriptEditor::contextMenuEvent(QContextMenuEvent *event)
{
    const bool selected = hasSelectedText();
    const QList<QAction *> actions = m_menu->actions();
    actions.at(0)->setEnabled(selected);
    actions.at(1)->setEnabled(selected);
    m_menu->popup(event->globalPos());
    event->accept();
}

bool ScriptEditor::isInFirstLine(const QPoint &point) const
{
    return m_firstLineProtected && lineAt(point) == 0;
}

void ScriptEditor::dragMoveEvent(QDragMoveEvent *event)
{
    if (isInFirstLine(event->position().toPoint())) {
        event->ignore();
        return;
    }
    QsciScintilla::dragMoveEvent(event);
}

void ScriptEditor::dropEvent(QDropEvent *event)
{
    if (isInFirstLine(event->position().toPoint())) {
        event->ignore();
        return;
    }
    // Moving text out of line 1 would delete it there: it is copied instead.
    int fromLine = -1;
    int fromIndex = -1;
    int toLine = -1;
    int toIndex = -1;
    getSelection(&fromLine, &fromIndex, &toLine, &toIndex);
    const bool fromHere = event->source() == this || event->source() == viewport();
    if (m_firstLineProtected && fromHere && fromLine == 0)
        event->setDropAction(Qt::CopyAction);
    QsciScintilla::dropEvent(event);
}

void ScriptEditor::mousePressEvent(QMouseEvent *event)
{
    if (m_completion)
        m_completion->cancel();
    // The middle button pastes the primary selection where it is pressed.
    if (event->button() == Qt::MiddleButton && isInFirstLine(event->position().toPoint())) {
        event->accept();
        return;
    }
    QsciScintilla::mousePressEvent(event);
}

void ScriptEditor::focusOutEvent(QFocusEvent *event)
{
    if (m_completion)
        m_completion->cancel();
    QsciScintilla::focusOutEvent(event);
}

} // namespace talmo

