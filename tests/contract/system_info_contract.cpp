#include "contract/test_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace calvorin::test {

TEST(SystemInfoContract, TheVersionIsAnNTVersionAsTheSystemReallyIs) {
    auto p = makeTestPlatform();
    platform::VersionRecord v;
    ASSERT_TRUE(p->system().version(v).ok());
    EXPECT_EQ(v.platformId, platform::platform_id::NT);
    EXPECT_GE(v.major, 5u);
    EXPECT_GT(v.build, 0u);
    // The compatibility layer answers 6.2 to programs that do not ask past it: a 6.2 whose
    // build belongs to a later Windows would be that answer.
    if (v.major == 6 && v.minor == 2) {
        EXPECT_LT(v.build, 9600u);
    }
}

TEST(SystemInfoContract, ProcessorsAndMemoryAreTheMachinesOwn) {
    auto p = makeTestPlatform();
    platform::ProcessorRecord cpu;
    ASSERT_TRUE(p->system().processor(cpu).ok());
    EXPECT_GE(cpu.count, 1u);
    const std::uint16_t known[] = {0, 5, 6, 9, 12};
    EXPECT_NE(std::find(std::begin(known), std::end(known), cpu.architecture), std::end(known))
        << cpu.architecture;

    platform::MemoryStatus memory;
    ASSERT_TRUE(p->system().memory(memory).ok());
    EXPECT_GE(memory.totalPhysical, 64ull << 20);
    EXPECT_GT(memory.availablePhysical, 0u);
    EXPECT_LE(memory.availablePhysical, memory.totalPhysical);
}

TEST(SystemInfoContract, NTHasNoServiceProcessListToLeave) {
    auto p = makeTestPlatform();
    if (p->onWine())
        GTEST_SKIP() << "Wine's 64-bit kernel32 offers RegisterServiceProcess as a stub";
    const platform::Status s = p->process().showInTaskList();
    EXPECT_EQ(s.number, platform::error::CallNotImplemented);
}

} // namespace calvorin::test
