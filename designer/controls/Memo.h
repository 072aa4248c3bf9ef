#pragma once

#include "designer/DesignStrings.h"
#include "designer/controls/FontedControl.h"

class QAbstractScrollArea;

namespace talmo {

// A multi-line edit whose Lines the page text stores.
class TMemo : public TFontedControl
{
    Q_OBJECT
    Q_PROPERTY(TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool HideSelection READ hideSelection WRITE setHideSelection)
    Q_PROPERTY(QObject *Lines READ linesObject)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool ReadOnly READ readOnly WRITE setReadOnly)
    Q_PROPERTY(TScrollStyle ScrollBars READ scrollBars WRITE setScrollBars)
    Q_PROPERTY(bool WantReturns READ wantReturns WRITE setWantReturns)
    Q_PROPERTY(bool WantTabs READ wantTabs WRITE setWantTabs)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)

public:
    explicit TMemo(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment) { m_alignment = alignment; }
    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    bool hideSelection() const { return m_hideSelection; }
    void setHideSelection(bool hide) { m_hideSelection = hide; }
    TDesignStrings &lines() { return m_lines; }
    QObject *linesObject() { return &m_lines; }
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int maxLength) { m_maxLength = maxLength; }
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    TScrollStyle scrollBars() const { return m_scrollBars; }
    void setScrollBars(TScrollStyle scrollBars);
    bool wantReturns() const { return m_wantReturns; }
    void setWantReturns(bool want) { m_wantReturns = want; }
    bool wantTabs() const { return m_wantTabs; }
    void setWantTabs(bool want) { m_wantTabs = want; }
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);

    // The rows the rich-edit viewer shares with the memo.
    static std::vector<DesignProperty> memoRows();

protected:
    QString designText() const override { return m_lines.strings().join(u'\n'); }
    void setDesignText(const QString &text) override { m_lines.setStrings({text}); }
    // Shows Lines in the inner widget.
    virtual void showLines();
    // For classes that show the lines in a view of their own.
    TMemo(QAbstractScrollArea *view, QWidget *parent);
    QAbstractScrollArea *view() const { return m_view; }

private:
    QAbstractScrollArea *m_view;
    TDesignStrings m_lines;
    TAlignment m_alignment = taLeftJustify;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_hideSelection = true;
    int m_maxLength = 0;
    bool m_readOnly = false;
    TScrollStyle m_scrollBars = ssNone;
    bool m_wantReturns = true;
    bool m_wantTabs = false;
    bool m_wordWrap = true;
};

} // namespace talmo
