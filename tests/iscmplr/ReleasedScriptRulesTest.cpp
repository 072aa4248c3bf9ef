#include "CompilerFixture.h"

// Scripts that released projects built with the 5.x compiler: each rule's
// valid form compiles, and its nearest invalid form is refused where it stands.
namespace {

struct RuleCase
{
    const char *rule;
    QStringList valid;
    QStringList invalid;
    QString message;
    int line;                  // in the included file, or in the main script
    bool inMainScript = false; // else the lines are an included UTF-8 file
};

QStringList lines(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result << QString::fromUtf8(text);
    return result;
}

QByteArray utf8File(const QStringList &lines)
{
    return "\xEF\xBB\xBF" + lines.join(QLatin1Char('\n')).toUtf8() + '\n';
}

const QString kIncludedFile = QStringLiteral("правила €.isi");

} // namespace

// Every rule runs in a project folder whose name lies outside Windows-1252.
class ReleasedScriptRules : public CompilerFixture
{
protected:
    void SetUp() override
    {
        useSourceFolderNamed(QStringLiteral("Проект €"));
        writeFile(QStringLiteral("a.txt"), "a");
        writeFile(QStringLiteral("top.txt"), "licence beside the script");
        writeFile(QStringLiteral("sub/licence.txt"), "licence below SourceDir");
        writeFile(QStringLiteral("sub/a.txt"), "a");
        writeFile(QStringLiteral("Данные €/файл.txt"), "data");
    }

    CompilerSession sessionFor(const RuleCase &c, const QStringList &ruleLines)
    {
        QDir(outputFolder()).removeRecursively();
        QDir(sourcePath(QStringLiteral("sub/Output"))).removeRecursively();
        if (c.inMainScript)
            return session(minimalSetup() + ruleLines);
        writeFile(kIncludedFile, utf8File(ruleLines));
        return session(minimalSetup() << QStringLiteral("#include \"%1\"").arg(kIncludedFile));
    }
};

TEST_F(ReleasedScriptRules, validFormsCompileAndTheNearestInvalidFormsAreRefusedWithFileAndLine)
{
    const QList<RuleCase> cases = {
        {"components without types get full, compact and custom",
         lines({"[Components]", "Name: main; Description: Main; Types: full compact custom; Flags: fixed",
                "Name: help; Description: Help; Types: full"}),
         lines({"[Components]", "Name: main; Description: Main; Types: full compact typical"}),
         QStringLiteral("Parameter \"Types\" includes an unknown type"), 2},
        {"Check names support functions, also inside its arguments",
         lines({"[Files]", "Source: a.txt; DestDir: {app}; Check: IsAdminLoggedOn",
                "Source: a.txt; DestDir: {app}\\A; Check: MyDirCheck(ExpandConstant('{app}\\A'), True)",
                "Source: a.txt; DestDir: {app}\\B; Check: DirExists(ExpandConstant('{app}\\B')) and not IsWin64", "[Code]",
                "function MyDirCheck(Dir: String; Strict: Boolean): Boolean; begin Result := Strict; end;"}),
         lines({"[Files]", "Source: a.txt; DestDir: {app}", "Source: a.txt; DestDir: {app}; Check: IsAdminLogedOn"}),
         QStringLiteral("The function \"IsAdminLogedOn\" named by Check is not declared in [Code]"), 3},
        {"{cm:} in [Setup] sees [CustomMessages] and the messages files",
         lines({"AppPublisher={cm:Publisher}", "AppComments={cm:CreateDesktopIcon}", "[CustomMessages]", "Publisher=Someone"}),
         lines({"AppPublisher={cm:Publisherr}", "[CustomMessages]", "Publisher=Someone"}),
         QStringLiteral("Custom message \"Publisherr\" is not defined"), 1},
        {"[Setup] files are looked for below SourceDir, set before or after them",
         lines({"LicenseFile=licence.txt", "SourceDir=sub", "InfoBeforeFile=licence.txt"}),
         lines({"LicenseFile=top.txt", "SourceDir=sub"}), QStringLiteral("LicenseFile \"top.txt\" does not exist"), 1},
        {"entries of one name, whatever their conditions; only the level below the one before counts",
         lines({"[Tasks]", "Name: desk; Description: Desktop; Check: IsAdminLoggedOn",
                "Name: desk; Description: Desktop; Check: not IsAdminLoggedOn", "Name: desk; Description: Desktop; Languages: default",
                "Name: desk; Description: Again; Check:  IsAdminLoggedOn ", "[Components]",
                "Name: main; Description: New; MinVersion: 0,6.0", "Name: main; Description: Old; OnlyBelowVersion: 0,6.0",
                "[Languages]", "Name: default; MessagesFile: compiler:Default.isl",
                "Name: default; MessagesFile: compiler:Default.isl"}),
         lines({"[Tasks]", "Name: desk; Description: A; Check: IsAdminLoggedOn", "Name: desk/icon/big; Description: B"}),
         QStringLiteral("Task cannot be more than one level below the preceding task"), 3},
        {"inline emit in its long forms",
         lines({"#define Name \"Demo Tools\"", "AppComments={#emit Name} {#=Name} {#Name}"}),
         lines({"#define Name \"Demo Tools\"", "AppComments={#emit Nmae}"}), QStringLiteral("Undeclared identifier: Nmae"), 2},
        {"the #emit directive",
         lines({"#define Name \"Demo Tools\"", "#emit \"AppComments=\" + Name", "#= \"AppContact=\" + Name"}),
         lines({"#emit \"AppComments=\" + Nmae"}), QStringLiteral("Undeclared identifier: Nmae"), 1},
        {"predefined variables; UNICODE stays undefined",
         lines({"AppComments={#__LINE__} {#__FILE__} {#__PATHFILENAME__} {#__INCLUDE__} {#__COUNTER__} {#PREPROCVER}",
                "AppContact={#CompilerPath} {#SourcePath}", "#if defined ISPP_INVOKED && defined(WINDOWS) && defined __WIN32__",
                "AppPublisher=ok", "#endif"}),
         lines({"AppComments={#UNICODE}"}), QStringLiteral("Undeclared identifier: UNICODE"), 1},
        {"an unknown preprocessor function",
         lines({"#define Folder SourcePath + \"sub\"", "AppComments={#Folder}"}),
         lines({"AppComments={#AddBackslash(SourcePath)}"}), QStringLiteral("Undeclared identifier: AddBackslash"), 1},
        {"a line starting with // is a comment outside [Code]",
         lines({"[Files]", "// Source: gone.txt; DestDir: {app}", "  //Source: gone.txt", "[Registry]",
                "// Root: HKXX; Subkey: x"}),
         lines({"[Dirs]", "Name: {app}\\d; // Flags: old"}), QStringLiteral("Unrecognized parameter name \"// Flags\""), 2},
        {"script lines, paths and messages cross the interface as UTF-8",
         lines({"AppPublisher=Проект €", "[Files]", "Source: \"Данные €\\файл.txt\"; DestDir: {app}"}),
         lines({"[Files]", "Source: \"Данные €\\нет.txt\"; DestDir: {app}"}),
         QStringLiteral("Source file \"Данные €\\нет.txt\" does not exist"), 6, true},
    };
    for (const RuleCase &c : cases) {
        CompilerSession good = sessionFor(c, c.valid);
        EXPECT_EQ(good.compile(), TCompilerResultCompiled)
            << c.rule << ": " << good.errors.value(0).message.toStdString() << " at " << good.errors.value(0).line;
        EXPECT_TRUE(QFileInfo(good.successFile).isFile()) << c.rule << ": " << good.successFile.toStdString();

        CompilerSession bad = sessionFor(c, c.invalid);
        EXPECT_EQ(bad.compile(), TCompilerResultFailed) << c.rule;
        ASSERT_EQ(bad.errors.size(), 1) << c.rule;
        const CompilerSession::Error &error = bad.errors.first();
        EXPECT_EQ(error.message, c.message) << c.rule;
        EXPECT_EQ(error.hasFile, !c.inMainScript) << c.rule;
        EXPECT_EQ(error.file, c.inMainScript ? QString() : sourcePath(kIncludedFile)) << c.rule;
        EXPECT_EQ(error.line, c.line) << c.rule;
        EXPECT_TRUE(bad.successFile.isEmpty()) << c.rule;
        EXPECT_FALSE(QFileInfo::exists(outputFolder() + QStringLiteral("/setup.exe"))) << c.rule;
    }
}

TEST_F(ReleasedScriptRules, aPayloadFromAFolderOutsideTheAnsiCodePageIsPacked)
{
    CompilerSession s = session(minimalSetup() << QStringLiteral("[Files]")
                                               << QStringLiteral("Source: \"Данные €\\*.txt\"; DestDir: {app}"));
    ASSERT_EQ(s.compile(), TCompilerResultCompiled) << s.errors.value(0).message.toStdString();
    EXPECT_EQ(s.successFile, outputFolder() + QStringLiteral("/setup.exe"));
    const QMap<QString, QByteArray> package = readSetupPackage(s.successFile);
    EXPECT_EQ(package.value(QStringLiteral("files/0")), QByteArray("data"));
    EXPECT_TRUE(QString::fromUtf8(package.value(QStringLiteral("manifest.txt"))).contains(QStringLiteral("|{app}|файл.txt|4|")));
}
