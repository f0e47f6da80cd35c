// What the keep-list relies on: a file replaced whole in one step, and ANSI text.
#include "contract/scratch_files.h"

#include <gtest/gtest.h>

using namespace calvorin::platform;

namespace {

class ReplaceContract : public calvorin::test::ScratchFiles {
  protected:
    std::string get(const std::string& name) { return contentOf(at(name)); }
};

TEST_F(ReplaceContract, RenameMovesAFileAndReplacesAnExistingTargetWhole) {
    put("list.new", "new text");
    ASSERT_TRUE(fs().rename(at("list.new"), at("list.inf"), true).ok()) << "to a name not yet taken";
    EXPECT_EQ(get("list.inf"), "new text");
    EXPECT_FALSE(fs().fileExists(at("list.new")));

    put("list.new", "newer");
    ASSERT_TRUE(fs().rename(at("list.new"), at("LIST.INF"), true).ok()) << "over an existing file";
    EXPECT_EQ(get("list.inf"), "newer");
    EXPECT_FALSE(fs().fileExists(at("list.new")));

    const Status s = fs().rename(at("missing.new"), at("list.inf"), true);
    EXPECT_EQ(s.number, error::FileNotFound);
    EXPECT_EQ(get("list.inf"), "newer");
    EXPECT_EQ(fs().rename(at("list.inf"), at("no such folder\\list.inf"), true).number,
              error::PathNotFound);
}

TEST_F(ReplaceContract, AReadOnlyOrOpenTargetRefusesAndBothFilesStay) {
    put("list.inf", "old");
    put("list.new", "new");
    ASSERT_TRUE(fs().setAttributes(at("list.inf"), attr::ReadOnly).ok());
    EXPECT_FALSE(fs().rename(at("list.new"), at("list.inf"), true).ok());
    EXPECT_EQ(get("list.inf"), "old");
    EXPECT_EQ(get("list.new"), "new");
    ASSERT_TRUE(fs().setAttributes(at("list.inf"), attr::Normal).ok());

    p_->holdOpen(at("list.inf"));
    EXPECT_FALSE(fs().rename(at("list.new"), at("list.inf"), true).ok());
    p_->releaseHeld();
    EXPECT_EQ(get("list.inf"), "old");
    EXPECT_EQ(get("list.new"), "new");
}

TEST(AnsiContract, TextCrossesTheAnsiCodePageAndComesBack) {
    auto p = calvorin::test::makeTestPlatform();
    std::string ansi, back;
    ASSERT_TRUE(p->system().toAnsi("Cookie:ann@news.example/", ansi).ok());
    EXPECT_EQ(ansi, "Cookie:ann@news.example/")
        << "plain ASCII is the same in every ANSI code page";
    ASSERT_TRUE(p->system().toAnsi("caf\xC3\xA9", ansi).ok());
    ASSERT_TRUE(p->system().fromAnsi(ansi, back).ok());
    EXPECT_EQ(back, "caf\xC3\xA9");
    ASSERT_TRUE(p->system().toAnsi("", ansi).ok());
    EXPECT_EQ(ansi, "");
}

} // namespace
