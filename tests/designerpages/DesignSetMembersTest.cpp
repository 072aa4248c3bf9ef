#include "designer/DesignFont.h"
#include "designer/DesignSetMembers.h"
#include "designer/controls/Label.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

QStringList tickedOf(const DesignSetMembers &set)
{
    QStringList ticked;
    for (const DesignSetMembers::Member &member : set.members()) {
        if (member.ticked)
            ticked.append(member.name);
    }
    return ticked;
}

} // namespace

TEST(DesignSetMembersTest, TheTickedMembersMakeTheSetAndItsText)
{
    TLabel label;
    label.designFont().setStyle(TDesignFont::fsItalic);
    DesignSetMembers style(&label, "Font.Style");
    ASSERT_TRUE(style.isValid());
    EXPECT_EQ(style.text(), "[fsItalic]");
    QStringList names;
    for (const DesignSetMembers::Member &member : style.members())
        names.append(member.name);
    EXPECT_EQ(names, QStringList({ "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut" }));

    const std::pair<QStringList, const char *> cases[] = {
        { { "fsBold", "fsItalic" }, "[fsBold,fsItalic]" },
        { { "fsStrikeOut", "fsBold" }, "[fsBold,fsStrikeOut]" },
        // A name that is no member leaves the set as it was.
        { { "fsBold", "fsShadow" }, "[fsBold,fsStrikeOut]" },
        { {}, "[]" },
    };
    for (const auto &[ticked, text] : cases) {
        style.setTicked(ticked);
        EXPECT_EQ(style.text(), QString::fromLatin1(text)) << text;
        EXPECT_EQ(tickedOf(style), style.text().mid(1).chopped(1).split(u',', Qt::SkipEmptyParts)) << text;
    }
    EXPECT_EQ(label.designFont().style(), TDesignFont::TFontStyles());
}

TEST(DesignSetMembersTest, OnlyASetPropertyThatExistsIsASet)
{
    TLabel label;
    EXPECT_TRUE(DesignSetMembers(&label.designFont(), "Style").isValid());
    EXPECT_FALSE(DesignSetMembers(nullptr, "Style").isValid());
    EXPECT_FALSE(DesignSetMembers(&label, "Font.Shadow").isValid());
    EXPECT_FALSE(DesignSetMembers(&label, "Caption.Style").isValid());
}
