#pragma once

#include "widgets/ColorSchemes.h"
#include "widgets/NxMargins.h"

#include <QLine>
#include <QList>
#include <QPen>
#include <QWidget>

namespace talmo {

enum TNxPanelBackgroundStyle { pbControl, pbHorzGradient, pbSolid, pbTransparent, pbVertGradient };
enum TPanelBorder : unsigned { boBottom = 0x1, boLeft = 0x2, boRight = 0x4, boTop = 0x8 };
using TPanelBorders = unsigned;

// A plain panel with a choice of painted sides and background.
class TNxPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TNxPanel(QWidget *parent = nullptr);
    ~TNxPanel() override;

    bool adaptiveColors() const { return m_adaptiveColors; }
    void setAdaptiveColors(bool value);
    TNxPanelBackgroundStyle backgroundStyle() const { return m_backgroundStyle; }
    void setBackgroundStyle(TNxPanelBackgroundStyle style);
    const QPen &borderPen() const { return m_borderPen; }
    void setBorderPen(const QPen &pen);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    TColor color() const { return m_color; }
    void setColor(TColor color);
    TColorScheme colorScheme() const { return m_colorScheme; }
    void setColorScheme(TColorScheme scheme);
    TNxMargins &innerMargins() { return m_innerMargins; }
    void setInnerMargins(const TNxMargins &margins) { m_innerMargins.assign(margins); }
    TPanelBorders panelBorders() const { return m_panelBorders; }
    void setPanelBorders(TPanelBorders borders);

    // The lines of the chosen sides, centred on the pen: left, top, bottom, right.
    QList<QLine> borderLines() const;
    // The area the background fills: the client less the pen on bordered sides.
    QRect paintRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateClientArea();

    bool m_adaptiveColors = true;
    TNxPanelBackgroundStyle m_backgroundStyle = pbSolid;
    QPen m_borderPen;
    QString m_caption;
    TColor m_color = clBtnFace;
    TColorScheme m_colorScheme = csDefault;
    TNxMargins m_innerMargins;
    TPanelBorders m_panelBorders = boBottom | boLeft | boRight | boTop;
};

} // namespace talmo
