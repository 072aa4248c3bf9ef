#pragma once

#include "helpers/core/ComponentTextNode.h"

#include <QStringList>

namespace talmo {

class TDesignClassRegistry;
class TDesignControl;
struct TCustomForm;

// A designed page's controls and the page record's stored text. Saving
// replaces Data whole; opening works on a copy of Data, so opening a page
// changes nothing stored. Every failure is one ComponentTextError whose
// message names the object, the property and the line; nothing is built
// then and the root keeps what it had.
class PageDfm
{
public:
    // The header the root block is read under, whatever the stored first line says.
    static const QString RootHeader;

    // The page text of the root and its controls (strings in 8-bit form).
    static QStringList WritePageDfm(const TDesignControl &root, const TDesignClassRegistry &registry);
    static void SavePageDfm(const TDesignControl &root, TCustomForm &page, const TDesignClassRegistry &registry);
    // The root's controls become the tree's; the root keeps its own name.
    static void LoadPageDfm(TDesignControl &root, const ComponentTextNode &tree, const TDesignClassRegistry &registry);

    // Data as opening reads it: first line replaced by RootHeader, parsed,
    // "Draw" filtered.
    static ComponentTextNode preparedPage(const QStringList &data, const TDesignClassRegistry &registry);
    // Opens the page in root: an empty Data leaves an empty page.
    static void OpenPage(TDesignControl &root, const TCustomForm &page, const TDesignClassRegistry &registry);
};

} // namespace talmo
