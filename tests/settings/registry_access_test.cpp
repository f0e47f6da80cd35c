#include "platform/emulated/world.h"
#include "settings/registry_access.h"

#include <gtest/gtest.h>

using namespace calvorin;
using namespace calvorin::settings;
using namespace calvorin::settings::trymodReg;
using platform::kLocalMachine;

namespace {

constexpr const char* kKey = "Software\\Microsoft\\CalvorinUpdate";

class RegistryAccessTest : public ::testing::Test {
  protected:
    platform::emulated::World world;
    platform::Platform platform = world.platform();

    void put(const std::string& name, const platform::RegValue& value,
             const std::string& key = kKey) {
        platform::RegKey k = 0;
        ASSERT_TRUE(world.registry.createKey(kLocalMachine, key, k).ok());
        world.registry.writeValue(k, name, value);
        world.registry.closeKey(k);
    }
    std::optional<platform::RegValue> stored(const std::string& name,
                                             const std::string& key = kKey) {
        platform::RegKey k = 0;
        if (!world.registry.openKey(kLocalMachine, key, k, false).ok()) return std::nullopt;
        platform::RegValue v;
        const bool found = world.registry.readValue(k, name, v).ok();
        world.registry.closeKey(k);
        if (!found) return std::nullopt;
        return v;
    }
    static platform::RegValue text(const std::string& t, bool nul) {
        platform::RegValue v{platform::RegType::String, {t.begin(), t.end()}};
        if (nul) v.data.push_back(0);
        return v;
    }
    void TearDown() override { EXPECT_EQ(world.registry.openHandles(), 0u) << "a key left open"; }
};

TEST_F(RegistryAccessTest, AStringReadsTheSameWithOrWithoutItsNul) {
    put("Up", text("b", true));
    put("App", text("b", false));
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, kKey, "Up", "a"), "b");
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, kKey, "App", "a"), "b");
    put("cut", text(std::string("ab\0cd", 5), true));
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, kKey, "cut"), "ab");
}

TEST_F(RegistryAccessTest, AnythingButAStringGivesTheDefault) {
    platform::RegKey k = 0;
    world.registry.createKey(kLocalMachine, kKey, k);
    world.registry.writeDword(k, "Up", 98);
    world.registry.writeValue(k, "exp", {platform::RegType::ExpandString, {'x', 0}});
    world.registry.closeKey(k);
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, kKey, "Up", "a"), "a");
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, kKey, "exp", "a"), "a");
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, kKey, "missing", "a"), "a");
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, "Software\\Nowhere", "Up", "a"), "a");
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, kKey, "missing"), "");
    EXPECT_TRUE(world.dialogs.shown.empty()) << "missing is no failure";
}

TEST_F(RegistryAccessTest, SavingCreatesTheKeyAndStoresTheCharactersAlone) {
    trySaveSettingString(platform, kLocalMachine, "Software\\New\\Deep", "Up", "c");
    auto v = stored("Up", "Software\\New\\Deep");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->type, platform::RegType::String);
    EXPECT_EQ(v->data, (std::vector<std::uint8_t>{'c'}));
    trySaveSettingString(platform, kLocalMachine, "Software\\New\\Deep", "UP", "a");
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, "Software\\New\\Deep", "up"), "a");
}

TEST_F(RegistryAccessTest, GetOrCreateCreatesAMissingValueAndReturnsEmptyThatOnce) {
    EXPECT_EQ(tryGetOrCreateSettingString(platform, kLocalMachine, kKey, "ver", "1"), "");
    EXPECT_EQ(stored("ver")->data, (std::vector<std::uint8_t>{'1'}));
    EXPECT_EQ(tryGetOrCreateSettingString(platform, kLocalMachine, kKey, "ver", "2"), "1");
    EXPECT_EQ(stored("ver")->data, (std::vector<std::uint8_t>{'1'})) << "an existing value stays";
}

TEST_F(RegistryAccessTest, DeletingAValueLeavesTheRestAndAMissingOneIsNoError) {
    put("donreq", text("z", true));
    put("Up", text("a", true));
    DeleteRegValue(platform, kLocalMachine, kKey, "DONREQ");
    EXPECT_FALSE(stored("donreq"));
    EXPECT_TRUE(stored("Up"));
    DeleteRegValue(platform, kLocalMachine, kKey, "donreq");
    DeleteRegValue(platform, kLocalMachine, "Software\\Nowhere", "donreq");
    EXPECT_TRUE(world.dialogs.shown.empty());
}

TEST_F(RegistryAccessTest, AKeyWithoutWriteRightsTakesNothingAndSaysNothing) {
    world.internet.online = true;
    put("Up", text("a", true));
    world.registry.denyWrites("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\CalvorinUpdate");
    trySaveSettingString(platform, kLocalMachine, kKey, "Up", "b");
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, kKey, "Up", "x"), "a");
    EXPECT_EQ(tryGetOrCreateSettingString(platform, kLocalMachine, kKey, "ver", "1"), "");
    EXPECT_FALSE(stored("ver"));
    EXPECT_TRUE(world.dialogs.shown.empty());
}

TEST_F(RegistryAccessTest, AnUnexpectedReadFailureIsReportedAndTheDefaultStays) {
    world.internet.online = true;
    put("Up", text("c", true));
    world.failures.fail("Registry.readValue",
                        {1009, "The configuration registry database is corrupt."});
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, kKey, "Up", "a"), "a");
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].text,
              "module, tryMyGetSettingString, The configuration registry database is corrupt.1009");
    EXPECT_EQ(world.dialogs.shown[0].caption, "Calvorin");
}

TEST_F(RegistryAccessTest, AnUnexpectedWriteFailureIsReportedAndTheKeyStillCloses) {
    world.internet.online = true;
    world.failures.fail("Registry.writeValue",
                        {1021, "Cannot create a stable subkey under a volatile parent key."});
    trySaveSettingString(platform, kLocalMachine, kKey, "Up", "b");
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].text, "tryc_con, trySaveSettingString, Cannot create a stable "
                                           "subkey under a volatile parent key.1021");
    EXPECT_FALSE(stored("Up"));
}

TEST_F(RegistryAccessTest, OfflineFailuresAreDroppedAndTheCallerGoesOn) {
    world.failures.fail("Registry.createKey", {1009, "corrupt"});
    trySaveSettingString(platform, kLocalMachine, kKey, "Up", "b");
    world.failures.fail("Registry.openKey", {1009, "corrupt"});
    EXPECT_EQ(tryMyGetSettingString(platform, kLocalMachine, kKey, "Up", "a"), "a");
    EXPECT_TRUE(world.dialogs.shown.empty());
    EXPECT_EQ(world.internet.urlRequests.size(), 2u) << "each failure was probed for";
}

TEST_F(RegistryAccessTest, TheSilentProceduresNeverReport) {
    world.internet.online = true;
    world.failures.fail("Registry.writeValue", {1009, "corrupt"});
    EXPECT_EQ(tryGetOrCreateSettingString(platform, kLocalMachine, kKey, "ver", "1"), "");
    put("donreq", text("z", true));
    world.failures.fail("Registry.deleteValue", {1009, "corrupt"});
    DeleteRegValue(platform, kLocalMachine, kKey, "donreq");
    EXPECT_TRUE(stored("donreq"));
    EXPECT_TRUE(world.dialogs.shown.empty());
}

} // namespace

namespace {

TEST(CopyFileSilent, CopiesOverAnExistingFileAndSaysWhenItCouldNot) {
    platform::emulated::World world;
    platform::Platform p = world.platform();
    auto write = [&](const std::string& path, const std::string& data) {
        platform::FileHandle f = platform::kNoFile;
        ASSERT_TRUE(world.files.open(path, platform::OpenMode::Output, f).ok());
        world.files.write(f, data);
        world.files.close(f);
    };
    write("C:\\cvn.exe", "new");
    write("C:\\Calvorin.exe", "old and longer");
    EXPECT_TRUE(copyFileSilent(p, "C:\\cvn.exe", "C:\\Calvorin.exe"));
    std::uint64_t length = 0;
    world.files.length("C:\\Calvorin.exe", length);
    EXPECT_EQ(length, 3u);
    EXPECT_FALSE(copyFileSilent(p, "C:\\missing.exe", "C:\\Calvorin.exe"));
    world.failures.fail("Shell.copyFile", platform::Status::failure(32, "in use"));
    EXPECT_FALSE(copyFileSilent(p, "C:\\cvn.exe", "C:\\Calvorin.exe"));
    world.files.setAttributes("C:\\Calvorin.exe", platform::attr::ReadOnly);
    EXPECT_FALSE(copyFileSilent(p, "C:\\cvn.exe", "C:\\Calvorin.exe")) << "a read-only file refuses";
}

} // namespace
