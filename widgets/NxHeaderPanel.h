#pragma once

#include "widgets/ColorSchemes.h"
#include "widgets/NxMargins.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>

namespace talmo {

enum TDisplayStyle { dsNormal, dsHeaderOnly, dsPanelOnly };
enum TDirection { diLeftToRight, diRightToLeft };
enum THeaderPanelStyle { psFlat, psNormal, psSectionHeader, psVista, psWindowsLive };
enum THeaderOption : unsigned { hoColorSchemeFont = 0x1, hoCollapseButton = 0x2 };
using THeaderOptions = unsigned;

// A panel with a painted caption header. Its collapse button folds it
// sideways to a 33-pixel strip and back to the width it had. Children lie
// in the body, inset by InnerMargins.
class TNxHeaderPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int CollapsedWidth = 33;
    enum ButtonState { bsHot = 0x1, bsPressed = 0x2 };

    explicit TNxHeaderPanel(QWidget *parent = nullptr);
    ~TNxHeaderPanel() override;

    bool adaptiveColors() const { return m_adaptiveColors; }
    void setAdaptiveColors(bool value);
    TColor borderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    TColor color() const { return m_color; }
    void setColor(TColor color);
    TColorScheme colorScheme() const { return m_colorScheme; }
    void setColorScheme(TColorScheme scheme);
    TDisplayStyle displayStyle() const { return m_displayStyle; }
    // dsHeaderOnly also makes the client exactly HeaderSize high.
    void setDisplayStyle(TDisplayStyle style);
    TDirection drawDirection() const { return m_drawDirection; }
    void setDrawDirection(TDirection direction);
    bool expanded() const { return m_expanded; }
    void setExpanded(bool value);
    const QPixmap &glyph() const { return m_glyph; }
    // Its bottom-left pixel's colour turns transparent.
    void setGlyph(const QPixmap &glyph);
    TColor headerColor() const { return m_headerColor; }
    void setHeaderColor(TColor color);
    const QFont &headerFont() const { return m_headerFont; }
    // A change of its own: the header font stops following Font.
    void setHeaderFont(const QFont &font);
    int headerSize() const { return m_headerSize; }
    void setHeaderSize(int size);
    THeaderPanelStyle headerStyle() const { return m_headerStyle; }
    void setHeaderStyle(THeaderPanelStyle style);
    int indent() const { return m_indent; }
    void setIndent(int value);
    TNxMargins &innerMargins() { return m_innerMargins; }
    void setInnerMargins(const TNxMargins &margins) { m_innerMargins.assign(margins); }
    THeaderOptions options() const { return m_options; }
    void setOptions(THeaderOptions options);
    bool parentHeaderFont() const { return m_parentHeaderFont; }
    void setParentHeaderFont(bool value);
    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    int fullWidth() const { return m_fullWidth; }
    void setFullWidth(int width) { m_fullWidth = width; }
    int buttonState() const { return m_buttonState; }

    // In widget coordinates: inside the border.
    QRect clientRect() const;
    QRect headerRect() const;
    QRect collapseButtonRect() const;
    QRect glyphRect() const;

signals:
    void change();
    void glyphClick();
    void headerClick();

protected:
    virtual void doChange();
    virtual void doGlyphClick();
    virtual void doHeaderClick();
    virtual void drawCollapseButton(QPainter &painter, const QRect &rect);
    virtual void drawButtonState(QPainter &painter, const QRect &rect);
    virtual void drawFlatHeader(QPainter &painter, const QRect &rect);
    virtual void drawNormalHeader(QPainter &painter, const QRect &rect);
    virtual void drawSectionHeader(QPainter &painter, const QRect &rect);
    virtual void drawVistaHeader(QPainter &painter, const QRect &rect);
    virtual void drawWindowsLiveHeader(QPainter &painter, const QRect &rect);
    virtual void drawBorder(QPainter &painter);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TColor scheme(int element) const { return ColorSchemes::schemeColor(element, m_colorScheme); }
    void setButtonState(int state);
    void setOwnWidth(int width);
    void keepHeaderOnlyHeight();
    void updateClientArea();

    bool m_adaptiveColors = true;
    TColor m_borderColor = clBlack;
    int m_borderWidth = 1;
    QString m_caption;
    TColor m_color = clWindow;
    TColorScheme m_colorScheme = csDefault;
    TDisplayStyle m_displayStyle = dsNormal;
    TDirection m_drawDirection = diLeftToRight;
    bool m_expanded = true;
    QPixmap m_glyph;
    TColor m_headerColor = clActiveCaption;
    QFont m_headerFont;
    int m_headerSize = 27;
    THeaderPanelStyle m_headerStyle = psNormal;
    int m_indent = 9;
    TNxMargins m_innerMargins;
    THeaderOptions m_options = hoColorSchemeFont;
    bool m_parentHeaderFont = true;
    QPixmap m_picture;

    int m_buttonState = 0;
    bool m_headerPressed = false;
    int m_fullWidth = 0;
    // Width changes the panel makes itself do not run the resize rule.
    bool m_resizing = false;
    int m_ownWidth = -1;
};

} // namespace talmo
