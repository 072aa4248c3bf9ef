#pragma once

#include <QObject>
#include <QSet>

class QTreeView;

namespace talmo {

// Keeps a report list's columns as wide as their texts: after every refill
// (rows added, removed, changed or re-sorted) each column takes the width its
// captions and rows need, and the last column stretches over what is left.
// A column whose width changed by other means than this fit (dragged by the
// user, or brought back from the user's settings) keeps that width.
class ColumnsFitContents : public QObject
{
    Q_OBJECT

public:
    // Attach after the list's columns and first widths are set up; the list
    // owns the returned object.
    static ColumnsFitContents *attach(QTreeView *list);
    // The fit attached to a list, if any.
    static const ColumnsFitContents *of(const QTreeView *list);

    bool isSizedByUser(int column) const;
    // Fits the columns at once; a refill does it on the next event loop turn.
    void fit();

private:
    explicit ColumnsFitContents(QTreeView *list);
    void scheduleFit();
    void noteResize(int column, int oldSize, int newSize);
    bool fitsItself(int column) const;

    QTreeView *list_;
    QSet<int> sizedByUser_;
    bool fitting_ = false;
    bool fitPending_ = false;
};

} // namespace talmo
