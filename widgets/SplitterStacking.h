#pragma once

#include <QByteArray>
#include <QObject>

class QSplitter;

namespace talmo {

// Puts a splitter's panes under each other while the splitter is narrower than
// the width its panes need side by side, and back beside each other when it
// is wide again. The widths the panes had side by side come back with them.
class SplitterStacking : public QObject
{
    Q_OBJECT
public:
    // The splitter owns the returned rule.
    static SplitterStacking *install(QSplitter *splitter, int sideBySideWidth);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SplitterStacking(QSplitter *splitter, int sideBySideWidth);
    void follow();

    QSplitter *m_splitter;
    int m_sideBySideWidth;
    // The splitter's own record of its panes: it holds the sizes they were
    // given even when the splitter was never laid out side by side.
    QByteArray m_sideBySideState;
};

} // namespace talmo
