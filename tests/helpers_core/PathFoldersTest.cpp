#include "helpers/core/PathFolders.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace talmo;

namespace {

// Sets or removes environment variables for one test and puts them back after.
class ScopedEnvironment
{
public:
    ~ScopedEnvironment()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second)
                qputenv(it->first.constData(), *it->second);
            else
                qunsetenv(it->first.constData());
        }
    }

    void set(const char *name, const char *value)
    {
        save(name);
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }

private:
    void save(const char *name)
    {
        std::optional<QByteArray> value;
        if (qEnvironmentVariableIsSet(name))
            value = qgetenv(name);
        m_saved.emplace_back(name, value);
    }

    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
};

} // namespace

TEST(PathFolders, WorkingFolderComesFromTmpTempThenTheSystem)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray system = QDir(dir.path()).canonicalPath().toUtf8();
    const QByteArray systemSlash = system + '/';

    struct Case { const char *tmp; const char *temp; const char *tmpdir; QString folder; };
    const Case cases[] = {
        { "/var/tmp/a/", "/var/tmp/b", systemSlash.constData(), "/var/tmp/a" },
        { "", "C:\\Temp\\", systemSlash.constData(), "C:\\Temp" },
        { nullptr, nullptr, systemSlash.constData(), QString::fromUtf8(system) },
        { nullptr, nullptr, nullptr, "/tmp" },
    };
    for (const Case &c : cases) {
        ScopedEnvironment environment;
        environment.set("TMP", c.tmp);
        environment.set("TEMP", c.temp);
        environment.set("TMPDIR", c.tmpdir);
        EXPECT_EQ(GetTempDirectory(), c.folder) << GetTempDirectory().toStdString();
    }
}

TEST(PathFolders, EnvironmentVariables)
{
    ScopedEnvironment environment;
    environment.set("TALMO_TEST_A", "alpha");
    environment.set("TALMO_TEST_REF", "%TALMO_TEST_A%\\%TALMO_TEST_NONE%");
    environment.set("TALMO_TEST_EMPTY", "");
    environment.set("TALMO_TEST_NONE", nullptr);

    QString value = "stale";
    EXPECT_FALSE(GetEnvironmentVar("TALMO_TEST_NONE", value, false));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(GetEnvironmentVar("TALMO_TEST_EMPTY", value, false));
    EXPECT_TRUE(GetEnvironmentVar("TALMO_TEST_REF", value, false));
    EXPECT_EQ(value, "%TALMO_TEST_A%\\%TALMO_TEST_NONE%");
    EXPECT_TRUE(GetEnvironmentVar("TALMO_TEST_REF", value, true));
    EXPECT_EQ(value, "alpha\\%TALMO_TEST_NONE%");
    EXPECT_EQ(ExpandEnvironmentVars("100% %TALMO_TEST_A%"), "100% %TALMO_TEST_A%");
    EXPECT_EQ(ExpandEnvironmentVars("%TALMO_TEST_A%%TALMO_TEST_A%"), "alphaalpha");
}

TEST(PathFolders, DocumentsFolderCanBePointedElsewhere)
{
    SetMyDocumentsFolderOverride("/srv/docs/");
    EXPECT_EQ(GetMyDocumentsFolder(), "/srv/docs");
    ClearMyDocumentsFolderOverride();
    const QString documents = GetMyDocumentsFolder();
    EXPECT_FALSE(documents.isEmpty());
    EXPECT_FALSE(documents.endsWith('/'));
}
