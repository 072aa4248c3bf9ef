#pragma once

#include <QStringList>

namespace talmo {

// The pages the help pane has shown. A push appends at the end, whatever the
// position was (after going back, the pages ahead stay and the new one comes
// after them); Back and Forward stop at the ends.
class HelpHistory
{
public:
    void clear();
    void push(const QString &key);
    // Move one step and answer the key there (the same key at an end).
    QString back();
    QString forward();

    // The key shown; empty while the history is empty.
    QString current() const;
    int index() const { return m_index; }
    const QStringList &keys() const { return m_keys; }

private:
    QStringList m_keys;
    int m_index = -1;
};

} // namespace talmo
