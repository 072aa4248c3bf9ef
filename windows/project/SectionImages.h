#pragma once

class QObject;

namespace talmo {

class TNxImageList;

// The 24 x 24 pictures of the project window's sections, in section order:
// installation modules, languages, wizard dialogs, setup types, appearance.
// Drawn here, so they need no image files.
TNxImageList *MakeSectionImages(QObject *parent);

} // namespace talmo
