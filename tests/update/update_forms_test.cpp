#include "update/update_fixture.h"
#include "update/upgrade_form.h"

#include <set>

namespace calvorin::test {

namespace {
// Which pictures are showing, by number (1 to 17).
std::set<int> shownPictures(update::frmLoading& f) {
    std::set<int> shown;
    for (int i = 0; i < f.Picture.count(); ++i)
        if (f.Picture[i].visible()) shown.insert(i + 1);
    return shown;
}
} // namespace

class LoadingTest : public UpdateTest {
  protected:
    update::frmLoading loading{p};
    void SetUp() override {
        UpdateTest::SetUp();
        loading.endProgram = [this] { ++ended; };
    }
};

TEST_F(LoadingTest, ThePicturesTakeTurnsOnePerStepAndOtherStepsChangeNothing) {
    loading.load();
    loading.step = 1;
    std::vector<std::set<int>> seen;
    for (int i = 0; i < 18; ++i) {
        loading.Timer1_Timer();
        seen.push_back(shownPictures(loading));
    }
    EXPECT_EQ(seen[0], (std::set<int>{1}));
    EXPECT_EQ(seen[16], (std::set<int>{17}));
    EXPECT_EQ(seen[17], (std::set<int>{1})); // step 17 wrapped to the first picture
    EXPECT_EQ(loading.step, 2);

    loading.step = 500;
    loading.Timer1_Timer();
    EXPECT_EQ(shownPictures(loading), (std::set<int>{1}));
    EXPECT_EQ(loading.step, 501);
    loading.step = 32767; // the count stops short of overflowing into the pictures' range
    loading.Timer1_Timer();
    EXPECT_EQ(loading.step, 32767);

    // The timers run by themselves from the event loop: 100 ms a picture.
    loading.step = 1;
    world.events.waitUntil(world.events.tickCount() + 1000);
    EXPECT_EQ(loading.step, 11);
}

TEST_F(LoadingTest, TheMarkerSlidesAlongTheLineAndTurnsAtItsEnds) {
    loading.load();
    EXPECT_EQ(loading.lineLength, 4320);
    EXPECT_EQ(loading.weight2, 4320);
    loading.markerOn = true;
    std::vector<float> centres;
    for (int i = 0; i < 12; ++i) {
        loading.Timer2_Timer();
        centres.push_back(loading.Shape1.left() + loading.Shape1.width() / 2);
        EXPECT_FLOAT_EQ(loading.Shape1.top() + loading.Shape1.height() / 2, loading.Line1.y1());
    }
    EXPECT_NEAR(centres[0], loading.Line1.x1(), 1.0);
    // Out to the end and a little past it, back to the start, out again.
    EXPECT_LT(centres[1], centres[4]);
    EXPECT_GT(centres[5], loading.Line1.x2());
    EXPECT_GT(centres[6], centres[9]);
    EXPECT_NEAR(centres[10], loading.Line1.x1(), 1.0);
    EXPECT_LT(centres[10], centres[11]);

    loading.markerOn = false;
    const float left = loading.Shape1.left();
    loading.Timer2_Timer();
    EXPECT_EQ(loading.Shape1.left(), left);
}

class StartUpTest : public LoadingTest {
  protected:
    update::frmUpgrade upgrade{session, loading};
    // The program ends inside the load, as on Windows: nothing after it runs.
    struct Ended {};
    void SetUp() override {
        LoadingTest::SetUp();
        session.endProgram = [this] {
            ++ended;
            throw Ended{};
        };
        loading.endProgram = session.endProgram;
        world.internet.serve(product::kProbeUrl, answer("probe"));
    }
    // Runs the load; true when the program ended in it.
    bool run() {
        try {
            upgrade.load();
        } catch (const Ended&) {
            return true;
        }
        return false;
    }
};

TEST_F(StartUpTest, NotConnectedSaysSoInRedAndStaysOpen) {
    world.internet.online = false;
    const auto start = world.events.tickCount();
    EXPECT_FALSE(run());
    EXPECT_EQ(loading.LoadName.caption(),
              "You are not connected to internet\r\nMake sure you are connected to internet");
    EXPECT_EQ(loading.LoadName.foreColor(), 0x0000FFu);
    EXPECT_FALSE(loading.Shape1.visible());
    EXPECT_TRUE(loading.visible());
    EXPECT_EQ(world.events.tickCount() - start, 6000u);
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(updateValue("ver"), std::nullopt); // not read, so not created
}

TEST_F(StartUpTest, NoHigherVersionEndsTheProgramAfterFiveSeconds) {
    setUpdateValue("ver", "7");
    publish("7");
    EXPECT_TRUE(run());
    EXPECT_EQ(loading.LoadName.caption(), "No upgrade of Calvorin was available");
    EXPECT_EQ(loading.LoadName.foreColor(), 0x0000FFu);
    EXPECT_GE(loading.step, 100);
    EXPECT_TRUE(shownPictures(loading).empty());
    EXPECT_EQ(updateValue("ver"), "7");
    EXPECT_TRUE(world.process.started.empty());
}

TEST_F(StartUpTest, AMissingVersionIsCreatedAsFiveButThisRunOffersAnyVersion) {
    publish("1");
    publishProgram(answer(windowsProgram(2000)));
    const auto mainWindow = world.desktop.addWindow("#32770", "Calvorin 1.0");
    p.settings.save("Calvorin", "Info", "ExeTitile", "Calvorin 1.0");
    // The busy animation runs while the transfers wait.
    std::vector<std::string> statuses;
    world.events.at(world.events.tickCount() + 2000,
                    [&] { statuses.push_back(loading.LoadName.caption()); });
    EXPECT_TRUE(run());
    EXPECT_EQ(statuses, std::vector<std::string>{"Downloading new version .."});
    EXPECT_EQ(updateValue("ver"), "1");
    EXPECT_EQ(updateValue("Up"), "b");
    EXPECT_TRUE(world.desktop.window(mainWindow)->closeRequested);
    EXPECT_EQ(world.process.started.size(), 1u);
    EXPECT_FALSE(loading.Shape1.visible());
    EXPECT_GT(loading.step, 1);
    EXPECT_LT(loading.step, 18);
}

TEST_F(StartUpTest, FailedDownloadsLeaveTheWindowOpenUntilTheUserClosesIt) {
    setUpdateValue("ver", "3");
    publish("4");
    publishProgram(answer("truncated", "404 Not Found"));
    EXPECT_FALSE(run());
    EXPECT_EQ(transfersOf("/cvnupdate.exe"), 6u); // six size queries, each refused
    EXPECT_EQ(loading.LoadName.foreColor(), 0x0000FFu);
    EXPECT_EQ(updateValue("Up"), std::nullopt);
    EXPECT_EQ(ended, 0);
    try {
        loading.unload();
    } catch (const Ended&) {
    }
    EXPECT_EQ(ended, 1);
}

TEST_F(StartUpTest, ClosingTheWindowDuringADownloadCancelsItAndEnds) {
    setUpdateValue("ver", "3");
    publish("4");
    world.internet.serve(server + "/cvnupdate.exe", "", true);
    world.events.at(world.events.tickCount() + 4000, [&] { loading.unload(); });
    EXPECT_TRUE(run());
    EXPECT_FALSE(p.internet.transferExecuting());
    EXPECT_FALSE(world.files.exists(at("cvn.exe")));
}

} // namespace calvorin::test
