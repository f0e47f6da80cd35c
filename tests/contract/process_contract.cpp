#include "contract/test_platform.h"

#include <gtest/gtest.h>

using namespace calvorin::platform;

namespace {

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kName = "Calvorin contract test";

class ProcessContract : public ::testing::Test {
  protected:
    void TearDown() override { p_->process().unregisterStartAtLogon(kName); }

    // The value under one root's Run key, "<none>" when it is not there.
    std::string runValue(RegKey root) {
        RegKey key = kNoKey;
        if (!p_->registry().openKey(root, kRun, key).ok()) return "<none>";
        RegValue value;
        const bool found = p_->registry().readValue(key, kName, value).ok();
        p_->registry().closeKey(key);
        if (!found) return "<none>";
        EXPECT_EQ(value.type, RegType::String);
        EXPECT_TRUE(!value.data.empty() && value.data.back() == 0)
            << "a command line Windows reads back must end in its NUL";
        return textOf(value);
    }

    std::unique_ptr<calvorin::test::TestPlatform> p_ = calvorin::test::makeTestPlatform();
};

TEST_F(ProcessContract, TheProgramPathNamesTheRunningFile) {
    const std::string path = p_->process().programPath();
    ASSERT_GT(path.size(), 7u);
    EXPECT_EQ(path.substr(1, 2), ":\\");
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(ext, ".exe");
    EXPECT_TRUE(p_->files().fileExists(path)) << path;
}

TEST_F(ProcessContract, StartAtLogonIsOneRunEntryThatARegistrationReplacesAndRemovalClears) {
    const std::string first = "\"C:\\Program Files\\A B\\x.exe\" m";
    ASSERT_TRUE(p_->process().registerStartAtLogon(kName, first).ok());
    const std::string machine = runValue(kLocalMachine), user = runValue(kCurrentUser);
    EXPECT_TRUE((machine == first) != (user == first)) << "exactly one Run key holds it";
    EXPECT_TRUE(machine == "<none>" || user == "<none>");

    ASSERT_TRUE(p_->process().registerStartAtLogon(kName, "C:\\y.exe m").ok());
    EXPECT_TRUE(runValue(kLocalMachine) == "C:\\y.exe m" ||
                runValue(kCurrentUser) == "C:\\y.exe m");

    ASSERT_TRUE(p_->process().unregisterStartAtLogon(kName).ok());
    EXPECT_EQ(runValue(kLocalMachine), "<none>");
    EXPECT_EQ(runValue(kCurrentUser), "<none>");
    EXPECT_TRUE(p_->process().unregisterStartAtLogon(kName).ok()) << "nothing to remove is fine";
}

TEST_F(ProcessContract, AnNtSystemLetsItsUserEnableTheShutdownPrivilege) {
    EXPECT_EQ(p_->process().platformId(), PlatformNT);
    EXPECT_TRUE(p_->process().enableShutdownPrivilege().ok());
    EXPECT_TRUE(p_->process().enableShutdownPrivilege().ok()) << "enabling twice is no failure";
}

} // namespace
