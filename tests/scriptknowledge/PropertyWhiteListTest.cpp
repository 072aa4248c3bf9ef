#include "scriptknowledge/PropertyWhiteList.h"

#include <QObject>
#include <QWidget>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// A stand-in for a designer control: publishes white-listed names below a Qt
// class that itself declares some of them (QWidget's "enabled", "font", ...).
class DesignTestControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER m_caption)
    Q_PROPERTY(int Top MEMBER m_top)
    Q_PROPERTY(int left MEMBER m_left)
    Q_PROPERTY(bool Stretch MEMBER m_stretch)
    Q_PROPERTY(int TabOrder MEMBER m_tabOrder)
    Q_PROPERTY(int Tab MEMBER m_tab)
public:
    QString m_caption;
    int m_top = 0;
    int m_left = 0;
    bool m_stretch = false;
    int m_tabOrder = 0;
    int m_tab = 0;
};

class DesignTestLabel : public DesignTestControl
{
    Q_OBJECT
    Q_PROPERTY(bool AutoSize MEMBER m_autoSize)
    Q_PROPERTY(bool WordWrap MEMBER m_wordWrap)
public:
    bool m_autoSize = false;
    bool m_wordWrap = false;
};

QStringList names(const QList<QMetaProperty> &properties)
{
    QStringList result;
    for (const QMetaProperty &p : properties)
        result.append(QString::fromLatin1(p.name()));
    return result;
}

} // namespace

TEST(PropertyWhiteList, HasItsNineteenRowsInOrder)
{
    const PropertyWhiteList list;
    ASSERT_EQ(list.rowCount(), 19);
    EXPECT_EQ(list.row(0), QStringList { QStringLiteral("NullObject") });
    EXPECT_EQ(list.row(17).join(u' '), QStringLiteral("TNewProgressBar Cursor Height Hint Left Max Min Name Position Tag Top Width"));
    EXPECT_EQ(list.row(18).constFirst(), QStringLiteral("TRichEditViewer"));
    EXPECT_FALSE(IsInStringArray(list.row(18), QStringLiteral("Font")));
    EXPECT_EQ(list.row(9).size(), 21);
}

TEST(PropertyWhiteList, FindsClassRowsIgnoringCase)
{
    const PropertyWhiteList list;
    struct Case { const char *className; int row; };
    const Case cases[] = {
        { "TLabel", 1 }, { "tlabel", 1 }, { "TRICHEDITVIEWER", 18 }, { "TGroupBox", 0 }, { "", 0 }, { "NullObject", 0 },
        { "TStartMenuFolderTreeView", 14 },
    };
    for (const Case &c : cases)
        EXPECT_EQ(list.DesignClassIndex(QString::fromLatin1(c.className)), c.row) << c.className;
}

TEST(PropertyWhiteList, DecidesWhichPropertyLinesAreShown)
{
    const PropertyWhiteList list;
    struct Case { const char *property; const char *className; bool shown; };
    const Case cases[] = {
        { "Caption", "TLabel", true },
        { "caption", "tlabel", true },
        { "AutoSize", "TLabel", true },
        { "Text", "TLabel", false },
        { "Caption", "TGroupBox", false },
        { "Font.Name", "TRichEditViewer", true },
        { "Font", "TNewProgressBar", true },
        { "Font.Charset", "TLabel", false },
        { "Charset", "TLabel", false },
        { "Items.Strings", "TLabel", true },
        { "Items.Charset", "TEdit", true },
        { "font.name", "TRichEditViewer", false },
        { "Tag", "TNewProgressBar", true },
        { "Tag", "TLabel", false },
        { "Enabled", "TFolderTreeView", false },
        { "multiselect", "TListBox", true },
        { "ParentFont", "TLabel", true },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(list.IsDesignPropertyShown(QString::fromLatin1(c.property), QString::fromLatin1(c.className)), c.shown)
            << c.property << " of " << c.className;
    }
}

TEST(IsInStringArray, ComparesIgnoringAsciiCase)
{
    EXPECT_TRUE(IsInStringArray({ QStringLiteral("Left"), QStringLiteral("Top") }, QStringLiteral("TOP")));
    EXPECT_FALSE(IsInStringArray({ QStringLiteral("Left") }, QStringLiteral("Lef")));
    EXPECT_FALSE(IsInStringArray({}, QString()));
}

TEST(GetDesignPropList, KeepsTheControlsOwnWhiteListedPropertiesSorted)
{
    const PropertyWhiteList list;
    DesignTestLabel label;
    const QStringList &labelRow = list.row(list.DesignClassIndex(QStringLiteral("TLabel")));

    QList<QMetaProperty> properties { QMetaProperty() };
    EXPECT_EQ(GetDesignPropList(&label, labelRow, &properties), 5);
    // QWidget's own "enabled", "font", "visible" and "width" never count.
    EXPECT_EQ(names(properties), QStringList({ "AutoSize", "Caption", "left", "Top", "WordWrap" }));
    EXPECT_EQ(GetDesignPropList(&label, labelRow), 5);

    const QStringList bitmapRow = list.row(list.DesignClassIndex(QStringLiteral("TBitmapImage")));
    EXPECT_EQ(GetDesignPropList(&label, bitmapRow, &properties), 4);
    EXPECT_EQ(names(properties), QStringList({ "AutoSize", "left", "Stretch", "Top" }));

    EXPECT_EQ(GetDesignPropList(&label, list.row(0), &properties), 0);
    EXPECT_TRUE(properties.isEmpty());
    QObject plain;
    EXPECT_EQ(GetDesignPropList(&plain, { QStringLiteral("objectName") }), 0);
    EXPECT_EQ(GetDesignPropList(nullptr, labelRow), 0);
}

TEST(GetDesignPropList, SortsAPrefixBeforeTheLongerName)
{
    DesignTestLabel label;
    const QStringList row { QStringLiteral("TTest"), QStringLiteral("TabOrder"), QStringLiteral("tab"), QStringLiteral("Top") };
    QList<QMetaProperty> properties;
    EXPECT_EQ(GetDesignPropList(&label, row, &properties), 3);
    EXPECT_EQ(names(properties), QStringList({ "Tab", "TabOrder", "Top" }));
}

bool talmoTestNeedsWidgets() { return true; }

#include "PropertyWhiteListTest.moc"
