#pragma once

#include <QFrame>
#include <QPointer>

class QScrollBar;

namespace talmo {

class TDPForm;
class TELDesigner;

// The window a designer shows its design control in. It owns the host form
// that carries the control while a designer uses the panel.
class TELDesignPanel : public QFrame
{
    Q_OBJECT

public:
    enum TBorderStyle { bsNone, bsSingle };

    explicit TELDesignPanel(QWidget *parent = nullptr);
    ~TELDesignPanel() override;

    int BorderStyle() const { return m_borderStyle; }
    // Only bsNone and bsSingle; any other value is ignored.
    void SetBorderStyle(int style);
    bool AutoScroll() const;
    void SetAutoScroll(bool autoScroll);
    QScrollBar *HorzScrollBar() const;
    QScrollBar *VertScrollBar() const;

    TDPForm *hostForm() const { return m_hostForm; }
    // The designer whose engine this panel hosts, nullptr when none.
    TELDesigner *designer() const { return m_designer; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class TELDesigner;
    // Attaches the host form (shown over the whole client area) or detaches it.
    void setDesigner(TELDesigner *designer);
    void placeHostForm();

    TDPForm *m_hostForm;
    QPointer<TELDesigner> m_designer;
    int m_borderStyle = bsSingle;
};

} // namespace talmo
