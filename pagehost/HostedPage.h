#pragma once

#include <QWidget>

namespace talmo {

// A page the project window shows borderless in one of its tabs. A page saves
// whatever state it keeps between showings in its destructor: the project
// window deletes it when its tab closes.
class HostedPage : public QWidget
{
    Q_OBJECT
public:
    explicit HostedPage(QWidget *parent = nullptr);

    // Reloads the page from the project after another part of the window
    // changed it. Module pages of the CAB creator and desktop-installer kinds
    // implement it; the others have nothing to reload.
    virtual void refreshFromProject();
};

} // namespace talmo
