#include "tests/windows/gallery/LayoutCheck.h"

#include "widgets/NextInspector.h"
#include "widgets/NxButton.h"
#include "widgets/NxCheckBox.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxLinkLabel.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxPropertyItem.h"
#include "widgets/NxPropertyItems.h"
#include "widgets/NxTabSheet.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QHash>
#include <QStackedLayout>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QToolButton>

#include <cmath>
#include <functional>
#include <utility>

namespace talmo::testing {

namespace {

// A caption and the room it has, in pixels.
struct CaptionRoom
{
    QString text;
    QSize need;
    QSize have;
    // Which caption of the widget: a tab, a header section, an inspector row.
    QString part;
};

QString WithoutMnemonic(QString text)
{
    return text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&')).replace(u'\x01', u'&');
}

// Text is laid out in fractions of a pixel; the last one counts whole.
int TextWidth(const QFont &font, const QString &text)
{
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(WithoutMnemonic(text))));
}

QList<CaptionRoom> LabelRoom(QWidget *widget)
{
    auto *label = static_cast<QLabel *>(widget);
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
        return {};
    const QRect contents = label->contentsRect();
    if (label->wordWrap()) {
        const int needed = QFontMetrics(label->font())
                               .boundingRect(QRect(0, 0, contents.width(), 100000), Qt::TextWordWrap, label->text())
                               .height();
        return {{label->text(), {contents.width(), needed}, contents.size(), {}}};
    }
    const QSize text = QFontMetrics(label->font()).size(Qt::TextShowMnemonic, label->text());
    return {{label->text(), text, contents.size(), {}}};
}

QList<CaptionRoom> PushButtonRoom(QWidget *widget)
{
    auto *button = static_cast<QPushButton *>(widget);
    if (button->text().isEmpty())
        return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int need = TextWidth(button->font(), button->text());
    if (!button->icon().isNull())
        need += button->iconSize().width() + 4;
    if (button->menu())
        need += button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, button);
    return {{button->text(), {need, QFontMetrics(button->font()).height()}, contents.size(), {}}};
}

// Check boxes and radio buttons need no more than their hint.
QList<CaptionRoom> HintRoom(QWidget *widget)
{
    auto *button = static_cast<QAbstractButton *>(widget);
    if (button->text().isEmpty())
        return {};
    return {{button->text(), button->sizeHint(), button->size(), {}}};
}

// A tool button draws its text centred on its face, with a pixel of frame
// and one of room on either side; one without a picture shows its text
// whatever its style.
QList<CaptionRoom> ToolButtonRoom(QWidget *widget)
{
    auto *button = static_cast<QToolButton *>(widget);
    if (button->text().isEmpty()
        || (button->toolButtonStyle() == Qt::ToolButtonIconOnly && !button->icon().isNull()))
        return {};
    int need = TextWidth(button->font(), button->text()) + 4;
    if (button->toolButtonStyle() != Qt::ToolButtonTextOnly && !button->icon().isNull())
        need += button->iconSize().width() + 4;
    return {{button->text(), {need, QFontMetrics(button->font()).height()}, button->size(), {}}};
}

// The chosen entry of a combo box, in the field beside its arrow. A combo
// that ends a long choice with "…" on purpose shows it whole in its tip.
QList<CaptionRoom> ComboBoxRoom(QWidget *widget)
{
    auto *combo = static_cast<QComboBox *>(widget);
    if (combo->currentText().isEmpty() || combo->isEditable() || widget->inherits("talmo::ElidingComboBox"))
        return {};
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.currentText = combo->currentText();
    option.editable = false;
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    return {{combo->currentText(), {TextWidth(combo->font(), combo->currentText()), 0}, {field.width(), 0}, {}}};
}

QList<CaptionRoom> GroupBoxRoom(QWidget *widget)
{
    auto *box = static_cast<QGroupBox *>(widget);
    if (box->title().isEmpty())
        return {};
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | (box->isCheckable() ? QStyle::SC_GroupBoxCheckBox : QStyle::SC_None);
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    return {{box->title(), {label.right() + 1, label.height()}, box->size(), {}}};
}

QList<CaptionRoom> TabBarRoom(QWidget *widget)
{
    auto *bar = static_cast<QTabBar *>(widget);
    QList<CaptionRoom> rooms;
    const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            continue;
        const QRect tab = bar->tabRect(i);
        const QRect shown = tab.intersected(bar->rect());
        const int need = TextWidth(bar->font(), bar->tabText(i)) + padding
            + (bar->tabIcon(i).isNull() ? 0 : bar->iconSize().width() + 4);
        // A tab partly behind the scroll buttons shows less than it is wide.
        rooms.append({bar->tabText(i), {need, 0}, {shown == tab ? tab.width() : shown.width() - padding, 0},
                      QStringLiteral("tab %1").arg(i)});
    }
    return rooms;
}

QList<CaptionRoom> HeaderRoom(QWidget *widget)
{
    auto *header = static_cast<QHeaderView *>(widget);
    if (!header->model() || header->orientation() != Qt::Horizontal)
        return {};
    QList<CaptionRoom> rooms;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int i = 0; i < header->count(); ++i) {
        const int size = header->sectionSize(i);
        if (header->isSectionHidden(i) || size == 0)
            continue;
        const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
        if (text.isEmpty())
            continue;
        int need = TextWidth(header->font(), text) + 2 * margin;
        if (header->isSortIndicatorShown() && header->sortIndicatorSection() == i)
            need += header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + margin;
        rooms.append({text, {need, 0}, {size, 0}, QStringLiteral("column %1").arg(i)});
    }
    return rooms;
}

QList<CaptionRoom> LinkLabelRoom(QWidget *widget)
{
    auto *link = static_cast<TNxLinkLabel *>(widget);
    if (link->caption().isEmpty())
        return {};
    const int need = link->textStart() + TextWidth(link->font(), link->caption());
    return {{link->caption(), {need, QFontMetrics(link->font()).height()}, link->size(), {}}};
}

QList<CaptionRoom> NxCheckBoxRoom(QWidget *widget)
{
    auto *check = static_cast<TNxCheckBox *>(widget);
    if (check->text().isEmpty())
        return {};
    const QFontMetrics metrics(check->font());
    const QRect text = check->textRect();
    if (check->wordWrap()) {
        const int lines =
            metrics.boundingRect(QRect(0, 0, text.width(), 100000), Qt::TextWordWrap, check->text()).height();
        return {{check->text(), {text.width(), lines}, text.size(), {}}};
    }
    return {{check->text(), {TextWidth(check->font(), check->text()), metrics.height()},
             {text.width(), check->height()}, {}}};
}

QList<CaptionRoom> NxButtonRoom(QWidget *widget)
{
    auto *button = static_cast<TNxButton *>(widget);
    if (button->text().isEmpty())
        return {};
    const int picture = button->glyph().isNull() ? 0 : button->glyph().width() + 3;
    return {{button->text(), {TextWidth(button->font(), button->text()) + picture, 0}, {button->width() - 4, 0}, {}}};
}

QList<CaptionRoom> HeaderPanelRoom(QWidget *widget)
{
    auto *panel = static_cast<TNxHeaderPanel *>(widget);
    if (panel->caption().isEmpty() || !panel->expanded() || panel->displayStyle() == dsPanelOnly)
        return {};
    int left = panel->indent();
    if (!panel->glyph().isNull())
        left += panel->glyph().width() + 7;
    int right = panel->clientRect().width();
    if (panel->options() & hoCollapseButton)
        right = panel->collapseButtonRect().x() - panel->borderWidth();
    return {{panel->caption(), {TextWidth(panel->headerFont(), panel->caption()), 0}, {right - left, 0}, {}}};
}

QList<CaptionRoom> PageControlRoom(QWidget *widget)
{
    auto *pages = static_cast<TNxPageControl *>(widget);
    if (!pages->showTabs())
        return {};
    const TabStripGeometry strip = pages->stripGeometry();
    QList<CaptionRoom> rooms;
    for (int i = 0; i < pages->getPageCount(); ++i) {
        TNxTabSheet *page = pages->getPage(i);
        if (!page->hasTab())
            continue;
        const QRect tab = strip.tabRect(i);
        const int shown = qMax(0, qMin(tab.right() + 1, strip.rightLimit()) - qMax(tab.left(), 0));
        rooms.append({page->caption(), {pages->tabWidthOf(page), 0}, {shown, 0}, QStringLiteral("tab %1").arg(i)});
    }
    return rooms;
}

QList<CaptionRoom> InspectorRoom(QWidget *widget)
{
    auto *inspector = static_cast<TNextInspector *>(widget);
    QList<CaptionRoom> rooms;
    TNxPropertyItems &items = *inspector->items();
    for (int i = 0; i < items.count(); ++i) {
        TNxPropertyItem *item = items.item(i);
        // An inspector that fits its caption column to its captions elides
        // only what the values' share leaves no room for, and shows it whole
        // in a tool tip.
        if (item->level() == 0 || inspector->rowTop(item) < 0 || item->caption().isEmpty()
            || inspector->elidesCaption(item))
            continue;
        rooms.append({item->caption(), {TNextInspector::captionWidth(item), 0}, {inspector->splitterPosition(), 0},
                      QStringLiteral("row %1").arg(i)});
    }
    return rooms;
}

// Where each kind of widget keeps its captions; the first class a widget
// inherits decides.
struct CaptionKind
{
    const char *className;
    std::function<QList<CaptionRoom>(QWidget *)> rooms;
};

const QList<CaptionKind> &CaptionKinds()
{
    static const QList<CaptionKind> kinds = {
        {"QLabel", LabelRoom},
        {"QPushButton", PushButtonRoom},
        {"QCheckBox", HintRoom},
        {"QRadioButton", HintRoom},
        {"QToolButton", ToolButtonRoom},
        {"QGroupBox", GroupBoxRoom},
        {"QComboBox", ComboBoxRoom},
        {"QTabBar", TabBarRoom},
        {"QHeaderView", HeaderRoom},
        {"talmo::TNxLinkLabel", LinkLabelRoom},
        {"talmo::TNxCheckBox", NxCheckBoxRoom},
        {"talmo::TNxButton", NxButtonRoom},
        {"talmo::TNxHeaderPanel", HeaderPanelRoom},
        {"talmo::TNxPageControl", PageControlRoom},
        {"talmo::TNextInspector", InspectorRoom},
    };
    return kinds;
}

QString SizeText(const QSize &size)
{
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

QString ShownText(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        return box->title();
    if (auto *link = qobject_cast<TNxLinkLabel *>(widget))
        return link->caption();
    if (auto *panel = qobject_cast<TNxHeaderPanel *>(widget))
        return panel->caption();
    return {};
}

// The widget's name with the names of its named ancestors in the window,
// outermost first; a widget without a name shows its class and text.
QString WidgetPath(QWidget *widget, QWidget *window)
{
    QString own = widget->objectName();
    if (own.isEmpty()) {
        own = QString::fromLatin1(widget->metaObject()->className());
        if (const QString text = ShownText(widget).simplified(); !text.isEmpty())
            own += QStringLiteral(" \"%1\"").arg(text.left(40));
    }
    QStringList path{own};
    for (QWidget *parent = widget->parentWidget(); parent && parent != window; parent = parent->parentWidget()) {
        if (!parent->objectName().isEmpty())
            path.prepend(parent->objectName());
    }
    return path.join(QLatin1Char('/'));
}

// Shown as part of the checked widget, not in a window of its own.
bool Shown(QWidget *widget, QWidget *root)
{
    return widget->window() == root->window() && (widget == root || widget->isVisibleTo(root));
}

// A composite widget places its parts itself, whatever their hints say: a
// scroll area its headers, scroll bars and viewport, a combo or spin box its
// edit, an edit the buttons inside its frame.
bool PlacedByOwner(QWidget *widget)
{
    QWidget *parent = widget->parentWidget();
    if (qobject_cast<QScrollBar *>(widget) || widget->objectName().startsWith(QLatin1String("qt_scrollarea_")))
        return true;
    // The editors an item view or inspector opens in its rows.
    if (parent && parent->objectName() == QLatin1String("qt_scrollarea_viewport")
        && !parent->parentWidget()->inherits("QScrollArea"))
        return true;
    return parent
        && (parent->inherits("QAbstractScrollArea") || parent->inherits("QComboBox")
            || parent->inherits("QAbstractSpinBox") || parent->inherits("QLineEdit"));
}

// The widgets a layout places, nested layouts included.
void LaidOutWidgets(QLayout *layout, QList<QWidget *> &widgets)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (QWidget *widget = item->widget())
            widgets.append(widget);
        else if (QLayout *inner = item->layout())
            LaidOutWidgets(inner, widgets);
    }
}

class WindowWalk
{
public:
    WindowWalk(QWidget *window, const QString &windowName)
        : m_window(window)
        , m_windowName(windowName)
    {
    }

    QList<std::pair<LayoutFinding, QWidget *>> run()
    {
        QList<QWidget *> widgets{m_window};
        widgets += m_window->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!Shown(widget, m_window))
                continue;
            checkSize(widget);
            checkCaptions(widget);
            checkEditWidth(widget);
            checkOverlap(widget);
            checkScrolling(widget);
            checkShownCaptions(widget);
        }
        return m_findings;
    }

private:
    void add(QWidget *widget, LayoutRule rule, const QString &detail)
    {
        m_findings.append({{m_windowName, WidgetPath(widget, m_window),
                            QString::fromLatin1(widget->metaObject()->className()), rule, detail},
                           widget});
    }

    void checkSize(QWidget *widget)
    {
        const QSize size = widget->size();
        if (size.width() <= 0 || size.height() <= 0) {
            add(widget, LayoutRule::ZeroSize, SizeText(size));
            return;
        }
        if (PlacedByOwner(widget))
            return;
        // As layouts do, a minimum size set on the widget overrides its hint.
        QSize minimum = widget->minimumSizeHint();
        if (widget->minimumWidth() > 0)
            minimum.setWidth(widget->minimumWidth());
        if (widget->minimumHeight() > 0)
            minimum.setHeight(widget->minimumHeight());
        const QSizePolicy policy = widget->sizePolicy();
        const bool narrow = minimum.width() > 0 && size.width() < minimum.width()
            && policy.horizontalPolicy() != QSizePolicy::Ignored;
        const bool low = minimum.height() > 0 && size.height() < minimum.height()
            && policy.verticalPolicy() != QSizePolicy::Ignored;
        if (narrow || low)
            add(widget, LayoutRule::BelowMinimumSize,
                QStringLiteral("%1, minimum %2").arg(SizeText(size), SizeText(minimum)));
    }

    void checkCaptions(QWidget *widget)
    {
        for (const CaptionKind &kind : CaptionKinds()) {
            if (!widget->inherits(kind.className))
                continue;
            const QList<CaptionRoom> rooms = kind.rooms(widget);
            if (!rooms.isEmpty())
                checkCutByAncestor(widget);
            for (const CaptionRoom &room : rooms) {
                if (room.need.width() <= room.have.width() && room.need.height() <= room.have.height())
                    continue;
                const QString part = room.part.isEmpty() ? QString() : room.part + QStringLiteral(" ");
                add(widget, LayoutRule::ClippedText,
                    QStringLiteral("%1\"%2\" needs %3, has %4")
                        .arg(part, room.text, SizeText(room.need), SizeText(room.have)));
            }
            return;
        }
    }

    // A caption whose widget reaches past the edge of a widget holding it is
    // cut there, however wide the widget itself is. What a scroll area holds
    // is scrolled into view instead.
    void checkCutByAncestor(QWidget *widget)
    {
        QRect shown = widget->rect();
        for (QWidget *inner = widget; inner != m_window; inner = inner->parentWidget()) {
            QWidget *outer = inner->parentWidget();
            if (!outer || outer->objectName() == QLatin1String("qt_scrollarea_viewport"))
                return;
            shown = shown.translated(inner->pos()).intersected(outer->rect());
            if (shown.size() != widget->size()) {
                add(widget, LayoutRule::ClippedText,
                    QStringLiteral("%1 cut to %2 by %3")
                        .arg(SizeText(widget->size()), SizeText(shown.size()), WidgetPath(outer, m_window)));
                return;
            }
        }
    }

    void checkEditWidth(QWidget *widget)
    {
        const bool edit = qobject_cast<QLineEdit *>(widget) && !qobject_cast<QComboBox *>(widget->parentWidget())
            && !qobject_cast<QAbstractSpinBox *>(widget->parentWidget());
        if (!edit && !qobject_cast<QComboBox *>(widget))
            return;
        const int least = 8 * widget->fontMetrics().averageCharWidth();
        if (widget->width() < least)
            add(widget, LayoutRule::NarrowEdit,
                QStringLiteral("%1, at least %2 wide").arg(SizeText(widget->size())).arg(least));
    }

    void checkOverlap(QWidget *widget)
    {
        QLayout *layout = widget->layout();
        if (!layout || qobject_cast<QStackedLayout *>(layout))
            return;
        QList<QWidget *> placed;
        LaidOutWidgets(layout, placed);
        placed.removeIf([this](QWidget *child) { return !Shown(child, m_window) || child->isWindow(); });
        for (int i = 0; i < placed.size(); ++i) {
            for (int j = i + 1; j < placed.size(); ++j) {
                const QRect common = placed[i]->geometry().intersected(placed[j]->geometry());
                if (common.isEmpty())
                    continue;
                add(placed[j], LayoutRule::Overlap,
                    QStringLiteral("lies over %1 by %2").arg(WidgetPath(placed[i], m_window), SizeText(common.size())));
            }
        }
    }

    // Scroll bars are reported on the area they scroll.
    void checkScrolling(QWidget *widget)
    {
        if (auto *area = qobject_cast<QScrollArea *>(widget); area && area->widget()
            && area->widget()->width() > area->viewport()->width())
            add(widget, LayoutRule::WiderThanArea,
                QStringLiteral("%1 in a viewport of %2")
                    .arg(SizeText(area->widget()->size()), SizeText(area->viewport()->size())));
        auto *bar = qobject_cast<QScrollBar *>(widget);
        QAbstractScrollArea *own = bar ? ScrollAreaAround(bar) : nullptr;
        if (!own)
            return;
        const QString direction = bar->orientation() == Qt::Horizontal ? QStringLiteral("sideways") : QStringLiteral("up and down");
        if (bar->maximum() <= bar->minimum())
            add(own, LayoutRule::IdleScrollBar, QStringLiteral("%1, %2").arg(SizeText(own->size()), direction));
        for (QAbstractScrollArea *outer = ScrollAreaAround(own); outer; outer = ScrollAreaAround(outer)) {
            QScrollBar *outerBar =
                bar->orientation() == Qt::Horizontal ? outer->horizontalScrollBar() : outer->verticalScrollBar();
            if (Shown(outerBar, m_window)) {
                add(own, LayoutRule::StackedScrollBars,
                    QStringLiteral("%1 scrolls %2 inside %3").arg(SizeText(own->size()), direction, WidgetPath(outer, m_window)));
                return;
            }
        }
    }

    static QAbstractScrollArea *ScrollAreaAround(QWidget *widget)
    {
        for (QWidget *outer = widget->parentWidget(); outer; outer = outer->parentWidget()) {
            if (auto *area = qobject_cast<QAbstractScrollArea *>(outer))
                return area;
        }
        return nullptr;
    }

    // Rows of one category that a narrow caption column cuts to one text.
    void checkShownCaptions(QWidget *widget)
    {
        auto *inspector = qobject_cast<TNextInspector *>(widget);
        if (!inspector)
            return;
        QHash<std::pair<const void *, QString>, const TNxPropertyItem *> seen;
        TNxPropertyItems &items = *inspector->items();
        for (int i = 0; i < items.count(); ++i) {
            const TNxPropertyItem *item = items.item(i);
            if (item->level() == 0 || inspector->rowTop(item) < 0)
                continue;
            const QString shown = inspector->shownCaption(item);
            const auto key = std::make_pair(static_cast<const void *>(item->parentItem()), shown);
            if (const TNxPropertyItem *other = seen.value(key); other && other->caption() != item->caption())
                add(widget, LayoutRule::SameShownCaptions,
                    QStringLiteral("\"%1\" and \"%2\" both show as \"%3\" in a caption column of %4")
                        .arg(other->caption(), item->caption(), shown,
                             SizeText({inspector->splitterPosition(), inspector->rowHeight()})));
            seen.insert(key, item);
        }
    }

    QWidget *m_window;
    QString m_windowName;
    QList<std::pair<LayoutFinding, QWidget *>> m_findings;
};

bool Matches(const QString &pattern, const QString &text)
{
    // Patterns speak of widget paths, whose "/" any "*" may cross.
    QString expression = QRegularExpression::escape(pattern);
    expression.replace(QLatin1String("\\*"), QLatin1String(".*"));
    const QRegularExpression anchored(QRegularExpression::anchoredPattern(expression));
    return anchored.match(text).hasMatch();
}

} // namespace

QString LayoutRuleName(LayoutRule rule)
{
    switch (rule) {
    case LayoutRule::ClippedText: return QStringLiteral("clipped text");
    case LayoutRule::BelowMinimumSize: return QStringLiteral("below its minimum size");
    case LayoutRule::NarrowEdit: return QStringLiteral("edit too narrow");
    case LayoutRule::ZeroSize: return QStringLiteral("no size");
    case LayoutRule::Overlap: return QStringLiteral("overlap");
    case LayoutRule::WiderThanArea: return QStringLiteral("wider than its area");
    case LayoutRule::IdleScrollBar: return QStringLiteral("scroll bar with nothing to scroll");
    case LayoutRule::StackedScrollBars: return QStringLiteral("scroll bar inside another");
    case LayoutRule::SameShownCaptions: return QStringLiteral("captions read the same");
    }
    return {};
}

QString LayoutFinding::toString() const
{
    return QStringLiteral("%1: %2 (%3): %4: %5").arg(window, widget, className, LayoutRuleName(rule), detail);
}

bool LayoutException::covers(const LayoutFinding &finding, const QWidget *found, const QWidget *root) const
{
    if ((rule && *rule != finding.rule) || !Matches(window, finding.window) || !Matches(widget, finding.widget))
        return false;
    if (insideClass.isEmpty())
        return true;
    for (const QWidget *inner = found; inner; inner = inner == root ? nullptr : inner->parentWidget()) {
        if (inner->inherits(insideClass.constData()))
            return true;
    }
    return false;
}

LayoutCheck::LayoutCheck(QList<LayoutException> exceptions)
    : m_exceptions(std::move(exceptions))
    , m_used(m_exceptions.size(), false)
{
}

QList<LayoutFinding> LayoutCheck::check(QWidget *window, const QString &windowName) const
{
    QList<LayoutFinding> faults;
    for (const auto &[finding, widget] : WindowWalk(window, windowName).run()) {
        bool excepted = false;
        for (int i = 0; i < m_exceptions.size(); ++i) {
            if (m_exceptions[i].covers(finding, widget, window)) {
                m_used[i] = true;
                excepted = true;
            }
        }
        if (!excepted)
            faults.append(finding);
    }
    return faults;
}

QList<LayoutException> LayoutCheck::unusedExceptions() const
{
    QList<LayoutException> unused;
    for (int i = 0; i < m_exceptions.size(); ++i) {
        if (!m_used[i])
            unused.append(m_exceptions[i]);
    }
    return unused;
}

} // namespace talmo::testing
