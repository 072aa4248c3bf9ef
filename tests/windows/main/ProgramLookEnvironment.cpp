#include "widgets/ProgramStyle.h"

#include <gtest/gtest.h>

namespace {

// The windows are tested, and pictured, in the look the program gives them.
class ProgramLook : public ::testing::Environment
{
public:
    void SetUp() override { talmo::ProgramStyle::install(); }
};

[[maybe_unused]] ::testing::Environment *const programLook = ::testing::AddGlobalTestEnvironment(new ProgramLook);

} // namespace
