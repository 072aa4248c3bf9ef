#include "designer/pages/DesignerPalette.h"

#include "designer/pages/DesignerPictures.h"
#include "designer/pages/WrappingRowLayout.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QToolButton>

namespace talmo {

namespace {

struct PaletteEntry
{
    const char *hint;
    const char *className;
};

constexpr PaletteEntry paletteEntries[DesignerPalette::ButtonCount] = {
    { "Label", "TLabel" },
    { "Button", "TButton" },
    { "Panel", "TPanel" },
    { "BitmapImage", "TBitmapImage" },
    { "Edit", "TEdit" },
    { "CheckBox", "TCheckBox" },
    { "Memo", "TMemo" },
    { "RadioButton", "TRadioButton" },
    { "ListBox", "TListBox" },
    { "ComboBox", "TComboBox" },
    { "NewStaticText", "TNewStaticText" },
    { "Bevel", "TBevel" },
    { "FolderTreeView", "TFolderTreeView" },
    { "StartMenuFolderTreeView", "TStartMenuFolderTreeView" },
    { "PasswordEdit", "TPasswordEdit" },
    { "NewCheckListBox", "TNewCheckListBox" },
    { "ProgressBar", "TNewProgressBar" },
    { "RichEditViewer", "TRichEditViewer" },
};

// QButtonGroup gives id -1 a number of its own choosing.
constexpr int PointerId = 1000;

QToolButton *paletteButton(QWidget *parent, const QIcon &icon, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setIcon(icon);
    button->setIconSize(QSize(26, 26));
    button->setToolTip(hint);
    return button;
}

} // namespace

DesignerPalette::DesignerPalette(QWidget *parent)
    : QWidget(parent), m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
    // Narrow, the buttons wrap onto further rows instead of shrinking.
    auto *layout = new WrappingRowLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *pointer = paletteButton(this, QIcon(DesignerPictures::pointerGlyph()), QStringLiteral("Pointer"));
    m_group->addButton(pointer, PointerId);
    layout->addWidget(pointer);
    for (int i = 0; i < ButtonCount; ++i) {
        auto *button = paletteButton(this, QIcon(DesignerPictures::paletteGlyph(i)), hint(i));
        m_group->addButton(button, i);
        layout->addWidget(button);
    }
    for (QAbstractButton *button : m_group->buttons())
        button->installEventFilter(this);
    pointer->setChecked(true);
    connect(m_group, &QButtonGroup::buttonClicked, this, [this] { emit clicked(m_shiftAtPress); });
}

QString DesignerPalette::className(int index)
{
    return QString::fromLatin1(paletteEntries[index].className);
}

QString DesignerPalette::hint(int index)
{
    return QString::fromLatin1(paletteEntries[index].hint);
}

int DesignerPalette::selectedIndex() const
{
    return m_group->checkedId() == PointerId ? -1 : m_group->checkedId();
}

void DesignerPalette::selectPointer()
{
    pointerButton()->setChecked(true);
}

QAbstractButton *DesignerPalette::button(int index) const
{
    return m_group->button(index);
}

QAbstractButton *DesignerPalette::pointerButton() const
{
    return m_group->button(PointerId);
}

bool DesignerPalette::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)
        m_shiftAtPress = static_cast<QMouseEvent *>(event)->modifiers().testFlag(Qt::ShiftModifier);
    return QWidget::eventFilter(watched, event);
}

} // namespace talmo
