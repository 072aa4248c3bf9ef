#include "helpers/ui/SyntheticKeys.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QThread>
#include <QWidget>

namespace talmo {

namespace {

constexpr int ShiftKey = 16;
constexpr int HomeKey = 36;
constexpr int LeftKey = 37;
constexpr int UpKey = 38;
constexpr int RightKey = 39;
constexpr int DownKey = 40;
constexpr int PressDelay = 5;

// Whether a synthetic Shift is down, so the keys between its press and
// release carry the modifier as they would from the keyboard.
bool shiftDown = false;

int qtKey(int virtualKey)
{
    switch (virtualKey) {
    case ShiftKey: return Qt::Key_Shift;
    case HomeKey: return Qt::Key_Home;
    case LeftKey: return Qt::Key_Left;
    case UpKey: return Qt::Key_Up;
    case RightKey: return Qt::Key_Right;
    case DownKey: return Qt::Key_Down;
    default:
        // Letters and digits share their virtual key numbers with Qt's keys.
        return virtualKey;
    }
}

} // namespace

void PressHomeKey() { SendHomeKeys(1, PressDelay); }
void PressLeftKey() { SendLeftKeys(1, PressDelay); }
void PressUpKey() { SendUpKeys(1, PressDelay); }
void PressRightKey() { SendRightKeys(1, PressDelay); }
void PressDownKey() { SendDownKeys(1, PressDelay); }

void SendHomeKeys(int count, int delay) { SendKeyRepeated(HomeKey, false, count, delay); }
void SendLeftKeys(int count, int delay) { SendKeyRepeated(LeftKey, false, count, delay); }
void SendUpKeys(int count, int delay) { SendKeyRepeated(UpKey, false, count, delay); }
void SendRightKeys(int count, int delay) { SendKeyRepeated(RightKey, false, count, delay); }
void SendDownKeys(int count, int delay) { SendKeyRepeated(DownKey, false, count, delay); }

void SendKeyRepeated(int virtualKey, bool shift, int count, int delay)
{
    for (int i = 0; i < count; ++i) {
        if (delay > 0)
            DelayProcessingMessages(delay);
        SendKeyStroke(virtualKey, shift);
    }
}

void SendKeyStroke(int virtualKey, bool shift)
{
    if (shift)
        SendKeyEvent(ShiftKey, true);
    SendKeyEvent(virtualKey, true);
    SendKeyEvent(virtualKey, false);
    if (shift)
        SendKeyEvent(ShiftKey, false);
}

void SendKeyEvent(int virtualKey, bool press)
{
    // The modifier state before the event, as the keyboard reports it; Qt
    // flips Shift itself for the Shift key's own press and release.
    const Qt::KeyboardModifiers modifiers = shiftDown ? Qt::ShiftModifier : Qt::NoModifier;
    if (virtualKey == ShiftKey)
        shiftDown = press;
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    QCoreApplication::postEvent(target, new QKeyEvent(press ? QEvent::KeyPress : QEvent::KeyRelease,
                                                      qtKey(virtualKey), modifiers));
}

void DelayProcessingMessages(int n)
{
    QElapsedTimer timer;
    timer.start();
    const qint64 wait = qint64(n) * 10;
    while (timer.elapsed() < wait) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
}

} // namespace talmo
