#pragma once

#include "platform/RegistryStore.h"

#include <QObject>

class QMainWindow;
class QWidget;

namespace talmo {

class Registry;
class TNxHeaderPanel;
class TNxSplitter;

// The main window's centre: the project-manager panel under its header on
// the left, the tabs beside it in a splitter. The panel keeps its width as
// the window grows or shrinks and while it is hidden; its header's collapse
// button hides it rather than folding it to a strip. Its width and
// visibility are kept with the window's placement.
class ManagerPanelFrame : public QObject
{
    Q_OBJECT

public:
    // The splitter becomes the window's central widget.
    ManagerPanelFrame(QWidget *managerPanel, QWidget *tabs, QMainWindow &window);

    TNxHeaderPanel *header() const { return m_header; }
    bool isShown() const;
    void setShown(bool shown);

    // The width and visibility from the window's open key, hidden when the
    // key holds none; the width the panel then has is the one kept.
    void restore(const Registry *registry);
    RegistryStatus save(Registry &registry);

signals:
    // The collapse button asked the panel away.
    void hideRequested();

private:
    void keepWidth();
    void headerChanged();

    QMainWindow &m_window;
    QWidget *m_tabs;
    TNxHeaderPanel *m_header = nullptr;
    TNxSplitter *m_splitter = nullptr;
    int m_keptWidth = 0;
    bool m_headerClicked = false;
};

} // namespace talmo
