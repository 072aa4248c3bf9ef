#include "engine/cab/CabwizProcess.h"
#include "engine/cab/ProcessLineAssembler.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

using namespace talmo;

namespace {

struct ChunkCase
{
    const char *label;
    std::vector<QByteArray> chunks;
    QStringList lines;
    QStringList errorLines;
};

void PrintTo(const ChunkCase &c, std::ostream *os)
{
    *os << c.label;
}

class BuilderProcessLinesTest : public ::testing::TestWithParam<ChunkCase>
{
};

TEST_P(BuilderProcessLinesTest, AssemblesWholeLines)
{
    ProcessLineAssembler assembler;
    QStringList lines;
    for (const QByteArray &chunk : GetParam().chunks)
        lines += assembler.Feed(chunk);
    lines += assembler.Finish();
    EXPECT_EQ(lines, GetParam().lines);

    QStringList errors;
    for (const QString &line : std::as_const(lines)) {
        if (CabwizProcess::IsErrorLine(line))
            errors.append(line);
    }
    EXPECT_EQ(errors, GetParam().errorLines);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BuilderProcessLinesTest,
    ::testing::Values(
        ChunkCase{"OneChunkManyLines", {"one\ntwo\n"}, {"one", "two"}, {}},
        ChunkCase{"LineSplitAcrossChunks", {"Err", "or: missing file\nok\n"}, {"Error: missing file", "ok"},
                  {"Error: missing file"}},
        ChunkCase{"CarriageReturnLineFeed", {"Error: a\r\nError: b\r\n"}, {"Error: a", "Error: b"},
                  {"Error: a", "Error: b"}},
        ChunkCase{"CarriageReturnAndLineFeedInTwoChunks", {"first\r", "\nsecond\r\n"}, {"first", "second"}, {}},
        ChunkCase{"LoneCarriageReturnEndsALine", {"50%\r100%\r\n"}, {"50%", "100%"}, {}},
        ChunkCase{"EmptyLinesKept", {"a\n\n\r\nb\n"}, {"a", "", "", "b"}, {}},
        ChunkCase{"LastLineWithoutLineEnd", {"done\nError: late"}, {"done", "Error: late"}, {"Error: late"}},
        ChunkCase{"ErrorInsideALineDoesNotCount", {"Warning: Error ahead\n  Error indented\n"},
                  {"Warning: Error ahead", "  Error indented"}, {}},
        ChunkCase{"CaseMatters", {"error: lower\nERROR: upper\n"}, {"error: lower", "ERROR: upper"}, {}},
        ChunkCase{"CharacterCutBetweenChunks", {"Error: caf\xC3", "\xA9\n"}, {QStringLiteral("Error: caf\u00E9")},
                  {QStringLiteral("Error: caf\u00E9")}},
        ChunkCase{"NothingAtAll", {}, {}, {}}),
    [](const ::testing::TestParamInfo<ChunkCase> &info) { return std::string(info.param.label); });

} // namespace
