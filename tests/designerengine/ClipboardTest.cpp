#include "SurfaceInput.h"

#include "designer/controls/Label.h"
#include "designer/engine/TELClipboard.h"
#include "helpers/core/ComponentBinaryStream.h"

#include <QMimeData>
#include <QSignalSpy>

namespace talmo {

namespace {

class FakeClipboard : public TELClipboard
{
public:
    const QMimeData *mimeData() const override { return m_data.get(); }
    void setMimeData(QMimeData *data) override { m_data.reset(data); }

private:
    std::unique_ptr<QMimeData> m_data;
};

} // namespace

class Clipboard : public SurfaceFixture
{
protected:
    Clipboard()
    {
        designer->SetClipboard(&clipboard);
        designer->SetActive(true);
    }

    std::vector<ComponentTextNode> onClipboard()
    {
        return ComponentBinaryStream::readBlock(clipboard.mimeData()->data(designer->ClipboardMimeType()));
    }

    void putOnClipboard(const QByteArray &bytes)
    {
        auto *data = new QMimeData;
        data->setData(designer->ClipboardMimeType(), bytes);
        clipboard.setMimeData(data);
    }

    FakeClipboard clipboard;
};

TEST_F(Clipboard, PasteIntoTheSameContainerCascadesByTheGridAndTakesTheNextName)
{
    TButton *button = add<TButton>("Button1", {20, 20, 75, 25});
    button->setCaption("Go");
    selection().SelectOnly(button);
    designer->CopyToClipboard();
    int modified = 0;
    int changes = 0;
    designer->events.OnModified = [&] { ++modified; };
    designer->events.OnChangeSelection = [&] { ++changes; };

    designer->PasteFromClipboard();
    ASSERT_EQ(root->components().size(), 2);
    auto *copy = qobject_cast<TButton *>(root->components().last());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->name(), "Button2");
    EXPECT_EQ(copy->caption(), "Go");
    EXPECT_EQ(copy->parentWidget(), root);
    EXPECT_EQ(copy->geometry(), QRect(24, 24, 75, 25));
    EXPECT_TRUE(copy->isVisible());
    EXPECT_EQ(selected(), QList<TDesignControl *>{copy});
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(changes, 1);

    selection().SelectOnly(button);
    designer->PasteFromClipboard();
    EXPECT_EQ(root->components().last()->name(), "Button3");
    EXPECT_EQ(root->components().last()->pos(), QPoint(28, 28));
}

TEST_F(Clipboard, PanelTravelsWithItsChildrenAndTheirReferences)
{
    TPanel *panel1 = add<TPanel>("Panel1", {20, 20, 200, 100});
    TButton *button = add<TButton>("Button1", {5, 5, 75, 25}, panel1);
    TLabel *label = add<TLabel>("Label1", {5, 40, 60, 13}, panel1);
    label->setFocusControl(button);
    selection().SelectOnly(panel1);
    designer->CopyToClipboard();
    selection().SelectOnly(root);
    QSignalSpy pastedSpy(designer.get(), &TELDesigner::controlsPasted);

    designer->PasteFromClipboard();
    ASSERT_EQ(root->components().size(), 6);
    auto *panel2 = qobject_cast<TPanel *>(root->findComponent("Panel2"));
    auto *button2 = root->findComponent("Button2");
    auto *label2 = qobject_cast<TLabel *>(root->findComponent("Label2"));
    ASSERT_TRUE(panel2 && button2 && label2);
    EXPECT_EQ(button2->parentWidget(), panel2);
    EXPECT_EQ(label2->focusControl(), button2);
    EXPECT_EQ(panel2->pos(), QPoint(24, 24));
    EXPECT_EQ(selected(), QList<TDesignControl *>{panel2});

    ASSERT_EQ(pastedSpy.count(), 1);
    const auto pasted = pastedSpy.at(0).at(0).value<QList<TELPastedControl>>();
    ASSERT_EQ(pasted.size(), 3);
    const QStringList pairs = {pasted[0].oldName + ">" + pasted[0].newName, pasted[1].oldName + ">" + pasted[1].newName,
                               pasted[2].oldName + ">" + pasted[2].newName};
    // In the order the block holds them: window-less children first.
    EXPECT_EQ(pairs, QStringList({"Panel1>Panel2", "Label1>Label2", "Button1>Button2"}));
    EXPECT_EQ(pasted[0].control, panel2);
    EXPECT_EQ(pasted[1].control, label2);
}

TEST_F(Clipboard, CopyKeepsOnlyTheLastSelectedControlsSiblings)
{
    TPanel *panel1 = add<TPanel>("Panel1", {20, 20, 150, 100});
    TPanel *panel2 = add<TPanel>("Panel2", {200, 20, 150, 100});
    TButton *button = add<TButton>("Button1", {5, 5, 75, 25}, panel1);
    TLabel *label = add<TLabel>("Label1", {5, 5, 60, 13}, panel2);
    selection().SelectList({button, label});
    int changes = 0;
    designer->events.OnChangeSelection = [&] { ++changes; };

    designer->CopyToClipboard();
    EXPECT_EQ(selected(), QList<TDesignControl *>{label});
    EXPECT_EQ(changes, 1);
    const std::vector<ComponentTextNode> copied = onClipboard();
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_EQ(copied[0].name, "Label1");
}

TEST_F(Clipboard, PasteGoesIntoTheNearestContainerOfTheLastSelectedControl)
{
    TPanel *panel1 = add<TPanel>("Panel1", {20, 20, 200, 100});
    TButton *inner = add<TButton>("Button1", {5, 5, 75, 25}, panel1);
    TButton *outer = add<TButton>("Button2", {250, 20, 75, 25});
    const struct
    {
        QList<TDesignControl *> selection;
        TDesignControl *target;
    } cases[] = {
        {{inner}, panel1}, {{panel1}, panel1}, {{outer}, root}, {{root}, root}, {{}, root}, {{outer, inner}, panel1},
    };
    for (const auto &c : cases) {
        selection().SelectList(c.selection);
        EXPECT_EQ(designer->PasteTarget(), c.target);
    }
    panel1->setDesignInfo(LockInsertInto);
    putOnClipboard(ComponentBinaryStream::writeBlock({}));
    selection().SelectOnly(inner);
    EXPECT_FALSE(designer->CanPaste());
    selection().SelectOnly(outer);
    EXPECT_TRUE(designer->CanPaste());
}

TEST_F(Clipboard, OnlyTheRootSelectedMayPasteButNotCopyOrCut)
{
    add<TButton>("Button1", {20, 20, 75, 25});
    EXPECT_FALSE(designer->CanCopy());
    EXPECT_FALSE(designer->CanCut());
    EXPECT_FALSE(designer->CanPaste()); // nothing of ours on the clipboard
    auto *text = new QMimeData;
    text->setText("Button1");
    clipboard.setMimeData(text);
    EXPECT_FALSE(designer->CanPaste());
    designer->PasteFromClipboard();
    EXPECT_EQ(root->components().size(), 1);

    putOnClipboard(ComponentBinaryStream::writeBlock({}));
    EXPECT_TRUE(designer->CanPaste());
    designer->CopyToClipboard(); // does nothing: the block stays
    EXPECT_TRUE(designer->CanPaste());
}

TEST_F(Clipboard, LockedControlsAreNotCopiedOrCut)
{
    TPanel *panel1 = add<TPanel>("Panel1", {20, 20, 200, 100});
    TButton *inner = add<TButton>("Button1", {5, 5, 75, 25}, panel1);
    selection().SelectOnly(panel1);
    inner->setDesignInfo(LockDelete);
    EXPECT_TRUE(designer->CanCopy());
    EXPECT_FALSE(designer->CanCut());
    inner->setDesignInfo(LockCopy);
    EXPECT_FALSE(designer->CanCopy());
}

TEST_F(Clipboard, CutRemovesTheControlsAndTheirInnerControls)
{
    TPanel *panel1 = add<TPanel>("Panel1", {20, 20, 200, 100});
    add<TButton>("Button1", {5, 5, 75, 25}, panel1);
    TButton *other = add<TButton>("Button2", {250, 20, 75, 25});
    selection().SelectOnly(panel1);
    designer->CutToClipboard();
    EXPECT_EQ(root->components(), QList<TDesignControl *>{other});
    EXPECT_EQ(onClipboard().size(), 1u);

    designer->PasteFromClipboard(); // the names are free again
    EXPECT_TRUE(root->findComponent("Panel1"));
    EXPECT_TRUE(root->findComponent("Button1"));
    EXPECT_EQ(root->findComponent("Panel1")->pos(), QPoint(20, 20));
}

TEST_F(Clipboard, NamesTheBlockCannotKeepAreMadeAfresh)
{
    add<TButton>("Button1", {20, 20, 75, 25});
    designer->events.OnValidateName = [](TELValidateNameArgs &args) { args.isValidName = args.name != "Refused"; };
    ComponentTextNode unnamed{QString(), "TButton", {}, {}};
    ComponentTextNode refused{"Refused", "TLabel", {}, {}};
    ComponentTextNode keyword{"end", "TPanel", {}, {}};
    putOnClipboard(ComponentBinaryStream::writeBlock({unnamed, refused, keyword}));
    designer->PasteFromClipboard();
    QStringList names;
    for (TDesignControl *control : root->components())
        names << control->name();
    EXPECT_EQ(names, QStringList({"Button1", "Button2", "Label1", "Panel1"}));
}

TEST_F(Clipboard, ABlockThatCannotBePastedLeavesThePageAsItWas)
{
    TButton *button = add<TButton>("Button1", {20, 20, 75, 25});
    selection().SelectOnly(button);
    designer->CopyToClipboard();
    const QByteArray good = clipboard.mimeData()->data(designer->ClipboardMimeType());
    ComponentTextNode stranger{"Stranger1", "TStranger", {}, {}};
    ComponentTextNode badValue{"Button7", "TButton", {}, {}};
    badValue.setProperty("Left", ComponentTextValue::fromString("far"));
    const QByteArray bad[] = {
        good.left(good.size() - 3),
        good.left(good.size() - 1) + ComponentBinaryStream::writeBlock({stranger}),
        good.left(good.size() - 1) + ComponentBinaryStream::writeBlock({badValue}),
        QByteArray("TPF0\xff\xff\xff", 7),
    };
    for (const QByteArray &bytes : bad) {
        putOnClipboard(bytes);
        const QString message = designerError([&] { designer->PasteFromClipboard(); });
        EXPECT_TRUE(message.startsWith("The controls on the clipboard cannot be pasted:")) << message.toStdString();
        EXPECT_EQ(root->components(), QList<TDesignControl *>{button});
        EXPECT_EQ(root->findChildren<TDesignControl *>().size(), 1);
        EXPECT_EQ(selected(), QList<TDesignControl *>{button});
    }
}

} // namespace talmo
