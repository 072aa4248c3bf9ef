#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

namespace talmo {

class TNxTabSheet;

// A stack of pages of which one, the active page, shows. The notebook owns
// its pages: destroying it frees them, last first, and a freed page leaves
// the list on its own.
class TNxCustomNotebook : public QWidget
{
    Q_OBJECT
public:
    explicit TNxCustomNotebook(QWidget *parent = nullptr);
    ~TNxCustomNotebook() override;

    int getPageCount() const { return int(m_pages.size()); }
    // Throws ListIndexOutOfBounds for an index outside the list.
    TNxTabSheet *getPage(int index) const;
    int indexOfPage(const TNxTabSheet *page) const { return int(m_pages.indexOf(page)); }

    TNxTabSheet *activePage() const { return m_activePage; }
    void setActivePage(TNxTabSheet *page);
    // Keeps its last value when the active page becomes nil.
    int activePageIndex() const { return m_activePageIndex; }
    // Indices outside the list are ignored.
    void setActivePageIndex(int index);

    // Appends without activating; an empty caption becomes the page's name.
    void addPage(TNxTabSheet *page, bool setParent);
    // Inserts at index and activates the page.
    void insertPage(int index, TNxTabSheet *page);
    // Frees the page; nothing for nullptr.
    void deletePage(TNxTabSheet *page);
    // Takes the page out of the list without freeing it.
    virtual void removePage(TNxTabSheet *page);
    // Adds a child control the way a form would: only pages are accepted,
    // anything else throws InvalidOperation.
    void insertControl(QObject *control);
    void movePage(TNxTabSheet *page, int newIndex);

    // While loading, no change events fire.
    bool isLoading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }

    // The rect the pages fill.
    virtual QRect pageArea() const;

signals:
    void change();
    void changing(int pageIndex, bool &allowChange);
    void pageClose(int pageIndex, bool &accept);

protected:
    friend class TNxTabSheet;
    virtual void activePageChanged() {}
    virtual void invalidateTab(int index);
    virtual void doChange();
    virtual void doChanging(int pageIndex, bool &allowChange);
    virtual void doPageClose(int pageIndex, bool &accept);

    // A page's tab properties changed: repaint and re-lay the pages.
    void pagesChanged();
    void layoutPages();
    const QList<TNxTabSheet *> &pages() const { return m_pages; }

    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // The accelerators of the pages' captions.
    bool event(QEvent *event) override;

private:
    void sheetRestacked(TNxTabSheet *page);
    void updateMnemonics();
    void linkPage(TNxTabSheet *page);
    void pageDestroyed(TNxTabSheet *page);
    // Steps of an activation after the "already active" test.
    void changeActivePage(TNxTabSheet *page);

    QList<TNxTabSheet *> m_pages;
    TNxTabSheet *m_activePage = nullptr;
    int m_activePageIndex = -1;
    bool m_loading = false;
    bool m_destroying = false;
    QHash<int, TNxTabSheet *> m_mnemonics;
};

} // namespace talmo
