#pragma once

#include "designer/controls/FontedControl.h"

namespace talmo {

// A container with a caption and bevels; the page's root is one too.
class TPanel : public TFontedControl
{
    Q_OBJECT
    Q_PROPERTY(TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(TBevelCut BevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(TBevelCut BevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)

public:
    explicit TPanel(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    bool acceptsChildren() const override { return true; }
    // Inside the frame, the bevels and the border width.
    QRect alignArea() const override;

    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment) { m_alignment = alignment; update(); }
    TBevelCut bevelInner() const { return m_bevelInner; }
    void setBevelInner(TBevelCut cut) { m_bevelInner = cut; edgesChanged(); }
    TBevelCut bevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TBevelCut cut) { m_bevelOuter = cut; edgesChanged(); }
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width) { m_bevelWidth = width; edgesChanged(); }
    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style) { m_borderStyle = style; edgesChanged(); }
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width) { m_borderWidth = width; edgesChanged(); }
    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; update(); }

protected:
    QString designText() const override { return m_caption; }
    void setDesignText(const QString &text) override { setCaption(text); }
    void paintEvent(QPaintEvent *event) override;

private:
    void edgesChanged();

    TAlignment m_alignment = taCenter;
    TBevelCut m_bevelInner = bvNone;
    TBevelCut m_bevelOuter = bvRaised;
    int m_bevelWidth = 1;
    TBorderStyle m_borderStyle = bsNone;
    int m_borderWidth = 0;
    QString m_caption;
};

} // namespace talmo
