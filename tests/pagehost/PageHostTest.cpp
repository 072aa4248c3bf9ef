#include "pagehost/FakeProjectWindowHost.h"
#include "pagehost/HostedPage.h"
#include "pagehost/PlaceholderPage.h"
#include "pagehost/ProjectPageFactory.h"

#include "model/ProjectContainer.h"
#include "widgets/NextInspector.h"
#include "widgets/NxEdit.h"
#include "widgets/NxPathControl.h"
#include "widgets/NxPathNodes.h"
#include "widgets/NxPropertyItems.h"
#include "widgets/NxPropertyItem.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>

using namespace talmo;

namespace {

class KeyPage : public HostedPage
{
public:
    explicit KeyPage(int key, QWidget *parent) : HostedPage(parent), key(key) {}
    int key;
};

} // namespace

TEST(PageKindTest, ModuleTypesWithAPage)
{
    const std::pair<int, std::optional<PageKind>> cases[] = {
        {0, PageKind::CabCreatorModule}, {1, PageKind::Win32Module}, {2, PageKind::CabCollectionModule},
        {3, PageKind::PalmModule},       {4, std::nullopt},          {5, std::nullopt},
        {6, std::nullopt},               {7, PageKind::DirectCopyModule}, {8, std::nullopt},
    };
    for (const auto &[type, kind] : cases)
        EXPECT_EQ(pageKindForModuleType(type), kind) << type;
}

TEST(ProjectPageFactoryTest, RegisteredCreatorGetsTheArgumentsAndAnUnknownKindANamedPlaceholder)
{
    TProjectContainer project;
    FakeProjectWindowHost host;
    ProjectPageFactory factory;
    factory.setCreator(PageKind::RegistrySection, [&](const PageArguments &arguments, QWidget *parent) {
        EXPECT_EQ(&arguments.project, &project);
        EXPECT_EQ(&arguments.host, &host);
        return new KeyPage(arguments.key, parent);
    });
    QWidget parent;

    auto *page = factory.create(PageKind::RegistrySection, {project, host, 4, nullptr}, &parent);
    ASSERT_NE(dynamic_cast<KeyPage *>(page), nullptr);
    EXPECT_EQ(static_cast<KeyPage *>(page)->key, 4);
    EXPECT_EQ(page->parent(), &parent);

    auto *placeholder = dynamic_cast<PlaceholderPage *>(factory.create(PageKind::GlobalCode, {project, host}, &parent));
    ASSERT_NE(placeholder, nullptr);
    EXPECT_TRUE(placeholder->text().contains(QStringLiteral("\"Code Editor\""))) << placeholder->text().toStdString();
    EXPECT_FALSE(factory.hasCreator(PageKind::GlobalCode));
}

TEST(FakeProjectWindowHostTest, ResetDetachesTheClosedPagesHandlersAndEmptiesTheControls)
{
    FakeProjectWindowHost host;
    int changes = 0;
    QObject::connect(host.objectsDropDown(), &QComboBox::currentIndexChanged, host.pageContext(),
                     [&changes] { ++changes; });
    host.objectsDropDown()->addItems({QStringLiteral("a"), QStringLiteral("b")});
    host.objectsDropDown()->setCurrentIndex(1);
    host.setHelpHtml({QStringLiteral("<p>help</p>")});
    host.inspector()->items()->clear();
    host.helpSearchEdit()->setText(QStringLiteral("nowhere"));
    QPalette notFound = host.helpSearchEdit()->palette();
    notFound.setColor(QPalette::Base, Qt::red);
    host.helpSearchEdit()->setPalette(notFound);
    const int before = changes;
    ASSERT_GT(before, 0);

    host.resetForNextPage();
    host.objectsDropDown()->addItems({QStringLiteral("c"), QStringLiteral("d")});
    host.objectsDropDown()->setCurrentIndex(1);

    EXPECT_EQ(changes, before);
    EXPECT_TRUE(host.helpViewer()->toPlainText().isEmpty());
    EXPECT_TRUE(host.helpSearchEdit()->text().isEmpty());
    EXPECT_NE(host.helpSearchEdit()->palette().color(QPalette::Base), QColor(Qt::red));
    ASSERT_EQ(host.inspector()->items()->count(), 1);
    EXPECT_EQ(host.inspector()->items()->item(0)->caption(), QStringLiteral("Nothing to show..."));
    EXPECT_NE(host.pageContext(), nullptr);
    EXPECT_EQ(host.calls(), QStringList{QStringLiteral("setHelpHtml 1 lines")});
}

class BreadcrumbTest : public ::testing::Test
{
protected:
    BreadcrumbTest()
    {
        host.breadcrumb().rebuild({{0, QStringLiteral("App [CAB Creator Module]")}, {2, QStringLiteral("W [Win32 Module]")}},
                                  {QStringLiteral("Page1")});
    }
    QStringList texts(TNxPathNode *parent)
    {
        QStringList result;
        auto &nodes = host.pathControl()->nodes();
        for (int i = 0; i < nodes.count(); ++i) {
            if (nodes.getItem(i)->parent() == parent)
                result << nodes.getItem(i)->text() + QLatin1Char('=') + QString::number(nodes.getItem(i)->tag());
        }
        return result;
    }
    FakeProjectWindowHost host;
};

TEST_F(BreadcrumbTest, RootsAndTheirChildren)
{
    auto &crumb = host.breadcrumb();
    EXPECT_EQ(texts(nullptr), (QStringList{"Installation Modules=-1", "Languages=-2", "Wizard Dialogs=-3",
                                           "Setup Types=-4", "Appearance and Themes=-5"}));
    EXPECT_EQ(texts(crumb.root(ProjectBreadcrumb::Modules)),
              (QStringList{"App [CAB Creator Module]=0", "W [Win32 Module]=2"}));
    EXPECT_EQ(texts(crumb.root(ProjectBreadcrumb::WizardDialogs)), (QStringList{"Global Code=-1", "-=-2", "Page1=0"}));
    EXPECT_EQ(texts(crumb.root(ProjectBreadcrumb::Appearance)), QStringList{"Advanced Appearance Options=0"});
}

TEST_F(BreadcrumbTest, RebuildKeepsTheSelectedModuleWithoutSelecting)
{
    auto &crumb = host.breadcrumb();
    crumb.setSelectedSilently(crumb.moduleNode(2));
    QSignalSpy selects(host.pathControl(), &TNxPathControl::select);

    crumb.rebuild({{2, QStringLiteral("Renamed")}}, {});

    EXPECT_EQ(crumb.selected(), crumb.moduleNode(2));
    EXPECT_EQ(selects.count(), 0);
}

TEST_F(BreadcrumbTest, RegistrySectionsKeepTheSelectedIndexElseTheModule)
{
    auto &crumb = host.breadcrumb();
    host.setRegistrySectionNodes({QStringLiteral("HKLM"), QStringLiteral("HKCU")});
    TNxPathNode *module = crumb.moduleNode(0);
    EXPECT_EQ(texts(module), (QStringList{"HKLM=0", "HKCU=1"}));
    crumb.setSelectedSilently(crumb.childWithKey(module, 1));
    QSignalSpy selects(host.pathControl(), &TNxPathControl::select);

    host.setRegistrySectionNodes({QStringLiteral("HKLM"), QStringLiteral("HKCU renamed")});
    ASSERT_NE(crumb.selected(), nullptr);
    EXPECT_EQ(crumb.selected()->text(), QStringLiteral("HKCU renamed"));
    EXPECT_EQ(crumb.selected()->parent(), module);

    host.setRegistrySectionNodes({QStringLiteral("HKLM")});
    EXPECT_EQ(crumb.selected(), module);
    EXPECT_EQ(texts(module), QStringList{"HKLM=0"});
    EXPECT_EQ(selects.count(), 0);
}
