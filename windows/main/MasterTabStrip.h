#pragma once

#include <QPointer>

#include <functional>

class QString;
class QWidget;

namespace talmo {

struct MasterTabs;
class OpenProjectFiles;
class TNxPageControl;
class TNxTabSheet;
class TprojectForm;
class WelcomePage;

// The main window's tabs: one per open project and the Welcome tab, which
// starts in front, only ever leaves the list and comes back at its front.
// The strip frees the Welcome tab; the window that shows the strip frees
// the rest.
class MasterTabStrip
{
public:
    MasterTabStrip();
    ~MasterTabStrip();
    MasterTabStrip(const MasterTabStrip &) = delete;
    MasterTabStrip &operator=(const MasterTabStrip &) = delete;

    TNxPageControl *pages() const { return m_pages; }
    TNxTabSheet *welcomeTab() const { return m_welcomeTab; }
    WelcomePage *welcomePage() const { return m_welcomePage; }

    int count() const;
    // The project window of a tab; null for the Welcome tab or no tab.
    TprojectForm *formAt(int index) const;
    TprojectForm *activeForm() const;
    int activeIndex() const;
    OpenProjectFiles files() const;
    MasterTabs state() const;

    // A new tab in front holding the project window make puts on it.
    TprojectForm *add(const std::function<TprojectForm *(QWidget *tab)> &make);
    void close(TprojectForm *form);
    void setCaption(TprojectForm *form, const QString &caption);
    // False when no tab holds the file.
    bool activate(const QString &fileName);
    void showWelcome();
    void takeOutWelcome();

private:
    TNxPageControl *m_pages = nullptr;
    QPointer<TNxTabSheet> m_welcomeTab;
    WelcomePage *m_welcomePage = nullptr;
};

} // namespace talmo
