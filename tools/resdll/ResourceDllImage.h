#pragma once

#include "resources/ByteView.h"

namespace talmo {

// The bytes of a resource-only PE32 DLL for Windows CE devices (ARM machine,
// Windows CE GUI subsystem) with one empty ".rsrc" section; the resource
// modules fill it.
class ResourceDllImage
{
public:
    static Bytes Empty();
};

} // namespace talmo
