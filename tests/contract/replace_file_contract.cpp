#include "contract/scratch_files.h"

#include <gtest/gtest.h>

using namespace calvorin::platform;

namespace {

class ReplaceFileContract : public calvorin::test::ScratchFiles {
  protected:
    std::string get(const std::string& name) { return contentOf(at(name)); }
};

TEST_F(ReplaceFileContract, TheNewFileTakesTheOldOnesPlaceOrTheNameIsFree) {
    put("Program.new", "new");
    put("Program.exe", "old");
    ASSERT_TRUE(fs().replaceFile(at("Program.new"), at("Program.exe")).ok());
    EXPECT_EQ(get("Program.exe"), "new");
    EXPECT_FALSE(fs().fileExists(at("Program.new")));

    put("fresh.tmp", "fresh");
    ASSERT_TRUE(fs().replaceFile(at("fresh.tmp"), at("fresh.exe")).ok());
    EXPECT_EQ(get("fresh.exe"), "fresh");

    EXPECT_FALSE(fs().replaceFile(at("absent.tmp"), at("fresh.exe")).ok());
    EXPECT_EQ(get("fresh.exe"), "fresh");
}

TEST_F(ReplaceFileContract, ALockedOrReadOnlyTargetStaysAndSoDoesTheNewFile) {
    put("new.tmp", "new");
    put("locked.exe", "old");
    p_->holdOpen(at("locked.exe"));
    EXPECT_FALSE(fs().replaceFile(at("new.tmp"), at("locked.exe")).ok());
    p_->releaseHeld();
    EXPECT_EQ(get("locked.exe"), "old");
    EXPECT_EQ(get("new.tmp"), "new");

    if (p_->onWine()) GTEST_SKIP() << "Wine moves a file over a read-only one; Windows refuses";
    put("ro.exe", "old");
    ASSERT_TRUE(fs().setAttributes(at("ro.exe"), attr::ReadOnly).ok());
    EXPECT_EQ(fs().replaceFile(at("new.tmp"), at("ro.exe")).number,
              calvorin::platform::error::AccessDenied);
    EXPECT_EQ(get("ro.exe"), "old");
    EXPECT_EQ(get("new.tmp"), "new");
    ASSERT_TRUE(fs().setAttributes(at("ro.exe"), 0).ok());
}

} // namespace
