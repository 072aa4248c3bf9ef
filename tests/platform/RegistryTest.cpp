#include "platform/Registry.h"
#include "platform/RegistryFileStore.h"
#include "platform/RegistryMemoryStore.h"
#include "platform/RegistryReaders.h"
#include "tests/support/ScopedFileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

using namespace talmo;

namespace {

const QString windowKey = QStringLiteral("Software\\Talmo\\BuilderForm");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(RegistryStore, KeepsTypedValuesAndTellsMissingFromEmpty)
{
    RegistryMemoryStore store;
    ASSERT_TRUE(store.createKey(windowKey).ok());
    EXPECT_TRUE(store.keyExists(QStringLiteral("Software")));
    ASSERT_TRUE(store.setValue(windowKey, QStringLiteral("Width"), qint32(-640)).ok());
    ASSERT_TRUE(store.setValue(windowKey, QStringLiteral("Caption"), QString()).ok());

    EXPECT_EQ(store.value(windowKey, QStringLiteral("Width")), RegistryValue(qint32(-640)));
    EXPECT_EQ(store.value(windowKey, QStringLiteral("Caption")), RegistryValue(QString()));
    EXPECT_FALSE(store.value(windowKey, QStringLiteral("Height")).has_value());
    EXPECT_FALSE(store.value(QStringLiteral("Software\\Other"), QStringLiteral("Width")).has_value());
}

TEST(RegistryStore, NamesMatchIgnoringCaseAndKeepTheirFirstSpelling)
{
    RegistryMemoryStore store;
    ASSERT_TRUE(store.createKey(QStringLiteral("Software\\Talmo\\MRU")).ok());
    ASSERT_TRUE(store.createKey(QStringLiteral("\\SOFTWARE\\talmo\\RS")).ok());
    ASSERT_TRUE(store.setValue(QStringLiteral("software\\talmo\\mru"), QStringLiteral("MRU1"), QStringLiteral("a")).ok());
    ASSERT_TRUE(store.setValue(QStringLiteral("Software\\Talmo\\MRU"), QStringLiteral("mru1"), QStringLiteral("b")).ok());

    EXPECT_EQ(store.subkeyNames(TalmoRegistryKey), (QStringList{ QStringLiteral("MRU"), QStringLiteral("RS") }));
    EXPECT_EQ(store.valueNames(QStringLiteral("Software\\Talmo\\MRU")), QStringList{ QStringLiteral("MRU1") });
    EXPECT_EQ(store.value(QStringLiteral("SOFTWARE\\TALMO\\MRU"), QStringLiteral("Mru1")), RegistryValue(QStringLiteral("b")));
}

TEST(RegistryStore, DeletesKeysWithTheirContentAndReportsWhatIsMissing)
{
    RegistryMemoryStore store;
    ASSERT_TRUE(store.createKey(QStringLiteral("Software\\Talmo\\PF\\Inner")).ok());
    ASSERT_TRUE(store.setValue(QStringLiteral("Software\\Talmo\\PF\\Inner"), QStringLiteral("X"), qint32(1)).ok());

    EXPECT_TRUE(store.deleteKey(QStringLiteral("Software\\Talmo\\PF")).ok());
    EXPECT_FALSE(store.keyExists(QStringLiteral("Software\\Talmo\\PF\\Inner")));
    EXPECT_TRUE(store.keyExists(TalmoRegistryKey));

    struct Case { const char *what; RegistryStatus status; QString message; };
    const Case cases[] = {
        { "missing key", store.deleteKey(QStringLiteral("Software\\Talmo\\PF")),
          QStringLiteral("The registry key \"Software\\Talmo\\PF\" does not exist.") },
        { "missing value", store.deleteValue(TalmoRegistryKey, QStringLiteral("Nope")),
          QStringLiteral("The registry value \"Nope\" does not exist.") },
        { "value of a missing key", store.setValue(QStringLiteral("Software\\Gone"), QStringLiteral("A"), qint32(1)),
          QStringLiteral("The registry key \"Software\\Gone\" does not exist.") },
        { "root", store.deleteKey(QString()), QStringLiteral("The registry root cannot be deleted.") },
    };
    for (const Case &c : cases) {
        EXPECT_FALSE(c.status.ok()) << c.what;
        EXPECT_EQ(c.status.message(), c.message) << c.what;
    }
}

TEST(Registry, OpensOnlyExistingKeysUnlessAskedToCreate)
{
    RegistryMemoryStore store;
    Registry registry(store);
    const RegistryStatus missing = registry.openKey(windowKey, false);
    EXPECT_EQ(missing.message(), QStringLiteral("The registry key \"Software\\Talmo\\BuilderForm\" does not exist."));
    EXPECT_FALSE(registry.hasCurrentKey());
    EXPECT_FALSE(store.keyExists(windowKey));
    EXPECT_EQ(registry.writeInteger(QStringLiteral("Width"), 1).message(), QStringLiteral("No registry key is open."));

    ASSERT_TRUE(registry.openKey(windowKey, true).ok());
    EXPECT_TRUE(store.keyExists(windowKey));
    ASSERT_TRUE(registry.writeBool(QStringLiteral("BuildAutoClose"), true).ok());
    EXPECT_EQ(store.value(windowKey, QStringLiteral("BuildAutoClose")), RegistryValue(qint32(1)));
    ASSERT_TRUE(registry.closeKey().ok());
    EXPECT_FALSE(registry.valueExists(QStringLiteral("BuildAutoClose")));
}

TEST(Registry, ReadersGiveTheDefaultForMissingAndMistypedValues)
{
    RegistryMemoryStore store;
    Registry registry(store);
    ASSERT_TRUE(registry.openKey(windowKey, true).ok());
    ASSERT_TRUE(registry.writeInteger(QStringLiteral("Int"), 0).ok());
    ASSERT_TRUE(registry.writeString(QStringLiteral("Text"), QString()).ok());
    ASSERT_TRUE(registry.writeString(QStringLiteral("TextOne"), QStringLiteral("1")).ok());
    ASSERT_TRUE(registry.writeInteger(QStringLiteral("Seven"), 7).ok());

    EXPECT_EQ(RegReadIntegerDef(registry, QStringLiteral("Int"), 5), 0);
    EXPECT_EQ(RegReadIntegerDef(registry, QStringLiteral("Missing"), 5), 5);
    EXPECT_EQ(RegReadIntegerDef(registry, QStringLiteral("TextOne"), 5), 5);
    EXPECT_EQ(RegReadWideStringDef(registry, QStringLiteral("Text"), QStringLiteral("def")), QString());
    EXPECT_EQ(RegReadWideStringDef(registry, QStringLiteral("Missing"), QStringLiteral("def")), QStringLiteral("def"));
    EXPECT_EQ(RegReadWideStringDef(registry, QStringLiteral("Int"), QStringLiteral("def")), QStringLiteral("def"));
    EXPECT_TRUE(RegReadBoolDef(registry, QStringLiteral("Seven"), false));
    EXPECT_FALSE(RegReadBoolDef(registry, QStringLiteral("Int"), true));
    EXPECT_TRUE(RegReadBoolDef(registry, QStringLiteral("TextOne"), true));
    EXPECT_FALSE(RegReadBoolDef(registry, QStringLiteral("Missing"), false));
}

TEST(Registry, FailingStoreReportsItsMessageAndKeepsTheTree)
{
    RegistryMemoryStore store;
    Registry registry(store);
    ASSERT_TRUE(registry.openKey(TalmoRegistryKey, true).ok());
    store.failWritesWith(QStringLiteral("Access denied."));
    EXPECT_EQ(registry.writeString(QStringLiteral("A"), QStringLiteral("x")).message(), QStringLiteral("Access denied."));
    EXPECT_EQ(registry.openKey(QStringLiteral("Software\\Talmo\\MRU"), true).message(), QStringLiteral("Access denied."));
    EXPECT_FALSE(store.keyExists(QStringLiteral("Software\\Talmo\\MRU")));
    EXPECT_TRUE(store.valueNames(TalmoRegistryKey).isEmpty());
}

TEST(RegistryStore, CurrentStoreIsScopedAndFallsBackToAStandIn)
{
    RegistryStore &standIn = RegistryStore::current();
    RegistryMemoryStore store;
    {
        ScopedCurrentRegistryStore scope(store);
        EXPECT_EQ(&RegistryStore::current(), &store);
        Registry registry;
        EXPECT_EQ(&registry.store(), &store);
    }
    EXPECT_EQ(&RegistryStore::current(), &standIn);
}

TEST(RegistryStore, StoreDestroyedWhileCurrentHandsBackToTheStandIn)
{
    RegistryStore &standIn = RegistryStore::current();
    {
        RegistryMemoryStore store;
        RegistryStore::setCurrent(&store);
        EXPECT_EQ(&RegistryStore::current(), &store);
    }
    EXPECT_EQ(&RegistryStore::current(), &standIn);
    EXPECT_EQ(RegistryStore::setCurrent(nullptr), nullptr) << "no dangling store was left installed";
}

TEST(RegistryFileStore, RoundTripsEveryKeyAndValueThroughItsFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/talmo/registry.json"));
    {
        RegistryFileStore store(path);
        Registry registry(store);
        ASSERT_TRUE(registry.openKey(QStringLiteral("Software\\Talmo\\MRU"), true).ok());
        ASSERT_TRUE(registry.writeString(QStringLiteral("MRU1"), QString::fromUtf8("/home/\u00e9l\u00e8ve/a&b.talmo")).ok());
        ASSERT_TRUE(registry.writeString(QStringLiteral("Empty"), QString()).ok());
        ASSERT_TRUE(registry.openKey(TalmoRegistryKey, false).ok());
        ASSERT_TRUE(registry.writeInteger(QStringLiteral("MSQL_CustomSets_Count"), -2147483647 - 1).ok());
        ASSERT_TRUE(registry.closeKey().ok());
        EXPECT_TRUE(QFile::exists(path));
    }
    RegistryFileStore reread(path);
    EXPECT_TRUE(reread.loadError().isEmpty());
    EXPECT_EQ(reread.subkeyNames(TalmoRegistryKey), QStringList{ QStringLiteral("MRU") });
    EXPECT_EQ(reread.value(QStringLiteral("Software\\Talmo\\MRU"), QStringLiteral("MRU1")),
              RegistryValue(QString::fromUtf8("/home/\u00e9l\u00e8ve/a&b.talmo")));
    EXPECT_EQ(reread.value(QStringLiteral("Software\\Talmo\\MRU"), QStringLiteral("Empty")), RegistryValue(QString()));
    EXPECT_EQ(reread.value(TalmoRegistryKey, QStringLiteral("MSQL_CustomSets_Count")),
              RegistryValue(qint32(-2147483647 - 1)));
}

TEST(RegistryFileStore, FailedSaveReportsAndLeavesNoFile)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("blocker")), "not a folder");
    RegistryFileStore store(dir.filePath(QStringLiteral("blocker/registry.json")));
    ASSERT_TRUE(store.createKey(TalmoRegistryKey).ok());
    const RegistryStatus status = store.commit();
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().startsWith(QStringLiteral("Cannot create the settings folder"))) << status.message().toStdString();
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("blocker"))), QByteArray("not a folder"));
}

TEST(RegistryFileStore, DamagedFileIsSetAsideNotOverwritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.json"));
    writeFile(path, "{ truncated");
    {
        RegistryFileStore store(path);
        EXPECT_EQ(store.loadError(), QStringLiteral("The settings file \"%1\" is damaged.").arg(path));
        EXPECT_TRUE(store.subkeyNames(QString()).isEmpty());
        EXPECT_EQ(readFile(path), QByteArray("{ truncated"));
        ASSERT_TRUE(store.createKey(TalmoRegistryKey).ok());
        ASSERT_TRUE(store.commit().ok());
    }
    EXPECT_EQ(readFile(path + QStringLiteral(".broken")), QByteArray("{ truncated"));
    EXPECT_TRUE(RegistryFileStore(path).keyExists(TalmoRegistryKey));
}

TEST(RegistryFileStore, ASaveOnAFullDiskFailsWithTheReasonAndKeepsTheOldSettings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.json"));
    {
        RegistryFileStore store(path);
        ASSERT_TRUE(store.createKey(TalmoRegistryKey).ok());
        ASSERT_TRUE(store.commit().ok());
    }
    const QByteArray before = readFile(path);
    RegistryFileStore store(path);
    ASSERT_TRUE(store.setValue(TalmoRegistryKey, QStringLiteral("Panel2_Visible"), qint32(1)).ok());
    RegistryStatus status;
    {
        talmo::testing::ScopedFileSizeLimit fullDisk(16);
        status = store.commit();
    }
    EXPECT_EQ(status.message(), QStringLiteral("Cannot write the settings file \"%1\": %2").arg(path, qt_error_string(EFBIG)));
    EXPECT_EQ(readFile(path), before);
    EXPECT_TRUE(store.commit().ok()) << "the change stays pending for the next commit";
    EXPECT_TRUE(RegistryFileStore(path).value(TalmoRegistryKey, QStringLiteral("Panel2_Visible")).has_value());
}

TEST(RegistryFileStore, ASettingsFileThatIsNoRegularFileIsDamagedAtOnceAndSetAside)
{
    struct Case
    {
        const char *what;
        std::function<bool(const QString &)> make;
    };
    const Case cases[] = {
        {"a FIFO", [](const QString &path) { return mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }},
        {"a link to /dev/zero", [](const QString &path) { return QFile::link(QStringLiteral("/dev/zero"), path); }},
        {"a folder", [](const QString &path) { return QDir().mkpath(path); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registry.json"));
        ASSERT_TRUE(c.make(path));
        {
            RegistryFileStore store(path);
            EXPECT_EQ(store.loadError(), QStringLiteral("The settings file \"%1\" is damaged.").arg(path));
            ASSERT_TRUE(store.createKey(TalmoRegistryKey).ok());
            EXPECT_TRUE(store.commit().ok());
        }
        EXPECT_TRUE(QFileInfo(path).isFile());
        EXPECT_TRUE(QFileInfo::exists(path + QStringLiteral(".broken")) || QFileInfo(path + QStringLiteral(".broken")).isSymLink());
        EXPECT_TRUE(RegistryFileStore(path).keyExists(TalmoRegistryKey));
    }
}
