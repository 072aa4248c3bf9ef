#include "widgets/NxEdit.h"

#include "widgets/Colors.h"
#include "widgets/DateTimeText.h"
#include "widgets/NumberText.h"
#include "widgets/SharedDraw.h"
#include "widgets/WidgetImages.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionFrame>

#include <cmath>

namespace talmo {

TNxEditInfo::TNxEditInfo(TNxCustomEdit *edit)
    : QWidget(edit)
    , m_edit(edit)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(WidgetImages::reversedArrowCursor());
    hide();
}

void TNxEditInfo::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_edit->paintInfoArea(painter);
}

void TNxEditInfo::mousePressEvent(QMouseEvent *event)
{
    m_edit->setFocus(Qt::MouseFocusReason);
    m_edit->infoMouseDown(event);
}

TNxCustomEdit::TNxCustomEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_info(new TNxEditInfo(this))
{
    resize(121, 20);
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) { textEditedByUser(text); });
}

void TNxCustomEdit::setGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    if (!m_glyph.isNull()) {
        const QColor transparent = m_glyph.toImage().pixelColor(0, m_glyph.height() - 1);
        m_glyph.setMask(m_glyph.createMaskFromColor(transparent, Qt::MaskInColor));
    }
    updateMargins();
    updateInfoArea();
}

void TNxCustomEdit::setShowPreview(bool value)
{
    m_showPreview = value;
    updateMargins();
    updateInfoArea();
}

void TNxCustomEdit::setPreviewBorder(bool value)
{
    m_previewBorder = value;
    invalidatePreview();
}

void TNxCustomEdit::setEditMargins(int left, int right)
{
    m_editMarginLeft = left;
    m_editMarginRight = right;
    updateMargins();
}

std::optional<bool> TNxCustomEdit::asBoolean() const
{
    const QString value = text().trimmed();
    if (value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = QLocale().toDouble(value, &ok);
    return ok ? std::optional<bool>(number != 0) : std::nullopt;
}

void TNxCustomEdit::setAsBoolean(bool value)
{
    setText(value ? QStringLiteral("True") : QStringLiteral("False"));
}

std::optional<QDateTime> TNxCustomEdit::asDateTime() const
{
    return DateTimeText::textToDateTime(text());
}

void TNxCustomEdit::setAsDateTime(const QDateTime &value)
{
    setText(DateTimeText::dateTimeToText(value));
}

std::optional<double> TNxCustomEdit::asFloat() const
{
    bool ok = false;
    const double value = QLocale().toDouble(text().trimmed(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

void TNxCustomEdit::setAsFloat(double value)
{
    setText(NumberText::shortestText(value));
}

std::optional<int> TNxCustomEdit::asInteger() const
{
    bool ok = false;
    const int value = text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void TNxCustomEdit::setAsInteger(int value)
{
    setText(QString::number(value));
}

QRect TNxCustomEdit::previewRect() const
{
    QRect rect = this->rect();
    if (!m_glyph.isNull())
        rect.setLeft(rect.left() + m_glyph.width() + 4);
    rect.setWidth(20);
    return rect;
}

void TNxCustomEdit::getTextMargins(int &left, int &right) const
{
    Q_UNUSED(right);
    if (m_showPreview)
        left = 2 * left + 25;
    if (!m_glyph.isNull())
        left += m_glyph.width() + 4;
}

void TNxCustomEdit::updateMargins()
{
    int left = m_editMarginLeft;
    int right = m_editMarginRight;
    getTextMargins(left, right);
    setTextMargins(left, 0, right, 0);
}

int TNxCustomEdit::infoAreaWidth() const
{
    return (m_glyph.isNull() ? 0 : m_glyph.width() + 4) + (m_showPreview ? 20 : 0);
}

void TNxCustomEdit::updateInfoArea()
{
    m_info->setGeometry(0, 0, infoAreaWidth(), height());
    m_info->setVisible(m_showPreview || !m_glyph.isNull());
    m_info->update();
}

void TNxCustomEdit::invalidatePreview()
{
    m_info->update();
}

void TNxCustomEdit::infoMouseDown(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!m_glyph.isNull() && QRect(0, 0, m_glyph.width(), height()).contains(pos))
        emit glyphClick();
}

void TNxCustomEdit::paintDisplay(QPainter &)
{
}

void TNxCustomEdit::drawPreview(QPainter &painter, const QRect &rect)
{
    emit customPreviewDraw(&painter, rect);
}

void TNxCustomEdit::paintInfoArea(QPainter &painter)
{
    painter.fillRect(m_info->rect(), palette().color(QPalette::Base));
    if (!m_glyph.isNull())
        painter.drawPixmap(0, int(std::lround(height() / 2.0 - m_glyph.height() / 2.0)), m_glyph);
    if (!m_showPreview)
        return;
    QRect box = previewRect();
    if (m_previewBorder) {
        SharedDraw::drawFrame(painter, box, clGray);
        box.adjust(1, 1, -1, -1);
    }
    drawPreview(painter, box);
}

void TNxCustomEdit::textEditedByUser(const QString &)
{
}

bool TNxCustomEdit::acceptsTypedText(const QString &)
{
    return true;
}

bool TNxCustomEdit::acceptsEditingKey(QKeyEvent *)
{
    return true;
}

bool TNxCustomEdit::changesText(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll))
        return false;
    if (event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)
        || event->matches(QKeySequence::Paste))
        return true;
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Clear:
        return true;
    default:
        break;
    }
    const QString typed = event->text();
    return !typed.isEmpty() && typed.at(0).isPrint();
}

void TNxCustomEdit::pasteText(const QString &text)
{
    insert(text);
}

bool TNxCustomEdit::event(QEvent *event)
{
    // With WantTabs the key stays with the edit (a hosting grid sees it
    // through its event filter) instead of moving the focus; accepting it
    // keeps the parent from moving the focus after all.
    if (event->type() == QEvent::KeyPress && m_wantTabs) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            key->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TNxCustomEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        if (pasteAllowed() && !isReadOnly())
            pasteText(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    if (!acceptsEditingKey(event)) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool isCharacter = !typed.isEmpty() && typed.at(0).isPrint()
                             && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (isCharacter && !acceptsTypedText(typed)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TNxCustomEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The selection paste of the middle button follows the same rules as any paste.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (pasteAllowed() && !isReadOnly())
            pasteText(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TNxCustomEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            action->disconnect();
            action->setEnabled(pasteAllowed() && !isReadOnly() && !QGuiApplication::clipboard()->text().isEmpty());
            connect(action, &QAction::triggered, this,
                    [this] { pasteText(QGuiApplication::clipboard()->text()); });
        }
    }
    menu->popup(event->globalPos());
}

void TNxCustomEdit::paintEvent(QPaintEvent *event)
{
    if (isTextEditable()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    paintDisplay(painter);
}

void TNxCustomEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    updateInfoArea();
    updateMargins();
}

void TNxCustomEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            child->update();
    } else if (event->type() == QEvent::FontChange) {
        updateMargins();
    }
}

void TNxCustomEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    invalidatePreview();
}

void TNxCustomEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    invalidatePreview();
}

TNxEdit::TNxEdit(QWidget *parent)
    : TNxCustomEdit(parent)
{
    setMouseTracking(true);
}

void TNxEdit::beginEditing()
{
    end(false);
}

bool TNxEdit::nearInfoArea(const QPoint &pos) const
{
    return infoArea()->isVisible() && pos.x() <= infoArea()->width() + 2;
}

void TNxEdit::infoMouseDown(QMouseEvent *event)
{
    selectAll();
    TNxCustomEdit::infoMouseDown(event);
}

void TNxEdit::mousePressEvent(QMouseEvent *event)
{
    if (nearInfoArea(event->position().toPoint())) {
        setFocus(Qt::MouseFocusReason);
        selectAll();
        event->accept();
        return;
    }
    TNxCustomEdit::mousePressEvent(event);
}

void TNxEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton) {
        if (nearInfoArea(event->position().toPoint()))
            setCursor(WidgetImages::reversedArrowCursor());
        else
            setCursor(Qt::IBeamCursor);
    }
    TNxCustomEdit::mouseMoveEvent(event);
}

} // namespace talmo
