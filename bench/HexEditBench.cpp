#include "widgets/HexEdit.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>

namespace {

using namespace talmo;

void press(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &event);
}

// Jumping to the end, typing a byte and repainting: the same cost for 1 KiB
// and 1 MiB, since only the rows in view are painted.
void BM_HexEditJumpToEndAndType(benchmark::State &state)
{
    HexEdit edit;
    edit.resize(400, 300);
    edit.setData(QByteArray(state.range(0), 'a'));
    edit.show();
    for (auto _ : state) {
        press(&edit, Qt::Key_Home, Qt::ControlModifier);
        press(&edit, Qt::Key_End, Qt::ControlModifier);
        press(&edit, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
        press(&edit, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
        edit.viewport()->repaint();
        press(&edit, Qt::Key_Backspace);
    }
}
BENCHMARK(BM_HexEditJumpToEndAndType)->Arg(1024)->Arg(1024 * 1024);

} // namespace
