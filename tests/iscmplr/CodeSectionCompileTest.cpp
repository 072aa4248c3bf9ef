#include "CodeMistakes.h"
#include "CompilerFixture.h"
#include "tests/support/QtPrinters.h"

#include <QLibrary>

#include <memory>

namespace {

// The four lines of minimalSetup() and "[Code]" come first.
constexpr int kFirstCodeLine = 6;

class CodeSectionCompile : public CompilerFixture, public ::testing::WithParamInterface<CodeMistake>
{
};

TEST_P(CodeSectionCompile, mistakeFailsTheCompileAtItsLine)
{
    const CodeMistake &mistake = GetParam();
    CompilerSession s = session(minimalSetup() << QStringLiteral("[Code]") << mistake.declaration() << mistake.bodyLines());
    EXPECT_EQ(s.compile(), TCompilerResultFailed);
    ASSERT_EQ(s.errors.size(), 1);
    EXPECT_EQ(s.errors.first().message, mistake.message());
    EXPECT_FALSE(s.errors.first().hasFile);
    EXPECT_EQ(s.errors.first().line, kFirstCodeLine + mistake.faultyLine - 1);
    EXPECT_FALSE(QFileInfo::exists(outputFolder() + QStringLiteral("/setup.exe")));
}

TEST_P(CodeSectionCompile, mistakeInAnIncludedFileNamesThatFileAndItsLine)
{
    const CodeMistake &mistake = GetParam();
    const QStringList code = QStringList{QStringLiteral("// the page's events"), mistake.declaration()} + mistake.bodyLines();
    writeFile(QStringLiteral("events.isi"), "[Code]\n" + code.join(u'\n').toLatin1() + '\n');
    CompilerSession s = session(minimalSetup() << QStringLiteral("[Code]") << QStringLiteral("var Counter: Integer;")
                                               << QStringLiteral("#include \"events.isi\""));
    EXPECT_EQ(s.compile(), TCompilerResultFailed);
    ASSERT_EQ(s.errors.size(), 1);
    EXPECT_EQ(s.errors.first().message, mistake.message());
    EXPECT_EQ(s.errors.first().file, sourcePath(QStringLiteral("events.isi")));
    EXPECT_EQ(s.errors.first().line, 2 + mistake.faultyLine);
}

INSTANTIATE_TEST_SUITE_P(Mistakes, CodeSectionCompile, ::testing::ValuesIn(CodeMistakes()),
                         [](const ::testing::TestParamInfo<CodeMistake> &info) { return CodeMistakeName(info.param); });

using CodeSectionAccepted = CompilerFixture;

TEST_F(CodeSectionAccepted, twoPlainStatementsNeedNoSemicolonBetweenThem)
{
    CompilerSession s = session(minimalSetup() << QStringLiteral("[Code]") << QStringLiteral("procedure Greet();")
                                               << QStringLiteral("var S: String;") << QStringLiteral("begin")
                                               << QStringLiteral("  S := 'Hello'")
                                               << QStringLiteral("  MsgBox(S, mbInformation, MB_OK)")
                                               << QStringLiteral("  MsgBox(S, mbInformation, MB_OK);")
                                               << QStringLiteral("end;"));
    EXPECT_EQ(s.compile(), TCompilerResultCompiled) << (s.errors.isEmpty() ? std::string() : s.errors.first().message.toStdString());
    EXPECT_TRUE(QFileInfo::exists(outputFolder() + QStringLiteral("/setup.exe")));
}

TEST_F(CodeSectionAccepted, hintsAreWarningsOfTheLogAndTheSetupIsWritten)
{
    CompilerSession s = session(minimalSetup() << QStringLiteral("[Code]") << QStringLiteral("procedure Unused();")
                                               << QStringLiteral("var Spare: Integer;") << QStringLiteral("begin")
                                               << QStringLiteral("end;"));
    EXPECT_EQ(s.compile(), TCompilerResultCompiled);
    EXPECT_TRUE(s.errors.isEmpty());
    EXPECT_TRUE(s.statuses.contains(QStringLiteral("Warning: Line 7: Column 5: Variable 'SPARE' never used")))
        << s.statuses.join(u'|').toStdString();
    EXPECT_TRUE(QFileInfo::exists(outputFolder() + QStringLiteral("/setup.exe")));
}

// Real scripts call the support routines the 5.4 compiler registers beside
// the function list; each one, with its declared arguments, compiles.
TEST_F(CodeSectionAccepted, theRoutinesTheCompilerRegistersBesideTheFunctionListCompile)
{
    CompilerSession s = session(minimalSetup() << QStringLiteral("[Code]") << QStringLiteral("procedure UseThem();")
        << QStringLiteral("var S: String; A: AnsiString; N, H: Longint; Code: Integer; Lines: TArrayOfString; Done: Boolean;")
        << QStringLiteral("begin")
        << QStringLiteral("  Done := ExecAsOriginalUser('a.exe', '', '', SW_SHOW, ewWaitUntilTerminated, Code);")
        << QStringLiteral("  Done := ShellExecAsOriginalUser('open', 'a.txt', '', '', SW_SHOW, ewNoWait, Code);")
        << QStringLiteral("  Done := SetNTFSCompression(ExpandConstant('{app}'), True);")
        << QStringLiteral("  Done := GetSaveFileName('Save', S, '', 'All files|*.*', 'txt');")
        << QStringLiteral("  S := MinimizePathName(S, WizardForm.Font, 200);")
        << QStringLiteral("  S := GetSHA1OfFile(S) + GetSHA1OfString(A) + GetSHA1OfUnicodeString(S) + GetMD5OfUnicodeString(S);")
        << QStringLiteral("  Done := SaveStringsToUTF8File(S, Lines, False);")
        << QStringLiteral("  N := PageIndexFromID(wpWelcome);")
        << QStringLiteral("  H := LoadDLL('a.dll', Code);")
        << QStringLiteral("  Done := CallDLLProc(H, 'Run', 1, 2, N) and FreeDLL(H);")
        << QStringLiteral("  S := CastIntegerToString(N);")
        << QStringLiteral("  N := CastStringToInteger(S);")
        << QStringLiteral("end;"));
    EXPECT_EQ(s.compile(), TCompilerResultCompiled) << (s.errors.isEmpty() ? std::string() : s.errors.first().message.toStdString())
                                                    << " at " << s.errors.value(0).line;
}

TEST_F(CodeSectionAccepted, aCheckMayNameARoutineTheCompilerRegistersBesideTheFunctionList)
{
    writeFile(QStringLiteral("a.txt"), "a");
    CompilerSession s = session(minimalSetup() << QStringLiteral("[Files]")
                                               << QStringLiteral("Source: a.txt; DestDir: {app}; Check: SetNTFSCompression(ExpandConstant('{app}'), True)"));
    EXPECT_EQ(s.compile(), TCompilerResultCompiled) << (s.errors.isEmpty() ? std::string() : s.errors.first().message.toStdString());
}

// A copy of the compiler library in a program folder of its own, where the
// checker is missing, unusable or whatever a test puts there.
class CopiedLibrary : public CompilerFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TALMO_TEST_PROGRAM_DIR "/libISCmplr.so"), m_folder.filePath(QStringLiteral("libISCmplr.so"))));
        m_library = std::make_unique<QLibrary>(m_folder.filePath(QStringLiteral("libISCmplr.so")));
        ASSERT_TRUE(m_library->load()) << m_library->errorString().toStdString();
    }
    void TearDown() override { m_library->unload(); }

    QString checkerPath() const { return m_folder.filePath(QStringLiteral("pascalcheck")); }

    void writeChecker(const QByteArray &shellScript, QFile::Permissions permissions)
    {
        QFile checker(checkerPath());
        ASSERT_TRUE(checker.open(QIODevice::WriteOnly));
        checker.write("#!/bin/sh\n" + shellScript + '\n');
        checker.close();
        checker.setPermissions(permissions);
    }

    CompilerSession::Error compileWithCode()
    {
        CompilerSession s = session(minimalSetup() << QStringLiteral("[Code]") << QStringLiteral("procedure A();")
                                                   << QStringLiteral("begin") << QStringLiteral("end;"));
        const auto compile = reinterpret_cast<TISDllCompileScriptProc>(m_library->resolve("ISDllCompileScript"));
        EXPECT_EQ(s.compileWith(compile), TCompilerResultFailed);
        EXPECT_FALSE(QFileInfo::exists(outputFolder() + QStringLiteral("/setup.exe")));
        EXPECT_EQ(s.errors.size(), 1);
        return s.errors.value(0);
    }

    QTemporaryDir m_folder;
    std::unique_ptr<QLibrary> m_library;
};

TEST_F(CopiedLibrary, missingCheckerFailsTheCompileNamingIt)
{
    const CompilerSession::Error error = compileWithCode();
    EXPECT_EQ(error.message, QStringLiteral("Cannot compile [Code]: the Pascal Script checker \"%1\" is missing").arg(checkerPath()));
    EXPECT_EQ(error.line, 5);
}

TEST_F(CopiedLibrary, checkerThatCannotRunFailsTheCompileNamingIt)
{
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::WriteOwner;
    const QFile::Permissions runnable = readOnly | QFile::ExeOwner;
    struct Case
    {
        const char *script;
        QFile::Permissions permissions;
        QString reason;
    };
    const QList<Case> cases = {
        {"exit 0", readOnly, QStringLiteral("cannot be run")},
        {"kill -SEGV $$", runnable, QStringLiteral("crashed")},
        {"echo 'pascalcheck: cannot read script-types.txt' >&2; exit 2", runnable,
         QStringLiteral("failed (exit code 2): pascalcheck: cannot read script-types.txt")},
        {"exit 1", runnable, QStringLiteral("refused the code without naming an error")},
    };
    for (const Case &c : cases) {
        writeChecker(c.script, c.permissions);
        const CompilerSession::Error error = compileWithCode();
        EXPECT_TRUE(error.message.startsWith(QStringLiteral("Cannot compile [Code]: the Pascal Script checker \"%1\" %2")
                                                 .arg(checkerPath(), c.reason)))
            << error.message.toStdString();
    }
}

} // namespace
