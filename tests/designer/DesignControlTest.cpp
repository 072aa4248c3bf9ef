#include "tests/support/QtPrinters.h"

#include "designer/DesignClassRegistry.h"
#include "designer/DesignControl.h"
#include "scriptknowledge/PropertyWhiteList.h"
#include "tests/designer/DesignTestControls.h"
#include "widgets/NxPropertyBinding.h"

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QSignalSpy>

#include <memory>

using namespace talmo;
using namespace talmo::testcontrols;

namespace {

struct Page
{
    Page()
    {
        first->setParent(&root);
        second->setParent(&root);
        root.insertComponent(first);
        root.insertComponent(second);
        first->rename(QStringLiteral("Button1"));
        second->rename(QStringLiteral("Label1"));
    }

    TPanel root;
    TButton *first = new TButton;
    TLabel *second = new TLabel;
};

} // namespace

TEST(DesignControl, RenameVerdicts)
{
    const struct {
        QString name;
        bool accepted;
        QString message;
    } cases[] = {
        {"OkButton", true, ""},
        {"button1", true, ""}, // its own name in another case
        {"", true, ""},
        {"label1", false, "A component named label1 already exists"},
        {"1Button", false, "\"1Button\" is not a valid component name"},
        {"Ok Button", false, "\"Ok Button\" is not a valid component name"},
        {QStringLiteral(u"B\u00e9"), false, QStringLiteral(u"\"B\u00e9\" is not a valid component name")},
        {"end", false, "\"end\" is not a valid component name"},
    };
    for (const auto &c : cases) {
        Page page;
        const TRenameVerdict verdict = page.first->rename(c.name);
        EXPECT_EQ(verdict.accepted, c.accepted) << c.name.toStdString();
        EXPECT_EQ(verdict.message, c.message);
        EXPECT_EQ(page.first->name(), c.accepted ? c.name : QStringLiteral("Button1"));
    }
}

TEST(DesignControl, RefusedNameThroughThePropertyStaysAndReportsTheMessage)
{
    Page page;
    page.root.setRenameHook([](const TDesignControl &, const QString &name) {
        return name.startsWith(u'X') ? TRenameVerdict::refuse(QStringLiteral("SInvalidName")) : TRenameVerdict::accept();
    });
    QSignalSpy refused(page.first, &TDesignControl::nameRefused);
    QSignalSpy renamed(page.first, &TDesignControl::renamed);
    const QMetaProperty name = page.first->metaObject()->property(page.first->metaObject()->indexOfProperty("Name"));

    EXPECT_TRUE(name.write(page.first, QStringLiteral("XButton")));
    EXPECT_TRUE(name.write(page.first, QStringLiteral("Label1")));
    EXPECT_EQ(page.first->name(), "Button1");
    ASSERT_EQ(refused.count(), 2);
    EXPECT_EQ(refused.at(0).at(0).toString(), "SInvalidName");
    EXPECT_EQ(refused.at(1).at(0).toString(), "A component named Label1 already exists");
    EXPECT_EQ(renamed.count(), 0);

    EXPECT_TRUE(name.write(page.first, QStringLiteral("OkButton")));
    EXPECT_EQ(page.first->name(), "OkButton");
    ASSERT_EQ(renamed.count(), 1);
    EXPECT_EQ(renamed.at(0).at(0).toString(), "Button1");
    EXPECT_EQ(page.root.findComponent(QStringLiteral("OKBUTTON")), page.first);
}

TEST(DesignControl, OwnerListsComponentsInCreationOrderAndDropsDestroyedOnes)
{
    Page page;
    auto *nested = new TButton;
    nested->setParent(page.first);
    page.root.insertComponent(nested);
    EXPECT_EQ(page.root.components(), (QList<TDesignControl *>{page.first, page.second, nested}));

    delete page.first; // takes its child with it
    EXPECT_EQ(page.root.components(), QList<TDesignControl *>{page.second});
    EXPECT_EQ(page.second->owner(), &page.root);

    page.root.destroyComponents();
    EXPECT_TRUE(page.root.components().isEmpty());
    EXPECT_TRUE(page.root.findChildren<TDesignControl *>().isEmpty());
}

TEST(DesignControl, DesignStateReachesOwnedAndInsertedComponents)
{
    Page page;
    page.root.setDesigning(true);
    EXPECT_TRUE(page.first->isDesigning());
    EXPECT_TRUE(page.second->isDesigning());
    auto *later = new TButton;
    later->setParent(&page.root);
    page.root.insertComponent(later);
    EXPECT_TRUE(later->isDesigning());
    page.root.setDesigning(false);
    EXPECT_FALSE(later->isDesigning());
}

TEST(DesignControl, GeometryKeepsNegativeSizesAndLockBitsAreTheLowWord)
{
    TButton button;
    button.setBounds(8, 16, 75, 25);
    EXPECT_EQ(button.geometry(), QRect(8, 16, 75, 25));
    button.setWidth(-5);
    EXPECT_EQ(button.width(), -5);
    EXPECT_EQ(button.QWidget::width(), 0);
    button.setWidth(40);
    EXPECT_EQ(button.width(), 40);
    EXPECT_EQ(button.height(), 25);

    button.setDesignInfo(0x30000 | LockMove | LockCopy);
    EXPECT_EQ(button.lockBits(), LockMove | LockCopy);
}

TEST(DesignPropertyTable, AncestorsFirstAndNamesMustBeProperties)
{
    QStringList names;
    for (const DesignProperty &property : TLabel::propertyTable().properties())
        names << property.name;
    EXPECT_EQ(names, QStringList({"Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "Caption", "Color", "Font",
                                  "ParentFont", "FocusControl"}));
    EXPECT_THROW(DesignPropertyTable(TButton::staticMetaObject, {{QStringLiteral("Lines"), DesignValueForm::Strings}}),
                 std::logic_error);
    EXPECT_THROW(DesignPropertyTable(TButton::staticMetaObject, TMemo::propertyTable(), {}), std::logic_error);
}

TEST(DesignPropertyTable, ResolvesTextPaths)
{
    const DesignPropertyTable &memo = TMemo::propertyTable();
    const struct {
        QString path;
        QString property; // empty: not a path the table writes
        int objectSteps;
    } cases[] = {
        {"left", "Left", 0},
        {"Font.Name", "Name", 1},
        {"font.style", "Style", 1},
        {"Lines.Strings", "Lines", 0},
        {"Lines", "", 0},
        {"Lines.Text", "", 0},
        {"Font", "", 0},
        {"Font.Quality", "", 0},
        {"Left.Foo", "", 0},
        {"ExplicitWidth", "", 0},
    };
    for (const auto &c : cases) {
        const std::optional<DesignPropertyPath> path = memo.resolve(c.path);
        EXPECT_EQ(path ? path->property->name : QString(), c.property) << c.path.toStdString();
        if (path) {
            EXPECT_EQ(int(path->objects.size()), c.objectSteps);
        }
    }
}

TEST(DesignClassRegistry, NamesClassesForTextNotForCpp)
{
    TDesignClassRegistry registry;
    registerTestClasses(registry);
    TButton button;
    TCountingButton unregistered;
    EXPECT_EQ(registry.classNameOf(button), "TButton");
    EXPECT_EQ(registry.classNameOf(unregistered), "");
    EXPECT_EQ(registry.find(QStringLiteral("tbutton"))->className, "TButton");
    EXPECT_EQ(registry.find(QStringLiteral("TEdit")), nullptr);
    EXPECT_TRUE(registry.textRegistry().contains(QStringLiteral("TMemo")));

    std::unique_ptr<TDesignControl> made(registry.find(QStringLiteral("TMemo"))->create());
    EXPECT_EQ(registry.classNameOf(*made), "TMemo");
    EXPECT_THROW(registry.registerClass<TButton>(QStringLiteral("TButton"), TMemo::propertyTable()), std::logic_error);
}

TEST(DesignControl, PublishesFromItsOwnClassDownForTheWhiteListAndTheInspector)
{
    TLabel label;
    const PropertyWhiteList whiteList;
    QList<QMetaProperty> properties;
    GetDesignPropList(&label, whiteList.row(whiteList.DesignClassIndex(QStringLiteral("TLabel"))), &properties);
    QStringList names;
    for (const QMetaProperty &property : properties)
        names << QString::fromLatin1(property.name());
    EXPECT_EQ(names, QStringList({"Caption", "Color", "Cursor", "FocusControl", "Font", "Height", "Hint", "Left",
                                  "Name", "Top", "Width"}));

    EXPECT_EQ(NxPropertyBinding::typeOf(&label, properties.at(4)), TNxPropertyType::Font);
    const TNxResolvedProperty fontColor = NxPropertyBinding::resolve(&label, QStringLiteral("Font.Color"));
    ASSERT_TRUE(fontColor.isValid());
    EXPECT_EQ(fontColor.object, &label.designFont);
    EXPECT_EQ(NxPropertyBinding::typeOf(fontColor.object, fontColor.property), TNxPropertyType::Color);
    label.designFont.setSize(10);
    EXPECT_EQ(label.designFont.height(), -13);
    EXPECT_EQ(label.designFont.size(), 10);
}
