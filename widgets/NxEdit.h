#pragma once

#include <QLineEdit>
#include <QPixmap>

#include <optional>

namespace talmo {

class TNxCustomEdit;

// The strip at an edit's left edge holding the glyph and the preview box.
class TNxEditInfo : public QWidget
{
    Q_OBJECT
public:
    explicit TNxEditInfo(TNxCustomEdit *edit);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    TNxCustomEdit *m_edit;
};

// The single-line edit of the suite: an optional glyph and a 20-pixel preview
// box at the left edge, text margins kept clear of them and of a right-hand
// button, value access in several types and hooks for hosting it as an
// in-place editor.
class TNxCustomEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TNxCustomEdit(QWidget *parent = nullptr);

    const QPixmap &glyph() const { return m_glyph; }
    // The bottom-left pixel's colour becomes transparent; an empty pixmap removes it.
    void setGlyph(const QPixmap &glyph);
    bool showPreview() const { return m_showPreview; }
    void setShowPreview(bool value);
    bool previewBorder() const { return m_previewBorder; }
    void setPreviewBorder(bool value);
    int editMarginLeft() const { return m_editMarginLeft; }
    int editMarginRight() const { return m_editMarginRight; }
    void setEditMargins(int left, int right);
    bool wantTabs() const { return m_wantTabs; }
    void setWantTabs(bool value) { m_wantTabs = value; }

    bool inplaceEditor() const { return m_inplaceEditor; }
    void setInplaceEditor(bool value) { m_inplaceEditor = value; }
    // Set while a host writes a value in.
    bool editorUpdating() const { return m_editorUpdating; }
    void setEditorUpdating(bool value) { m_editorUpdating = value; }
    // True while a popup is open.
    bool editing() const { return m_editing; }

    virtual std::optional<bool> asBoolean() const;
    virtual void setAsBoolean(bool value);
    virtual std::optional<QDateTime> asDateTime() const;
    virtual void setAsDateTime(const QDateTime &value);
    virtual std::optional<double> asFloat() const;
    virtual void setAsFloat(double value);
    virtual std::optional<int> asInteger() const;
    virtual void setAsInteger(int value);

    // False for drop-down lists, whose text is painted rather than edited.
    virtual bool isTextEditable() const { return true; }
    virtual QRect previewRect() const;
    // The left and right text margins, starting from the edit margins.
    virtual void getTextMargins(int &left, int &right) const;
    void updateMargins();
    void updateInfoArea();
    void invalidatePreview();
    TNxEditInfo *infoArea() const { return m_info; }

    // Hooks of hosting grids; nothing in the suite calls them.
    virtual void beginEditing() {}
    virtual void endEditing() {}

signals:
    void glyphClick();
    void customPreviewDraw(QPainter *painter, const QRect &previewRect);

protected:
    friend class TNxEditInfo;
    void setEditing(bool value) { m_editing = value; }
    // A mouse-down on the info area (edit coordinates).
    virtual void infoMouseDown(QMouseEvent *event);
    virtual void paintDisplay(QPainter &painter);
    virtual void drawPreview(QPainter &painter, const QRect &rect);
    virtual void paintInfoArea(QPainter &painter);
    // The text was changed by the user (typing, pasting, deleting).
    virtual void textEditedByUser(const QString &text);
    // Whether typed text may go in; the default lets everything through.
    virtual bool acceptsTypedText(const QString &text);
    // Whether the key may change the text at all (editing keys and shortcuts).
    virtual bool acceptsEditingKey(QKeyEvent *event);
    virtual bool pasteAllowed() const { return true; }
    // Whether a key would change the text (typed characters, deleting, cut, undo).
    static bool changesText(QKeyEvent *event);
    // Inserts clipboard text in place of the selection.
    virtual void pasteText(const QString &text);
    int infoAreaWidth() const;

    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TNxEditInfo *m_info;
    QPixmap m_glyph;
    bool m_showPreview = false;
    bool m_previewBorder = true;
    int m_editMarginLeft = 0;
    int m_editMarginRight = 0;
    bool m_wantTabs = false;
    bool m_inplaceEditor = false;
    bool m_editorUpdating = false;
    bool m_editing = false;
};

// The plain edit: a click on the info area (or up to 2 pixels right of it)
// selects the whole text.
class TNxEdit : public TNxCustomEdit
{
    Q_OBJECT
public:
    explicit TNxEdit(QWidget *parent = nullptr);
    void beginEditing() override;

protected:
    void infoMouseDown(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool nearInfoArea(const QPoint &pos) const;
};

} // namespace talmo
