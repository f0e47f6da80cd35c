#include "automation/startup_options.h"
#include "core/main_form_fixture.h"
#include "settings/registry_access.h"

using namespace calvorin;

namespace {

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class StartupOptionsTest : public test::MainFormTest {
  protected:
    StartupOptionsTest() { automation::plugStartupOptions(form, platform); }
    std::string run(platform::RegKey root) {
        return settings::trymodReg::tryMyGetSettingString(platform, root, kRun, "Calvorin - 1.0",
                                                          "<none>");
    }
};

TEST_F(StartupOptionsTest, BoxZeroWritesAndRemovesTheRunValueWithAQuotedPath) {
    form.chkRun[0].setValue(1);
    EXPECT_EQ(run(platform::kLocalMachine), "\"C:\\Program Files\\Calvorin\\Calvorin.exe\" m");
    EXPECT_EQ(run(platform::kCurrentUser), "<none>");
    form.chkRun[0].setValue(0);
    EXPECT_EQ(run(platform::kLocalMachine), "<none>");

    world.process.path = "C:\\Tools\\Calvorin.exe";
    form.chkRun[0].setValue(1);
    EXPECT_EQ(run(platform::kLocalMachine), "C:\\Tools\\Calvorin.exe m") << "no blank, no quotes";
    form.chkRun[0].setValue(2);
    EXPECT_EQ(run(platform::kLocalMachine), "<none>") << "grey removes it like clear";
    form.chkRun[1].setValue(1);
    form.chkRun[2].setValue(1);
    EXPECT_EQ(run(platform::kLocalMachine), "<none>") << "boxes 1 and 2 act only at start and end";
    EXPECT_TRUE(world.dialogs.shown.empty());
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

TEST_F(StartupOptionsTest, AStandardUserGetsTheEntryInHisOwnRunKey) {
    world.registry.denyWrites("HKEY_LOCAL_MACHINE\\" + std::string(kRun));
    world.process.path = "C:\\Users\\ann\\Calvorin\\Calvorin.exe";
    form.chkRun[0].setValue(1);
    EXPECT_EQ(run(platform::kCurrentUser), "C:\\Users\\ann\\Calvorin\\Calvorin.exe m");
    EXPECT_EQ(run(platform::kLocalMachine), "<none>");
    form.chkRun[0].setValue(0);
    EXPECT_EQ(run(platform::kCurrentUser), "<none>");
    EXPECT_TRUE(world.dialogs.shown.empty());
}

TEST_F(StartupOptionsTest, ClearingRemovesBothEntriesAndSaysWhenOneCannotGo) {
    // An administrator's machine-wide entry, then the machine locked to this user.
    form.chkRun[0].setValue(1);
    world.registry.denyWrites("HKEY_LOCAL_MACHINE\\" + std::string(kRun));
    form.chkRun[0].setValue(0);
    EXPECT_EQ(world.dialogs.shown.size(), 1u) << "a machine-wide entry that stays is no secret";
    form.chkRun[0].setValue(1);
    EXPECT_NE(run(platform::kCurrentUser), "<none>");
    EXPECT_EQ(world.dialogs.shown.size(), 1u);
    form.chkRun[0].setValue(0);
    EXPECT_EQ(run(platform::kCurrentUser), "<none>");
    EXPECT_NE(run(platform::kLocalMachine), "<none>");
    ASSERT_EQ(world.dialogs.shown.size(), 2u) << "each clearing that left the entry says so";
    EXPECT_EQ(world.dialogs.shown[1].caption, "Calvorin");
}

TEST_F(StartupOptionsTest, AMachineWideWriteRemovesAnEarlierPerUserEntry) {
    // Left by an earlier tick as a standard user: kept, the program would start twice.
    settings::trymodReg::trySaveSettingString(platform, platform::kCurrentUser, kRun,
                                              "Calvorin - 1.0", "C:\\Old\\Calvorin.exe m");
    form.chkRun[0].setValue(1);
    EXPECT_EQ(run(platform::kLocalMachine), "\"C:\\Program Files\\Calvorin\\Calvorin.exe\" m");
    EXPECT_EQ(run(platform::kCurrentUser), "<none>");
}

TEST_F(StartupOptionsTest, TheRestoredTickWritesTheEntryWithTheCurrentFolder) {
    world.settings.save("Calvorin", "LastHistory", "chkRun0", "1");
    world.process.path = "D:\\Moved\\Calvorin.exe";
    form.Form_Load();
    EXPECT_EQ(run(platform::kLocalMachine), "D:\\Moved\\Calvorin.exe m");
}

} // namespace
