#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;

// The two pop-ups of the script editors.
enum class CompletionKind {
    MemberList,    // the members of the object left of the caret, or everything usable there
    ParameterHint, // the parameters of the routine whose call holds the caret
};

// A designed page as completion sees it.
struct CompletionPage
{
    QString name;
    QStringList data; // the page's component text
};

// Where an editor sits in the project: the event code of the page at
// pageIndex, or the global code (pageIndex -1).
struct CompletionScope
{
    int pageIndex = -1;
    QList<CompletionPage> pages;
    QStringList commonCode;
};

// The project's pages and global code as completion in this editor sees them.
CompletionScope CompletionScopeOf(const TProjectContainer &project, int pageIndex);

struct CompletionRequest
{
    CompletionKind kind = CompletionKind::MemberList;
    QStringList lines;   // the editor's text
    int caretLine = 0;   // 0-based
    int caretColumn = 0; // 0-based, in characters; may lie past the line's end
    CompletionScope scope;
};

// What a pop-up shows: line i of displayLines inserts insertTexts[i]. A
// parameter hint has one display line of quoted parameters and no insert texts.
struct CompletionResult
{
    QStringList displayLines;
    QStringList insertTexts;
    int parameterIndex = 0;
    bool canShow = true;
};

} // namespace talmo
