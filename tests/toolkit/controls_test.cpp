#include "platform/emulated/event_loop.h"
#include "toolkit/control_array.h"
#include "toolkit/controls.h"
#include "toolkit/timer.h"

#include "toolkit/recording_peer.h"

#include <gtest/gtest.h>

#include <vector>

using namespace calvorin;
using namespace calvorin::toolkit;

namespace {

using calvorin::test::RecordingPeer;

TEST(Controls, ACheckBoxRunsItsClickOnlyWhenItsStateChanges) {
    CheckBox box;
    RecordingPeer peer;
    box.bind(&peer);
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.setValue(1);
    box.setValue(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(box.setValue(7)) << "no such state";
    EXPECT_EQ(box.value(), 1);
    box.setValue(2);
    box.click(); // the user clicks a greyed box: it ticks
    EXPECT_EQ(box.value(), 1);
    box.click();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(peer.changes, std::vector<Property>(4, Property::Value));
}

TEST(Controls, APeerSeesEachChangeOnce) {
    Label label;
    RecordingPeer peer;
    label.bind(&peer);
    label.setCaption("a");
    label.setCaption("a");
    label.setVisible(false);
    label.setToolTipText("tip");
    EXPECT_EQ(peer.changes,
              (std::vector<Property>{Property::Caption, Property::Visible, Property::ToolTip}));
}

TEST(Controls, ADisabledButtonIgnoresTheUser) {
    CommandButton b;
    int clicks = 0;
    b.onClick = [&] { ++clicks; };
    b.click();
    b.setEnabled(false);
    b.click();
    EXPECT_EQ(clicks, 1);
}

TEST(Controls, OptionArraysExcludeEachOtherAndReportTheIndex) {
    ControlArray<OptionButton> options(3);
    std::vector<int> clicked;
    options.setOnClick([&](int i) { clicked.push_back(i); });
    options[1].setValue(true);
    options[2].click();
    options[2].click();
    EXPECT_FALSE(options[1].value());
    EXPECT_TRUE(options[2].value());
    EXPECT_EQ(clicked, (std::vector<int>{1, 2})) << "the option cleared runs nothing";
}

TEST(Controls, AListReportsSelectionChangesPerRow) {
    ListBox list;
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.addItem("one");
    list.addItem("two");
    list.setSelected(1, true);
    list.setSelected(1, true);
    list.setSelected(5, true); // no such row
    EXPECT_TRUE(list.selected(1));
    EXPECT_FALSE(list.selected(0));
    EXPECT_EQ(clicks, 1);
    list.clear();
    EXPECT_EQ(list.listCount(), 0);
}

TEST(Controls, ATabStripRunsItsClickOnAChangeOfTab) {
    TabStrip tabs;
    tabs.tabs = {"a", "b"};
    int clicks = 0;
    tabs.onClick = [&] { ++clicks; };
    tabs.setSelectedIndex(1);
    tabs.setSelectedIndex(1);
    EXPECT_FALSE(tabs.setSelectedIndex(2));
    EXPECT_EQ(tabs.selectedIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST(Controls, ACalendarRefusesADateThatDoesNotExist) {
    MonthView mv;
    EXPECT_TRUE(mv.setValue({2024, 2, 29}));
    EXPECT_FALSE(mv.setValue({2025, 2, 29}));
    EXPECT_EQ(mv.value(), (platform::Date{2024, 2, 29}));
}

TEST(Controls, ATimerTicksOnlyWhileEnabledWithAnInterval) {
    platform::emulated::EventLoop loop;
    Timer timer(loop);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setEnabled(true); // no interval yet
    loop.waitUntil(loop.tickCount() + 1000);
    EXPECT_EQ(ticks, 0);
    timer.setInterval(100);
    loop.waitUntil(loop.tickCount() + 1000);
    EXPECT_EQ(ticks, 10);
    timer.setEnabled(false);
    loop.waitUntil(loop.tickCount() + 1000);
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(loop.activeTimers(), 0u);
}

} // namespace
