#pragma once

class QKeyEvent;

namespace talmo {

class TDEng;

// What keys do on the design surface: Tab walks the controls in creation
// order, Esc climbs to the parent or cancels a drag, arrows select the
// nearest sibling (Shift sizes, Ctrl moves by one pixel), Delete deletes.
// Every key is offered to the designer's key events first.
class TDEngKeys
{
public:
    explicit TDEngKeys(TDEng &engine);

    void keyDown(const QKeyEvent &event);
    void keyUp(const QKeyEvent &event);

private:
    void tab(bool backwards);
    void escape();
    void arrow(int key, bool shift, bool ctrl);
    void nudge(int key, bool resize);
    void navigate(int key);

    TDEng &m_engine;
};

} // namespace talmo
