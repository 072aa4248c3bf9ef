#include "helpers/ui/ColumnsFitContents.h"
#include "helpers/ui/WindowSettings.h"
#include "platform/RegistryMemoryStore.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTreeWidget>
#include <QWidget>
#include <gtest/gtest.h>

using namespace talmo;

namespace {

const QString formKey = QStringLiteral("Software\\Talmo\\masterForm");

class WindowSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(registry.openKey(formKey, true).ok()); }

    qint32 stored(const char *name) const { return registry.readInteger(QString::fromLatin1(name)).value_or(-999); }

    RegistryMemoryStore store;
    Registry registry{ store };
};

} // namespace

TEST_F(WindowSettingsTest, NormalWindowRoundTripsItsRectangle)
{
    QWidget saved;
    saved.setGeometry(110, 120, 400, 300);
    ASSERT_TRUE(SaveFormPlacement(registry, &saved).ok());
    EXPECT_EQ(store.valueNames(formKey), (QStringList{ "Height", "Left", "State", "Top", "Width" }));
    EXPECT_EQ(stored("Width"), 400);
    EXPECT_EQ(stored("Height"), 300);
    EXPECT_EQ(stored("Left"), 110);
    EXPECT_EQ(stored("Top"), 120);
    EXPECT_EQ(stored("State"), 0);

    QWidget restored;
    restored.setGeometry(0, 0, 50, 50);
    RestoreFormPlacement(registry, &restored);
    EXPECT_EQ(restored.geometry(), QRect(110, 120, 400, 300));
    EXPECT_FALSE(restored.isMaximized());
}

TEST_F(WindowSettingsTest, MaximizedWindowKeepsItsRestoredRectangle)
{
    QWidget saved;
    saved.setGeometry(30, 40, 320, 200);
    saved.showMaximized();
    ASSERT_TRUE(saved.isMaximized());
    ASSERT_TRUE(SaveFormPlacement(registry, &saved).ok());
    EXPECT_EQ(stored("Width"), 320);
    EXPECT_EQ(stored("Left"), 30);
    EXPECT_EQ(stored("State"), 2);

    QWidget restored;
    RestoreFormPlacement(registry, &restored);
    restored.show();
    EXPECT_TRUE(restored.isMaximized());
    EXPECT_EQ(restored.normalGeometry(), QRect(30, 40, 320, 200));
}

TEST_F(WindowSettingsTest, MinimizedWindowComesBackVisibleAndMinimized)
{
    ASSERT_TRUE(registry.writeInteger(QStringLiteral("State"), 1).ok());
    QWidget restored;
    RestoreFormPlacement(registry, &restored);
    EXPECT_TRUE(restored.isVisible());
    EXPECT_TRUE(restored.isMinimized());
}

TEST_F(WindowSettingsTest, MissingAndMistypedValuesLeaveTheWindowAsItIs)
{
    QWidget form;
    form.setGeometry(10, 20, 300, 200);
    form.setWindowState(Qt::WindowMaximized);
    RestoreFormPlacement(registry, &form);
    EXPECT_EQ(form.windowState(), Qt::WindowMaximized);

    QWidget plain;
    plain.setGeometry(10, 20, 300, 200);
    ASSERT_TRUE(registry.writeString(QStringLiteral("Width"), QStringLiteral("640")).ok());
    ASSERT_TRUE(registry.writeInteger(QStringLiteral("Height"), 240).ok());
    RestoreFormPlacement(registry, &plain);
    EXPECT_EQ(plain.geometry(), QRect(10, 20, 300, 240));
}

TEST_F(WindowSettingsTest, ColumnWidthsAreStoredUnderTheListsName)
{
    QTreeWidget saved;
    saved.setObjectName(QStringLiteral("lv_Registry"));
    saved.setColumnCount(3);
    saved.setColumnWidth(0, 120);
    saved.setColumnWidth(1, 45);
    saved.setColumnWidth(2, 300);
    ASSERT_TRUE(SaveListViewColumns(registry, &saved).ok());
    EXPECT_EQ(stored("lv_RegistryColumn_0"), 120);
    EXPECT_EQ(stored("lv_RegistryColumn_1"), 45);
    EXPECT_EQ(stored("lv_RegistryColumn_2"), 300);

    ASSERT_TRUE(registry.deleteValue(QStringLiteral("lv_RegistryColumn_1")).ok());
    QTreeWidget restored;
    restored.setObjectName(QStringLiteral("lv_Registry"));
    restored.setColumnCount(3);
    restored.setColumnWidth(1, 77);
    RestoreListViewColumns(registry, &restored);
    EXPECT_EQ(restored.columnWidth(0), 120);
    EXPECT_EQ(restored.columnWidth(1), 77);
    EXPECT_EQ(restored.columnWidth(2), 300);
}

TEST_F(WindowSettingsTest, AFittedListStoresOnlyTheWidthsTheUserChose)
{
    ASSERT_TRUE(registry.writeInteger(QStringLiteral("lv_filesColumn_0"), 180).ok()); // an earlier session's
    QTreeWidget saved;
    saved.setObjectName(QStringLiteral("lv_files"));
    saved.setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Source"), QStringLiteral("Flags")});
    ColumnsFitContents::attach(&saved);
    new QTreeWidgetItem(&saved, {QStringLiteral("readme.txt"), QStringLiteral("{app}\\docs\\readme.txt")});
    QCoreApplication::processEvents();
    saved.header()->resizeSection(1, 222);
    ASSERT_TRUE(SaveListViewColumns(registry, &saved).ok());
    EXPECT_FALSE(registry.valueExists(QStringLiteral("lv_filesColumn_0")));
    EXPECT_EQ(stored("lv_filesColumn_1"), 222);
    EXPECT_FALSE(registry.valueExists(QStringLiteral("lv_filesColumn_2"))) << "the stretching column";
}

TEST_F(WindowSettingsTest, WritersPassRegistryErrorsOn)
{
    store.failWritesWith(QStringLiteral("Access denied."));
    QTreeWidget list;
    list.setColumnCount(1);
    EXPECT_EQ(SaveFormPlacement(registry, &list).message(), QStringLiteral("Access denied."));
    EXPECT_EQ(SaveListViewColumns(registry, &list).message(), QStringLiteral("Access denied."));
}
