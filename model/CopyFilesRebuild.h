#pragma once

#include "model/NumberedNameDrawer.h"

namespace talmo {

class TProjectContainer;
struct TCEDevice;

// Derives the source disks, the CopyFiles sections and the configurations'
// CopyFiles name lists from the configurations' flat file lists: one disk per
// source folder of a configuration, one section per destination folder and
// disk. Disks are numbered 1, 2, 3 ... across the project; disk comments and
// section captions are drawn afresh and are unique within the project.
class CopyFilesRebuild
{
public:
    CopyFilesRebuild(TProjectContainer &project, RandomSource &random);
    void Run();

private:
    void buildDisks(TCEDevice &device);
    void buildSections(int deviceIndex);
    void listSectionsInTheirDevices();

    TProjectContainer &m_project;
    NumberedNameDrawer m_diskNames;
    NumberedNameDrawer m_sectionNames;
    int m_nextDiskId = 1;
};

} // namespace talmo
