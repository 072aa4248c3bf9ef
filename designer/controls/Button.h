#pragma once

#include "designer/controls/FontedControl.h"

class QPushButton;

namespace talmo {

class TButton : public TFontedControl
{
    Q_OBJECT
    Q_PROPERTY(bool Cancel READ cancel WRITE setCancel)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(int ModalResult READ modalResult WRITE setModalResult)

public:
    explicit TButton(QWidget *parent = nullptr);
    static const DesignPropertyTable &propertyTable();

    bool cancel() const { return m_cancel; }
    void setCancel(bool cancel) { m_cancel = cancel; }
    QString caption() const;
    void setCaption(const QString &caption);
    bool isDefault() const;
    void setDefault(bool isDefault);
    int modalResult() const { return m_modalResult; }
    void setModalResult(int modalResult) { m_modalResult = modalResult; }

protected:
    QString designText() const override { return caption(); }
    void setDesignText(const QString &text) override { setCaption(text); }

private:
    QPushButton *m_button;
    bool m_cancel = false;
    int m_modalResult = 0;
};

} // namespace talmo
