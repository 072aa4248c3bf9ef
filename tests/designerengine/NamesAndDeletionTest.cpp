#include "DesignerFixture.h"

namespace talmo {

using NamesAndDeletion = DesignerFixture;

TEST_F(NamesAndDeletion, UniqueNamesReuseFreedNumbers)
{
    designer->SetActive(true);
    EXPECT_EQ(designer->MakeUniqueName("TButton"), "Button1");
    TButton *first = add<TButton>("Button1", {0, 0, 75, 25});
    EXPECT_EQ(designer->MakeUniqueName("TButton"), "Button2");
    add<TButton>("button2", {0, 30, 75, 25}); // names compare ignoring case
    EXPECT_EQ(designer->MakeUniqueName("TButton"), "Button3");
    delete first;
    EXPECT_EQ(designer->MakeUniqueName("TButton"), "Button1");
}

TEST_F(NamesAndDeletion, PrefixDropsOnlyALeadingT)
{
    const struct
    {
        const char *base;
        const char *unique;
    } cases[] = {{"TButton", "Button1"}, {"tX", "X1"}, {"T", "T1"}, {"X", "X1"}};
    for (const auto &c : cases)
        EXPECT_EQ(designer->MakeUniqueName(c.base), c.unique) << c.base;

    designer->events.OnGetUniqueName = [](TELUniqueNameArgs &args) {
        if (args.baseName == "TLabel")
            args.uniqueName = "Caption7";
    };
    EXPECT_EQ(designer->MakeUniqueName("TLabel"), "Caption7");
    EXPECT_EQ(designer->MakeUniqueName("TEdit"), "Edit1");
}

TEST_F(NamesAndDeletion, RenameCheckRefusesEmptyInvalidRejectedAndTakenNames)
{
    TButton *button = add<TButton>("Button1", {0, 0, 75, 25});
    add<TButton>("Button2", {0, 30, 75, 25});
    designer->SetActive(true);
    designer->events.OnValidateName = [](TELValidateNameArgs &args) {
        if (args.name.startsWith("Bad"))
            args.isValidName = false;
    };
    const struct
    {
        const char *name;
        const char *message;
    } cases[] = {
        {"", "SInvalidName"},          {"1Button", "SInvalidName"}, {"Ok Button", "SInvalidName"},
        {"end", "SInvalidName"},       {"BadName", "SInvalidName"}, {"BUTTON2", "SDuplicateName"},
        {"OkButton", ""},              {"button1", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(designerError([&] { designer->CheckComponentRename(*button, button->name(), c.name); }), c.message)
            << c.name;
    }

    // Installed as the owner's rename rule while designing: a refused name stays as it was.
    EXPECT_EQ(button->rename(QString()).message, "SInvalidName");
    EXPECT_EQ(button->rename("Button2").message, "SDuplicateName");
    EXPECT_EQ(button->name(), "Button1");
    EXPECT_TRUE(button->rename("OkButton").accepted);
    designer->SetActive(false);
    EXPECT_TRUE(button->rename("BadAgain").accepted);
}

TEST_F(NamesAndDeletion, DeleteFreesTheSelectionButNeverTheRoot)
{
    TPanel *panel1 = add<TPanel>("Panel1", {10, 10, 200, 100});
    TButton *inner = add<TButton>("Button1", {5, 5, 75, 25}, panel1);
    TButton *other = add<TButton>("Button2", {220, 10, 75, 25});
    designer->SetActive(true);
    int modified = 0;
    designer->events.OnModified = [&] { ++modified; };

    designer->DeleteSelectedControls(); // only the root
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(root->components().size(), 3);

    selection().SelectAll();
    EXPECT_EQ(selected(), (QList<TDesignControl *>{root, panel1, inner, other}));
    designer->DeleteSelectedControls();
    EXPECT_TRUE(root->components().isEmpty());
    EXPECT_EQ(selected(), QList<TDesignControl *>{root});
    EXPECT_EQ(modified, 1);
}

TEST_F(NamesAndDeletion, LockedControlsAreNamedInTheMessageAndNothingIsDeleted)
{
    TPanel *panel1 = add<TPanel>("Panel1", {10, 10, 200, 100});
    TButton *inner = add<TButton>("Button1", {5, 5, 75, 25}, panel1);
    TButton *other = add<TButton>("Button2", {220, 10, 75, 25});
    designer->SetActive(true);
    inner->setDesignInfo(LockDelete); // a child's lock protects its parent

    selection().SelectOnly(panel1);
    selection().Add(other);
    EXPECT_EQ(designerError([&] { designer->DeleteSelectedControls(); }),
              "Control \"Panel1\" or some of it chidrens can not\r be deleted becouse they are locked");
    other->setDesignInfo(LockDelete | LockMove);
    EXPECT_EQ(designerError([&] { designer->DeleteSelectedControls(); }),
              "Some controls is locked. Can not delete controls.");
    EXPECT_EQ(root->components().size(), 3);
    EXPECT_EQ(selected(), (QList<TDesignControl *>{panel1, other}));
}

} // namespace talmo
