#pragma once

#include "widgets/Colors.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>

namespace talmo {

class TNxCustomNotebook;

enum TTabDisplayMode { tdTextOnly, tdGlyph, tdImageIndex };

// One page of a notebook. The notebook shows only its active page; the sheet
// fills the notebook's page area and insets its children by Margin.
class TNxTabSheet : public QWidget
{
    Q_OBJECT
public:
    explicit TNxTabSheet(QWidget *parent = nullptr);
    // Tells the owning notebook, which drops the page from its list.
    ~TNxTabSheet() override;

    TNxCustomNotebook *notebook() const { return m_notebook; }
    // The position in the notebook's list, -1 without a notebook.
    int pageIndex() const;
    // Moves the page to another position of its notebook.
    void setPageIndex(int index);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // The tool tip of the tab alone; the page itself shows none.
    QString tabHint() const { return m_tabHint; }
    void setTabHint(const QString &hint) { m_tabHint = hint; }
    TColor color() const { return m_color; }
    void setColor(TColor color);
    TTabDisplayMode displayMode() const { return m_displayMode; }
    void setDisplayMode(TTabDisplayMode mode);
    const QPixmap &glyph() const { return m_glyph; }
    // With a TransparentColor other than clNone that colour turns transparent.
    void setGlyph(const QPixmap &glyph);
    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    int margin() const { return m_margin; }
    void setMargin(int margin);
    bool pageVisible() const { return m_pageVisible; }
    void setPageVisible(bool value);
    bool parentTabFont() const { return m_parentTabFont; }
    void setParentTabFont(bool value);
    TColor tabColor() const { return m_tabColor; }
    void setTabColor(TColor color);
    const QFont &tabFont() const { return m_tabFont; }
    // A direct change: the tab font stops following the notebook's font.
    void setTabFont(const QFont &font);
    bool tabVisible() const { return m_tabVisible; }
    void setTabVisible(bool value);
    int tabWidth() const { return m_tabWidth; }
    void setTabWidth(int width);
    TColor transparentColor() const { return m_transparentColor; }
    void setTransparentColor(TColor color);

    // Shown and hidden pages have a tab only when both flags say so.
    bool hasTab() const { return m_pageVisible && m_tabVisible; }

signals:
    void pageShown();
    void pageHidden();

protected:
    friend class TNxCustomNotebook;
    virtual void doShow();
    virtual void doHide();
    // The notebook's font arrives without clearing ParentTabFont.
    void takeNotebookFont(const QFont &font);
    void tabChanged();
    void ownTabChanged();

    void paintEvent(QPaintEvent *event) override;
    // Bringing the sheet to the front activates it; sending the active sheet
    // back activates the sheet now on top.
    bool event(QEvent *event) override;

private:
    void applyTransparency();

    TNxCustomNotebook *m_notebook = nullptr;
    QString m_caption;
    QString m_tabHint;
    TColor m_color = clBtnFace;
    TTabDisplayMode m_displayMode = tdGlyph;
    QPixmap m_sourceGlyph;
    QPixmap m_glyph;
    int m_imageIndex = -1;
    int m_margin = 0;
    bool m_pageVisible = true;
    bool m_parentTabFont = true;
    TColor m_tabColor = clWindow;
    QFont m_tabFont;
    bool m_tabVisible = true;
    int m_tabWidth = 0;
    TColor m_transparentColor = clNone;
    // Keeps the z-order rule out until the first activation and during each one.
    bool m_zOrderGuard = true;
};

} // namespace talmo
