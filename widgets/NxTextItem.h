#pragma once

#include "widgets/NxPropertyItem.h"

namespace talmo {

// A row edited in place as text.
class TNxCustomTextualItem : public TNxPropertyItem
{
    Q_OBJECT

public:
    TNxEditorKind editorKind() const override { return TNxEditorKind::Edit; }
    bool hasInplaceEditor() const override { return true; }
    bool hasPreview() const override { return true; }
};

// A row whose value is its text.
class TNxTextItem : public TNxCustomTextualItem
{
    Q_OBJECT

public:
    QString asString() const override { return m_text; }
    void setAsString(const QString &value) override;
    // The text read as a number; 0 when it is not one.
    double asFloat() const override;
    void setAsFloat(double value) override;
    int asInteger() const override;
    void setAsInteger(int value) override;

    QChar passwordChar() const { return m_passwordChar; }
    void setPasswordChar(QChar value);

    TNxDisplayKind displayKind() const override { return TNxDisplayKind::Text; }

protected:
    // Stores the text without telling anyone.
    void storeText(const QString &text) { m_text = text; }

private:
    QString m_text;
    QChar m_passwordChar;
};

// A text row whose editor drops down a choice.
class TNxPopupItem : public TNxTextItem
{
    Q_OBJECT

signals:
    void closeUp(talmo::TNxPropertyItem *item);
    void select(talmo::TNxPropertyItem *item);
};

} // namespace talmo
