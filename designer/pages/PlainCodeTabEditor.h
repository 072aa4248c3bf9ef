#pragma once

#include "designer/pages/CodeTabEditor.h"

#include <QPlainTextEdit>
#include <QPointer>

namespace talmo {

// The code tab's editor on a plain text field.
class PlainCodeTabEditor : public CodeTabEditor
{
    Q_OBJECT
public:
    explicit PlainCodeTabEditor(QObject *parent = nullptr);
    ~PlainCodeTabEditor() override;

    QWidget *widget() const override;
    QStringList lines() const override;
    void setLines(const QStringList &lines) override;

private:
    QPointer<QPlainTextEdit> m_edit;
    bool m_silent = false;
};

} // namespace talmo
