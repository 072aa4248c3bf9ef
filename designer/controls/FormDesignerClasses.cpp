#include "designer/controls/FormDesignerClasses.h"

#include "designer/DesignClassRegistry.h"
#include "designer/controls/BitmapImage.h"
#include "designer/controls/Bevel.h"
#include "designer/controls/Button.h"
#include "designer/controls/CheckBox.h"
#include "designer/controls/ComboBox.h"
#include "designer/controls/Edit.h"
#include "designer/controls/FolderTreeView.h"
#include "designer/controls/Label.h"
#include "designer/controls/ListBox.h"
#include "designer/controls/Memo.h"
#include "designer/controls/NewCheckListBox.h"
#include "designer/controls/NewProgressBar.h"
#include "designer/controls/NewStaticText.h"
#include "designer/controls/Panel.h"
#include "designer/controls/PasswordEdit.h"
#include "designer/controls/RadioButton.h"
#include "designer/controls/RichEditViewer.h"

namespace talmo {

namespace {

template <typename T>
void add(TDesignClassRegistry &registry, const char *className)
{
    registry.registerClass<T>(QString::fromLatin1(className), T::propertyTable());
}

} // namespace

void InitFormDesignerUnit(TDesignClassRegistry &registry)
{
    add<TLabel>(registry, "TLabel");
    add<TButton>(registry, "TButton");
    add<TPanel>(registry, "TPanel");
    add<TBitmapImage>(registry, "TBitmapImage");
    add<TEdit>(registry, "TEdit");
    add<TCheckBox>(registry, "TCheckBox");
    add<TMemo>(registry, "TMemo");
    add<TRadioButton>(registry, "TRadioButton");
    add<TListBox>(registry, "TListBox");
    add<TComboBox>(registry, "TComboBox");
    add<TNewStaticText>(registry, "TNewStaticText");
    add<TBevel>(registry, "TBevel");
    add<TFolderTreeView>(registry, "TFolderTreeView");
    add<TStartMenuFolderTreeView>(registry, "TStartMenuFolderTreeView");
    add<TPasswordEdit>(registry, "TPasswordEdit");
    add<TNewCheckListBox>(registry, "TNewCheckListBox");
    add<TNewProgressBar>(registry, "TNewProgressBar");
    add<TRichEditViewer>(registry, "TRichEditViewer");
}

} // namespace talmo
