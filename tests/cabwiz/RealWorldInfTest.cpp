#include "tests/cabwiz/CabwizRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace talmo::testing;

namespace {

// .inf files other projects wrote for the real wizard, read where they lie.
// Each begins with comment lines saying how its project ran the wizard:
// "; realinf run: <arguments>" and "; realinf disk-name: <as written> = <on disk>".
// TALMO_REALWORLD_INF names another folder, for checkouts kept elsewhere.
const QString RealWorldFolder = qEnvironmentVariable("TALMO_REALWORLD_INF",
                                                     QStringLiteral(TALMO_TEST_SOURCE_DIR "/../../../shared/realworld/inf"));

// A small reader of its own for the test's side: sections by name (ignoring
// case), lines without comments. Enough to lay out the dummy sources.
class InfSections
{
public:
    explicit InfSections(const QString &text)
    {
        QString current;
        for (const QString &raw : text.split(u'\n')) {
            const QString line = withoutComment(raw).trimmed();
            if (line.startsWith(u'[') && line.endsWith(u']'))
                current = line.mid(1, line.size() - 2).trimmed().toLower();
            else if (!line.isEmpty() && !current.isEmpty())
                m_lines[current].append(line);
        }
    }

    // "key = value" pairs of the section and of its processor's variant, by the
    // key in lower case; the key as written comes first.
    QHash<QString, QStringList> entries(const QString &section, const QString &processor) const
    {
        QHash<QString, QStringList> result;
        QStringList names{section.toLower()};
        if (!processor.isEmpty())
            names.append((section + u'.' + processor).toLower());
        for (const QString &name : names) {
            for (const QString &line : m_lines.value(name)) {
                const qsizetype equals = line.indexOf(u'=');
                if (equals > 0)
                    result.insert(unquoted(line.left(equals)).toLower(),
                                  {unquoted(line.left(equals)), line.mid(equals + 1).trimmed()});
            }
        }
        return result;
    }

    static QString unquoted(const QString &text)
    {
        const QString trimmed = text.trimmed();
        return trimmed.size() >= 2 && trimmed.startsWith(u'"') && trimmed.endsWith(u'"') ? trimmed.mid(1, trimmed.size() - 2)
                                                                                        : trimmed;
    }

private:
    static QString withoutComment(const QString &line)
    {
        bool quoted = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] == u'"')
                quoted = !quoted;
            else if (line[i] == u';' && !quoted)
                return line.left(i);
        }
        return line;
    }

    QHash<QString, QStringList> m_lines;
};

QStringList headerValues(const QString &text, const QString &key)
{
    QStringList values;
    const QString prefix = QStringLiteral("; realinf ") + key + u':';
    for (const QString &line : text.split(u'\n')) {
        if (line.startsWith(prefix))
            values.append(line.mid(prefix.size()).trimmed());
    }
    return values;
}

// One cabinet's descriptor flattened into comparable facts:
// "F folder\name = content", "E folder\name parm" for the other parms of a
// file's Extract, "S folder\name -> target", "R key\name = value",
// "P name = value" for the install settings.
QStringList descriptorFacts(const QString &cabPath)
{
    QStringList facts;
    QXmlStreamReader xml(cabMember(cabPath, QStringLiteral("_setup.xml")));
    QStringList path; // characteristic types from the root
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("characteristic")) {
            path.removeLast();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("characteristic")) {
            path.append(xml.attributes().value(QLatin1String("type")).toString());
        } else if (xml.isStartElement() && xml.name() == QLatin1String("parm") && !path.isEmpty()) {
            const QString name = xml.attributes().value(QLatin1String("name")).toString();
            const QString value = xml.attributes().value(QLatin1String("value")).toString();
            if (path.first() == QLatin1String("Install")) {
                facts.append(QStringLiteral("P %1 = %2").arg(name, value));
            } else if (path.first() == QLatin1String("Registry")) {
                facts.append(QStringLiteral("R %1\\%2 = %3").arg(path.value(1), name, value));
            } else if (path.size() == 4 && path[3] == QLatin1String("Extract") && name == QLatin1String("Source")) {
                facts.append(QStringLiteral("F %1\\%2 = %3")
                                 .arg(path[1], path[2], QString::fromUtf8(cabMember(cabPath, value))));
            } else if (path.size() == 4 && path[3] == QLatin1String("Extract")) {
                facts.append(QStringLiteral("E %1\\%2 %3").arg(path[1], path[2], name));
            } else if (path.size() == 4 && path[3] == QLatin1String("Shortcut")) {
                facts.append(QStringLiteral("S %1\\%2 -> %3").arg(path[1], path[2], value));
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return facts;
}

struct RealInf
{
    const char *file;
    int files; // per cabinet
    int shortcuts;
    int registryValues;
    QStringList facts; // in every cabinet of the run
};

class RealWorldInfTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFileInfo(RealWorldFolder).isDir())
            GTEST_SKIP() << "no real .inf files at " << RealWorldFolder.toStdString();
        ASSERT_TRUE(work.isValid());
    }

    // Dummy sources at the folders the file's disks name, each holding its own
    // path below the .inf folder, so every member shows where it came from.
    void laySources(const QString &infFolder, const QString &text, const QStringList &processors)
    {
        const InfSections inf(text);
        QHash<QString, QString> onDisk;
        for (const QString &pair : headerValues(text, QStringLiteral("disk-name")))
            onDisk.insert(pair.section(u'=', 0, 0).trimmed().toLower(), pair.section(u'=', 1).trimmed());
        for (const QString &processor : processors.isEmpty() ? QStringList{QString()} : processors) {
            const auto disks = inf.entries(QStringLiteral("SourceDisksNames"), processor);
            const auto files = inf.entries(QStringLiteral("SourceDisksFiles"), processor);
            for (auto file = files.cbegin(); file != files.cend(); ++file) {
                const QString disk = disks.value(InfSections::unquoted(file.value()[1].section(u',', 0, 0))).value(1);
                const QString folder = InfSections::unquoted(disk.section(u',', 3, 3)).replace(u'\\', u'/');
                const QString name = onDisk.value(file.key(), file.value()[0]);
                const QString relative = QDir::cleanPath(folder + u'/' + name);
                const QString path = QDir(infFolder).filePath(relative);
                ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path())) << path.toStdString();
                QFile source(path);
                ASSERT_TRUE(source.open(QIODevice::WriteOnly)) << path.toStdString();
                source.write(relative.toUtf8());
            }
        }
    }

    QTemporaryDir work;
};

bool cabextractTestsClean(const QString &cabPath)
{
    QProcess process;
    process.start(QStringLiteral("cabextract"), {QStringLiteral("-t"), QStringLiteral("-q"), cabPath});
    process.waitForFinished(60000);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

TEST_F(RealWorldInfTest, EveryFileBuildsTheCabinetsItDescribes)
{
    const RealInf cases[] = {
        {"blastar.inf", 2, 1, 0,
         {"P InstallDir = %CE1%\\Blastar", "P BuildNumberMin = 0", "P BuildNumberMax = -536870912", "S %CE11%\\Edge\\Blastar.lnk -> %InstallDir%\\Blastar.exe"}},
        {"cheesewiz.inf", 2, 0, 0,
         {"P AppName = Microsoft CheeseWiz.CFApp.Installer", "P OSVersionMin = 4.0", "P OSVersionMax = 6.99",
          "F %InstallDir%\\es\\CheeseWiz.CFApp.resources.dll = "
          "C:/Dev/Derick-Github/cheesewiz/src/CheeseWiz.CFApp/obj/Debug/es/CheeseWiz.CFApp.resources.dll"}},
        {"fennec.inf", 20, 1, 2,
         {"P AppName = Mozilla Fennec", "F %InstallDir%\\fennec.exe = fennec/fennec.exe",
          "F %InstallDir%\\extensions\\feedback@mozilla.org\\chrome.manifest = "
          "fennec/extensions/feedback@mozilla.org/chrome_2.manifest",
          "F %InstallDir%\\chrome\\chrome.manifest = fennec/chrome/chrome.manifest",
          "S %CE11%\\Fennec.lnk -> %InstallDir%\\fennec.exe", "R HKCU\\Software\\Fennec\\MajorVersion = 1"}},
        {"gpxsonar.inf", 52, 1, 2,
         {"P AppName = -=(GEO's)=- GPXSonar", "F %InstallDir%\\GPXSonar.exe = GPXSonar/GpxSonar.exe",
          "F %InstallDir%\\Config\\DoNotDelete = GPXSonar/Config/DoNotDelete",
          "F %InstallDir%\\Docs\\Images\\WptTypes\\Unknown_(Mystery)_Cache.gif = "
          "GPXSonar/Docs/Images/WptTypes/Unknown_(Mystery)_Cache.gif",
          "S %CE11%\\GPXSonar.lnk -> %InstallDir%\\GPXSonar.exe"}},
        {"pocketsoap.inf", 5, 1, 0,
         {"P AppName = Simon Fell's PocketSOAP v1.5", "P InstallDir = %CE1%\\SimonFell\\PocketSOAP",
          "E %CE2%\\pocketHTTP.dll SelfRegister", "E %CE2%\\psoap.dll SelfRegister",
          "S %CE17%\\StockQuote.lnk -> %InstallDir%\\psQuote2.exe"}},
        {"pocketxmlrpc.inf", 2, 0, 0,
         {"P AppName = Simon Fell's PocketXMLRPC", "E %CE2%\\pocketXMLRPC.dll SelfRegister",
          "E %CE2%\\pocketHTTP.dll SelfRegister"}},
        {"puzzles.inf", 27, 27, 0,
         {"P InstallDir = %CE8%\\Puzzle Collection",
          "S %CE14%\\Puzzles\\Black Box.lnk -> %InstallDir%\\blackbox.exe", "F %InstallDir%\\untangle.exe = untangle.exe"}},
        {"riffle.inf", 6, 1, 2,
         {"P BuildNumberMax = -536870912", "P ProcessorType = 2577", "F %CE2%\\riffle.htm = Common/riffle.htm",
          "F %CE5%\\Riffle\\trees.jpg = Common/trees.jpg", "F %InstallDir%\\riffle.exe = ARM_bins/riffle.exe",
          "S %CE11%\\Riffle.lnk -> %InstallDir%\\riffle.exe",
          "R HKLM\\Software\\Microsoft\\Riffle\\MinorVersion = 0"}},
        {"xcsoar.inf", 13, 1, 5,
         {"P SetupDLL = XCSoar~1.002", "P OSVersionMax = 32767.0",
          "E %CE15%\\DejaVuSansCondensed2.ttf NoOverwrite", "F %CE15%\\DejaVuSansCondensed2.ttf = ../../../Data/Fonts/DejaVuSansCondensed2.ttf",
          "F %CE2%\\XCSoarLaunch.dll = ../bin/XCSoarLaunch.dll", "S %CE11%\\XCSoar.lnk -> %InstallDir%\\XCSoar.exe",
          "R HKLM\\Software\\OpenSource\\XCSoar\\InstallDir = %InstallDir%",
          "R HKLM\\Software\\Microsoft\\Today\\Items\\XCSoar\\Type = 4"}},
    };
    for (const RealInf &real : cases) {
        SCOPED_TRACE(real.file);
        QFile original(RealWorldFolder + u'/' + QLatin1String(real.file));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(original.readAll());
        // Deep enough for the "..\..\..\" source folders some files use.
        const QString infFolder = work.filePath(QLatin1String(real.file) + QStringLiteral("/a/b/c"));
        const QString out = work.filePath(QLatin1String(real.file) + QStringLiteral("/out"));
        ASSERT_TRUE(QDir().mkpath(infFolder) && QDir().mkpath(out));
        const QString inf = infFolder + u'/' + QLatin1String(real.file);
        ASSERT_TRUE(QFile::copy(original.fileName(), inf));

        const QStringList arguments = headerValues(text, QStringLiteral("run")).value(0).split(u' ', Qt::SkipEmptyParts);
        const QStringList processors = arguments.mid(arguments.indexOf(QStringLiteral("/cpu")) + 1);
        laySources(infFolder, text, arguments.contains(QStringLiteral("/cpu")) ? processors : QStringList());

        const CabwizResult result = runCabwiz(QStringList{inf, QStringLiteral("/dest"), out} + arguments);
        ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
        EXPECT_TRUE(result.errorLines().isEmpty()) << result.lines.join(u'\n').toStdString();

        const QString base = QFileInfo(inf).completeBaseName();
        QStringList expectedCabinets;
        for (const QString &processor : arguments.contains(QStringLiteral("/cpu")) ? processors : QStringList{QString()})
            expectedCabinets.append(processor.isEmpty() ? base + QStringLiteral(".CAB") : base + u'.' + processor + QStringLiteral(".CAB"));
        expectedCabinets.sort();
        ASSERT_EQ(cabinetsIn(out), expectedCabinets);
        for (const QString &cabinet : expectedCabinets) {
            SCOPED_TRACE(cabinet.toStdString());
            const QString cabPath = out + u'/' + cabinet;
            EXPECT_TRUE(cabextractTestsClean(cabPath));
            const QStringList facts = descriptorFacts(cabPath);
            EXPECT_EQ(facts.filter(QRegularExpression(QStringLiteral("^F "))).size(), real.files) << facts.join(u'\n').toStdString();
            EXPECT_EQ(facts.filter(QRegularExpression(QStringLiteral("^S "))).size(), real.shortcuts);
            EXPECT_EQ(facts.filter(QRegularExpression(QStringLiteral("^R "))).size(), real.registryValues);
            for (const QString &fact : real.facts)
                EXPECT_TRUE(facts.contains(fact)) << fact.toStdString() << "\n" << facts.join(u'\n').toStdString();
            // Every member holds the file of the installed name (fennec renames one on purpose).
            for (const QString &fact : facts.filter(QRegularExpression(QStringLiteral("^F ")))) {
                const QString installed = fact.section(QStringLiteral(" = "), 0, 0).section(u'\\', -1);
                const QString source = fact.section(QStringLiteral(" = "), 1).section(u'/', -1);
                EXPECT_TRUE(installed.compare(source, Qt::CaseInsensitive) == 0
                            || source == QLatin1String("chrome_2.manifest"))
                    << fact.toStdString();
            }
        }
    }
}

} // namespace
