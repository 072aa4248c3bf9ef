#pragma once

#include <QDialog>

#include <functional>

namespace talmo {

// Shows a dialog a form created for one showing and answers its result.
// Forms take one, so tests fill in and close the dialog without a modal loop.
using DialogRunner = std::function<int(QDialog &dialog)>;

inline DialogRunner execDialog()
{
    return [](QDialog &dialog) { return dialog.exec(); };
}

} // namespace talmo
