#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace talmo::testing {

// What a finished-looking window must not show.
enum class LayoutRule {
    // A caption (label, button, check box, radio button, tab, header
    // section, group, inspector row or the chosen entry of a combo box) that
    // does not fit its rectangle.
    ClippedText,
    // A widget laid out smaller than its minimum size hint.
    BelowMinimumSize,
    // An edit or combo box too narrow for about eight average characters.
    NarrowEdit,
    // A shown widget of no width or no height.
    ZeroSize,
    // Two shown widgets of one layout lying over each other.
    Overlap,
    // A page wider than the scroll area showing it, so it scrolls sideways.
    WiderThanArea,
    // A scroll bar shown with nothing to scroll.
    IdleScrollBar,
    // A scroll bar inside a scroll area that shows one of the same direction.
    StackedScrollBars,
    // Two captions of one group that read the same once cut short.
    SameShownCaptions,
};

QString LayoutRuleName(LayoutRule rule);

// One fault the check found, with what a reader needs to find it.
struct LayoutFinding
{
    QString window;
    // The widget's object name, or its class and text with its nearest
    // named ancestor when it has none.
    QString widget;
    QString className;
    LayoutRule rule = LayoutRule::ClippedText;
    // Sizes and the text concerned.
    QString detail;

    QString toString() const;
};

// A finding that is not a fault, with the reason written beside it. Window
// and widget are patterns with "*" for any run of characters.
struct LayoutException
{
    QString window;
    QString widget;
    // None: every rule.
    std::optional<LayoutRule> rule;
    QString reason;
    // When set, only widgets of this class or inside one are covered.
    QByteArray insideClass;

    // The widget found, and the widget the check ran over.
    bool covers(const LayoutFinding &finding, const QWidget *widget, const QWidget *root) const;
};

// Walks every shown widget of a window and reports what breaks the rules:
// captions cut off, widgets squeezed below their minimum size, edits too
// narrow to type into, widgets of no size, siblings of one layout lying over
// each other, pages that scroll sideways, scroll bars with nothing to scroll
// or inside another of their direction, and captions cut to the same text.
class LayoutCheck
{
public:
    explicit LayoutCheck(QList<LayoutException> exceptions = {});

    // The findings not covered by an exception.
    QList<LayoutFinding> check(QWidget *window, const QString &windowName) const;
    // Exceptions that covered nothing in any window checked so far; an
    // exception left over names a fault that was mended or a widget renamed.
    QList<LayoutException> unusedExceptions() const;

private:
    QList<LayoutException> m_exceptions;
    mutable QList<bool> m_used;
};

} // namespace talmo::testing
