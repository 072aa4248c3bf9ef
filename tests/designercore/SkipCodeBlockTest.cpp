#include "designer/core/ScriptBlocks.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

struct SkipCase
{
    const char *name;
    QStringList lines;
    int from;
    int stopsAt;
};

TEST(SkipCodeBlock, StopsAtTheEndOfTheBlockItStartsIn)
{
    const QList<SkipCase> cases = {
        { "plain body", { "begin", "x;", "end;", "y;", "z" }, 1, 2 },
        { "nested begin", { "a;", "if x then begin", "b;", "end;", "c;", "end;", "z", "w" }, 0, 5 },
        { "nested case", { "case x of", "1: a;", "end;", "end;", "z", "w" }, 0, 3 },
        { "deeper nesting", { "begin", "begin", "end;", "case y of", "end;", "end;", "end;", "x", "w" }, 0, 6 },
        { "end and begin on one line count as end", { "if a then begin", "x;", "end else begin", "y;", "end;", "end;", "z", "w" }, 0, 4 },
        { "try opens no block", { "try", "x;", "finally", "y;", "end;", "z;", "end;", "q", "w" }, 0, 4 },
        { "repeat opens no block", { "repeat", "x;", "until y;", "end;", "q", "w" }, 0, 3 },
        { "words only as whole words", { "endless := 1;", "beginner := 2;", "end;", "x", "y" }, 0, 2 },
        { "words in literals do not count", { "s := 'end';", "t := 'begin';", "end;", "x", "y" }, 0, 2 },
        { "no end stops at the second-to-last line", { "a", "b", "c", "d" }, 0, 3 },
        { "unclosed nested block", { "begin", "a", "b", "c" }, 0, 3 },
        { "empty text", {}, 0, 0 },
        { "start past the text", { "a" }, 5, 5 },
    };
    for (const SkipCase &skip : cases)
        EXPECT_EQ(SkipCodeBlock(skip.from, skip.lines), skip.stopsAt) << skip.name;
}

TEST(SkipCodeBlock, DeepNestingNeedsNoRecursion)
{
    QStringList lines(100000, QStringLiteral("begin"));
    lines += QStringList(100000, QStringLiteral("end;"));
    lines += QStringList({ "end;", "x", "y" });
    EXPECT_EQ(SkipCodeBlock(0, lines), 200000);
}

TEST(IsRoutineHeader, TheRoutineWordsOnlyAsWholeWordsOutsideLiterals)
{
    const QList<std::pair<const char *, bool>> cases = {
        { "function Next(Sender: TObject): Boolean;", true },
        { "  PROCEDURE InitializeWizard;", true },
        { "functional := 1;", false },
        { "s := 'procedure';", false },
        { "", false },
    };
    for (const auto &[line, header] : cases)
        EXPECT_EQ(IsRoutineHeader(QString::fromLatin1(line)), header) << line;
}

} // namespace
