#pragma once

namespace talmo {

// Key strokes fed to whichever widget has the keyboard focus when they are
// delivered, as if the user typed them. Keys are the virtual key numbers of
// the forms' code (16 Shift, 36 Home, 37 Left, 38 Up, 39 Right, 40 Down).
// GUI thread only; events are processed during the pauses, so other code of
// the program may run between two strokes.

// One stroke after a pause of 50 ms.
void PressHomeKey();
void PressLeftKey();
void PressUpKey();
void PressRightKey();
void PressDownKey();

// count strokes, each after a pause of delay x 10 ms.
void SendHomeKeys(int count, int delay);
void SendLeftKeys(int count, int delay);
void SendUpKeys(int count, int delay);
void SendRightKeys(int count, int delay);
void SendDownKeys(int count, int delay);

void SendKeyRepeated(int virtualKey, bool shift, int count, int delay);
// Key down and up, wrapped in Shift down and up when shift is set.
void SendKeyStroke(int virtualKey, bool shift);
// Posts one press or release to the focus widget; nothing without one.
void SendKeyEvent(int virtualKey, bool press);
// Waits n x 10 ms on a monotonic clock, processing events meanwhile.
void DelayProcessingMessages(int n);

} // namespace talmo
