#pragma once

#include "designer/controls/FontedControl.h"

namespace talmo {

// A window-less caption painted on its parent; AutoSize takes the text's extent.
class TLabel : public TFontedControl
{
    Q_OBJECT
    Q_PROPERTY(TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QObject *FocusControl READ focusControl WRITE setFocusControl)
    Q_PROPERTY(bool ShowAccelChar READ showAccelChar WRITE setShowAccelChar)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)

public:
    explicit TLabel(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    bool isWindowless() const override { return true; }

    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QObject *focusControl() const { return m_focusControl; }
    void setFocusControl(QObject *control) { m_focusControl = qobject_cast<TDesignControl *>(control); }
    bool showAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool show);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);

    // The caption's accelerator typed outside design state: when enabled with
    // ShowAccelChar and a FocusControl, that control takes the focus if it
    // can; true when the key was this caption's.
    bool dialogChar(QChar typed);

protected:
    QString designText() const override { return m_caption; }
    void setDesignText(const QString &text) override { setCaption(text); }
    void paintEvent(QPaintEvent *event) override;
    void loaded() override { adjustSize(); }
    bool event(QEvent *event) override;
    // Added to the measured extent each way, and kept free of text when wrapping.
    virtual int autoSizeMargin() const { return 0; }
    void adjustSize();
    void designingChanged() override;

private:
    // Alt and the accelerator reach dialogChar through Qt's shortcuts.
    void grabAccelerator();

    TAlignment m_alignment = taLeftJustify;
    bool m_autoSize = true;
    QString m_caption;
    QPointer<TDesignControl> m_focusControl;
    bool m_showAccelChar = true;
    bool m_wordWrap = false;
    int m_shortcutId = 0;
};

} // namespace talmo
