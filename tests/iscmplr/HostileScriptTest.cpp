#include "CompilerFixture.h"

#include <sys/resource.h>

#include <ctime>

// Generated scripts that would exhaust the stack, wrap integers or grow a
// define without end: each is refused at its line, quickly and in little memory.
namespace {

struct HostileScript
{
    const char *name;
    QStringList script;
    QString message;
    int line;
};

QString repeated(const char *text, int times)
{
    return QString::fromLatin1(text).repeated(times);
}

QStringList doublingDefine(int times)
{
    QStringList script = {QStringLiteral("#define A \"x\"")};
    for (int i = 0; i < times; ++i)
        script << QStringLiteral("#define A A+A");
    return script;
}

QStringList manyExpansions()
{
    QStringList script = {QStringLiteral("#define A \"%1\"").arg(repeated("y", 60000)), QStringLiteral("[Setup]")};
    for (int i = 0; i < 300; ++i)
        script << QStringLiteral("AppComments={#A}");
    return script;
}

// The compile runs on the calling thread; its CPU time does not depend on
// how busy the machine is.
qint64 threadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

long peakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

using HostileScripts = CompilerFixture;

TEST_F(HostileScripts, areRefusedAtTheirLineWithinASecondAndBoundedMemory)
{
    const QString tooDeep = QStringLiteral("Expression nested more than 256 levels deep");
    const QString overflow = QStringLiteral("Integer overflow in expression");
    const QList<HostileScript> cases = {
        {"10,000 opening parentheses", {QStringLiteral("#if ") + repeated("(", 10000)}, tooDeep, 1},
        {"balanced parentheses one level too deep",
         {QStringLiteral("; deep"), QStringLiteral("#define D ") + repeated("(", 257) + QStringLiteral("1") + repeated(")", 257)}, tooDeep, 2},
        {"10,000 negations", {QStringLiteral("#if ") + repeated("!", 10000) + QStringLiteral("1")}, tooDeep, 1},
        {"nested calls", {QStringLiteral("x={#") + repeated("SetupSetting(", 10000) + QStringLiteral("}")}, tooDeep, 1},
        {"sum past the largest integer", {QStringLiteral("#define g 9223372036854775807+1")}, overflow, 1},
        {"difference past the smallest integer", {QStringLiteral("#define g 0-9223372036854775807-2")}, overflow, 1},
        {"inline sum", {QStringLiteral("#define g 9223372036854775807"), QStringLiteral("x={#g + g}")}, overflow, 2},
        {"literal beyond 64 bits", {QStringLiteral("#define g 9223372036854775808")},
         QStringLiteral("Number out of range: 9223372036854775808"), 1},
        {"a define doubled 30 times", doublingDefine(30), QStringLiteral("Text longer than 65536 characters in expression"), 18},
        {"a long define expanded on many lines", manyExpansions(),
         QStringLiteral("The preprocessed script grows by more than 16777216 characters"), 282},
    };
    ASSERT_NE(CompilerSession::compileEntry(), nullptr); // the library is loaded before any clock starts
    for (const HostileScript &c : cases) {
        CompilerSession s = session(c.script);
        const long memoryBefore = peakMemoryKiB();
        const qint64 started = threadCpuMilliseconds();
        EXPECT_EQ(s.compile(), TCompilerResultFailed) << c.name;
        EXPECT_LT(threadCpuMilliseconds() - started, 1000) << c.name;
        EXPECT_LT(peakMemoryKiB() - memoryBefore, 256 * 1024) << c.name;
        ASSERT_EQ(s.errors.size(), 1) << c.name;
        EXPECT_EQ(s.errors.first().message, c.message) << c.name;
        EXPECT_EQ(s.errors.first().line, c.line) << c.name;
    }
}

TEST_F(HostileScripts, valuesUpToTheBoundsStillCompile)
{
    QStringList script = doublingDefine(16); // 65,536 characters: the longest a define may be
    script << QStringLiteral("#define N 9223372036854775806+1") << QStringLiteral("#define M 0-9223372036854775807-1")
           << QStringLiteral("#define D ") + repeated("(", 255) + QStringLiteral("N") + repeated(")", 255)
           << QStringLiteral("#if D == N && M < 0 && A != \"\"") << minimalSetup() << QStringLiteral("#endif");
    CompilerSession s = session(script);
    EXPECT_EQ(s.compile(), TCompilerResultCompiled) << s.errors.value(0).message.toStdString();
}
