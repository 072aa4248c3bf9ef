// Completion on arbitrary script text: the first four bytes choose the pop-up,
// the editor (global code or one of two pages), the caret line and column;
// the rest is the editor's text, which also serves as the project's global
// code and as the text of the second page. The resolver must return, with a
// display list that agrees with its answer, whatever the text.
#include "designer/core/CompletionResolver.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace talmo;

namespace {

ScriptMemberList Members(const QString &className)
{
    ScriptMemberList members;
    if (className.isEmpty()) {
        members.insertTexts = { "MsgBox", "Copy", "Beep" };
        members.declarations = { "function MsgBox(const Text: String; const Typ: TMsgBoxType; const Buttons: Integer): Integer;",
                                 "function Copy(S: String; Index, Count: Integer): String;", "procedure Beep;" };
    } else if (className.compare(QLatin1String("TWizardForm"), Qt::CaseInsensitive) == 0
               || className.compare(QLatin1String("TButton"), Qt::CaseInsensitive) == 0) {
        members.insertTexts = { "Close", "Caption", "Free" };
        members.declarations = { "procedure Close;", "property Caption: String; read write;", "procedure Free(" };
    }
    return members;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 4), qsizetype(size - 4));
    CompletionRequest request;
    request.kind = data[0] & 1 ? CompletionKind::ParameterHint : CompletionKind::MemberList;
    request.lines = text.split(QLatin1Char('\n'));
    request.caretLine = int(data[2]) - 8;
    request.caretColumn = int(data[3]) - 8;
    request.scope.pageIndex = int(data[1] % 4) - 1;
    request.scope.commonCode = request.lines;
    request.scope.pages = { { "Welcome", { "object TPanel", "  object Button1: TButton", "  end", "end" } },
                            { "Details", request.lines } };
    const CompletionResult result = ResolveCompletion(request, ClassMemberSource(Members));
    if (result.canShow == result.displayLines.isEmpty())
        std::abort();
    return 0;
}
