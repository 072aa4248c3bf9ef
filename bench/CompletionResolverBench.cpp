#include "designer/core/CompletionResolver.h"

#include <benchmark/benchmark.h>

namespace {

// state.range(0) lines of global code made of ten-line routines, each with a
// local variable, a nested block and a call.
QStringList GlobalCode(int lines)
{
    QStringList code = { "var", "  Counter: Integer;", "const", "  Limit: Integer = 10;" };
    for (int routine = 0; code.size() < lines; ++routine) {
        code += { QStringLiteral("procedure Routine%1(Value: Integer; const Name: String);").arg(routine),
                  "var",
                  QStringLiteral("  Local%1: Integer;").arg(routine),
                  "begin",
                  "  if Value > 0 then begin",
                  QStringLiteral("    Local%1 := Value;").arg(routine),
                  "  end;",
                  "  MsgBox(Name, mbInformation, MB_OK);",
                  "end;",
                  "" };
    }
    return code.mid(0, lines);
}

// Twenty pages of fifty controls each.
QList<talmo::CompletionPage> Pages()
{
    QList<talmo::CompletionPage> pages;
    for (int page = 0; page < 20; ++page) {
        QStringList data = { "object TPanel", "  Left = 0" };
        for (int control = 0; control < 50; ++control) {
            data += { QStringLiteral("  object Button%1: TButton").arg(control), "    Left = 8", "    Top = 8",
                      "    Caption = 'Go'", "  end" };
        }
        data.append(QStringLiteral("end"));
        pages.append({ QStringLiteral("Page%1").arg(page), data });
    }
    return pages;
}

talmo::CompletionRequest EventRequest(talmo::CompletionKind kind, const QString &caretLine, int globalLines)
{
    talmo::CompletionRequest request;
    request.kind = kind;
    request.lines = { "procedure Page0_Button1OnClick(Sender: TObject);", "var", "  s: String;", "begin", caretLine, "end;" };
    request.caretLine = 4;
    request.caretColumn = int(caretLine.size());
    request.scope.pageIndex = 0;
    request.scope.pages = Pages();
    request.scope.commonCode = GlobalCode(globalLines);
    return request;
}

const talmo::ScriptKnowledgeBase &Knowledge()
{
    static const talmo::ScriptKnowledgeBase base;
    return base;
}

void Run(benchmark::State &state, const talmo::CompletionRequest &request)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(talmo::ResolveCompletion(request, Knowledge()));
    state.SetComplexityN(state.range(0));
}

} // namespace

// Everything usable at the caret: the widest list.
static void completeEverything(benchmark::State &state)
{
    Run(state, EventRequest(talmo::CompletionKind::MemberList, QStringLiteral("  s := "), int(state.range(0))));
}
BENCHMARK(completeEverything)->Arg(1250)->Arg(2500)->Arg(5000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// Another page's control through its variable.
static void completeOtherPageControl(benchmark::State &state)
{
    Run(state, EventRequest(talmo::CompletionKind::MemberList, QStringLiteral("  Page19_Button49."), int(state.range(0))));
}
BENCHMARK(completeOtherPageControl)->Arg(1250)->Arg(2500)->Arg(5000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

static void hintParameters(benchmark::State &state)
{
    Run(state, EventRequest(talmo::CompletionKind::ParameterHint, QStringLiteral("  Routine3(1, "), int(state.range(0))));
}
BENCHMARK(hintParameters)->Arg(1250)->Arg(2500)->Arg(5000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
