#include "CompilerFixture.h"

namespace {

using SourcesNotOnDisk = CompilerFixture;

// Sources that the compile must not look for in the source folder: they are
// fetched at setup time or may be absent.
TEST_F(SourcesNotOnDisk, areAcceptedAndNothingIsPackedForThem)
{
    const QStringList sources = {
        QStringLiteral("Source: {win}\\notepad.exe; DestDir: {app}; Flags: external"),
        QStringLiteral("Source: \"{src}\\extra.dat\"; DestDir: \"{app}\"; Flags: ignoreversion skipifsourcedoesntexist"),
        QStringLiteral("Source: \"{tmp}\\down-0\"; DestDir: \"{app}\"; DestName: \"x.cab\"; Flags: external"),
        QStringLiteral("Source: http-fetched.cab; DestDir: {app}; Flags: external"),
        QStringLiteral("Source: missing.txt; DestDir: {app}; Flags: skipifsourcedoesntexist"),
        QStringLiteral("Source: missing\\*.txt; DestDir: {app}; Flags: skipifsourcedoesntexist recursesubdirs"),
    };
    for (const QString &source : sources) {
        CompilerSession s = session(minimalSetup() << QStringLiteral("[Files]") << source);
        ASSERT_EQ(s.compile(), TCompilerResultCompiled)
            << source.toStdString() << ": " << (s.errors.isEmpty() ? std::string() : s.errors.first().message.toStdString());
        const QMap<QString, QByteArray> entries = readSetupPackage(outputFolder() + QStringLiteral("/setup.exe"));
        EXPECT_TRUE(entries.contains(QStringLiteral("script.iss"))) << source.toStdString();
        EXPECT_FALSE(entries.contains(QStringLiteral("files/0"))) << source.toStdString();
    }
}

// The real compiler expands no constant in a Source that is not external:
// it looks for the file below the source folder as written, and refuses a
// ":" that is neither a drive's nor a known prefix's.
TEST_F(SourcesNotOnDisk, aSourceNamedByAConstantIsLookedForAsWritten)
{
    const QList<std::pair<QString, QString>> sources = {
        {QStringLiteral("Source: {win}\\notepad.exe; DestDir: {app}"), QStringLiteral("Source file \"{win}\\notepad.exe\" does not exist")},
        {QStringLiteral("Source: \"{src}\\extra.dat\"; DestDir: \"{app}\""), QStringLiteral("Source file \"{src}\\extra.dat\" does not exist")},
        {QStringLiteral("Source: {param:Folder}\\a.txt; DestDir: {app}"), QStringLiteral("Unknown filename prefix \"{param:\"")},
        {QStringLiteral("Source: Compiler:Default.isl; DestDir: {app}"), QStringLiteral("Unknown filename prefix \"Compiler:\"")},
    };
    for (const auto &[source, refusal] : sources) {
        CompilerSession s = session(minimalSetup() << QStringLiteral("[Files]") << source);
        EXPECT_EQ(s.compile(), TCompilerResultFailed) << source.toStdString();
        EXPECT_EQ(s.errors.value(0).message, refusal) << source.toStdString();
        EXPECT_EQ(s.errors.value(0).line, 6) << source.toStdString();
    }
    writeFile(QStringLiteral("{win}/notepad.exe"), "n");
    CompilerSession found = session(minimalSetup() << QStringLiteral("[Files]") << QStringLiteral("Source: {win}\\notepad.exe; DestDir: {app}"));
    EXPECT_EQ(found.compile(), TCompilerResultCompiled) << found.errors.value(0).message.toStdString();
    CompilerSession compilerFolder =
        session(minimalSetup() << QStringLiteral("[Files]") << QStringLiteral("Source: compiler:Default.isl; DestDir: {app}"));
    EXPECT_EQ(compilerFolder.compile(), TCompilerResultCompiled) << compilerFolder.errors.value(0).message.toStdString();
}

} // namespace
