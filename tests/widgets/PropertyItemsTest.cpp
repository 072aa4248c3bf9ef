#include "tests/support/QtPrinters.h"

#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxColorItem.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxNumberItem.h"
#include "widgets/NxPropertyBinding.h"
#include "widgets/NxPropertyItems.h"
#include "widgets/NxTextItem.h"

#include <gtest/gtest.h>

#include <QObject>

using namespace talmo;

namespace {

class BoundFont : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name MEMBER name)
    Q_PROPERTY(int Size MEMBER size)

public:
    QString name = QStringLiteral("Tahoma");
    int size = 8;
};

class BoundControl : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("talmo:Color", "TColor")
    Q_CLASSINFO("talmo:Font", "TFont")
    Q_PROPERTY(QString Caption MEMBER caption)
    Q_PROPERTY(int Color MEMBER color)
    Q_PROPERTY(int Width MEMBER width)
    Q_PROPERTY(bool Visible MEMBER visible)
    Q_PROPERTY(Alignment Alignment MEMBER alignment)
    Q_PROPERTY(Anchors Anchors READ getAnchors WRITE setAnchors)
    Q_PROPERTY(double Ratio MEMBER ratio)
    Q_PROPERTY(QByteArray Hint MEMBER hint)
    Q_PROPERTY(QObject *Font READ font)

public:
    enum Alignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(Alignment)
    enum Anchor { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
    Q_DECLARE_FLAGS(Anchors, Anchor)
    Q_FLAG(Anchors)

    QObject *font() { return &fontObject; }
    Anchors getAnchors() const { return anchors; }
    void setAnchors(Anchors value) { anchors = value; }

    QString caption = QStringLiteral("Button1");
    int color = int(clBtnFace);
    int width = 75;
    bool visible = true;
    Alignment alignment = taCenter;
    Anchors anchors = Anchors(akLeft) | akTop;
    double ratio = 0.5;
    QByteArray hint;
    BoundFont fontObject;
};

struct Notice
{
    TNxPropertyItem *item;
    TNxItemNotification kind;
};

// A list with a recorder in place of the inspector.
struct RecordedList
{
    RecordedList()
    {
        list.setItemCallback([this](TNxPropertyItem *item, TNxItemNotification kind, int) {
            notices.push_back({item, kind});
        });
    }
    int count(TNxItemNotification kind) const
    {
        return int(std::count_if(notices.begin(), notices.end(), [&](const Notice &n) { return n.kind == kind; }));
    }
    std::vector<Notice> notices;
    TNxPropertyItems list;
};

QStringList captions(const std::vector<TNxPropertyItem *> &items)
{
    QStringList result;
    for (auto *item : items)
        result << item->caption();
    return result;
}

// A row with no caption of its own, bound to the named property.
template <class Item>
Item *boundRow(TNxPropertyItems &list, TNxPropertyItem *parent, const char *property)
{
    auto *row = list.addChild<Item>(parent, QString());
    row->setMapProperty(QString::fromLatin1(property));
    return row;
}

} // namespace

TEST(PropertyItems, AddChildKeepsDisplayOrderAndMakesTopLevelRowsReadOnly)
{
    TNxPropertyItems list;
    auto *general = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("General"));
    auto *name = list.addChild<TNxTextItem>(general, QStringLiteral("Name"));
    auto *flags = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Flags"));
    auto *caption = list.addChild<TNxTextItem>(general, QStringLiteral("Caption"));
    auto *nested = list.addChild<TNxTextItem>(name, QStringLiteral("Nested"));

    EXPECT_EQ(captions(list.displayOrder()), QStringList({"General", "Name", "Nested", "Caption", "Flags"}));
    EXPECT_TRUE(general->readOnly());
    EXPECT_TRUE(flags->readOnly());
    EXPECT_FALSE(name->readOnly());
    EXPECT_EQ(nested->level(), 2);
    EXPECT_EQ(nested->indent(), 14);
    EXPECT_EQ(name->indent(), 0);
    EXPECT_EQ(general->childCount(), 2);
    EXPECT_EQ(general->item(1), caption);
    EXPECT_EQ(caption->absoluteIndex(), 3);
    EXPECT_THROW(general->item(2), ItemIndexOutOfBounds);
    EXPECT_THROW(general->item(-1), ItemIndexOutOfBounds);
    EXPECT_EQ(list.count(), 5);
    EXPECT_EQ(list.findByTag(0), general);
}

TEST(PropertyItems, AddChildReturnsNothingWhenMakingTheItemFails)
{
    TNxPropertyItems list;
    auto *item = list.addChild(nullptr, []() -> std::unique_ptr<TNxPropertyItem> { throw std::runtime_error("no"); },
                               QStringLiteral("x"));
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(list.count(), 0);
}

TEST(PropertyItems, CollapseHidesDescendantsAndReExpandKeepsCollapsedDescendantsHidden)
{
    TNxPropertyItems list;
    auto *root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Root"));
    auto *a = list.addChild<TNxTextItem>(root, QStringLiteral("A"));
    auto *a1 = list.addChild<TNxTextItem>(a, QStringLiteral("A1"));
    auto *b = list.addChild<TNxTextItem>(root, QStringLiteral("B"));

    a->setExpanded(false);
    EXPECT_TRUE(a1->hidden());
    root->setExpanded(false);
    EXPECT_TRUE(a->hidden());
    EXPECT_TRUE(b->hidden());
    root->setExpanded(true);
    EXPECT_FALSE(a->hidden());
    EXPECT_FALSE(b->hidden());
    EXPECT_TRUE(a1->hidden()) << "below a collapsed descendant";
    EXPECT_EQ(captions(list.shownRows()), QStringList({"Root", "A", "B"}));

    // Expanding a row whose own parent is collapsed shows nothing.
    root->setExpanded(false);
    a->setExpanded(true);
    EXPECT_TRUE(a1->hidden());

    root->setExpandLock(true);
    root->setExpanded(true);
    EXPECT_FALSE(root->expanded());
}

TEST(PropertyItems, InvisibleRowKeepsItsPlaceAndHidesItsDescendants)
{
    TNxPropertyItems list;
    auto *root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Root"));
    auto *a = list.addChild<TNxTextItem>(root, QStringLiteral("A"));
    auto *a1 = list.addChild<TNxTextItem>(a, QStringLiteral("A1"));
    a->setVisible(false);
    EXPECT_TRUE(a1->hidden());
    EXPECT_EQ(a->absoluteIndex(), 1);
    EXPECT_EQ(captions(list.shownRows()), QStringList({"Root"}));
    list.setHideTopLevel(true);
    a->setVisible(true);
    EXPECT_EQ(captions(list.shownRows()), QStringList({"A", "A1"}));

    // A row made visible under a collapsed parent stays hidden.
    root->setExpanded(false);
    a->setVisible(false);
    a->setVisible(true);
    EXPECT_TRUE(a->hidden());
}

TEST(PropertyItems, RemovingARowFreesItsSubtreeAndTellsAboutEveryRow)
{
    RecordedList recorded;
    TNxPropertyItems &list = recorded.list;
    auto *root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Root"));
    auto *a = list.addChild<TNxTextItem>(root, QStringLiteral("A"));
    list.addChild<TNxTextItem>(a, QStringLiteral("A1"));
    list.addChild<TNxTextItem>(root, QStringLiteral("B"));
    recorded.notices.clear();

    delete a;
    EXPECT_EQ(captions(list.displayOrder()), QStringList({"Root", "B"}));
    EXPECT_EQ(captions(list.byNameOrder()), QStringList({"B"}));
    EXPECT_EQ(root->childCount(), 1);
    EXPECT_EQ(recorded.count(TNxItemNotification::Destroying), 2);

    list.clear();
    EXPECT_EQ(list.count(), 0);
}

TEST(PropertyItems, ValueChangeIsReportedBeforeTheBoundPropertyIsWrittenAndForEqualValues)
{
    BoundControl control;
    TNxPropertyItems list;
    list.setAssociate(&control);
    auto *root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Properties"));
    auto *caption = boundRow<TNxTextItem>(list, root, "Caption");
    EXPECT_EQ(caption->caption(), QStringLiteral("Caption")) << "an empty caption becomes the property name";
    EXPECT_EQ(caption->asString(), QStringLiteral("Button1"));

    QStringList seen;
    list.setItemCallback([&](TNxPropertyItem *item, TNxItemNotification kind, int) {
        if (kind == TNxItemNotification::ValueChanged)
            seen << item->getValue() + QStringLiteral("|") + control.caption;
    });
    caption->setValue(QStringLiteral("OK"));
    caption->setValue(QStringLiteral("OK"));
    EXPECT_EQ(seen, QStringList({"OK|Button1", "OK|OK"}));
    EXPECT_EQ(control.caption, QStringLiteral("OK"));
}

TEST(PropertyItems, ReadingFromTheBoundPropertyDoesNotWriteBack)
{
    BoundControl control;
    TNxPropertyItems list;
    auto *root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Properties"));
    auto *width = boundRow<TNxSpinItem>(list, root, "Width");
    EXPECT_EQ(width->asInteger(), 0) << "nothing to read without an associate";

    int writes = 0;
    list.setItemCallback([&](TNxPropertyItem *, TNxItemNotification kind, int) {
        if (kind == TNxItemNotification::ValueChanged)
            ++writes;
    });
    control.width = 120;
    list.setAssociate(&control);
    EXPECT_EQ(width->asInteger(), 120);
    EXPECT_EQ(writes, 1);
    width->setAsInteger(90);
    EXPECT_EQ(control.width, 90);
}

TEST(PropertyItems, BindsEveryKindOfPropertyBothWays)
{
    BoundControl control;
    TNxPropertyItems list;
    auto *root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Properties"));
    auto *color = boundRow<TNxColorItem>(list, root, "Color");
    auto *visible = boundRow<TNxCheckBoxItem>(list, root, "Visible");
    auto *alignment = boundRow<TNxComboBoxItem>(list, root, "Alignment");
    auto *anchors = boundRow<TNxTextItem>(list, root, "Anchors");
    auto *ratio = boundRow<TNxSpinItem>(list, root, "Ratio");
    auto *hint = boundRow<TNxTextItem>(list, root, "Hint");
    list.setAssociate(&control);

    EXPECT_EQ(color->asString(), QStringLiteral("clBtnFace"));
    EXPECT_TRUE(visible->asBoolean());
    EXPECT_EQ(alignment->asString(), QStringLiteral("taCenter"));
    EXPECT_EQ(anchors->asString(), QStringLiteral("akLeft,akTop"));
    EXPECT_DOUBLE_EQ(ratio->asFloat(), 0.5);

    color->setValue(QStringLiteral("clRed"));
    visible->setAsBoolean(false);
    alignment->setValue(QStringLiteral("taRightJustify"));
    anchors->setValue(QStringLiteral("akRight,akBottom"));
    ratio->setAsFloat(2.25);
    hint->setValue(QStringLiteral("caf\u00e9"));
    EXPECT_EQ(control.color, int(clRed));
    EXPECT_FALSE(control.visible);
    EXPECT_EQ(control.alignment, BoundControl::taRightJustify);
    EXPECT_EQ(control.anchors, BoundControl::Anchors(BoundControl::akRight) | BoundControl::akBottom);
    EXPECT_DOUBLE_EQ(control.ratio, 2.25);
    EXPECT_EQ(control.hint, QByteArray("caf\xe9"));

    // Text the property cannot take leaves it as it was.
    alignment->setValue(QStringLiteral("taNowhere"));
    anchors->setValue(QStringLiteral("akLeft,akSideways"));
    EXPECT_EQ(control.alignment, BoundControl::taRightJustify);
    EXPECT_EQ(control.anchors, BoundControl::Anchors(BoundControl::akRight) | BoundControl::akBottom);
}

TEST(PropertyItems, EmptyColourRowWritesNoColour)
{
    BoundControl control;
    TNxPropertyItems list;
    list.setAssociate(&control);
    auto *root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Properties"));
    auto *color = list.addChild<TNxColorItem>(root, QStringLiteral("Color"));
    color->setMapProperty(QStringLiteral("Color"));
    color->setValue(QString());
    EXPECT_EQ(control.color, int(clNone));
    EXPECT_EQ(control.color, 0x1FFFFFFF);
}

TEST(PropertyItems, BindsByDottedPathThroughObjectProperties)
{
    BoundControl control;
    TNxPropertyItems list;
    auto *root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Properties"));
    auto *fontName = boundRow<TNxTextItem>(list, root, "Font.Name");
    auto *fontSize = list.addChild<TNxSpinItem>(root, QStringLiteral("Size"));
    fontSize->setMapProperty(QStringLiteral("Font.Size"));
    auto *missing = boundRow<TNxTextItem>(list, root, "Caption.Name");
    list.setAssociate(&control);

    EXPECT_EQ(fontName->caption(), QStringLiteral("Name"));
    EXPECT_EQ(fontName->asString(), QStringLiteral("Tahoma"));
    EXPECT_EQ(fontSize->asInteger(), 8);
    EXPECT_EQ(missing->caption(), QStringLiteral("Name")) << "named also when the property is not found";
    fontName->setValue(QStringLiteral("Verdana"));
    EXPECT_EQ(control.fontObject.name, QStringLiteral("Verdana"));

    // A row bound to its own object reads from it, not from the associate.
    BoundFont other;
    other.name = QStringLiteral("Arial");
    auto *own = list.addChild<TNxTextItem>(root, QStringLiteral("Own"));
    own->setMapObject(&other);
    own->setMapProperty(QStringLiteral("Name"));
    EXPECT_EQ(own->asString(), QStringLiteral("Arial"));
}

TEST(PropertyItems, PropertyTypesFollowQtTypesAndClassInfoTags)
{
    BoundControl control;
    const QMetaObject *meta = control.metaObject();
    const auto typeOf = [&](const char *name) {
        return NxPropertyBinding::typeOf(&control, meta->property(meta->indexOfProperty(name)));
    };
    EXPECT_EQ(typeOf("Caption"), TNxPropertyType::String);
    EXPECT_EQ(typeOf("Color"), TNxPropertyType::Color);
    EXPECT_EQ(typeOf("Width"), TNxPropertyType::Integer);
    EXPECT_EQ(typeOf("Visible"), TNxPropertyType::Boolean);
    EXPECT_EQ(typeOf("Alignment"), TNxPropertyType::Enumeration);
    EXPECT_EQ(typeOf("Anchors"), TNxPropertyType::Set);
    EXPECT_EQ(typeOf("Ratio"), TNxPropertyType::Float);
    EXPECT_EQ(typeOf("Font"), TNxPropertyType::Font);
    EXPECT_EQ(typeOf("objectName"), TNxPropertyType::String);
}

TEST(PropertyItems, CaptionChangeMovesALevelOneRowAndItsChildrenInTheByNameList)
{
    TNxPropertyItems list;
    auto *root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Properties"));
    auto *width = list.addChild<TNxTextItem>(root, QStringLiteral("Width"));
    auto *alpha = list.addChild<TNxTextItem>(root, QStringLiteral("Alpha"));
    auto *font = list.addChild<TNxTextItem>(root, QStringLiteral("Font"));
    list.addChild<TNxTextItem>(font, QStringLiteral("Size"));
    // Insertion does not sort.
    EXPECT_EQ(captions(list.byNameOrder()), QStringList({"Width", "Alpha", "Font", "Size"}));

    font->setCaption(QStringLiteral("Beta"));
    EXPECT_EQ(captions(list.byNameOrder()), QStringList({"Beta", "Size", "Width", "Alpha"}));
    width->setCaption(QStringLiteral("Width"));
    alpha->setCaption(QStringLiteral("Alpha"));
    EXPECT_EQ(captions(list.byNameOrder()), QStringList({"Alpha", "Beta", "Size", "Width"}));
    // Code units, so capitals sort first.
    alpha->setCaption(QStringLiteral("zeta"));
    EXPECT_EQ(captions(list.byNameOrder()), QStringList({"Beta", "Size", "Width", "zeta"}));

    list.setArrange(taName);
    EXPECT_EQ(font->nodeIndex(), 0);
    EXPECT_EQ(root->nodeIndex(), -1) << "categories are not in the by-name list";
    EXPECT_EQ(captions(list.displayOrder()), QStringList({"Properties", "Width", "zeta", "Beta", "Size"}));
}

TEST(PropertyItems, NotificationsFollowTheProtocol)
{
    RecordedList recorded;
    TNxPropertyItems &list = recorded.list;
    auto *root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Root"));
    EXPECT_EQ(recorded.count(TNxItemNotification::Inserted), 1);
    auto *child = list.addChild<TNxTextItem>(root, QStringLiteral("Child"));
    EXPECT_EQ(recorded.count(TNxItemNotification::RowChanged), 1) << "the parent's first child";
    recorded.notices.clear();

    root->setExpanded(false);
    root->setExpanded(true);
    child->setExpanded(false); // no children: the flag only
    child->setEnabled(false);
    child->setSuffixValue(QStringLiteral("px"));
    child->setOptions(itoAutoApply);
    child->setVisible(false);
    child->setVisible(false); // unchanged: nothing
    std::vector<TNxItemNotification> kinds;
    for (const Notice &n : recorded.notices)
        kinds.push_back(n.kind);
    EXPECT_EQ(kinds, std::vector<TNxItemNotification>({TNxItemNotification::Collapsed, TNxItemNotification::Expanded,
                                                       TNxItemNotification::EnabledChanged,
                                                       TNxItemNotification::SuffixChanged,
                                                       TNxItemNotification::OptionsChanged,
                                                       TNxItemNotification::VisibleChanged}));

    // An item outside a list stays silent.
    recorded.notices.clear();
    TNxTextItem loose;
    loose.setValue(QStringLiteral("x"));
    EXPECT_TRUE(recorded.notices.empty());
}

TEST(PropertyItems, AssignCopiesLooksAndValue)
{
    TNxPropertyItems list;
    auto *root = list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Root"));
    auto *from = list.addChild<TNxTextItem>(root, QStringLiteral("From"));
    from->setValue(QStringLiteral("v"));
    from->setEmptyValue(QStringLiteral("(none)"));
    from->setSuffixes({QStringLiteral("px"), QStringLiteral("%")});
    from->setSuffixValue(QStringLiteral("%"));
    from->setEnabled(false);
    TNxTextItem to;
    to.assign(*from);
    EXPECT_EQ(to.caption(), QStringLiteral("From"));
    EXPECT_EQ(to.getValue(), QStringLiteral("v"));
    EXPECT_EQ(to.emptyValue(), QStringLiteral("(none)"));
    EXPECT_EQ(to.suffixes(), from->suffixes());
    EXPECT_EQ(to.suffixValue(), QStringLiteral("%"));
    EXPECT_FALSE(to.enabled());
    EXPECT_EQ(to.fullText(), QStringLiteral("v%"));
}

#include "PropertyItemsTest.moc"

TEST(PropertyItems, WrittenNoticeFollowsTheWriteBack)
{
    BoundControl control;
    RecordedList recorded;
    recorded.list.setAssociate(&control);
    auto *root = recorded.list.addChild<TNxPropertyItem>(nullptr, QStringLiteral("Properties"));
    auto *caption = boundRow<TNxTextItem>(recorded.list, root, "Caption");
    QStringList seen;
    recorded.list.setItemCallback([&](TNxPropertyItem *, TNxItemNotification kind, int) {
        if (kind == TNxItemNotification::ValueChanged || kind == TNxItemNotification::ValueWritten)
            seen << QString::number(int(kind)) + u'=' + control.caption;
    });
    caption->setValue(QStringLiteral("OK"));
    EXPECT_EQ(seen, QStringList({ "10=Button1", "18=OK" }));
}
