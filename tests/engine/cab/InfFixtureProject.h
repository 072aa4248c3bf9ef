#pragma once

#include "model/ProjectContainer.h"

namespace talmo::testing {

// Hands out 1, 2, 3 ... so generated disk and section names are known in advance.
class CountingRandomSource : public RandomSource
{
public:
    int Bounded(int) override { return m_next++; }

private:
    int m_next = 1;
};

// Where the fixture's source files are said to lie.
struct InfFixtureFolders
{
    QString projectFile;
    QString binFolder;    // absolute, with a trailing separator
    QString sharedFolder; // relative to the project file's folder
    QString armFolder;    // absolute, with a trailing separator
};

// A project that touches every part of the .inf file: the default
// configuration and two processor configurations (ARMV4, MIPSII without files),
// string pairs, a complete and an incomplete platform, files with every copy
// flag, shortcuts of every kind and registry values of every type.
void BuildInfFixture(TProjectContainer &project, const InfFixtureFolders &folders);

} // namespace talmo::testing
