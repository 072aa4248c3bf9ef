#include "model/StringPair.h"

#include <QStringList>

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

QStringList namesOf(const TStringPairs &pairs)
{
    QStringList names;
    for (const TStringPair &pair : pairs)
        names << pair.Name;
    return names;
}

void addPair(TStringPairs &pairs, const QString &name)
{
    auto pair = std::make_unique<TStringPair>();
    pair->Name = name;
    const int index = pairs.Add(std::move(pair));
    EXPECT_EQ(index, pairs.Count() - 1);
}

} // namespace

TEST(OwningList, KeepsItemsInPlaceWhileTheListChanges)
{
    TStringPairs pairs;
    for (const char *name : { "a", "b", "c", "d" })
        addPair(pairs, name);
    TStringPair &c = pairs[2];

    pairs.Delete(1);
    pairs.Exchange(0, 2);
    pairs.Insert(3, std::make_unique<TStringPair>(TStringPair{ "e", "" }));

    EXPECT_EQ(namesOf(pairs), QStringList({ "d", "c", "a", "e" }));
    EXPECT_EQ(&pairs[1], &c);
    EXPECT_EQ(pairs.IndexOf(&c), 1);
    EXPECT_EQ(pairs.IndexOf(nullptr), -1);
    EXPECT_EQ(pairs.Extract(1)->Name, "c");
    EXPECT_EQ(namesOf(pairs), QStringList({ "d", "a", "e" }));
    pairs.Clear();
    EXPECT_TRUE(pairs.IsEmpty());
}

TEST(OwningList, IndexesOutsideTheListThrow)
{
    TStringPairs pairs;
    addPair(pairs, "only");
    EXPECT_THROW(pairs.GetItem(1), ListIndexError);
    EXPECT_THROW(pairs.GetItem(-1), ListIndexError);
    EXPECT_THROW(pairs.Delete(1), ListIndexError);
    EXPECT_THROW(pairs.Exchange(0, 1), ListIndexError);
    EXPECT_THROW(pairs.Extract(-1), ListIndexError);
    EXPECT_THROW(pairs.Insert(2, std::make_unique<TStringPair>()), ListIndexError);
    EXPECT_EQ(pairs.Count(), 1);
    try {
        pairs.GetItem(5);
        ADD_FAILURE() << "no ListIndexError";
    } catch (const ListIndexError &error) {
        EXPECT_EQ(error.message(), "List index out of bounds (5 of 1 items)");
    }
}
