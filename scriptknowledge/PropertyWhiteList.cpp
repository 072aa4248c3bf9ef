#include "scriptknowledge/PropertyWhiteList.h"

#include "helpers/core/ScriptText.h"

#include <QMetaObject>
#include <QObject>

#include <algorithm>

namespace talmo {

namespace {

struct WhiteListRow
{
    const char *className;
    const char *properties;
};

// Each row as the installer's controls allow it; the rows deliberately differ
// (no Font for TRichEditViewer, Tag only for TNewProgressBar, ...).
constexpr WhiteListRow whiteListRows[] = {
    { "NullObject", "" },
    { "TLabel", "Align Alignment Autosize Caption Color Cursor Enabled FocusControl Font Height Hint Left Name "
                "ShowHint Top Visible Width WordWrap" },
    { "TPanel", "Align Alignment BevelInner BevelOuter BevelWidth BorderStyle BorderWidth Caption Color Cursor "
                "Enabled Font Height Hint Left Name ShowHint TabOrder TabStop Top Visible Width" },
    { "TButton", "Cancel Caption Cursor Default Enabled Font Height Hint Left ModalResult Name ShowHint TabOrder "
                 "TabStop Top Visible Width" },
    { "TBitmapImage", "Align AutoSize BackColor Bitmap Center Cursor Enabled Height Hint Left Name ReplaceColor "
                      "ReplaceWithColor ShowHint Stretch Top Visible Width" },
    { "TEdit", "AutoSelect AutoSize BorderStyle CharCase Color Cursor Enabled Font Height HideSelection Hint Left "
               "MaxLength Name PasswordChar ReadOnly ShowHint TabOrder TabStop Text Top Visible Width" },
    { "TCheckBox", "Alignment AllowGrayed Caption Checked Color Cursor Enabled Font Height Hint Left Name ShowHint "
                   "State TabOrder TabStop Top Visible Width" },
    { "TMemo", "Align Alignment BorderStyle Color Cursor Enabled Font Height HideSelection Hint Left Lines "
               "MaxLength Name ReadOnly ScrollBars ShowHint TabOrder TabStop Top Visible WantReturns WantTabs "
               "Width WordWrap" },
    { "TRadioButton", "Alignment Caption Checked Color Cursor Enabled Font Height Hint Left Name ShowHint TabOrder "
                      "TabStop Top Visible Width" },
    { "TListBox", "Align BorderStyle Color Cursor Enabled Font Height Hint Items Left multiSelect Name ShowHint "
                  "Sorted Style TabOrder TabStop Top Visible Width" },
    { "TComboBox", "Color Cursor DropDownCount Enabled Font Height Hint Items Left MaxLength Name ShowHint Sorted "
                   "Style TabOrder TabStop Text Top Visible Width" },
    { "TNewStaticText", "Align AutoSize Caption Color Cursor Enabled FocusControl Font Height Hint Left Name "
                        "ParentColor ParentFont ShowAccelChar ShowHint TabOrder TabStop Top Visible Width WordWrap" },
    { "TBevel", "Align Cursor Height Hint Left Name Shape ShowHint Style Top Visible Width" },
    { "TFolderTreeView", "Cursor Height Hint Left Name TabOrder TabStop Top Visible Width" },
    { "TStartMenuFolderTreeView", "Cursor Height Hint Left Name TabOrder TabStop Top Visible Width" },
    // No OEMConvert: the script's TPasswordEdit lacks it, so a page setting it
    // would never compile. The page text still keeps the value.
    { "TPasswordEdit", "AutoSelect AutoSize BorderStyle Color Cursor Enabled Font Height HideSelection Hint Left "
                       "MaxLength Name ReadOnly ShowHint TabOrder TabStop Text Top Visible Width" },
    { "TNewCheckListBox", "Align BorderStyle Color Cursor Enabled Flat Font Height Hint Left MinItemHeight Name "
                          "Offset ShowHint ShowLines TabOrder TabStop Top Visible WantTabs Width" },
    { "TNewProgressBar", "Cursor Height Hint Left Max Min Name Position Tag Top Width" },
    { "TRichEditViewer", "Align BorderStyle Color Cursor Enabled Height HideSelection Hint Left Lines MaxLength Name "
                         "ReadOnly ScrollBars ShowHint TabOrder TabStop Top Visible WantReturns WantTabs Width "
                         "WordWrap" },
};

bool isQtClass(const QMetaObject *meta)
{
    const char *name = meta->className();
    return name[0] == 'Q' && name[1] >= 'A' && name[1] <= 'Z';
}

// The index of the first property that a class outside Qt declares.
int firstPublishedProperty(const QMetaObject *meta)
{
    for (const QMetaObject *m = meta; m; m = m->superClass()) {
        if (isQtClass(m))
            return m->propertyCount();
    }
    return 0;
}

} // namespace

PropertyWhiteList::PropertyWhiteList()
{
    for (const WhiteListRow &row : whiteListRows) {
        QStringList cells { QString::fromLatin1(row.className) };
        cells += QString::fromLatin1(row.properties).split(u' ', Qt::SkipEmptyParts);
        m_rows.append(cells);
    }
}

int PropertyWhiteList::DesignClassIndex(const QString &className) const
{
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (AsciiSameText(m_rows.at(i).constFirst(), className))
            return int(i);
    }
    return 0;
}

bool PropertyWhiteList::IsDesignPropertyShown(const QString &propertyPath, const QString &className) const
{
    if (propertyPath.contains(QLatin1String("Items")))
        return true;
    if (propertyPath.contains(QLatin1String("Charset")))
        return false;
    if (propertyPath.contains(QLatin1String("Font")))
        return true;
    return IsInStringArray(m_rows.at(DesignClassIndex(className)), propertyPath);
}

bool IsInStringArray(const QStringList &list, const QString &text)
{
    return std::any_of(list.cbegin(), list.cend(), [&](const QString &item) { return AsciiSameText(item, text); });
}

int GetDesignPropList(const QObject *component, const QStringList &row, QList<QMetaProperty> *properties)
{
    if (properties)
        properties->clear();
    if (!component)
        return 0;
    const QMetaObject *meta = component->metaObject();
    int count = 0;
    for (int i = firstPublishedProperty(meta); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!IsInStringArray(row, QString::fromLatin1(property.name())))
            continue;
        ++count;
        if (properties)
            properties->append(property);
    }
    if (properties) {
        std::stable_sort(properties->begin(), properties->end(), [](const QMetaProperty &a, const QMetaProperty &b) {
            return AsciiCompareText(QString::fromLatin1(a.name()), QString::fromLatin1(b.name())) < 0;
        });
    }
    return count;
}

} // namespace talmo
