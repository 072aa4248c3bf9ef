#include "tests/designercontrols/PaletteTestSupport.h"
#include "tests/support/QtPrinters.h"

using namespace talmo;
using namespace talmo::testing;

namespace {

// The block a control writes when inserted alone at (8, 8) on an empty page.
struct FreshControl
{
    const char *className;
    QStringList block;
};

QStringList blockOf(const QStringList &page, const QString &header)
{
    const qsizetype start = page.indexOf(header);
    if (start < 0)
        return {};
    const qsizetype end = page.indexOf(QStringLiteral("  end"), start);
    return page.mid(start, end - start + 1);
}

const FreshControl FreshControls[] = {
    {"TLabel", {"  object Label1: TLabel", "    Left = 8", "    Top = 8", "    Width = 36", "    Height = 13",
                "    Caption = 'Label1'", "  end"}},
    {"TButton", {"  object Button1: TButton", "    Left = 8", "    Top = 8", "    Width = 75", "    Height = 25",
                 "    Caption = 'Button1'", "    TabOrder = 0", "  end"}},
    {"TPanel", {"  object Panel1: TPanel", "    Left = 8", "    Top = 8", "    Width = 185", "    Height = 41",
                "    Caption = 'Panel1'", "    TabOrder = 0", "  end"}},
    {"TBitmapImage", {"  object BitmapImage1: TBitmapImage", "    Left = 8", "    Top = 8", "    Width = 105",
                      "    Height = 105", "  end"}},
    {"TEdit", {"  object Edit1: TEdit", "    Left = 8", "    Top = 8", "    Width = 121", "    Height = 21",
               "    TabOrder = 0", "    Text = 'Edit1'", "  end"}},
    {"TCheckBox", {"  object CheckBox1: TCheckBox", "    Left = 8", "    Top = 8", "    Width = 97", "    Height = 17",
                   "    Caption = 'CheckBox1'", "    TabOrder = 0", "  end"}},
    {"TMemo", {"  object Memo1: TMemo", "    Left = 8", "    Top = 8", "    Width = 185", "    Height = 89",
               "    Lines.Strings = (", "      'Memo1')", "    TabOrder = 0", "  end"}},
    {"TRadioButton", {"  object RadioButton1: TRadioButton", "    Left = 8", "    Top = 8", "    Width = 113",
                      "    Height = 17", "    Caption = 'RadioButton1'", "    TabOrder = 0", "  end"}},
    {"TListBox", {"  object ListBox1: TListBox", "    Left = 8", "    Top = 8", "    Width = 121", "    Height = 97",
                  "    TabOrder = 0", "  end"}},
    {"TComboBox", {"  object ComboBox1: TComboBox", "    Left = 8", "    Top = 8", "    Width = 145",
                   "    Height = 21", "    TabOrder = 0", "    Text = 'ComboBox1'", "  end"}},
    {"TNewStaticText", {"  object NewStaticText1: TNewStaticText", "    Left = 8", "    Top = 8", "    Width = 85",
                        "    Height = 14", "    Caption = 'NewStaticText1'", "    TabOrder = 0", "  end"}},
    {"TBevel", {"  object Bevel1: TBevel", "    Left = 8", "    Top = 8", "    Width = 50", "    Height = 50", "  end"}},
    {"TFolderTreeView", {"  object FolderTreeView1: TFolderTreeView", "    Left = 8", "    Top = 8",
                         "    Width = 121", "    Height = 97", "    TabOrder = 0", "  end"}},
    {"TStartMenuFolderTreeView", {"  object StartMenuFolderTreeView1: TStartMenuFolderTreeView", "    Left = 8",
                                  "    Top = 8", "    Width = 121", "    Height = 97", "    TabOrder = 0", "  end"}},
    {"TPasswordEdit", {"  object PasswordEdit1: TPasswordEdit", "    Left = 8", "    Top = 8", "    Width = 121",
                       "    Height = 21", "    TabOrder = 0", "    Text = 'PasswordEdit1'", "  end"}},
    {"TNewCheckListBox", {"  object NewCheckListBox1: TNewCheckListBox", "    Left = 8", "    Top = 8",
                          "    Width = 121", "    Height = 97", "    TabOrder = 0", "  end"}},
    {"TNewProgressBar", {"  object ProgressBar1: TNewProgressBar", "    Left = 8", "    Top = 8", "    Width = 150",
                         "    Height = 17", "  end"}},
    {"TRichEditViewer", {"  object RichEditViewer1: TRichEditViewer", "    Left = 8", "    Top = 8",
                         "    Width = 185", "    Height = 89", "    Lines.Strings = (", "      'RichEditViewer1')",
                         "    TabOrder = 0", "  end"}},
};

class PaletteGolden : public PalettePage
{
};

TEST_F(PaletteGolden, EachFreshControlWritesItsHandWrittenBlock)
{
    for (const FreshControl &fresh : FreshControls) {
        root.destroyComponents();
        insert(QString::fromLatin1(fresh.className));
        const QStringList page = written();
        EXPECT_EQ(blockOf(page, fresh.block.constFirst()), fresh.block) << fresh.className;
    }
}

TEST_F(PaletteGolden, EveryFreshBlockReadsBackToTheSameText)
{
    for (const FreshControl &fresh : FreshControls)
        insert(QString::fromLatin1(fresh.className), 8, 8);
    const QStringList page = written();

    TPanel reread;
    reread.setDesigning(true);
    PageDfm::LoadPageDfm(reread, PageDfm::preparedPage(page, registry), registry);
    EXPECT_EQ(PageDfm::WritePageDfm(reread, registry), page);
    reread.destroyComponents();
}

TEST_F(PaletteGolden, PaletteRegistersEighteenClasses)
{
    for (const FreshControl &fresh : FreshControls)
        EXPECT_NE(registry.find(QString::fromLatin1(fresh.className)), nullptr) << fresh.className;
    EXPECT_EQ(std::size(FreshControls), 18u);
}

} // namespace
