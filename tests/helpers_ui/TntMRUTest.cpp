#include "helpers/ui/TntMRU.h"
#include "platform/Registry.h"
#include "platform/RegistryMemoryStore.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

const QString mruKey = QStringLiteral("Software\\Talmo\\MRU");

QStringList captions(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        texts.append(action->text());
    return texts;
}

class MruTest : public ::testing::Test
{
protected:
    void store(const QString &name, const QString &value)
    {
        ASSERT_TRUE(registryStore.createKey(mruKey).ok());
        ASSERT_TRUE(registryStore.setValue(mruKey, name, value).ok());
    }

    RegistryMemoryStore registryStore;
    ScopedCurrentRegistryStore scope{ registryStore };
};

} // namespace

TEST_F(MruTest, AddMovesToTheTopAndDropsTheOldest)
{
    TTntMRU mru;
    mru.setMaxItems(8);
    for (int i = 1; i <= 8; ++i)
        mru.add(QStringLiteral("/p/%1.talmo").arg(i));
    mru.add(QStringLiteral("/p/6.talmo"));
    EXPECT_EQ(mru.items().size(), 8);
    EXPECT_EQ(mru.items().at(0), QStringLiteral("/p/6.talmo"));
    EXPECT_EQ(mru.items().at(1), QStringLiteral("/p/8.talmo"));
    EXPECT_EQ(mru.items().count(QStringLiteral("/p/6.talmo")), 1);

    mru.add(QStringLiteral("/p/9.talmo"));
    EXPECT_EQ(mru.items().size(), 8);
    EXPECT_FALSE(mru.items().contains(QStringLiteral("/p/1.talmo")));

    mru.add(QString());
    EXPECT_EQ(mru.items().at(0), QStringLiteral("/p/9.talmo"));
}

TEST_F(MruTest, NamesDifferingInCaseAreDifferentFiles)
{
    TTntMRU mru;
    mru.add(QStringLiteral("/p/Setup.talmo"));
    mru.add(QStringLiteral("/p/setup.talmo"));
    EXPECT_EQ(mru.items(), (QStringList{ "/p/setup.talmo", "/p/Setup.talmo" }));
    EXPECT_FALSE(mru.remove(QStringLiteral("/p/SETUP.talmo")));
    EXPECT_TRUE(mru.remove(QStringLiteral("/p/Setup.talmo")));
    EXPECT_EQ(mru.items(), QStringList{ "/p/setup.talmo" });
}

TEST_F(MruTest, MaxItemsIsAtLeastOneAndTrimsTheList)
{
    TTntMRU mru;
    EXPECT_EQ(mru.maxItems(), 4);
    mru.setItems({ "a", "b", "c" });
    mru.setMaxItems(0);
    EXPECT_EQ(mru.maxItems(), 1);
    EXPECT_EQ(mru.items(), QStringList{ "a" });
}

TEST_F(MruTest, MenuShowsFileNamesWithLiteralAmpersandsAndReportsClicks)
{
    struct Case { QString fileName; QString caption; };
    const Case cases[] = {
        { QStringLiteral("C:\\Projects\\R&D\\Tom & Jerry.talmo"), QStringLiteral("Tom && Jerry.talmo") },
        { QStringLiteral("/home/user/a&b.talmo"), QStringLiteral("a&&b.talmo") },
        { QStringLiteral("D:setup.talmo"), QStringLiteral("setup.talmo") },
        { QStringLiteral("plain.talmo"), QStringLiteral("plain.talmo") },
    };
    for (const Case &c : cases)
        EXPECT_EQ(TTntMRU::menuCaption(c.fileName), c.caption);

    QMenu menu;
    menu.addAction(QStringLiteral("Not ours"));
    TTntMRU mru;
    mru.setItems({ "/p/one.talmo", "/p/two&three.talmo" });
    mru.setParentMenu(&menu);
    EXPECT_EQ(captions(menu), (QStringList{ "Not ours", "one.talmo", "two&&three.talmo" }));

    QSignalSpy clicks(&mru, &TTntMRU::clicked);
    menu.actions().at(2)->trigger();
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toString(), QStringLiteral("/p/two&three.talmo"));

    QMenu other;
    mru.setParentMenu(&other);
    EXPECT_EQ(captions(menu), QStringList{ "Not ours" });
    EXPECT_EQ(captions(other), (QStringList{ "one.talmo", "two&&three.talmo" }));
}

TEST_F(MruTest, LoadClosesGapsAndSaveLeavesNoStaleValue)
{
    store(QStringLiteral("MRU1"), QStringLiteral("/p/first.talmo"));
    store(QStringLiteral("MRU3"), QStringLiteral("/p/third.talmo"));
    store(QStringLiteral("MRU9"), QStringLiteral("/p/beyond.talmo"));
    {
        TTntMRU mru;
        mru.setRegistryPath(mruKey);
        EXPECT_EQ(mru.items(), (QStringList{ "/p/first.talmo", "/p/third.talmo" }));
    }
    EXPECT_EQ(registryStore.valueNames(mruKey), (QStringList{ "MRU1", "MRU2", "MRU9" }));
    EXPECT_EQ(registryStore.value(mruKey, QStringLiteral("MRU2")), RegistryValue(QStringLiteral("/p/third.talmo")));

    TTntMRU reloaded;
    reloaded.setRegistryPath(mruKey);
    EXPECT_EQ(reloaded.items(), (QStringList{ "/p/first.talmo", "/p/third.talmo" }));
}

TEST_F(MruTest, MissingKeyKeepsTheListAndSavingCreatesIt)
{
    TTntMRU mru;
    mru.setItems({ "/p/kept.talmo" });
    mru.setRegistryPath(mruKey);
    EXPECT_EQ(mru.items(), QStringList{ "/p/kept.talmo" });
    EXPECT_TRUE(mru.saveToRegistry().ok());
    EXPECT_EQ(registryStore.value(mruKey, QStringLiteral("MRU1")), RegistryValue(QStringLiteral("/p/kept.talmo")));

    registryStore.failWritesWith(QStringLiteral("Access denied."));
    EXPECT_EQ(mru.saveToRegistry().message(), QStringLiteral("Access denied."));
}
