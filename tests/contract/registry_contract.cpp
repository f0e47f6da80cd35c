#include "contract/test_platform.h"

#include <gtest/gtest.h>

#include <set>

using namespace calvorin::platform;

namespace {

constexpr const char* kScratch = "Software\\CalvorinContractTests";

class RegistryContract : public ::testing::Test {
  protected:
    void SetUp() override {
        reg().deleteTree(kCurrentUser, kScratch);
        ASSERT_TRUE(reg().createKey(kCurrentUser, std::string(kScratch) + "\\A\\B", key_).ok());
    }
    void TearDown() override {
        reg().closeKey(key_);
        reg().deleteTree(kCurrentUser, kScratch);
    }
    Registry& reg() { return p_->registry(); }

    std::unique_ptr<calvorin::test::TestPlatform> p_ = calvorin::test::makeTestPlatform();
    RegKey key_ = kNoKey;
};

TEST_F(RegistryContract, StringsWithAndWithoutTheirNulReadBackAsTheSameText) {
    ASSERT_TRUE(reg().writeString(key_, "with", "hello", true).ok());
    ASSERT_TRUE(reg().writeString(key_, "without", "hello", false).ok());
    for (const char* name : {"with", "without"}) {
        RegValue v;
        ASSERT_TRUE(reg().readValue(key_, name, v).ok()) << name;
        EXPECT_EQ(v.type, RegType::String);
        EXPECT_EQ(textOf(v), "hello") << name;
        RegType type{};
        std::uint32_t size = 0;
        ASSERT_TRUE(reg().queryValue(key_, name, type, size).ok());
        EXPECT_EQ(type, RegType::String);
        EXPECT_EQ(size, v.data.size()) << "the size query and the read agree";
        EXPECT_GE(size, 5u);
    }
}

TEST_F(RegistryContract, TextBeyondAsciiSurvivesTheRoundTrip) {
    const std::string text = "Caf\xc3\xa9 \xc3\x9f";
    ASSERT_TRUE(reg().writeString(key_, "accents", text).ok());
    RegValue v;
    ASSERT_TRUE(reg().readValue(key_, "accents", v).ok());
    EXPECT_EQ(textOf(v), text);
}

TEST_F(RegistryContract, TypesAndBinaryDataAreKept) {
    ASSERT_TRUE(reg().writeDword(key_, "number", 0x01020304).ok());
    ASSERT_TRUE(reg().writeValue(key_, "blob", {RegType::Binary, {0, 1, 2, 0, 255}}).ok());
    RegValue v;
    ASSERT_TRUE(reg().readValue(key_, "number", v).ok());
    EXPECT_EQ(v.type, RegType::Dword);
    EXPECT_EQ(v.data, (std::vector<std::uint8_t>{4, 3, 2, 1}));
    ASSERT_TRUE(reg().readValue(key_, "blob", v).ok());
    EXPECT_EQ(v.type, RegType::Binary);
    EXPECT_EQ(v.data, (std::vector<std::uint8_t>{0, 1, 2, 0, 255}));
}

TEST_F(RegistryContract, NamesMatchWithoutRegardToCase) {
    ASSERT_TRUE(reg().writeString(key_, "OptSchedule(1)", "True").ok());
    ASSERT_TRUE(reg().writeString(key_, "optSchedule(1)", "False").ok());
    RegValue v;
    ASSERT_TRUE(reg().readValue(key_, "OPTSCHEDULE(1)", v).ok());
    EXPECT_EQ(textOf(v), "False");
    RegKey other = kNoKey;
    ASSERT_TRUE(reg().openKey(kCurrentUser, "software\\calvorincontracttests\\a\\b", other).ok());
    std::string name;
    ASSERT_TRUE(reg().enumValue(other, 0, name).ok());
    EXPECT_EQ(name, "OptSchedule(1)") << "one value, under the name it was created with";
    EXPECT_EQ(reg().enumValue(other, 1, name).number, error::NoMoreItems);
    reg().closeKey(other);
}

TEST_F(RegistryContract, MissingKeysAndValuesFailWithFileNotFound) {
    RegKey k = kNoKey;
    EXPECT_EQ(reg().openKey(kCurrentUser, std::string(kScratch) + "\\Nope", k).number,
              error::FileNotFound);
    RegValue v;
    EXPECT_EQ(reg().readValue(key_, "absent", v).number, error::FileNotFound);
    RegType t{};
    std::uint32_t size = 0;
    EXPECT_EQ(reg().queryValue(key_, "absent", t, size).number, error::FileNotFound);
    EXPECT_FALSE(reg().deleteValue(key_, "absent").ok());
    EXPECT_FALSE(reg().deleteTree(kCurrentUser, std::string(kScratch) + "\\Nope").ok());
}

TEST_F(RegistryContract, EnumerationListsEveryValueAndSubkeyThenStops) {
    for (const char* n : {"one", "two", "three"}) ASSERT_TRUE(reg().writeString(key_, n, n).ok());
    RegKey c = kNoKey;
    for (const char* sub : {"x", "y"}) {
        ASSERT_TRUE(reg().createKey(key_, sub, c).ok());
        reg().closeKey(c);
    }
    std::set<std::string> values, keys;
    std::string name;
    std::uint32_t i = 0;
    for (; reg().enumValue(key_, i, name).ok(); ++i) values.insert(name);
    EXPECT_EQ(reg().enumValue(key_, i, name).number, error::NoMoreItems);
    for (i = 0; reg().enumKey(key_, i, name).ok(); ++i) keys.insert(name);
    EXPECT_EQ(reg().enumKey(key_, i, name).number, error::NoMoreItems);
    EXPECT_EQ(values, (std::set<std::string>{"one", "two", "three"}));
    EXPECT_EQ(keys, (std::set<std::string>{"x", "y"}));
}

TEST_F(RegistryContract, DeletingAValueAndATree) {
    ASSERT_TRUE(reg().writeString(key_, "gone", "x").ok());
    ASSERT_TRUE(reg().writeString(key_, "stays", "y").ok());
    ASSERT_TRUE(reg().deleteValue(key_, "GONE").ok());
    RegValue v;
    EXPECT_FALSE(reg().readValue(key_, "gone", v).ok());
    EXPECT_TRUE(reg().readValue(key_, "stays", v).ok());

    RegKey deep = kNoKey;
    ASSERT_TRUE(reg().createKey(kCurrentUser, std::string(kScratch) + "\\A\\B\\C\\D", deep).ok());
    ASSERT_TRUE(reg().writeString(deep, "v", "x").ok());
    reg().closeKey(deep);
    ASSERT_TRUE(reg().deleteTree(kCurrentUser, std::string(kScratch) + "\\A").ok());
    RegKey k = kNoKey;
    EXPECT_FALSE(reg().openKey(kCurrentUser, std::string(kScratch) + "\\A\\B\\C", k).ok());
    EXPECT_TRUE(reg().openKey(kCurrentUser, kScratch, k).ok()) << "the parent stays";
    reg().closeKey(k);
}

TEST_F(RegistryContract, CreateOpensAnExistingKeyWithoutLosingItsValues) {
    ASSERT_TRUE(reg().writeString(key_, "kept", "yes").ok());
    RegKey again = kNoKey;
    ASSERT_TRUE(reg().createKey(kCurrentUser, std::string(kScratch) + "\\A\\B", again).ok());
    RegValue v;
    ASSERT_TRUE(reg().readValue(again, "kept", v).ok());
    EXPECT_EQ(textOf(v), "yes");
    reg().closeKey(again);
}

TEST_F(RegistryContract, ANullOrClosedHandleFails) {
    RegValue v;
    EXPECT_FALSE(reg().readValue(kNoKey, "x", v).ok());
    RegKey k = kNoKey;
    ASSERT_TRUE(reg().openKey(kCurrentUser, kScratch, k).ok());
    ASSERT_TRUE(reg().closeKey(k).ok());
    EXPECT_FALSE(reg().writeString(k, "x", "y").ok());
}

} // namespace

namespace {

TEST_F(RegistryContract, AKeyOpenedForReadingRefusesEveryChange) {
    ASSERT_TRUE(reg().writeString(key_, "kept", "v").ok());
    RegKey child = kNoKey;
    ASSERT_TRUE(reg().createKey(key_, "Existing", child).ok());
    reg().closeKey(child);

    RegKey reading = kNoKey;
    ASSERT_TRUE(reg().openKey(kCurrentUser, std::string(kScratch) + "\\A\\B", reading, false).ok());
    EXPECT_EQ(reg().writeString(reading, "new", "v").number, error::AccessDenied);
    EXPECT_EQ(reg().writeString(reading, "kept", "changed").number, error::AccessDenied);
    EXPECT_EQ(reg().deleteValue(reading, "kept").number, error::AccessDenied);
    RegKey sub = kNoKey;
    // Wine creates a subkey below a handle that has no right to create one.
    const bool createsBelowReading = p_->onWine();
    if (!createsBelowReading) {
        EXPECT_EQ(reg().createKey(reading, "New", sub).number, error::AccessDenied);
    }
    // What it may do is read.
    RegValue v;
    EXPECT_TRUE(reg().readValue(reading, "kept", v).ok());
    EXPECT_EQ(textOf(v), "v");
    reg().closeKey(reading);

    // Nothing changed, and a key opened for writing may change it all.
    RegKey writing = kNoKey;
    ASSERT_TRUE(reg().openKey(kCurrentUser, std::string(kScratch) + "\\A\\B", writing, true).ok());
    if (!createsBelowReading) {
        EXPECT_EQ(reg().openKey(writing, "New", sub).number, error::FileNotFound);
    }
    ASSERT_TRUE(reg().readValue(writing, "kept", v).ok());
    EXPECT_EQ(textOf(v), "v");
    EXPECT_TRUE(reg().writeString(writing, "new", "v").ok());
    EXPECT_TRUE(reg().deleteValue(writing, "kept").ok());
    EXPECT_TRUE(reg().createKey(writing, "New", sub).ok());
    reg().closeKey(sub);
    reg().closeKey(writing);
}

} // namespace
