#pragma once

#include "widgets/ColorSchemes.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxMargins.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>

namespace talmo {

enum TFlipBackgroundStyle { bsSolid, bsVertGradient, bsTransparent };
enum TFlipKind { fkNone, fkButton, fkHeaderAndButton };
enum THeaderStyle {
    hsAuto,
    hsFadeAway,
    hsGradient,
    hsInverseGradient,
    hsSolid,
    hsTopGradient,
    hsTransparent,
    hsVista,
    hsWindowsLive
};

// A titled section that folds up to its header. Folding shrinks every
// enclosing flip panel by the same amount; unfolding grows them back.
class TNxFlipPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TNxFlipPanel(QWidget *parent = nullptr);
    ~TNxFlipPanel() override;

    bool adaptiveColors() const { return m_adaptiveColors; }
    void setAdaptiveColors(bool value);
    bool autoCollapse() const { return m_autoCollapse; }
    void setAutoCollapse(bool value) { m_autoCollapse = value; }
    TColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(TColor color);
    TFlipBackgroundStyle backgroundStyle() const { return m_backgroundStyle; }
    void setBackgroundStyle(TFlipBackgroundStyle style);
    TColor borderColor() const { return m_borderColor; }
    void setBorderColor(TColor color) { m_borderColor = color; }
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    TColor color() const { return m_color; }
    void setColor(TColor color);
    TColorScheme colorScheme() const { return m_colorScheme; }
    void setColorScheme(TColorScheme scheme);
    TDirection drawDirection() const { return m_drawDirection; }
    void setDrawDirection(TDirection direction);
    bool expanded() const { return m_expanded; }
    void setExpanded(bool value);
    const QPixmap &collapseGlyph() const { return m_collapseGlyph; }
    void setCollapseGlyph(const QPixmap &glyph);
    const QPixmap &expandGlyph() const { return m_expandGlyph; }
    void setExpandGlyph(const QPixmap &glyph);
    TFlipKind flipKind() const { return m_flipKind; }
    void setFlipKind(TFlipKind kind) { m_flipKind = kind; }
    const QPixmap &glyph() const { return m_glyph; }
    void setGlyph(const QPixmap &glyph);
    TColor headerColor() const { return m_headerColor; }
    void setHeaderColor(TColor color);
    const QFont &headerFont() const { return m_headerFont; }
    void setHeaderFont(const QFont &font);
    int headerHeight() const { return m_headerHeight; }
    void setHeaderHeight(int height);
    THeaderStyle headerStyle() const { return m_headerStyle; }
    void setHeaderStyle(THeaderStyle style);
    int indent() const { return m_indent; }
    void setIndent(int value);
    TNxMargins &innerMargins() { return m_innerMargins; }
    void setInnerMargins(const TNxMargins &margins) { m_innerMargins.assign(margins); }
    bool parentHeaderFont() const { return m_parentHeaderFont; }
    void setParentHeaderFont(bool value);
    bool showButtons() const { return m_showButtons; }
    void setShowButtons(bool value);
    bool showGlyph() const { return m_showGlyph; }
    void setShowGlyph(bool value);
    bool transparentButtons() const { return m_transparentButtons; }
    void setTransparentButtons(bool value);
    bool transparentGlyph() const { return m_transparentGlyph; }
    void setTransparentGlyph(bool value);

    int fullHeight() const { return m_fullHeight; }
    void setFullHeight(int height) { m_fullHeight = height; }
    // The height while folded: the header below the top margin.
    int collapsedHeight() const { return m_innerMargins.top() + m_headerHeight; }

    QRect headerRect() const;
    QRect buttonRect() const;

    QSize sizeHint() const override;
    // Folded, the header's height; else its minimum height, or more where its
    // content needs more at that width. The panel takes that height whole,
    // so a column of panels has no gaps.
    int heightForWidth(int width) const override;

signals:
    void change();

protected:
    virtual void doChange();
    virtual void drawBackground(QPainter &painter);
    virtual void drawHeader(QPainter &painter);
    virtual void drawBorder(QPainter &painter);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    TColor currentHeaderColor() const;
    void setOwnHeight(QWidget *panel, int height);
    void updateClientArea();
    void updateOpacity();
    void updateMnemonic();
    QPixmap buttonGlyph(const QPixmap &glyph) const;

    bool m_adaptiveColors = true;
    bool m_autoCollapse = false;
    TColor m_backgroundColor = clBtnFace;
    TFlipBackgroundStyle m_backgroundStyle = bsSolid;
    TColor m_borderColor = clBlack;
    int m_borderWidth = 0;
    QString m_caption;
    TColor m_color = clWindow;
    TColorScheme m_colorScheme = csDefault;
    TDirection m_drawDirection = diLeftToRight;
    bool m_expanded = true;
    QPixmap m_collapseGlyph;
    QPixmap m_expandGlyph;
    TFlipKind m_flipKind = fkHeaderAndButton;
    QPixmap m_glyph;
    TColor m_headerColor = clBtnFace;
    QFont m_headerFont;
    int m_headerHeight = 18;
    THeaderStyle m_headerStyle = hsSolid;
    int m_indent = 4;
    TNxMargins m_innerMargins;
    bool m_parentHeaderFont = true;
    bool m_showButtons = true;
    bool m_showGlyph = true;
    bool m_transparentButtons = false;
    bool m_transparentGlyph = false;

    int m_fullHeight = 0;
    bool m_resizing = false;
    int m_ownHeight = -1;
    int m_mnemonicId = 0;
};

} // namespace talmo
