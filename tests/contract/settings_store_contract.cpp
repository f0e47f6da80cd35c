#include "contract/test_platform.h"

#include <gtest/gtest.h>

using namespace calvorin::platform;

namespace {

constexpr const char* kApp = "CalvorinContractTest";

class SettingsStoreContract : public ::testing::Test {
  protected:
    void SetUp() override { clear(); }
    void TearDown() override { clear(); }
    void clear() {
        p_->registry().deleteTree(kCurrentUser, "Software\\VB and VBA Program Settings\\" +
                                                    std::string(kApp));
    }
    std::unique_ptr<calvorin::test::TestPlatform> p_ = calvorin::test::makeTestPlatform();
};

TEST_F(SettingsStoreContract, AnAbsentKeyGivesTheDefault) {
    EXPECT_EQ(p_->settings().get(kApp, "MViewer", "lastClean", "fallback"), "fallback");
    EXPECT_EQ(p_->settings().get(kApp, "MViewer", "lastClean"), "");
}

TEST_F(SettingsStoreContract, ValuesLiveAsStringsUnderTheApplicationAndSection) {
    ASSERT_TRUE(p_->settings().save(kApp, "LastHistory", "txtMin", " 15 ").ok());
    EXPECT_EQ(p_->settings().get(kApp, "LastHistory", "txtMin", "10"), " 15 ");
    RegKey k = kNoKey;
    ASSERT_TRUE(p_->registry()
                    .openKey(kCurrentUser,
                             "Software\\VB and VBA Program Settings\\CalvorinContractTest\\LastHistory", k)
                    .ok());
    RegValue v;
    ASSERT_TRUE(p_->registry().readValue(k, "txtMin", v).ok());
    EXPECT_EQ(v.type, RegType::String);
    EXPECT_EQ(textOf(v), " 15 ");
    p_->registry().closeKey(k);
}

TEST_F(SettingsStoreContract, KeysDifferingOnlyInCaseAddressOneValue) {
    ASSERT_TRUE(p_->settings().save(kApp, "LastHistory", "optSchedule(1)", "True").ok());
    EXPECT_EQ(p_->settings().get(kApp, "LastHistory", "OptSchedule(1)", "False"), "True");
    ASSERT_TRUE(p_->settings().save(kApp, "lasthistory", "OPTSCHEDULE(1)", "False").ok());
    EXPECT_EQ(p_->settings().get(kApp, "LastHistory", "optSchedule(1)"), "False");
}

TEST_F(SettingsStoreContract, AStringStoredWithoutItsNulReadsWhole) {
    RegKey k = kNoKey;
    ASSERT_TRUE(p_->registry()
                    .createKey(kCurrentUser,
                               "Software\\VB and VBA Program Settings\\CalvorinContractTest\\MViewer", k)
                    .ok());
    ASSERT_TRUE(p_->registry().writeString(k, "lastClean", "12/6/2026", false).ok());
    p_->registry().closeKey(k);
    EXPECT_EQ(p_->settings().get(kApp, "MViewer", "lastClean"), "12/6/2026");
}

} // namespace
