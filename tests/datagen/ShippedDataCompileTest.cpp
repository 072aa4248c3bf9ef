#include "platform/CompilerLibraryApi.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

// The shipped include library, messages files and skin code go through the
// compiler library the way a generated script uses them.
namespace {

const QString ProgramFolder = QStringLiteral(TALMO_TEST_PROGRAM_DIR "/");

struct Compile
{
    QStringList script;
    int linesRead = 0;
    QByteArray currentLine;
    QStringList errors;

    static int32_t callback(int32_t code, TCompilerCallbackData *data, intptr_t appData)
    {
        auto *self = reinterpret_cast<Compile *>(appData);
        if (code == TCompilerCodeReadScript && self->linesRead < self->script.size()) {
            self->currentLine = self->script.at(self->linesRead++).toUtf8();
            data->ReadScript.LineRead = self->currentLine.constData();
        } else if (code == TCompilerCodeError) {
            self->errors << QStringLiteral("%1:%2: %3")
                                .arg(QString::fromUtf8(data->Error.ErrorFilename), QString::number(data->Error.ErrorLine),
                                     QString::fromUtf8(data->Error.ErrorMsg));
        }
        return TCompilerCallbackContinue;
    }

    int run(const QString &sourceFolder)
    {
        static QLibrary library(ProgramFolder + QStringLiteral("libISCmplr.so"));
        auto compileScript = reinterpret_cast<TISDllCompileScriptProc>(library.resolve("ISDllCompileScript"));
        if (!compileScript) {
            errors << library.errorString();
            return -1;
        }
        const QByteArray source = (sourceFolder + u'/').toUtf8();
        const QByteArray compiler = ProgramFolder.toUtf8();
        const QByteArray options(2, '\0');
        TCompileScriptParamsEx params;
        std::memset(&params, 0, sizeof params);
        params.Size = sizeof params;
        params.CompilerPath = compiler.constData();
        params.SourcePath = source.constData();
        params.CallbackProc = &Compile::callback;
        params.AppData = reinterpret_cast<intptr_t>(this);
        params.Options = options.constData();
        return compileScript(&params);
    }
};

class ShippedDataCompile : public ::testing::Test
{
protected:
    QStringList setupSection() const
    {
        return {QStringLiteral("[Setup]"), QStringLiteral("AppName=Demo"), QStringLiteral("AppVerName=Demo 1.0"),
                QStringLiteral("DefaultDirName={pf}\\Demo"), QStringLiteral("OutputDir=") + m_source.filePath("Output"),
                QStringLiteral("OutputBaseFilename=setup")};
    }

    QStringList includeLibrary() const
    {
        return {QStringLiteral("[Code]"), QStringLiteral("#include ISSI_IncludePath+\"\\_issi.isi\"")};
    }

    void compiles(const QStringList &script)
    {
        Compile compile;
        compile.script = script;
        EXPECT_EQ(compile.run(m_source.path()), 0) << compile.errors.join(u'\n').toStdString();
        EXPECT_TRUE(compile.errors.isEmpty()) << compile.errors.join(u'\n').toStdString();
    }

    QTemporaryDir m_source;
    const QString m_includePath = QStringLiteral("#define ISSI_IncludePath \"") + ProgramFolder + QStringLiteral("issi\"");
};

} // namespace

TEST_F(ShippedDataCompile, IncludeLibraryWithSplashScreenAndEnglishOnly)
{
    ASSERT_TRUE(QFile::copy(ProgramFolder + QStringLiteral("WizardImages/Ocean.bmp"), m_source.filePath("splash.bmp")));
    compiles(QStringList{m_includePath, QStringLiteral("#define ISSI_English"),
                         QStringLiteral("#define ISSI_BeveledLabel \"Made with Talmo\""),
                         QStringLiteral("#define ISSI_SplashScreen \"splash.bmp\""),
                         QStringLiteral("#define ISSI_SplashScreen_T \"2\""),
                         QStringLiteral("#define ISSI_SplashScreen_X \"300\""),
                         QStringLiteral("#define ISSI_SplashScreen_Y \"200\""),
                         QStringLiteral("#define ISSI_Splash_Corner \"12\"")}
             + setupSection()
             + QStringList{QStringLiteral("[ISSI]"), QStringLiteral("#define ISSI_InitializeSetup"),
                           QStringLiteral("[Code]"), QStringLiteral("function ISSI_InitializeSetup(): boolean;"),
                           QStringLiteral("begin"), QStringLiteral("  Result := True;"), QStringLiteral("end;"),
                           QStringLiteral("[/Code]")}
             + includeLibrary());
}

TEST_F(ShippedDataCompile, EveryBuiltInLanguageWithTheLibrarysMessages)
{
    QStringList script = QStringList{m_includePath} + setupSection() + QStringList{QStringLiteral("[Languages]")};
    script << QStringLiteral("Name: \"lang0\"; MessagesFile: \"compiler:Default.isl,{#ISSI_IncludePath}\\Languages\\_issi_English.isl\"");
    const QStringList languages = QDir(ProgramFolder + QStringLiteral("Languages")).entryList({QStringLiteral("*.isl")});
    ASSERT_FALSE(languages.isEmpty());
    int index = 0;
    for (const QString &file : languages) {
        const QString language = QFileInfo(file).completeBaseName();
        const QString library = QFileInfo::exists(ProgramFolder + QStringLiteral("issi/Languages/_issi_") + file) ? language
                                                                                                                 : QStringLiteral("English");
        script << QStringLiteral("Name: \"lang%1\"; MessagesFile: \"compiler:Languages\\%2,{#ISSI_IncludePath}\\Languages\\_issi_%3.isl\"")
                      .arg(++index)
                      .arg(file, library);
    }
    compiles(script + includeLibrary());
}

TEST_F(ShippedDataCompile, SkinCodeWithItsButtonBitmap)
{
    const QString skinFolder = ProgramFolder + QStringLiteral("Setup Skins/Ocean/");
    QFile templateFile(skinFolder + QStringLiteral("Ocean.iss"));
    ASSERT_TRUE(templateFile.open(QIODevice::ReadOnly));
    QStringList skin = QString::fromLatin1(templateFile.readAll()).split(QRegularExpression(QStringLiteral("\r?\n")));
    skin = skin.mid(skin.indexOf(QStringLiteral("[Code]")));
    compiles(QStringList{m_includePath, QStringLiteral("#define ISSI_English")} + setupSection()
             + QStringList{QStringLiteral("WizardImageFile=") + skinFolder + QStringLiteral("Ocean.bmp"),
                           QStringLiteral("WizardSmallImageFile=") + skinFolder + QStringLiteral("Ocean.bmp"),
                           QStringLiteral("[Files]"),
                           QStringLiteral("Source: \"") + skinFolder + QStringLiteral("button.bmp\"; DestDir: {tmp}; Flags: dontcopy")}
             + skin + includeLibrary());
}
