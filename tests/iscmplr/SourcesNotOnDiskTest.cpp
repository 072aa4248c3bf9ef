#include "CompilerFixture.h"

namespace {

using SourcesNotOnDisk = CompilerFixture;

// Sources that the compile must not look for in the source folder: they are
// fetched at setup time, named by a setup constant, or may be absent.
TEST_F(SourcesNotOnDisk, areAcceptedAndNothingIsPackedForThem)
{
    const QStringList sources = {
        QStringLiteral("Source: {win}\\notepad.exe; DestDir: {app}"),
        QStringLiteral("Source: \"{src}\\extra.dat\"; DestDir: \"{app}\"; Flags: ignoreversion"),
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

} // namespace
