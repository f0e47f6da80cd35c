#include "core/main_form.h"
#include "update/update_fixture.h"
#include "update/upgrade_handoff.h"

namespace calvorin::test {

class HandOffTest : public UpdateTest {
  protected:
    std::vector<std::string> opened;
    update::HandOffPlace place{folder, [this](const std::string& a) { opened.push_back(a); }};
    void SetUp() override {
        UpdateTest::SetUp();
        world.files.put(at("Calvorin.exe"), "old program");
        world.files.put(at("cvn.exe"), "new program");
    }
    bool check() { return update::Check_For_Update(p, place); }
};

TEST_F(HandOffTest, IdleOrUnknownStagesChangeNothing) {
    for (const char* stage : {"", "a", "ab", "BA", "x"}) {
        SCOPED_TRACE(stage);
        if (*stage) setUpdateValue("Up", stage);
        const auto start = world.events.tickCount();
        EXPECT_FALSE(check());
        EXPECT_EQ(world.events.tickCount(), start);
        EXPECT_EQ(world.files.contents(at("Calvorin.exe")), "old program");
        EXPECT_TRUE(world.files.exists(at("cvn.exe")));
        EXPECT_TRUE(world.process.started.empty());
    }
    EXPECT_EQ(updateValue("Up"), "x");
}

TEST_F(HandOffTest, StageBReplacesTheMainProgramInOneStepAndStartsIt) {
    setUpdateValue("Up", "B");
    const auto start = world.events.tickCount();
    EXPECT_TRUE(check());
    EXPECT_EQ(world.events.tickCount() - start, 12000u);
    EXPECT_EQ(world.files.contents(at("Calvorin.exe")), "new program");
    EXPECT_FALSE(world.files.exists(at("Calvorin.exe.new")));
    EXPECT_EQ(updateValue("Up"), "c");
    EXPECT_EQ(world.process.started, (std::vector<platform::emulated::Process::Started>{
                                         {at("Calvorin.exe"), platform::show::Minimized}}));
}

TEST_F(HandOffTest, AFailedSwapKeepsTheOldProgramAndTriesAgainNextTime) {
    setUpdateValue("Up", "b");
    // The copy fails (a full disk) ...
    world.failures.fail("Shell.copyFile",
                        platform::Status::failure(112, "There is not enough space on the disk."));
    EXPECT_FALSE(check());
    // ... or the old program is still running and holds its file.
    world.files.setInUse(at("Calvorin.exe"));
    EXPECT_FALSE(check());
    EXPECT_FALSE(world.files.exists(at("Calvorin.exe.new")));
    EXPECT_EQ(world.files.contents(at("Calvorin.exe")), "old program");
    EXPECT_EQ(updateValue("Up"), "b");
    EXPECT_TRUE(world.process.started.empty());

    world.files.setInUse(at("Calvorin.exe"), false);
    EXPECT_TRUE(check());
    EXPECT_EQ(world.files.contents(at("Calvorin.exe")), "new program");
}

TEST_F(HandOffTest, StageBWithoutTheDownloadGivesUpAtOnce) {
    world.files.remove(at("cvn.exe"));
    setUpdateValue("Up", "b");
    const auto start = world.events.tickCount();
    EXPECT_FALSE(check());
    EXPECT_EQ(world.events.tickCount(), start);
    EXPECT_EQ(updateValue("Up"), "a");
    EXPECT_EQ(world.files.contents(at("Calvorin.exe")), "old program");
}

TEST_F(HandOffTest, StageCRemovesTheDownloadAndAnnouncesTheUpgradeOnce) {
    setUpdateValue("Up", "c");
    setUpdateValue("donreq", "z");
    const auto start = world.events.tickCount();
    EXPECT_FALSE(check());
    EXPECT_EQ(world.events.tickCount() - start, 5000u);
    EXPECT_FALSE(world.files.exists(at("cvn.exe")));
    EXPECT_EQ(updateValue("Up"), "a");
    EXPECT_EQ(updateValue("donreq"), std::nullopt);
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].text, "Calvorin Upgraded. Thank you");
    EXPECT_EQ(world.dialogs.shown[0].caption, "Calvorin");
    EXPECT_EQ(world.dialogs.shown[0].style, platform::MbOk);
    EXPECT_EQ(opened, std::vector<std::string>{std::string(product::kVendorSite) + "/upgrade.php"});

    EXPECT_FALSE(check()); // the next start finds "a"
    EXPECT_EQ(world.dialogs.shown.size(), 1u);
}

TEST_F(HandOffTest, StageCWithoutAnnouncementOrWithALockedDownloadStillEndsAtA) {
    setUpdateValue("Up", "c");
    world.files.setInUse(at("cvn.exe"));
    EXPECT_FALSE(check()); // "donreq" missing: deleting it is no error
    EXPECT_TRUE(world.dialogs.shown.empty());
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(updateValue("Up"), "a");
    EXPECT_TRUE(world.files.exists(at("cvn.exe")));

    setUpdateValue("Up", "C");
    setUpdateValue("donreq", "");
    EXPECT_FALSE(check());
    EXPECT_EQ(updateValue("donreq"), std::nullopt);
    EXPECT_TRUE(world.dialogs.shown.empty());
}

TEST_F(HandOffTest, CheckForUpgradeStartsTheUpdateProgramOrSaysItIsMissing) {
    core::frmMain form(p);
    update::plugUpgrade(form, p, place);
    form.Command1.click();
    EXPECT_FALSE(form.Image7.visible());
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].text,
              "Upgrade client is missing. Please reinstall the software.");
    EXPECT_EQ(world.dialogs.shown[0].style, platform::MbOk | platform::MbIconInformation);
    EXPECT_EQ(world.dialogs.shown[0].caption, "Calvorin");

    world.files.put(at("Update.exe"), "update program");
    form.Command1.click();
    EXPECT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.process.started, (std::vector<platform::emulated::Process::Started>{
                                         {at("Update.exe"), platform::show::Minimized}}));

    // The load runs the swap: stage "b" ends this copy before its window shows.
    setUpdateValue("Up", "b");
    EXPECT_FALSE(form.Form_Load());
    EXPECT_TRUE(form.ending());
}

} // namespace calvorin::test
