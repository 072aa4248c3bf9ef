#pragma once

namespace talmo {

class ProjectPageFactory;

// Registers the pages of this library: the global code editor.
void registerScriptPages(ProjectPageFactory &factory);

} // namespace talmo
