#include "engine/script/ScriptQuoting.h"

#include "ScriptTestSupport.h"

namespace talmo {
namespace {

struct QuotingCase
{
    const char *text;
    const char *quoted;
    const char *value;
    const char *pascal;
};

const QuotingCase quotingCases[] = {
    { "plain text", "\"plain text\"", "plain text", "'plain text'" },
    { "", "\"\"", "", "''" },
    { "say \"hi\"", "\"say \"\"hi\"\"\"", "\"say \"\"hi\"\"\"", "'say \"hi\"'" },
    { "%PATH%;{app}\\bin", "\"%PATH%;{app}\\bin\"", "\"%PATH%;{app}\\bin\"", "'%PATH%;{app}\\bin'" },
    { "It's", "\"It's\"", "It's", "'It''s'" },
    { "''", "\"''\"", "''", "''''''" },
};

TEST(ScriptQuotingTest, QuotesEveryKindOfText)
{
    for (const QuotingCase &c : quotingCases) {
        const QString text = QString::fromUtf8(c.text);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ScriptQuoted(text), QString::fromUtf8(c.quoted));
        EXPECT_EQ(ScriptValue(text), QString::fromUtf8(c.value));
        EXPECT_EQ(PascalStringLiteral(text), QString::fromUtf8(c.pascal));
    }
}

TEST(ScriptQuotingTest, InstallerLiteralDoublesOpeningBracesOnly)
{
    EXPECT_EQ(InstallerLiteral("{app} {{x}"), "{{app} {{{{x}");
    EXPECT_EQ(InstallerLiteral("a}b"), "a}b");
}

} // namespace
} // namespace talmo
