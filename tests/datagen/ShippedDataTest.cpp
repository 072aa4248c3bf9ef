#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

const QString ProgramFolder = QStringLiteral(TALMO_TEST_PROGRAM_DIR "/");

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QRegularExpression(QStringLiteral("\r?\n")));
}

QStringList shippedFiles()
{
    QStringList files;
    for (const QString &line : readLines(QStringLiteral(TALMO_TEST_SOURCE_DIR "/shipped-files.txt"))) {
        if (!line.trimmed().isEmpty() && !line.startsWith(u'#'))
            files << line;
    }
    return files;
}

QStringList filesMatching(const QString &pattern)
{
    const QRegularExpression expression(pattern);
    return shippedFiles().filter(expression);
}

bool holdsWord(const QString &line, const QString &word)
{
    return line.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(word),
                                            QRegularExpression::CaseInsensitiveOption));
}

// "Name" from a "Name=value" line or a "[Name]" header; names of a section list
// in the installer facts file ("key: a, b, c").
QSet<QString> namesListedAfter(const QString &section, const QString &key)
{
    const QStringList lines = readLines(QStringLiteral(TALMO_FACTS_DIR "/inno5-sections.txt"));
    const qsizetype start = lines.indexOf(u'[' + section + u']');
    for (qsizetype i = start + 1; start >= 0 && i < lines.size() && !lines[i].startsWith(u'['); ++i) {
        if (!lines[i].startsWith(key))
            continue;
        QSet<QString> names;
        for (const QString &name : lines[i].mid(lines[i].indexOf(u':') + 1).split(u','))
            names.insert(name.trimmed());
        return names;
    }
    return {};
}

} // namespace

TEST(ShippedData, EveryListedFileExistsWithItsExactName)
{
    const QStringList files = shippedFiles();
    ASSERT_FALSE(files.isEmpty());
    for (const QString &file : files) {
        const QFileInfo info(ProgramFolder + file);
        EXPECT_TRUE(info.isFile()) << file.toStdString();
        // Also on a file system that ignores case, the name must be spelled as listed.
        EXPECT_TRUE(info.dir().entryList(QDir::Files).contains(info.fileName(), Qt::CaseSensitive))
            << file.toStdString();
    }
}

TEST(ShippedData, BitmapsAre24BitWithTheInstallersSizes)
{
    const struct {
        const char *pattern;
        QSize size;
    } kinds[] = {
        {"^WizardImages/[^/]+\\.bmp$", {164, 314}},
        {"^WizardImages/Small/", {55, 58}},
        {"^Setup Skins/([^/]+)/\\1\\.bmp$", {164, 314}},
        {"/button\\.bmp$", {32, 32}},
    };
    for (const auto &kind : kinds) {
        const QStringList bitmaps = filesMatching(QString::fromLatin1(kind.pattern));
        ASSERT_FALSE(bitmaps.isEmpty()) << kind.pattern;
        for (const QString &bitmap : bitmaps) {
            QFile file(ProgramFolder + bitmap);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << bitmap.toStdString();
            const QByteArray header = file.read(30);
            EXPECT_TRUE(header.startsWith("BM")) << bitmap.toStdString();
            EXPECT_EQ(header.at(28), 24) << bitmap.toStdString();
            EXPECT_EQ(QImage(ProgramFolder + bitmap).size(), kind.size) << bitmap.toStdString();
        }
    }
}

TEST(ShippedData, RedistCabinetsArePlaceholderCabinets)
{
    const QStringList cabinets = filesMatching(QStringLiteral("^redist/"));
    ASSERT_EQ(cabinets.size(), 37);
    for (const QString &cabinet : cabinets) {
        QProcess cabextract;
        cabextract.start(QStringLiteral("cabextract"), {QStringLiteral("-p"), ProgramFolder + cabinet});
        ASSERT_TRUE(cabextract.waitForFinished()) << cabinet.toStdString();
        EXPECT_EQ(cabextract.exitCode(), 0) << cabinet.toStdString();
        const QString content = QString::fromLatin1(cabextract.readAllStandardOutput());
        EXPECT_TRUE(content.startsWith(QStringLiteral("TALMO PLACEHOLDER - ") + QFileInfo(cabinet).fileName()))
            << cabinet.toStdString();
    }
}

TEST(ShippedData, PlaceholderFilesSayWhatTheyAre)
{
    const QStringList placeholders = filesMatching(QStringLiteral("\\.(dll|skf)$"));
    ASSERT_EQ(placeholders.size(), 7);
    for (const QString &placeholder : placeholders) {
        EXPECT_EQ(readLines(ProgramFolder + placeholder).value(0),
                  QStringLiteral("TALMO PLACEHOLDER - ") + QFileInfo(placeholder).fileName())
            << placeholder.toStdString();
    }
}

TEST(ShippedData, MessagesFilesUseOnlyNamesTheCompilerKnows)
{
    const QSet<QString> directives = namesListedAfter(QStringLiteral("LangOptions"), QStringLiteral("directives:"));
    const QSet<QString> messages = namesListedAfter(QStringLiteral("Messages"), QStringLiteral("message IDs"));
    ASSERT_FALSE(directives.isEmpty());
    ASSERT_EQ(messages.size(), 207);

    for (const QString &messagesFile : filesMatching(QStringLiteral("\\.isl$"))) {
        const std::string name = messagesFile.toStdString();
        QString section;
        QSet<QString> langOptions;
        for (const QString &line : readLines(ProgramFolder + messagesFile)) {
            if (line.isEmpty() || line.startsWith(u';'))
                continue;
            if (line.startsWith(u'[')) {
                section = line;
                EXPECT_TRUE(section == "[LangOptions]" || section == "[Messages]" || section == "[CustomMessages]")
                    << name << ": " << line.toStdString();
                continue;
            }
            const QString key = line.left(line.indexOf(u'='));
            ASSERT_FALSE(section.isEmpty()) << name;
            ASSERT_GT(line.indexOf(u'='), 0) << name << ": " << line.toStdString();
            if (section == "[LangOptions]") {
                EXPECT_TRUE(directives.contains(key)) << name << ": " << key.toStdString();
                langOptions.insert(key);
            } else if (section == "[Messages]") {
                EXPECT_TRUE(messages.contains(key)) << name << ": " << key.toStdString();
            }
        }
        if (!messagesFile.startsWith(QLatin1String("issi/"))) {
            for (const char *required : {"LanguageName", "LanguageID", "LanguageCodePage"})
                EXPECT_TRUE(langOptions.contains(QLatin1String(required))) << name << ": " << required;
        }
    }
}

// The script generator scans a skin template by plain text: it takes the code
// after the first line holding "[Code]", moves the body of the routine whose
// line holds "InitializeWizard" (any case, anywhere) into its own start-up
// routine, and adds a call after the first line holding "begin" that follows
// the line holding "CurPageChanged".
TEST(ShippedData, SkinTemplatesKeepTheShapeTheGeneratorScans)
{
    const QStringList skins = QDir(ProgramFolder + QStringLiteral("Setup Skins")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_TRUE(skins.contains(QStringLiteral("Default")));
    ASSERT_GE(skins.size(), 2);
    for (const QString &skin : skins) {
        const QString folder = ProgramFolder + QStringLiteral("Setup Skins/") + skin + u'/';
        const std::string name = skin.toStdString();
        EXPECT_TRUE(QFileInfo::exists(folder + skin + QStringLiteral(".bmp"))) << name;
        if (skin == QLatin1String("Default"))
            continue;
        EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("button.bmp"))) << name;

        const QStringList lines = readLines(folder + skin + QStringLiteral(".iss"));
        const auto lineHolding = [&](const QString &text, qsizetype from = 0) {
            for (qsizetype i = from; i < lines.size(); ++i) {
                if (lines[i].contains(text, Qt::CaseInsensitive))
                    return i;
            }
            return qsizetype(-1);
        };
        const qsizetype code = lineHolding(QStringLiteral("[Code]"));
        ASSERT_GE(code, 0) << name;
        EXPECT_EQ(lines[code], QStringLiteral("[Code]")) << name;

        const qsizetype wizard = lineHolding(QStringLiteral("InitializeWizard"));
        ASSERT_GT(wizard, code) << name;
        EXPECT_EQ(lines[wizard], QStringLiteral("procedure InitializeWizard();")) << name;
        EXPECT_EQ(lineHolding(QStringLiteral("InitializeWizard"), wizard + 1), -1) << name;
        EXPECT_EQ(lines.value(wizard + 1), QStringLiteral("var")) << name;

        // Its body: blocks open and close on lines of their own and nest at least once.
        int depth = 0;
        int deepest = 0;
        qsizetype line = wizard + 1;
        for (; line < lines.size(); ++line) {
            const bool opens = holdsWord(lines[line], QStringLiteral("begin")) || holdsWord(lines[line], QStringLiteral("case"));
            const bool closes = holdsWord(lines[line], QStringLiteral("end"));
            EXPECT_FALSE(opens && closes) << name << ": " << lines[line].toStdString();
            EXPECT_FALSE(holdsWord(lines[line], QStringLiteral("try"))) << name << ": " << lines[line].toStdString();
            depth += opens ? 1 : closes ? -1 : 0;
            deepest = std::max(deepest, depth);
            if (closes && depth == 0)
                break;
        }
        EXPECT_LT(line, lines.size()) << name;
        EXPECT_GE(deepest, 2) << name;

        const qsizetype pageChanged = lineHolding(QStringLiteral("CurPageChanged"));
        ASSERT_GT(pageChanged, code) << name;
        EXPECT_EQ(lines[pageChanged], QStringLiteral("procedure CurPageChanged(CurPageID: Integer);")) << name;
        EXPECT_EQ(lines.value(lineHolding(QStringLiteral("begin"), pageChanged)), QStringLiteral("begin")) << name;
    }
}

TEST(ShippedData, IncludeLibraryHandlesEveryDefineTheGeneratorWrites)
{
    const QStringList lines = readLines(ProgramFolder + QStringLiteral("issi/_issi.isi"));
    ASSERT_FALSE(lines.isEmpty());
    int depth = 0;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("#if")))
            ++depth;
        else if (line.startsWith(QLatin1String("#endif")))
            --depth;
        EXPECT_GE(depth, 0) << line.toStdString();
    }
    EXPECT_EQ(depth, 0);

    const QString text = lines.join(u'\n');
    for (const char *define : {"ISSI_English", "ISSI_BeveledLabel", "ISSI_SplashScreen", "ISSI_SplashScreen_T",
                               "ISSI_SplashScreen_X", "ISSI_SplashScreen_Y", "ISSI_Splash_Corner",
                               "ISSI_InitializeSetup", "ISSI_IncludePath"}) {
        const QString name = QLatin1String(define);
        EXPECT_TRUE(text.contains(QStringLiteral("#ifdef ") + name + u'\n') || text.contains(QStringLiteral("{#") + name + u'}'))
            << define;
    }
}
