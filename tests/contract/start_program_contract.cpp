#include "contract/test_platform.h"

#include <gtest/gtest.h>

namespace calvorin::test {

// Only the refusals: starting a real program is the end-to-end tests' part.
TEST(StartProgramContract, AMissingFileOrAFolderDoesNotStart) {
    auto p = makeTestPlatform();
    const std::string folder = p->scratchFolder();
    const auto missing = p->process().startProgram(folder + "\\Update.exe", 2);
    EXPECT_EQ(missing.number, platform::error::FileNotFound);
    EXPECT_FALSE(missing.description.empty());
    EXPECT_FALSE(p->process().startProgram(folder, 2).ok());
}

} // namespace calvorin::test
