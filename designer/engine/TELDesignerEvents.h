#pragma once

#include <QColor>
#include <QFlags>
#include <QPoint>
#include <QString>

#include <functional>

class QObject;

namespace talmo {

class TDesignControl;

// What hints the surface shows.
enum class TELDesignerHintType {
    htControl = 0x1,
    htSize = 0x2,
    htMove = 0x4,
    htInsert = 0x8,
};
Q_DECLARE_FLAGS(TELDesignerHintTypes, TELDesignerHintType)
Q_DECLARE_OPERATORS_FOR_FLAGS(TELDesignerHintTypes)

enum class TELOperation { opInsert, opRemove };

// The colours of grab handles; a control's locks override the active ones.
struct TELHandleColors
{
    QColor handleClr = Qt::black;
    QColor handleBorderClr = Qt::black;
    QColor multySelectHandleClr = QColor(0x80, 0x80, 0x80);
    QColor multySelectHandleBorderClr = QColor(0x80, 0x80, 0x80);
    QColor inactiveHandleClr = QColor(0x80, 0x80, 0x80);
    QColor inactiveHandleBorderClr = Qt::black;
    QColor lockedHandleClr = Qt::red;

    friend bool operator==(const TELHandleColors &, const TELHandleColors &) = default;
};

// The in/out arguments of the events whose handlers may change an answer.
struct TELValidateNameArgs
{
    QString name;
    bool isValidName = true;
    // The component's present name; empty for a component being made.
    QString currentName;
    // Why a handler refused the name; empty leaves the engine's own message.
    QString refusal;
};

struct TELUniqueNameArgs
{
    QString baseName;
    QString uniqueName;
};

// The registered class name of the control to insert; empty for none.
struct TELControlInsertingArgs
{
    QString controlClass;
};

struct TELControlHintArgs
{
    TDesignControl *control = nullptr;
    QString hint;
};

// mousePos is in global (screen) coordinates.
struct TELContextPopupArgs
{
    QPoint mousePos;
    bool handled = false;
};

// A handler that sets key to 0 ends the key's handling.
struct TELKeyArgs
{
    int key = 0;
    Qt::KeyboardModifiers shift;
};

struct TELKeyPressArgs
{
    QString key;
};

// The events of a designer; each is optional.
struct TELDesignerEvents
{
    std::function<void()> OnModified;
    std::function<void(TELValidateNameArgs &)> OnValidateName;
    std::function<void(TELUniqueNameArgs &)> OnGetUniqueName;
    std::function<void()> OnChangeSelection;
    std::function<void(TELControlInsertingArgs &)> OnControlInserting;
    std::function<void()> OnControlInserted;
    std::function<void(QObject *object, TELOperation operation)> OnNotification;
    std::function<void(TELControlHintArgs &)> OnControlHint;
    std::function<void(TELContextPopupArgs &)> OnContextPopup;
    std::function<void(TELKeyArgs &)> OnKeyDown;
    std::function<void(TELKeyPressArgs &)> OnKeyPress;
    std::function<void(TELKeyArgs &)> OnKeyUp;
    std::function<void()> OnDblClick;
};

} // namespace talmo
