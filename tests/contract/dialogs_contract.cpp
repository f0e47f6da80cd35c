#include "contract/test_platform.h"

#include <gtest/gtest.h>

using namespace calvorin::platform;

namespace {

TEST(DialogsContract, AMessageBoxShowsItsTextAndCaptionAndReturnsTheButton) {
    auto p = calvorin::test::makeTestPlatform();
    p->answerNextMessageBox(IdOk);
    EXPECT_EQ(p->dialogs().messageBox("No item has been selected", "Calvorin", MbOk), IdOk);
    EXPECT_EQ(p->lastMessageBoxText(), "No item has been selected");
    EXPECT_EQ(p->lastMessageBoxCaption(), "Calvorin");

    p->answerNextMessageBox(IdNo);
    EXPECT_EQ(p->dialogs().messageBox("Restart now?", "Calvorin", MbYesNo | MbIconQuestion), IdNo);
}

} // namespace

namespace {

class OpenFileDialogContract : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = p_->scratchFolder();
        for (const char* name : {"one.txt", "two.txt", "three.txt"}) {
            FileHandle f = kNoFile;
            ASSERT_TRUE(p_->files().open(dir_ + "\\" + name, OpenMode::Output, f).ok());
            p_->files().close(f);
        }
        request_.filter = "All Files|*.*";
        request_.flags = OfnExplorer | OfnAllowMultiSelect | OfnFileMustExist;
        request_.maxFileChars = 65536;
    }
    std::unique_ptr<calvorin::test::TestPlatform> p_ = calvorin::test::makeTestPlatform();
    std::string dir_;
    OpenFileRequest request_;
};

TEST_F(OpenFileDialogContract, OneFileGivesItsPathSeveralTheFolderThenTheNames) {
    std::string names;
    p_->answerNextFileDialog({dir_ + "\\two.txt"});
    ASSERT_TRUE(p_->dialogs().openFileDialog(request_, names).ok());
    EXPECT_EQ(names, dir_ + "\\two.txt");

    p_->answerNextFileDialog({dir_ + "\\one.txt", dir_ + "\\two.txt", dir_ + "\\three.txt"});
    ASSERT_TRUE(p_->dialogs().openFileDialog(request_, names).ok());
    const std::string expected = dir_ + '\0' + "one.txt" + '\0' + "two.txt" + '\0' + "three.txt";
    EXPECT_EQ(names, expected);

    p_->answerNextFileDialog({});
    EXPECT_TRUE(p_->dialogs().openFileDialog(request_, names).ok());
    EXPECT_EQ(names, "") << "a cancel";
}

TEST_F(OpenFileDialogContract, NamesThatDoNotFitAreRefused) {
    if (p_->onWine()) GTEST_SKIP() << "Wine's dialog faults on names that do not fit its buffer";
    std::string names = "old";
    request_.maxFileChars = dir_.size() + 10; // the folder fits, the three names do not
    p_->answerNextFileDialog({dir_ + "\\one.txt", dir_ + "\\two.txt", dir_ + "\\three.txt"});
    EXPECT_EQ(p_->dialogs().openFileDialog(request_, names).number, kFileNamesTooLong);
    EXPECT_EQ(names, "");
}

} // namespace
