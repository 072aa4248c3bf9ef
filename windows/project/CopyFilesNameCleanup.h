#pragma once

namespace talmo {

class TProjectContainer;

// Drops from every configuration's list of included CopyFiles sections each
// name no CopyFiles section of the project carries, keeping the others in
// their order. A name is kept exactly when a section with that caption exists.
void RemoveUnknownCopyFilesNames(TProjectContainer &project);

} // namespace talmo
