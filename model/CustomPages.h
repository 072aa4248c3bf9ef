#pragma once

#include <QString>

namespace talmo {

class TProjectContainer;

// The project's custom wizard pages as the project window adds them. The
// script declares variables after a page's name, compared ignoring case, so
// two pages must never share one.
struct CustomPages
{
    // "CustomForm", "CustomForm2", "CustomForm3", ...: the first no page has.
    static QString FreeName(const TProjectContainer &project);
    // Appends a new page with its defaults under a free name; returns its index.
    static int Add(TProjectContainer &project);
};

} // namespace talmo
