#include "contract/test_platform.h"

#include <gtest/gtest.h>

using namespace calvorin::platform;

namespace {

class ReplaceFileContract : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = p_->scratchFolder(); }
    void TearDown() override { p_->releaseHeld(); }
    FileSystem& fs() { return p_->files(); }
    std::string at(const std::string& name) { return dir_ + "\\" + name; }
    void put(const std::string& name, const std::string& content) {
        FileHandle f = kNoFile;
        ASSERT_TRUE(fs().open(at(name), OpenMode::Output, f).ok()) << name;
        ASSERT_TRUE(fs().write(f, content).ok());
        ASSERT_TRUE(fs().close(f).ok());
    }
    std::string get(const std::string& name) {
        FileHandle f = kNoFile;
        if (!fs().open(at(name), OpenMode::Input, f).ok()) return "<none>";
        std::string bytes;
        fs().read(f, 1 << 16, bytes);
        fs().close(f);
        return bytes;
    }
    std::unique_ptr<calvorin::test::TestPlatform> p_ = calvorin::test::makeTestPlatform();
    std::string dir_;
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
