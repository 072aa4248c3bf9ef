#include "CompilerFixture.h"

#include <cstring>

TEST(CompilerLibraryEntry, reportsAVersionTheCompileThreadAccepts)
{
    const TCompilerVersionInfo *info = CompilerSession::versionEntry()();
    ASSERT_NE(info, nullptr);
    EXPECT_GE(info->BinVersion, 0x05000500u);
    EXPECT_GT(std::strlen(info->Title), 0u);
    EXPECT_GT(std::strlen(info->Version), 0u);
}

TEST(CompilerLibraryEntry, refusesAMissingOrShortParameterRecord)
{
    EXPECT_EQ(CompilerSession::compileEntry()(nullptr), TCompilerResultInvalidParams);
    TCompileScriptParamsEx params;
    std::memset(&params, 0, sizeof params);
    params.Size = sizeof params - 1;
    EXPECT_EQ(CompilerSession::compileEntry()(&params), TCompilerResultInvalidParams);
}

using CompilerLibrary = CompilerFixture;

TEST_F(CompilerLibrary, goodScriptBecomesAPackageWithScriptManifestAndPayload)
{
    writeFile(QStringLiteral("app/readme.txt"), "hello");
    writeFile(QStringLiteral("app/tool.bin"), QByteArray(300 * 1024, 'x'));
    QStringList script = minimalSetup();
    script << QStringLiteral("")
           << QStringLiteral("[Files]")
           << QStringLiteral("Source: \"app\\readme.txt\"; DestDir: \"{app}\"")
           << QStringLiteral("Source: app\\tool.bin; DestDir: {app}\\bin; DestName: \"tool.dat\"; Flags: ignoreversion")
           << QStringLiteral("Source: \"{tmp}\\down-0\"; DestDir: \"{app}\"; DestName: \"x.cab\"; Flags: external");
    CompilerSession s = session(script);
    ASSERT_EQ(s.compile(), TCompilerResultCompiled);

    const QString expected = outputFolder() + QStringLiteral("/setup.exe");
    EXPECT_EQ(s.successFile, expected);
    EXPECT_TRUE(s.errors.isEmpty());
    EXPECT_EQ(s.linesRead, script.size());
    EXPECT_TRUE(s.statuses.contains(QStringLiteral("Parsing [Setup] section")));
    EXPECT_TRUE(s.statuses.contains(QStringLiteral("Parsing [Files] section")));
    EXPECT_GE(s.idleCalls, 2); // the larger file is packed in more than one step

    QString problem;
    const QMap<QString, QByteArray> entries = readSetupPackage(expected, &problem);
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    EXPECT_EQ(entries.value(QStringLiteral("script.iss")), script.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    EXPECT_EQ(entries.value(QStringLiteral("files/0")), QByteArray("hello"));
    EXPECT_EQ(entries.value(QStringLiteral("files/1")), QByteArray(300 * 1024, 'x'));
    const QString manifest = QString::fromUtf8(entries.value(QStringLiteral("manifest.txt")));
    EXPECT_TRUE(manifest.contains(QStringLiteral("File=files/0|{app}|readme.txt|5|")));
    EXPECT_TRUE(manifest.contains(QStringLiteral("File=files/1|{app}\\bin|tool.dat|307200|")));
    EXPECT_TRUE(manifest.contains(QStringLiteral("External={tmp}\\down-0")));
}

TEST_F(CompilerLibrary, outputFolderAndNameComeFromOptionsThenSetupThenDefaults)
{
    struct Case
    {
        QByteArray options;
        QStringList setupLines;
        QString expected; // relative to the source folder
    };
    const QList<Case> cases = {
        {QByteArray(), {}, QStringLiteral("Output/setup.exe")},
        {QByteArray(), {QStringLiteral("OutputDir=out"), QStringLiteral("OutputBaseFilename=MySetup")},
         QStringLiteral("out/MySetup.exe")},
        {QByteArray("OutputDir=") + sourcePath(QStringLiteral("given")).toLocal8Bit() + QByteArray(1, '\0')
             + "OutputBaseFilename=Chosen",
         {QStringLiteral("OutputDir=out"), QStringLiteral("OutputBaseFilename=MySetup")}, QStringLiteral("given/Chosen.exe")},
    };
    for (const Case &c : cases) {
        CompilerSession s = session(minimalSetup() + c.setupLines);
        s.options = c.options;
        EXPECT_EQ(s.compile(), TCompilerResultCompiled) << c.expected.toStdString();
        EXPECT_EQ(s.successFile, sourcePath(c.expected));
        EXPECT_TRUE(QFileInfo::exists(sourcePath(c.expected)));
    }
}

// The real compiler takes "OutputDir=" and "OutputBaseFilename=" in any
// case, and answers any other option with invalid parameters, reporting nothing.
TEST_F(CompilerLibrary, optionsAreReadAsTheRealCompilerReadsThem)
{
    CompilerSession lowerCase = session(minimalSetup() << QStringLiteral("OutputDir="));
    lowerCase.options = "outputdir=" + sourcePath(QStringLiteral("given")).toLocal8Bit();
    EXPECT_EQ(lowerCase.compile(), TCompilerResultCompiled) << lowerCase.errors.value(0).message.toStdString();
    EXPECT_EQ(lowerCase.successFile, sourcePath(QStringLiteral("given/setup.exe")));

    for (const QByteArray &option : {QByteArray("Bogus=1"), QByteArray("OutputDir"), QByteArray("SignTool-mine=sign $f")}) {
        CompilerSession s = session(minimalSetup());
        s.options = option;
        EXPECT_EQ(s.compile(), TCompilerResultInvalidParams) << option.constData();
        EXPECT_TRUE(s.errors.isEmpty()) << option.constData();
        EXPECT_EQ(s.linesRead, 0) << option.constData();
    }
}

TEST_F(CompilerLibrary, wildcardSourcesPackEveryMatchAndRecurseWhenAsked)
{
    writeFile(QStringLiteral("docs/a.txt"), "a");
    writeFile(QStringLiteral("docs/b.txt"), "b");
    writeFile(QStringLiteral("docs/c.bin"), "c");
    writeFile(QStringLiteral("docs/sub/d.txt"), "d");
    CompilerSession s = session(minimalSetup() << QStringLiteral("[Files]")
                                               << QStringLiteral("Source: docs\\*.txt; DestDir: {app}; Flags: recursesubdirs"));
    ASSERT_EQ(s.compile(), TCompilerResultCompiled);
    const QString manifest = QString::fromUtf8(readSetupPackage(s.successFile).value(QStringLiteral("manifest.txt")));
    EXPECT_TRUE(manifest.contains(QStringLiteral("File=files/0|{app}|a.txt|1|")));
    EXPECT_TRUE(manifest.contains(QStringLiteral("File=files/1|{app}|b.txt|1|")));
    EXPECT_TRUE(manifest.contains(QStringLiteral("File=files/2|{app}\\sub|d.txt|1|")));
    EXPECT_FALSE(manifest.contains(QStringLiteral("c.bin")));
}

TEST_F(CompilerLibrary, abortWhilePackingLeavesNoOutputAndReportsNoMessage)
{
    writeFile(QStringLiteral("big.bin"), QByteArray(600 * 1024, 'y'));
    CompilerSession s = session(minimalSetup() << QStringLiteral("[Files]")
                                               << QStringLiteral("Source: big.bin; DestDir: {app}"));
    s.abortAtCode = TCompilerCodeIdle;
    EXPECT_EQ(s.compile(), TCompilerResultFailed);
    ASSERT_EQ(s.errors.size(), 1);
    EXPECT_FALSE(s.errors.first().hasMessage);
    EXPECT_TRUE(s.successFile.isEmpty());
    EXPECT_EQ(s.idleCalls, 1); // nothing after the abort but the error notification
    EXPECT_EQ(s.codes.last(), int(TCompilerCodeError));
    EXPECT_TRUE(QDir(outputFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(CompilerLibrary, abortIsHonouredAtEveryKindOfNotification)
{
    writeFile(QStringLiteral("f.txt"), "f");
    for (const int code : {int(TCompilerCodeReadScript), int(TCompilerCodeStatus), int(TCompilerCodeSuccess)}) {
        CompilerSession s = session(minimalSetup() << QStringLiteral("[Files]") << QStringLiteral("Source: f.txt; DestDir: {app}"));
        s.abortAtCode = code;
        EXPECT_EQ(s.compile(), TCompilerResultFailed) << code;
        ASSERT_EQ(s.errors.size(), 1) << code;
        EXPECT_FALSE(s.errors.first().hasMessage) << code;
        EXPECT_FALSE(QFileInfo::exists(outputFolder() + QStringLiteral("/setup.exe"))) << code;
    }
}

TEST_F(CompilerLibrary, failedCompileKeepsAnOlderPackageUntouched)
{
    writeFile(QStringLiteral("Output/setup.exe"), "older");
    CompilerSession s = session(minimalSetup() << QStringLiteral("[Files]") << QStringLiteral("Source: gone.txt; DestDir: {app}"));
    EXPECT_EQ(s.compile(), TCompilerResultFailed);
    QFile older(outputFolder() + QStringLiteral("/setup.exe"));
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), QByteArray("older"));
}
