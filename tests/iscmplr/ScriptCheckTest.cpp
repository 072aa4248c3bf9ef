#include "CompilerFixture.h"

namespace {

struct RejectedScript
{
    QStringList lines; // after the four lines of minimalSetup(), unless noSetup
    QString message;
    int line;
    bool noSetup = false;
};

QStringList lines(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result << QString::fromLatin1(text);
    return result;
}

} // namespace

using ScriptCheck = CompilerFixture;

TEST_F(ScriptCheck, rejectsWhatARealCompileWouldRejectAtTheFaultyLine)
{
    const QList<RejectedScript> cases = {
        // sections
        {lines({"AppName=x"}), QStringLiteral("Text is not inside a section"), 1, true},
        {lines({"[/Files]"}), QStringLiteral("The end tag [/Files] does not match the open section"), 5},
        {lines({"[/Setup]", "stray"}), QStringLiteral("Text after a section's end tag"), 6},
        {lines({"[Files"}), QStringLiteral("A section tag must end with \"]\""), 5},
        // [Setup]
        {lines({"Colour=red"}), QStringLiteral("Unrecognized [Setup] section directive \"Colour\""), 5},
        {lines({"appname=Again"}), QStringLiteral("[Setup] section directive \"appname\" already specified"), 5},
        {lines({"SolidCompression=maybe"}), QStringLiteral("Value of [Setup] section directive \"SolidCompression\" is invalid"), 5},
        {lines({"MessagesFile=x.isl"}),
         QStringLiteral("The MessagesFile directive is obsolete and no longer supported. Use the [Languages] section instead."), 5},
        {lines({"[Setup]", "AppVersion=1", "DefaultDirName=x"}), QStringLiteral("Required [Setup] section directive \"AppName\" not specified"), 1, true},
        {lines({"[Setup]", "AppName=A", "DefaultDirName=x"}),
         QStringLiteral("The [Setup] section must include an AppVersion or AppVerName directive"), 1, true},
        {lines({"[Setup]", "AppName=A", "AppVerName=A 1"}),
         QStringLiteral("Required [Setup] section directive \"DefaultDirName\" not specified"), 1, true},
        {lines({"LicenseFile=licence.txt"}), QStringLiteral("LicenseFile \"licence.txt\" does not exist"), 5},
        // parameter lines
        {lines({"[Dirs]", "Name: {app}\\d; Colour: red"}), QStringLiteral("Unrecognized parameter name \"Colour\""), 6},
        {lines({"[Dirs]", "Name: {app}\\x; name: {app}\\y"}), QStringLiteral("Cannot have multiple \"name\" parameters"), 6},
        {lines({"[Dirs]", "Name {app}\\x"}), QStringLiteral("Specified parameter \"Name {app}\\x\" has no value"), 6},
        {lines({"[Icons]", "Name: {group}\\x"}), QStringLiteral("Required parameter \"Filename\" not specified"), 6},
        {lines({"[Icons]", "Name: a\"b; Filename: x"}),
         QStringLiteral("Mismatched or misplaced quotes on parameter \"Name\""), 6},
        {lines({"[Icons]", "Name: \"a\" x; Filename: x"}), QStringLiteral("Mismatched or misplaced quotes on parameter \"Name\""), 6},
        {lines({"[Dirs]", "Name: \"a\"\"b\""}), QStringLiteral("Parameter \"Name\" cannot include quotes (\")"), 6},
        {lines({"[Types]", "Name: ; Description: x"}), QStringLiteral("Parameter \"Name\" is empty"), 6},
        {lines({"[Dirs]", "Name: {app}\\d; Flags: sometimes"}), QStringLiteral("Parameter \"Flags\" includes an unknown flag"), 6},
        {lines({"[Dirs]", "Name: {app}\\d; Attribs: pink"}), QStringLiteral("Parameter \"Attribs\" includes an unknown flag"), 6},
        {lines({"[Files]", "Source: x; DestDir: {app}; Flags: postinstall"}), QStringLiteral("Parameter \"Flags\" includes an unknown flag"), 6},
        {lines({"[UninstallRun]", "Filename: x; Flags: postinstall"}), QStringLiteral("Parameter \"Flags\" includes a flag that is not supported in this section"), 6},
        {lines({"[Files]", "Source: {tmp}\\x; Flags: external"}), QStringLiteral("Required parameter \"DestDir\" not specified"), 6},
        // names
        {lines({"[Dirs]", "Name: {app}\\d; Components: main"}),
         QStringLiteral("Directive or parameter \"Components\" expression error: Parameter \"Components\" includes an unknown component"), 6},
        {lines({"[Components]", "Name: main; Description: Main; Types: full typical"}),
         QStringLiteral("Parameter \"Types\" includes an unknown type"), 6},
        {lines({"[Types]", "Name: full; Description: Full", "[Components]", "Name: main; Description: Main; Types: compact"}),
         QStringLiteral("Parameter \"Types\" includes an unknown type"), 8},
        {lines({"[Icons]", "Name: {group}\\x; Filename: {app}\\x; Tasks: desk"}),
         QStringLiteral("Directive or parameter \"Tasks\" expression error: Parameter \"Tasks\" includes an unknown task"), 6},
        {lines({"[Dirs]", "Name: {app}\\d; Languages: de"}), QStringLiteral("Directive or parameter \"Languages\" expression error: Parameter \"Languages\" includes an unknown language"), 6},
        {lines({"[Components]", "Name: a; Description: A", "Name: a\\b\\c; Description: C"}),
         QStringLiteral("Component cannot be more than one level below the preceding component"), 7},
        {lines({"[Types]", "Name: mine; Description: Mine; Flags: iscustom", "Name: yours; Description: Yours; Flags: iscustom"}),
         QStringLiteral("A custom type has already been defined"), 7},
        {lines({"[Tasks]", "Name: t; Description: T", "Name: t/u/v; Description: V"}),
         QStringLiteral("Task cannot be more than one level below the preceding task"), 7},
        {lines({"[CustomMessages]", "fr.Hello=Bonjour"}), QStringLiteral("Unknown language name \"fr\""), 6},
        {lines({"[LangOptions]", "FontColour=red"}), QStringLiteral("Unrecognized [LangOptions] section directive \"FontColour\""), 6},
        {lines({"[Languages]", "Name: de; MessagesFile: compiler:Languages\\German.isl"}),
         QStringLiteral("Messages file \"compiler:Languages\\German.isl\" does not exist"), 6},
        // sources
        {lines({"[Files]", "Source: gone.txt; DestDir: {app}"}), QStringLiteral("Source file \"gone.txt\" does not exist"), 6},
        {lines({"[Files]", "Source: *.nothing; DestDir: {app}"}), QStringLiteral("No files found matching \"*.nothing\""), 6},
        // [Code] references
        {lines({"[Files]", "Source: {tmp}\\x; DestDir: {app}; Check: CheckAsync; Flags: external"}),
         QStringLiteral("The function \"CheckAsync\" named by Check is not declared in [Code]"), 6},
        {lines({"[Icons]", "Name: {group}\\x; Filename: {code:GetPath|x}"}),
         QStringLiteral("The function \"GetPath\" named by {code:} is not declared in [Code]"), 6},
        {lines({"DefaultGroupName={code:GroupName}"}),
         QStringLiteral("The function \"GroupName\" named by {code:} is not declared in [Code]"), 5},
        {lines({"[Icons]", "Name: {group}\\{cm:UninstallIt,Demo}; Filename: {uninstallexe}"}),
         QStringLiteral("Custom message \"UninstallIt\" is not defined"), 6},
        {lines({"[Code]", "function F: Integer;", "external 'F@files:helper.dll stdcall';"}),
         QStringLiteral("\"files:helper.dll\" names a file that [Files] does not carry"), 7},
        // [Code] as the Pascal Script compiler has it: what it finds at the end is on the last line
        {lines({"[Code]", "procedure P;", "begin", "  if True then begin", "  end;"}),
         QStringLiteral("Column 1: Unexpected end of file"), 9},
        {lines({"[Code]", "end;"}), QStringLiteral("Column 4: period ('.') expected"), 6},
        {lines({"[Code]", "{ never closed", "begin end;"}), QStringLiteral("Comment error"), 7},
        // section rules
        {lines({"[Run]", "Filename: {app}\\x.exe; Flags: nowait waituntilidle"}),
         QStringLiteral("Parameter \"Flags\" cannot include multiple \"wait\" flags"), 6},
        {lines({"[Run]", "Filename: {app}\\x.exe; Verb: open"}), QStringLiteral("Flag \"shellexec\" must be used if parameter \"Verb\" is used"), 6},
        {lines({"[Run]", "Filename: x; RunOnceId: once"}), QStringLiteral("Parameter \"RunOnceId\" can only be used in an [UninstallRun] section"), 6},
        {lines({"[UninstallRun]", "Filename: x; Description: d"}),
         QStringLiteral("Parameter \"Description\" can only be used in a [Run] section"), 6},
        {lines({"[Registry]", "Root: HKXX; Subkey: Software\\X"}), QStringLiteral("Parameter \"Root\" is not a valid value"), 6},
        {lines({"[Registry]", "Root: HKLM64; Subkey: \\Software"}),
         QStringLiteral("Parameter \"Subkey\" cannot begin with a backslash (\\)"), 6},
        {lines({"[InstallDelete]", "Type: everything; Name: {app}\\x"}),
         QStringLiteral("Parameter \"Type\" is not a valid value"), 6},
        {lines({"[Dirs]", "Name: {app}\\d; Permissions: users-read"}), QStringLiteral("Parameter \"Permissions\" includes an unknown access type: \"read\""), 6},
    };
    for (const RejectedScript &c : cases) {
        CompilerSession s = session(c.noSetup ? c.lines : minimalSetup() + c.lines);
        EXPECT_EQ(s.compile(), TCompilerResultFailed) << c.message.toStdString();
        ASSERT_EQ(s.errors.size(), 1) << c.message.toStdString();
        EXPECT_EQ(s.errors.first().message, c.message);
        EXPECT_FALSE(s.errors.first().hasFile) << c.message.toStdString();
        EXPECT_EQ(s.errors.first().line, c.line) << c.message.toStdString();
        EXPECT_FALSE(QFileInfo::exists(outputFolder() + QStringLiteral("/setup.exe"))) << c.message.toStdString();
    }
}

TEST_F(ScriptCheck, faultInAnIncludedFileNamesThatFile)
{
    writeFile(QStringLiteral("files.isi"), "[Files]\nSource: gone.txt; DestDir: {app}\n");
    CompilerSession s = session(minimalSetup() << QStringLiteral("#include \"files.isi\""));
    EXPECT_EQ(s.compile(), TCompilerResultFailed);
    ASSERT_EQ(s.errors.size(), 1);
    EXPECT_EQ(s.errors.first().message, QStringLiteral("Source file \"gone.txt\" does not exist"));
    EXPECT_EQ(s.errors.first().file, sourcePath(QStringLiteral("files.isi")));
    EXPECT_EQ(s.errors.first().line, 2);
}

TEST_F(ScriptCheck, acceptsWhatARealCompileAccepts)
{
    writeFile(QStringLiteral("Helper.DLL"), "dll");
    writeFile(QStringLiteral("setup.ini"), "[CEAppManager]\r\n");
    writeFile(QStringLiteral("licence.txt"), "licence");
    const QList<QStringList> cases = {
        lines({"[Whatever]", "anything \" goes: here"}),
        lines({"[Code]", "procedure A;", "begin", "end;", "[/Code]", "[Dirs]", "Name: {app}\\d"}),
        lines({"[Files]", "Source: Helper.DLL; Flags: dontcopy", "[Code]", "function F: Integer;",
               "external 'F@files:HELPER.dll stdcall setuponly';"}),
        lines({"[Files]", "Source: missing.txt; DestDir: {app}; Flags: skipifsourcedoesntexist",
               "Source: setup.ini; DestDir: {app}; Check: CheckAsync and not IsOld('5'); Flags: ignoreversion",
               "[Code]", "function CheckAsync: Boolean; begin Result := True; end;",
               "function IsOld(V: String): Boolean; begin Result := False; end;"}),
        lines({"[Types]", "Name: full; Description: \"Full installation\"", "Name: custom; Description: \"Custom\"; Flags: iscustom;",
               "[Components]", "Name: CABCREATOR; Description: \"My App\"; Types: full custom; Check: CheckAsync; flags: fixed;",
               "Name: CONTAINER0; Description: Box", "Name: CONTAINER0\\WIN321; Description: Desk; Types: full",
               "[Tasks]", "Name: CreateCABIcons; Description: \"Shortcuts\"; check: CheckAsync;components: CABCREATOR or CONTAINER0\\WIN321",
               "[Icons]", "Name:\"{group}\\Install to device\"; FileName: {code:GetCEappManager|\\setup.ini}; Tasks: CreateCABIcons; ",
               "Name: {group}\\{cm:UninstallProgram,Demo}; Filename: {uninstallexe}; Comment: {cm:Greeting}",
               "[CustomMessages]", "Greeting=Hello", "[Code]", "function CheckAsync: Boolean; begin Result := True; end;",
               "function IsOld(V: String): Boolean; begin Result := False; end;",
               "function GetCEappManager(P: String): String;", "begin", "  case P of", "    '': Result := '';", "  end;",
               "end;"}),
        lines({"LicenseFile=licence.txt", "[Languages]", "Name: lang0; MessagesFile: \"compiler:Default.isl\"; LicenseFile: licence.txt",
               "[Messages]", "lang0.ButtonNext=Go", "[Registry]",
               "Root: HKCU; Subkey: Software\\Demo; ValueType: string; ValueName: x; ValueData: y; Permissions: users-full; Languages: lang0"}),
    };
    for (const QStringList &c : cases) {
        CompilerSession s = session(minimalSetup() + c);
        EXPECT_EQ(s.compile(), TCompilerResultCompiled)
            << c.join(QLatin1Char('|')).toStdString() << ": "
            << (s.errors.isEmpty() ? std::string() : s.errors.first().message.toStdString() + " at " + std::to_string(s.errors.first().line));
    }
}
