#include "core/main_form_fixture.h"

#include "toolkit/timer.h"

#include <stdexcept>
#include <vector>

using namespace calvorin;
using core::TraceGroup;

namespace {

class EraseRunTest : public test::MainFormTest {
  protected:
    // Plugs an operation into every item that records its run step and the clock.
    void recordAll() {
        int step = 0;
        for (const auto& item : core::traceItems()) {
            ++step;
            form.eraseOperations.plug(item.group, item.index, {[this, step] {
                calls.push_back({step, world.events.tickCount()});
            }});
        }
    }
    struct Call {
        int step;
        std::uint64_t tick;
    };
    std::vector<Call> calls;
};

TEST_F(EraseRunTest, NothingTickedShowsTheMessageAndChangesNothing) {
    form.spProg.setWidth(123);
    form.Label1.setCaption("before");
    form.doClean();
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].text, "No item has been selected");
    EXPECT_EQ(world.dialogs.shown[0].caption, "Calvorin");
    EXPECT_EQ(world.dialogs.shown[0].style, platform::MbOk);
    EXPECT_EQ(form.spProg.width(), 123);
    EXPECT_EQ(form.Label1.caption(), "before");
    EXPECT_EQ(stamp(), "<none>");
}

TEST_F(EraseRunTest, AGreyedBoxCountsAsNotSelected) {
    form.chkWinSettings[0].setValue(2);
    form.doClean();
    EXPECT_EQ(world.dialogs.shown.size(), 1u);
}

TEST_F(EraseRunTest, EveryItemRunsInCatalogueOrderWithItsPause) {
    recordAll();
    for (int g = 0; g < core::kGroupCount; ++g)
        for (auto& box : form.group(static_cast<TraceGroup>(g))) box.setValue(1);
    const std::uint64_t start = world.events.tickCount();
    form.doClean();
    ASSERT_EQ(calls.size(), 28u);
    for (int i = 0; i < 28; ++i) EXPECT_EQ(calls[static_cast<std::size_t>(i)].step, i + 1);
    // Steps 1-22 pause before their operation, 23-28 after; Internet Explorer item 1 (step 12)
    // never pauses. So step n runs at n seconds (n-1 from step 12 on, up to 22), and step
    // 23 runs right after 22, having not yet paused.
    auto at = [&](int step) { return (calls[static_cast<std::size_t>(step - 1)].tick - start) / 1000; };
    EXPECT_EQ(at(1), 1u);
    EXPECT_EQ(at(11), 11u);
    EXPECT_EQ(at(12), 11u);
    EXPECT_EQ(at(13), 12u);
    EXPECT_EQ(at(22), 21u);
    EXPECT_EQ(at(23), 21u);
    EXPECT_EQ(at(24), 22u);
    EXPECT_EQ(world.events.tickCount() - start, 27'000u);
    EXPECT_EQ(form.Label1.caption(), "Done.");
    EXPECT_EQ(form.spProg.width(), form.SpProgBound.width());
}

TEST_F(EraseRunTest, StatusNamesTheItemBeforeItsOperationRuns) {
    std::vector<std::string> seen;
    form.eraseOperations.plug(TraceGroup::Windows, 7, {[&] { seen.push_back(form.Label1.caption()); }});
    form.eraseOperations.plug(TraceGroup::Opera, 1, {[&] { seen.push_back(form.Label1.caption()); },
                                                      [&] { seen.push_back("second"); }});
    form.chkWinSettings[7].setValue(1);
    form.chkOPsettings[1].setValue(1);
    form.doClean();
    EXPECT_EQ(seen, (std::vector<std::string>{" Windows Temp File Folder  Erased.",
                                              "Opera Cache  Erased.", "second"}));
}

TEST_F(EraseRunTest, ThreeItemsOnAThousandWideBarStepBy333ThenFill) {
    form.SpProgBound.setWidth(1000);
    std::vector<float> widths;
    for (int i : {0, 3, 5}) {
        form.eraseOperations.plug(TraceGroup::Windows, i, {[&] { widths.push_back(form.spProg.width()); }});
        form.chkWinSettings[i].setValue(1);
    }
    form.doClean();
    EXPECT_EQ(widths, (std::vector<float>{0, 333, 666}));
    EXPECT_EQ(form.spProg.width(), 1000);
}

TEST_F(EraseRunTest, TheStepRoundsHalvesToTheEvenNeighbour) {
    // 10 / 4 = 2.5 -> 2 ; 14 / 4 = 3.5 -> 4
    for (auto [bound, expected] : {std::pair{10.0f, 2.0f}, std::pair{14.0f, 4.0f}}) {
        form.SpProgBound.setWidth(bound);
        float last = 0;
        for (int i = 0; i < 4; ++i) {
            form.eraseOperations.plug(TraceGroup::Windows, i, {[&] { last = form.spProg.width(); }});
            form.chkWinSettings[i].setValue(1);
        }
        form.doClean();
        EXPECT_EQ(last, 3 * expected) << bound;
    }
}

TEST_F(EraseRunTest, OnlyTheAutoCompleteFormsItemRunsWithoutPause) {
    const auto start = world.events.tickCount();
    form.chkIEsettings[1].setValue(1);
    form.doClean();
    EXPECT_EQ(world.events.tickCount(), start);
    EXPECT_EQ(form.Label1.caption(), "Done.");
    EXPECT_EQ(form.spProg.width(), form.SpProgBound.width());
    EXPECT_EQ(stamp(), "12/6/2026");
}

TEST_F(EraseRunTest, TheStampAndTheThreeLastEraseTextsAgree) {
    world.events.setNow({{2027, 3, 9}, 23, 59, 59});
    form.chkWinSettings[5].setValue(1); // one second passes: the run ends on 10 March
    form.doClean();
    EXPECT_EQ(stamp(), "3/10/2027");
    EXPECT_EQ(form.LastCleanMonth, "March");
    EXPECT_EQ(form.LastCleanCap.caption(), "Last Erase :  10-March-2027");
    EXPECT_EQ(form.lastEraseText("Last Erase :   "), "Last Erase :   10-March-2027");
    form.chkWinSettings[5].setValue(0);
    EXPECT_EQ(form.Label1.caption(), "Last Erase :-   10-March-2027");
}

TEST_F(EraseRunTest, TheStampFollowsTheSystemsShortDateFormat) {
    world.events.setShortDatePattern("dd.MM.yyyy");
    form.chkWinSettings[0].setValue(1);
    form.doClean();
    EXPECT_EQ(stamp(), "06.12.2026");
    EXPECT_EQ(form.LastCleanCap.caption(), "Last Erase :  6-December-2026");
}

TEST_F(EraseRunTest, LastDateCleanReadsTheStampOrFallsBackToToday) {
    form.LastDateClean();
    EXPECT_EQ(form.lastEraseText(""), "6-December-2026") << "never erased: today";
    world.settings.save("Calvorin", "MViewer", "lastClean", "  1/31/2025 ");
    form.LastDateClean();
    EXPECT_EQ(form.lastEraseText(""), "31-January-2025");
    world.settings.save("Calvorin", "MViewer", "lastClean", "yesterday");
    form.LastDateClean();
    EXPECT_EQ(form.lastEraseText(""), "6-December-2026") << "not a date: today";
    world.settings.save("Calvorin", "MViewer", "lastClean", "2/30/2025");
    form.LastDateClean();
    EXPECT_EQ(form.lastEraseText(""), "6-December-2026");
}

TEST_F(EraseRunTest, ABoxTickedDuringTheRunCountsAtItsOwnStep) {
    recordAll();
    form.chkWinSettings[0].setValue(1);
    form.chkWinSettings[9].setValue(1);
    // Half a second in, the user ticks item 4 and clears item 9.
    world.events.at(world.events.tickCount() + 500, [&] {
        form.chkWinSettings[4].setValue(1);
        form.chkWinSettings[9].setValue(0);
    });
    form.doClean();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].step, 1);
    EXPECT_EQ(calls[1].step, 5);
    EXPECT_EQ(form.spProg.width(), form.SpProgBound.width());
}

TEST_F(EraseRunTest, AStartRequestDuringARunIsDroppedAndTheRunGoesOn) {
    recordAll();
    int saves = 0;
    form.cookieKeeper.saveKeptCookies = [&] { ++saves; };
    form.cookieKeeper.listFilled = [] { return true; };
    form.chkWinSettings[0].setValue(1);
    form.chkWinSettings[1].setValue(1);
    world.events.at(world.events.tickCount() + 500, [&] {
        form.cmdClean.click();
        form.doClean();
    });
    form.cmdClean.click();
    EXPECT_EQ(saves, 1);
    ASSERT_EQ(calls.size(), 2u) << "no nested run erased anything twice";
    EXPECT_EQ(form.Label1.caption(), "Done.");
    EXPECT_FALSE(form.cleaning());
    form.cmdClean.click(); // and a later request runs again
    EXPECT_EQ(calls.size(), 4u);
    EXPECT_EQ(saves, 2);
}

TEST_F(EraseRunTest, AFailingOperationDoesNotStopTheRun) {
    recordAll();
    form.eraseOperations.plug(TraceGroup::Windows, 2, {[] { throw std::runtime_error("locked"); }});
    form.chkWinSettings[2].setValue(1);
    form.chkWinSettings[3].setValue(1);
    form.doClean();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].step, 4);
    EXPECT_EQ(form.Label1.caption(), "Done.");
    EXPECT_NE(stamp(), "<none>");
}

TEST_F(EraseRunTest, TimersKeepFiringDuringThePauses) {
    int ticks = 0;
    toolkit::Timer clock(world.events);
    clock.onTimer = [&] { ++ticks; };
    clock.setInterval(100);
    clock.setEnabled(true);
    form.chkWinSettings[0].setValue(1);
    form.chkWinSettings[1].setValue(1);
    form.doClean();
    EXPECT_EQ(ticks, 20);
}

TEST_F(EraseRunTest, StartCleaningSavesTheKeepListFirst) {
    std::vector<std::string> order;
    form.cookieKeeper.saveKeptCookies = [&] { order.push_back("save"); };
    form.cookieKeeper.listFilled = [] { return true; };
    form.eraseOperations.plug(TraceGroup::InternetExplorer, 8, {[&] { order.push_back("delete"); },
                                                                 [&] { order.push_back("reload"); }});
    form.chkIEsettings[8].setValue(1);
    order.clear();
    form.cmdClean.click();
    EXPECT_EQ(order, (std::vector<std::string>{"save", "delete", "reload"}));
}

} // namespace
