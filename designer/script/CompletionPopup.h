#pragma once

#include <QListWidget>

namespace talmo {

// The completion list: shows display lines and keeps the insert text of each;
// the lines shown are those whose insert text starts with the typed prefix,
// ignoring case. It never takes the focus: the editor forwards the keys that
// move in it.
class CompletionPopup : public QListWidget
{
    Q_OBJECT
public:
    explicit CompletionPopup(QWidget *parent = nullptr);

    void setEntries(const QStringList &displayLines, const QStringList &insertTexts);
    // Shows the entries matching prefix and selects the first; answers whether any matched.
    bool filter(const QString &prefix);
    // The insert text of the selected line, empty with none.
    QString chosenInsertText() const;
    QStringList shownLines() const;

    // Up, Down, Page Up and Page Down move the selection; true when the key was one of them.
    bool moveSelection(int key);
    void showAt(const QPoint &globalPosition);

signals:
    // A line was double-clicked.
    void chosen();

private:
    QStringList m_displayLines;
    QStringList m_insertTexts;
};

} // namespace talmo
