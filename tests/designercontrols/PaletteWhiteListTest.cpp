#include "tests/designercontrols/PaletteTestSupport.h"
#include "tests/support/QtPrinters.h"

#include "scriptknowledge/PropertyWhiteList.h"

#include <QMetaProperty>

#include <memory>

using namespace talmo;
using namespace talmo::testing;

namespace {

class PaletteWhiteList : public PalettePage
{
};

TEST_F(PaletteWhiteList, EveryRowNameIsAPublishedPropertyOfItsClass)
{
    const PropertyWhiteList whiteList;
    for (qsizetype index = 1; index < whiteList.rowCount(); ++index) {
        const QStringList &row = whiteList.row(index);
        const TDesignClassRegistry::Entry *entry = registry.find(row.constFirst());
        ASSERT_NE(entry, nullptr) << row.constFirst().toStdString();
        std::unique_ptr<TDesignControl> control(entry->create());
        QList<QMetaProperty> published;
        EXPECT_EQ(GetDesignPropList(control.get(), row, &published), row.size() - 1) << row.constFirst().toStdString();
    }
}

TEST_F(PaletteWhiteList, LabelOffersItsEighteenRows)
{
    const PropertyWhiteList whiteList;
    const QStringList &row = whiteList.row(whiteList.DesignClassIndex(QStringLiteral("TLabel")));
    std::unique_ptr<TDesignControl> label(registry.find(QStringLiteral("TLabel"))->create());
    QList<QMetaProperty> published;
    ASSERT_EQ(GetDesignPropList(label.get(), row, &published), 18);
    QStringList names;
    for (const QMetaProperty &property : published)
        names.append(QString::fromLatin1(property.name()));
    EXPECT_EQ(names, QStringList({"Align", "Alignment", "AutoSize", "Caption", "Color", "Cursor", "Enabled",
                                  "FocusControl", "Font", "Height", "Hint", "Left", "Name", "ShowHint", "Top",
                                  "Visible", "Width", "WordWrap"}));
}

// Classes whose installer counterparts have no font publish none.
TEST_F(PaletteWhiteList, FontlessClassesPublishNoFont)
{
    for (const char *className : {"TBitmapImage", "TBevel", "TFolderTreeView", "TStartMenuFolderTreeView",
                                  "TNewProgressBar"}) {
        std::unique_ptr<TDesignControl> control(registry.find(QString::fromLatin1(className))->create());
        EXPECT_LT(control->metaObject()->indexOfProperty("Font"), 0) << className;
        EXPECT_LT(control->metaObject()->indexOfProperty("ParentFont"), 0) << className;
    }
}

} // namespace
