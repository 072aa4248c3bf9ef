#pragma once

namespace talmo {

class ProjectPageFactory;

// Registers the pages of this library: the CAB creator, desktop installer, CAB
// collection, Palm OS and direct-copy module pages, the registry section page
// and the appearance page.
void registerModulePages(ProjectPageFactory &factory);

} // namespace talmo
