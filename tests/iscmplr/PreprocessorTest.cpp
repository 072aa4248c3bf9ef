#include "CompilerFixture.h"

namespace {

struct PreprocessorCase
{
    const char *name;
    QStringList script;
    QStringList expected; // the preprocessed script as the package holds it
};

QByteArray packagedScript(const CompilerSession &s)
{
    return readSetupPackage(s.successFile).value(QStringLiteral("script.iss"));
}

QByteArray joined(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

} // namespace

using Preprocessor = CompilerFixture;

TEST_F(Preprocessor, expandsDefinesConditionsAndInlineExpressions)
{
    const QStringList setupTail = {QStringLiteral("AppVersion=1.0"), QStringLiteral("DefaultDirName={pf}\\Demo")};
    const QList<PreprocessorCase> cases = {
        {"define with and without value, inline use",
         QStringList{QStringLiteral("#define Name \"Demo\""), QStringLiteral("#define Flag"), QStringLiteral("[Setup]"),
                     QStringLiteral("AppName={#Name}")} + setupTail + QStringList{QStringLiteral("AppComments=[{#Flag}]")},
         QStringList{QStringLiteral("[Setup]"), QStringLiteral("AppName=Demo")} + setupTail + QStringList{QStringLiteral("AppComments=[]")}},
        {"plus joins texts and adds numbers",
         QStringList{QStringLiteral("#define Base \"C:\\Tools\""), QStringLiteral("#define Count 2 + 3"), QStringLiteral("[Setup]"),
                     QStringLiteral("AppName={#Base + \"\\sub\"} {#Count}")} + setupTail,
         QStringList{QStringLiteral("[Setup]"), QStringLiteral("AppName=C:\\Tools\\sub 5")} + setupTail},
        {"ifdef, ifndef and else pick their branches, nested",
         QStringList{QStringLiteral("#define A"), QStringLiteral("[Setup]"), QStringLiteral("#ifdef A"),
                     QStringLiteral("  #ifndef B"), QStringLiteral("AppName=AB"), QStringLiteral("  #else"),
                     QStringLiteral("AppName=wrong"), QStringLiteral("  #endif"), QStringLiteral("#else"),
                     QStringLiteral("AppName=wrong too"), QStringLiteral("#endif")} + setupTail,
         QStringList{QStringLiteral("[Setup]"), QStringLiteral("AppName=AB")} + setupTail},
        {"if and elif evaluate expressions",
         QStringList{QStringLiteral("#define Level 2"), QStringLiteral("[Setup]"), QStringLiteral("#if Level == 1"),
                     QStringLiteral("AppName=one"), QStringLiteral("#elif Level == 2 && defined(Level)"),
                     QStringLiteral("AppName=two"), QStringLiteral("#else"), QStringLiteral("AppName=other"),
                     QStringLiteral("#endif")} + setupTail,
         QStringList{QStringLiteral("[Setup]"), QStringLiteral("AppName=two")} + setupTail},
        {"SetupSetting reads what [Setup] said so far",
         QStringList{QStringLiteral("[Setup]"), QStringLiteral("AppName=Demo")} + setupTail
             + QStringList{QStringLiteral("AppComments=Version {#SetupSetting(\"AppVersion\")}")},
         QStringList{QStringLiteral("[Setup]"), QStringLiteral("AppName=Demo")} + setupTail
             + QStringList{QStringLiteral("AppComments=Version 1.0")}},
        {"undef forgets a define",
         QStringList{QStringLiteral("#define X"), QStringLiteral("#undef X"), QStringLiteral("[Setup]"), QStringLiteral("#ifdef X"),
                     QStringLiteral("AppName=wrong"), QStringLiteral("#else"), QStringLiteral("AppName=Demo"),
                     QStringLiteral("#endif")} + setupTail,
         QStringList{QStringLiteral("[Setup]"), QStringLiteral("AppName=Demo")} + setupTail},
    };
    for (const PreprocessorCase &c : cases) {
        CompilerSession s = session(c.script);
        ASSERT_EQ(s.compile(), TCompilerResultCompiled)
            << c.name << ": " << (s.errors.isEmpty() ? std::string() : s.errors.first().message.toStdString());
        EXPECT_EQ(packagedScript(s), joined(c.expected)) << c.name;
    }
}

TEST_F(Preprocessor, includesFilesNamedByExpressionsRelativeToTheSourceFolderAndCompilerFolder)
{
    writeFile(QStringLiteral("inc/_lib.isi"), "[Setup]\r\n#include \"more.isi\"\r\n");
    writeFile(QStringLiteral("inc/more.isi"), "AppName={#Greeting}\n");
    CompilerSession s = session({QStringLiteral("#define IncludePath \"inc\""), QStringLiteral("#define Greeting \"Hi\""),
                                 QStringLiteral("#include IncludePath+\"\\_lib.isi\""), QStringLiteral("AppVersion=1"),
                                 QStringLiteral("DefaultDirName=x"), QStringLiteral("#include \"compiler:Default.isl\"")});
    ASSERT_EQ(s.compile(), TCompilerResultCompiled) << s.errors.value(0).message.toStdString();
    const QByteArray script = packagedScript(s);
    EXPECT_TRUE(script.startsWith("[Setup]\r\nAppName=Hi\r\nAppVersion=1\r\nDefaultDirName=x\r\n; A small messages file"))
        << script.constData();
}

TEST_F(Preprocessor, faultsAreReportedWithTheirFileAndLine)
{
    writeFile(QStringLiteral("bad.isi"), "; fine\n{#Unknown}\n");
    writeFile(QStringLiteral("open.isi"), "#ifdef X\n");
    writeFile(QStringLiteral("closes.isi"), "; closes what it did not open\n#endif\n");
    struct Case
    {
        QStringList script;
        QString message;
        QString file; // relative to the source folder; empty for the main script
        int line;
    };
    const QList<Case> cases = {
        {{QStringLiteral("[Setup]"), QStringLiteral("AppName={#Nope}")}, QStringLiteral("Undeclared identifier: Nope"), {}, 2},
        {{QStringLiteral("; a"), QStringLiteral("#include \"bad.isi\"")}, QStringLiteral("Undeclared identifier: Unknown"),
         QStringLiteral("bad.isi"), 2},
        {{QStringLiteral("#include \"open.isi\"")}, QStringLiteral("Missing #endif"), QStringLiteral("open.isi"), 1},
        {{QStringLiteral("#include \"missing.isi\"")}, QStringLiteral("Cannot open include file \"missing.isi\""), {}, 1},
        {{QStringLiteral("#endif")}, QStringLiteral("#endif without #if"), {}, 1},
        {{QStringLiteral("#ifndef X"), QStringLiteral("#include \"closes.isi\""), QStringLiteral("#endif")},
         QStringLiteral("#endif without #if"), QStringLiteral("closes.isi"), 2},
        {{QStringLiteral("#ifdef A"), QStringLiteral("#else"), QStringLiteral("#else")}, QStringLiteral("#else after #else"), {}, 3},
        {{QStringLiteral("#pragma option")}, QStringLiteral("Unknown preprocessor directive: #pragma"), {}, 1},
        {{QStringLiteral("x={#\"open}")}, QStringLiteral("Missing \"}\" after \"{#\""), {}, 1},
        {{QStringLiteral("#define Twice(a) a")}, QStringLiteral("Macros with parameters are not supported: Twice"), {}, 1},
    };
    for (const Case &c : cases) {
        CompilerSession s = session(c.script);
        EXPECT_EQ(s.compile(), TCompilerResultFailed) << c.message.toStdString();
        ASSERT_EQ(s.errors.size(), 1) << c.message.toStdString();
        const CompilerSession::Error &e = s.errors.first();
        EXPECT_EQ(e.message, c.message);
        EXPECT_EQ(e.hasFile, !c.file.isEmpty()) << c.message.toStdString();
        if (!c.file.isEmpty()) {
            EXPECT_EQ(e.file, sourcePath(c.file));
        }
        EXPECT_EQ(e.line, c.line) << c.message.toStdString();
    }
}

TEST_F(Preprocessor, predefinedVariablesTellWhereAndWhatTheyAre)
{
    writeFile(QStringLiteral("inc/vars.isi"),
              "AppComments={#__LINE__}|{#__FILE__}|{#__PATHFILENAME__}|{#__INCLUDE__}|{#__COUNTER__}|{#__COUNTER__}\n"
              "#if defined __COUNTER__ && defined(ISPP_INVOKED) && defined WINDOWS && defined(__WIN32__) && !defined UNICODE\n"
              "AppContact={#PREPROCVER}|{#SourcePath}|{#CompilerPath}\n"
              "#endif\n");
    const QString source = sourcePath();
    const QString compiler = QStringLiteral(TALMO_TEST_SOURCE_DIR "/compiler");
    CompilerSession s = session({QStringLiteral("#define First __COUNTER__"), QStringLiteral("[Setup]"), QStringLiteral("AppName=Demo"),
                                 QStringLiteral("AppVersion=1.0"), QStringLiteral("DefaultDirName=x"),
                                 QStringLiteral("AppPublisher={#__LINE__}|{#__FILE__}|{#__PATHFILENAME__}|{#__INCLUDE__}|{#First}"),
                                 QStringLiteral("#include \"inc\\vars.isi\"")});
    ASSERT_EQ(s.compile(), TCompilerResultCompiled) << s.errors.value(0).message.toStdString();
    const QStringList script = QString::fromLatin1(packagedScript(s)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(script.value(4), QStringLiteral("AppPublisher=6|||%1|0").arg(source));
    EXPECT_EQ(script.value(5), QStringLiteral("AppComments=1|vars.isi|%1/inc/vars.isi|%1/inc;%1|1|2").arg(source));
    EXPECT_EQ(script.value(6), QStringLiteral("AppContact=84148736|%1/|%2/").arg(source, compiler));
}
