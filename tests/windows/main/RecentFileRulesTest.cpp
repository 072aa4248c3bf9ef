#include "tests/support/QtPrinters.h"
#include "windows/main/RecentFileRules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(RecentFileRules, FilesGoneOrTurnedIntoFoldersAreDroppedInListOrder)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString kept = root.filePath(QStringLiteral("a.talmo"));
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("folder.talmo")));
    const QString folder = root.filePath(QStringLiteral("folder.talmo"));
    const QString gone = root.filePath(QStringLiteral("gone.talmo"));
    QString keptWithBackslashes = kept;
    keptWithBackslashes.replace(QLatin1Char('/'), QLatin1Char('\\'));

    EXPECT_TRUE(RecentFileRules::IsThere(keptWithBackslashes));
    EXPECT_EQ(RecentFileRules::Gone({ gone, kept, folder, keptWithBackslashes, QString() }),
              (QStringList{ gone, folder, QString() }));
    EXPECT_EQ(RecentFileRules::Gone({}), QStringList());
}

} // namespace
