#include "CompilerFixture.h"

// For each checked parameter, the values the real 5.4 compiler takes and the
// ones it refuses, with the corners of its parse: every value taken compiles,
// every value refused fails at its line with the real compiler's message.
namespace {

struct ValueTable
{
    const char *section; // "" for a [Setup] directive
    const char *line;    // "%1" stands for the value
    QStringList takes;
    QStringList refuses;
    QString message;
};

QString invalidDirective(const char *name)
{
    return QStringLiteral("Value of [Setup] section directive \"%1\" is invalid").arg(QLatin1String(name));
}

QString invalidParameter(const char *name)
{
    return QStringLiteral("Parameter \"%1\" is not a valid value").arg(QLatin1String(name));
}

QString tmpBadFlag(const char *flag)
{
    return QStringLiteral("Parameter \"Flags\" cannot have the \"%1\" flag on a file copied to the {tmp} directory, or when "
                          "the \"deleteafterinstall\" or \"dontcopy\" flag is used")
        .arg(QLatin1String(flag));
}

} // namespace

class ParameterValueTable : public CompilerFixture
{
protected:
    void SetUp() override { writeFile(QStringLiteral("a.txt"), "a"); }

    CompilerSession sessionFor(const ValueTable &t, const QString &value)
    {
        QDir(outputFolder()).removeRecursively();
        QStringList script = minimalSetup();
        if (*t.section)
            script << QStringLiteral("[%1]").arg(QLatin1String(t.section));
        script << QString::fromLatin1(t.line).arg(value);
        return session(script);
    }

    void expectTable(const QList<ValueTable> &tables)
    {
        for (const ValueTable &t : tables) {
            for (const QString &value : t.takes) {
                const std::string what = std::string(t.section) + ": " + t.line + " takes \"" + value.toStdString() + "\"";
                CompilerSession good = sessionFor(t, value);
                EXPECT_EQ(good.compile(), TCompilerResultCompiled)
                    << what << ": " << good.errors.value(0).message.toStdString() << " at " << good.errors.value(0).line;
            }
            for (const QString &value : t.refuses) {
                const std::string what = std::string(t.section) + ": " + t.line + " refuses \"" + value.toStdString() + "\"";
                CompilerSession bad = sessionFor(t, value);
                EXPECT_EQ(bad.compile(), TCompilerResultFailed) << what;
                ASSERT_EQ(bad.errors.size(), 1) << what;
                EXPECT_EQ(bad.errors.first().message, t.message) << what;
                EXPECT_EQ(bad.errors.first().line, *t.section ? 6 : 5) << what;
            }
        }
    }
};

TEST_F(ParameterValueTable, windowsVersionsReadAsTheRealCompilerReadsThem)
{
    expectTable({
        // An empty part says "not on this line of Windows"; a minor version of
        // one digit below 5 counts in tenths, so 3.95 and 4.1 compare as written.
        {"", "MinVersion=%1",
         {",5.1.2600", "0,5.1.2600", "4.1,", "4.0,4.0", "4.1,5.0sp4", "4.1,5.0SP4", "4.10,5.01", "4.1 , 5.0", "$4.1,5.0",
          "4.1,5.0.65535", "4.1,255.99sp255", "\"4.1,5.0\""},
         {"5.0", "", "4.1,5.0 sp4", "4.1,5sp4", "4.0sp1,5.0", "4.,5.0", "4.1,5.0.", "4.1,5.100", "4.1,256.0",
          "4.1,5.0.65536", "4.1,5.0sp256", "4.1,5.0,6.0", "4.1,sp2", "4.1,.5", "four,5.0"},
         invalidDirective("MinVersion")},
        {"", "MinVersion=%1", {"4.0,5.0", "0,4.0", "4.0,0"}, {"3.95,5.0", "3.1,", "0.5,5.0"},
         QStringLiteral("Minimum Windows version specified by MinVersion must be at least 4.0")},
        {"", "MinVersion=%1", {",4.0"}, {",3.51", "4.0,3.1"},
         QStringLiteral("Minimum NT version specified by MinVersion must be at least 4.0")},
        {"", "OnlyBelowVersion=%1", {"0,6.1", "4,6", "4.9,6.0sp2", "0,0"}, {",6.1", "6.1,", "0,6.1sp", "0,6.1 sp1", "0;6.1"},
         invalidDirective("OnlyBelowVersion")},
        // An entry's MinVersion has no floor.
        {"Files", "Source: a.txt; DestDir: {app}; MinVersion: %1", {",5.1.2600", "3.95,3.51", "4.1,"},
         {"5.1", "4.0sp2,5.0", "4.1,5.0 sp4", "4.1,5sp4"}, invalidParameter("MinVersion")},
        {"Icons", "Name: {group}\\A; Filename: {app}\\a.exe; OnlyBelowVersion: %1", {"0,6.0", "4.1,6.0sp1"}, {",6.0", "0,"},
         invalidParameter("OnlyBelowVersion")},
        {"Components", "Name: main; Description: Main; MinVersion: %1", {",5.0", "4.0,", ","}, {"", "5"},
         invalidParameter("MinVersion")},
    });
}

TEST_F(ParameterValueTable, setupNumbersReadAsTheRealCompilerReadsThem)
{
    expectTable({
        {"", "Compression=%1", {"zip/09", "ZIP/9", "bzip/$9", "lzma2/Ultra64", "lzma/fast", "none", "LZMA2"},
         {"zip/10", "zip/0", "zip/", "zip 9", "lzma/9", "lzma2/", "deflate"}, invalidDirective("Compression")},
        {"", "ExtraDiskSpaceRequired=%1", {"0", "18446744073709551615", "$FFFFFFFFFFFFFFFF", "$ff"},
         {"-1", "+1", "$", "18446744073709551616", "$10000000000000000", "1 MB", "0x10"},
         invalidDirective("ExtraDiskSpaceRequired")},
        {"", "UninstallDisplaySize=%1", {"1", "$10", "2147483647"}, {"0", "$0", "1.5", "big"},
         invalidDirective("UninstallDisplaySize")},
        {"", "SlicesPerDisk=%1", {"1", "26", "$1A"}, {"0", "27", "one"}, invalidDirective("SlicesPerDisk")},
        {"", "TimeStampRounding=%1", {"0", "60"}, {"-1", "61"}, invalidDirective("TimeStampRounding")},
        {"", "ReserveBytes=%1", {"0", "$7FFFFFFF"}, {"-1", "2147483648"}, invalidDirective("ReserveBytes")},
        {"", "TouchDate=%1", {"2107-12-31", "1980-1-1", "2000-02-29", "Current", "none"},
         {"2100-02-29", "1979-12-31", "2108-01-01", "2008-2-30", "02008-1-1", "2008/1/1", "2008-1-1-1"},
         invalidDirective("TouchDate")},
        {"", "TouchTime=%1", {"0:0", "23:59:59", "0023:0059", "NONE"}, {"24:00", "12:60", "12", "12:00:", "1:2:3:4", "00023:00"},
         invalidDirective("TouchTime")},
        {"", "VersionInfoVersion=%1", {"1", "1.2.", "1.2.3.4.5", "65535.0.0.0", "1.$10"}, {"1..", "1.-1", "1.65536", "v1"},
         invalidDirective("VersionInfoVersion")},
        {"", "DiskClusterSize=%1", {"512", "$200"}, {"0x", "512 bytes"}, invalidDirective("DiskClusterSize")},
        // No sign tool is defined by this library's options, so none is found.
        {"", "SignTool=%1", {}, {"mysign", "mysign /d $f"}, invalidDirective("SignTool")},
        {"", "OutputDir=%1", {"Out", "\"Out\""}, {""}, invalidDirective("OutputDir")},
    });
}

TEST_F(ParameterValueTable, fileFlagsAreRefusedOnlyForFilesDeletedAfterTheInstall)
{
    expectTable({
        // "{tmp}" exactly: the real compiler's test for a folder below it never holds.
        {"Files", "Source: a.txt; %1",
         {"DestDir: {app}; Flags: regtypelib dontcopy", "DestDir: {tmp}\\sub; Flags: regtypelib", "DestDir: {app}; Flags: regtypelib"},
         {"DestDir: {tmp}; Flags: regtypelib", "Flags: regtypelib dontcopy", "DestDir: {app}; Flags: regtypelib deleteafterinstall"},
         tmpBadFlag("regtypelib")},
        {"Files", "Source: a.txt; DestDir: {app}; Flags: dontcopy %1",
         {"restartreplace", "uninsneveruninstall", "regserver", "regtypelib", "sharedfile", "noregerror"}, {"deleteafterinstall sharedfile"},
         tmpBadFlag("sharedfile")},
        {"Files", "Source: a.txt; DestDir: %1; Flags: restartreplace", {"{app}", "{tmp}\\x"}, {"{tmp}"}, tmpBadFlag("restartreplace")},
    });
}

TEST_F(ParameterValueTable, entryNumbersReadAsTheRealCompilerReadsThem)
{
    expectTable({
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: qword; ValueName: V; ValueData: %1",
         {"0", "$FFFFFFFFFFFFFFFF", " 18446744073709551615 ", "{reg:HKCU\\Software\\Demo,V|0}"},
         {"-1", "$10000000000000000", "$", "1e3"}, invalidParameter("ValueData")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: dword; ValueName: V; ValueData: %1",
         {"2147483647", "-2147483648", "$FFFFFFFF", "0x10", "x10"}, {"2147483648", "-2147483649", "$100000000", "1 2"},
         invalidParameter("ValueData")},
        {"Components", "Name: main; Description: Main; ExtraDiskSpaceRequired: %1", {"$10", "0"}, {"-5", "5k"},
         invalidParameter("ExtraDiskSpaceRequired")},
        {"Files", "Source: {src}\\big.dat; DestDir: {app}; Flags: external; ExternalSize: %1", {"$400", "1024"}, {"1,024", ""},
         invalidParameter("ExternalSize")},
        {"Icons", "Name: {group}\\A; Filename: {app}\\a.exe; IconIndex: %1", {"0", "-3", "$A"}, {"1.0", "", "three"},
         QStringLiteral("Parameter \"IconIndex\" is not a valid integer")},
    });
}

TEST_F(ParameterValueTable, languageLinesReadAsTheRealCompilerReadsThem)
{
    const QString unknownLanguage = QStringLiteral("Unknown language name \"%1\"");
    expectTable({
        {"LangOptions", "DialogFontSize=%1", {"8", "$A", "\"9\""}, {"eight", "8pt", ""},
         QStringLiteral("Value of [LangOptions] section directive \"DialogFontSize\" is invalid")},
        {"LangOptions", "RightToLeft=%1", {"yes", "0", "TRUE"}, {"maybe", "2"},
         QStringLiteral("Value of [LangOptions] section directive \"RightToLeft\" is invalid")},
        // With a single language, a line without a language prefix names it alone.
        {"LangOptions", "LanguageName=%1", {"English", "Fran<00E7>ais", "<0041><0042>"}, {"", "  ", "Fran<00E7ais", "<12G4>", "a<b"},
         QStringLiteral("Value of [LangOptions] section directive \"LanguageName\" is invalid")},
        {"LangOptions", "default.LanguageID=%1", {"$0409", "1033"}, {"en", "0x"},
         QStringLiteral("Value of [LangOptions] section directive \"LanguageID\" is invalid")},
        {"CustomMessages", "%1=Text", {"My_Msg", "and", "default.Msg1", "_1"}, {"1Msg", "My-Msg", "", "default.", "Ünïcode"},
         QStringLiteral("Custom message name may only include alphanumeric characters and/or underscores, and cannot begin with a number")},
        // FindLangEntryIndexByName compares the names as written.
        {"CustomMessages", "%1.Msg=Text", {"default"}, {"Default"}, unknownLanguage.arg(QStringLiteral("Default"))},
        {"Messages", "%1.ButtonNext=&Next", {"default"}, {""}, unknownLanguage.arg(QString())},
    });
}

TEST_F(ParameterValueTable, aLanguagesOwnOptionWithoutItsPrefixIsRefusedWhenThereAreSeveral)
{
    for (const char *option : {"LanguageName=Deutsch", "LanguageID=$0407", "LanguageCodePage=1252"}) {
        const QStringList languages = {QStringLiteral("[Languages]"), QStringLiteral("Name: en; MessagesFile: compiler:Default.isl"),
                                       QStringLiteral("Name: de; MessagesFile: compiler:Default.isl"), QStringLiteral("[LangOptions]")};
        CompilerSession good = session(minimalSetup() + languages << QStringLiteral("de.%1").arg(QLatin1String(option))
                                                                  << QStringLiteral("DialogFontSize=9"));
        EXPECT_EQ(good.compile(), TCompilerResultCompiled) << option << ": " << good.errors.value(0).message.toStdString();
        CompilerSession bad = session(minimalSetup() + languages << QString::fromLatin1(option));
        EXPECT_EQ(bad.compile(), TCompilerResultFailed) << option;
        ASSERT_EQ(bad.errors.size(), 1) << option;
        EXPECT_EQ(bad.errors.first().message, QStringLiteral("Language option \"%1\" cannot be applied to all languages")
                                                  .arg(QString::fromLatin1(option).section(QLatin1Char('='), 0, 0)));
        EXPECT_EQ(bad.errors.first().line, 9) << option;
    }
}

TEST_F(ParameterValueTable, typesAreAPlainListOfNames)
{
    expectTable({
        {"Components", "Name: main; Description: Main; Types: %1", {"full", "full  compact", "CUSTOM"},
         {"full and compact", "(full)", "!full", "full,compact"}, QStringLiteral("Parameter \"Types\" includes an unknown type")},
    });
}

namespace {

QString favoritesUsed(const char *constant)
{
    return QStringLiteral("The constant \"%1\" is used.\r\n\r\nThis is not permitted unless the minimum Windows and Windows NT "
                          "versions for the entry are at least 4.10 and 4.0 respectively. This can be set by adding a "
                          "\"MinVersion: 4.10,4.0\" parameter to it. Alternatively, you can set the minimum versions globally by "
                          "adding a \"MinVersion=4.10,4.0\" setting to the [Setup] section of the script")
        .arg(QLatin1String(constant));
}

} // namespace

// The favorites folders need Windows 98 or NT 4.0; the non-Unicode compiler
// starts from 4.0,4.0, and an empty part keeps the version it had.
TEST_F(ParameterValueTable, favoritesFoldersNeedTheMinimumVersionsThatHaveThem)
{
    expectTable({
        {"Dirs", "Name: {userfavorites}\\Demo%1", {"; MinVersion: 4.1,4.0", "; MinVersion: 0,4.0", "; MinVersion: 4.1,"},
         {"", "; MinVersion: ,4.0", "; MinVersion: 4.0,4.0", "; MinVersion: 4.1,3.51"}, favoritesUsed("userfavorites")},
        {"Icons", "Name: {group}\\A; Filename: {app}\\a.exe; WorkingDir: {commonfavorites}%1", {"; MinVersion: 4.10,5.0"}, {""},
         favoritesUsed("commonfavorites")},
        {"", "DefaultGroupName=%1", {"Demo {{}"}, {"Demo {}"}, QStringLiteral("Unknown constant \"\".\r\n\r\nUse two consecutive \"{\" "
                                                                                  "characters if you are trying to embed a single \"{\" and not a constant")},
    });
    for (const char *minVersion : {"MinVersion=4.1,4.0", "MinVersion=0,5.0"}) {
        CompilerSession s = session(QStringList{QStringLiteral("[Dirs]"), QStringLiteral("Name: {userfavorites}\\Demo")} + minimalSetup()
                                    << QString::fromLatin1(minVersion) << QStringLiteral("AppComments={commonfavorites}"));
        EXPECT_EQ(s.compile(), TCompilerResultCompiled) << minVersion << ": " << s.errors.value(0).message.toStdString();
    }
}

TEST_F(ParameterValueTable, anExcludesPatternStaysBelowMaxPath)
{
    const QString longest = QString(259, QLatin1Char('x'));
    expectTable({
        {"Files", "Source: a.txt; DestDir: {app}; Excludes: %1", {longest, QStringLiteral("*.bak, ") + longest + QStringLiteral(" ,")},
         {longest + QLatin1Char('x'), QStringLiteral("*.bak,") + longest + QStringLiteral("x")},
         QStringLiteral("Parameter \"Excludes\" contains a pattern that is too long")},
    });
}

TEST_F(ParameterValueTable, permissionsHoldThirtyTwoValuesAtMost)
{
    QStringList items;
    for (int i = 0; i < 32; ++i)
        items << QStringLiteral("users-modify");
    expectTable({
        {"Dirs", "Name: {app}\\d; Permissions: %1", {items.join(QLatin1Char(' ')), QStringLiteral("  users-full   admins-readexec ")},
         {items.join(QLatin1Char(' ')) + QStringLiteral(" users-full")},
         QStringLiteral("Parameter \"Permissions\" cannot include more than 32 values")},
    });
}

namespace {

struct SetupCombination
{
    QStringList directives;
    QString refusal; // empty: compiles
};

} // namespace

// Directives the section leaves out keep the compiler's defaults:
// DisableStartupPrompt and UsePreviousLanguage are on, UseSetupLdr too.
TEST_F(ParameterValueTable, setupDirectivesLeftOutKeepTheCompilersDefaults)
{
    const QString startupPrompt = QStringLiteral("DisableStartupPrompt must be set to \"yes\" when AppName includes constants");
    const QString signing = QStringLiteral("The SignTool and SignedUninstaller directives may not be set when UseSetupLdr is set to \"no\"");
    const QList<SetupCombination> combinations = {
        {{QStringLiteral("AppName=Demo {%USERNAME|x}")}, {}},
        {{QStringLiteral("AppName=Demo {%USERNAME|x}"), QStringLiteral("DisableStartupPrompt=yes")}, {}},
        {{QStringLiteral("AppName=Demo {%USERNAME|x}"), QStringLiteral("DisableStartupPrompt=no")}, startupPrompt},
        {{QStringLiteral("AppName=Demo"), QStringLiteral("SignedUninstaller=yes")}, {}},
        {{QStringLiteral("AppName=Demo"), QStringLiteral("UseSetupLdr=no")}, {}},
        {{QStringLiteral("AppName=Demo"), QStringLiteral("SignedUninstaller=yes"), QStringLiteral("UseSetupLdr=no")}, signing},
        {{QStringLiteral("AppName=Demo"), QStringLiteral("AppId={%USERNAME|x}")},
         QStringLiteral("UsePreviousLanguage must be set to \"no\" when AppId includes constants")},
        {{QStringLiteral("AppName=Demo"), QStringLiteral("AppId={%USERNAME|x}"), QStringLiteral("UsePreviousLanguage=no")}, {}},
    };
    for (const SetupCombination &c : combinations) {
        CompilerSession s = session(QStringList{QStringLiteral("[Setup]"), QStringLiteral("AppVersion=1.0"),
                                                QStringLiteral("DefaultDirName={pf}\\Demo")}
                                    + c.directives);
        const std::string what = c.directives.join(QLatin1String(", ")).toStdString();
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(s.compile(), TCompilerResultCompiled) << what << ": " << s.errors.value(0).message.toStdString();
        } else {
            EXPECT_EQ(s.compile(), TCompilerResultFailed) << what;
            EXPECT_EQ(s.errors.value(0).message, c.refusal) << what;
        }
    }
}
