#pragma once

#include "widgets/NxTextItem.h"

#include <QImage>

namespace talmo {

// A text row whose editor has a button ("..." by default) for the
// application's own dialog.
class TNxButtonItem : public TNxTextItem
{
    Q_OBJECT

public:
    enum EditOption { epDisablePaste = 0x1, epDisableTyping = 0x2 };
    Q_DECLARE_FLAGS(EditOptions, EditOption)

    TNxEditorKind editorKind() const override { return TNxEditorKind::ButtonEdit; }

    EditOptions editOptions() const { return m_editOptions; }
    void setEditOptions(EditOptions value) { m_editOptions = value; }
    QImage glyph() const { return m_glyph; }
    void setGlyph(const QImage &value) { m_glyph = value; }
    TColor transparentColor() const { return m_transparentColor; }
    void setTransparentColor(TColor value) { m_transparentColor = value; }
    QString buttonCaption() const { return m_buttonCaption; }
    void setButtonCaption(const QString &value) { m_buttonCaption = value; }

    void clickButton() { emit buttonClick(this); }

signals:
    void buttonClick(talmo::TNxPropertyItem *item);

private:
    EditOptions m_editOptions;
    QImage m_glyph;
    TColor m_transparentColor = clNone;
    QString m_buttonCaption = QStringLiteral("...");
};

} // namespace talmo

Q_DECLARE_OPERATORS_FOR_FLAGS(talmo::TNxButtonItem::EditOptions)
