#include "toolkit/display_controls.h"
#include "toolkit/edit_controls.h"

#include "toolkit/recording_peer.h"

#include <gtest/gtest.h>

#include <vector>

using namespace calvorin::toolkit;

namespace {

using calvorin::test::RecordingPeer;

TEST(EditControls, ATextBoxRunsChangeOnlyForANewText) {
    TextBox box;
    RecordingPeer peer;
    box.bind(&peer);
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.setText("10");
    box.setText("10");
    box.setText("");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(peer.changes, std::vector<Property>(2, Property::Caption));
}

TEST(EditControls, ADropdownListShowsOnlyItsRowsAndClicksOnAChoice) {
    ComboBox week(ComboBox::Style::DropdownList);
    for (const char* d : {"Sun", "Mon", "Tue"})
        week.addItem(d);
    int clicks = 0;
    week.onClick = [&] { ++clicks; };
    EXPECT_EQ(week.listIndex(), -1);
    EXPECT_TRUE(week.setListIndex(2));
    EXPECT_EQ(week.text(), "Tue");
    EXPECT_TRUE(week.setListIndex(2));
    EXPECT_EQ(clicks, 1) << "the same row again is no choice";
    EXPECT_FALSE(week.setListIndex(3));
    EXPECT_FALSE(week.setListIndex(-2));
    EXPECT_FALSE(week.setText("Fri"));
    EXPECT_EQ(week.listIndex(), 2);
    EXPECT_TRUE(week.setText("mon")) << "letter case aside";
    EXPECT_EQ(week.text(), "Mon");
    EXPECT_EQ(week.listIndex(), 1);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(week.setListIndex(-1));
    EXPECT_EQ(week.text(), "");
}

TEST(EditControls, ADropdownTakesAnyTextAndMarksTheRowItNames) {
    ComboBox keys(ComboBox::Style::Dropdown);
    for (const char* k : {"F2", "F3"})
        keys.addItem(k);
    int clicks = 0, changes = 0;
    keys.onClick = [&] { ++clicks; };
    keys.onChange = [&] { ++changes; };
    EXPECT_TRUE(keys.setText(" F3 "));
    EXPECT_EQ(keys.text(), " F3 ");
    EXPECT_EQ(keys.listIndex(), -1);
    EXPECT_TRUE(keys.setText("F3"));
    EXPECT_EQ(keys.listIndex(), 1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(clicks, 0) << "typing is no choice from the list";
    keys.setListIndex(0);
    EXPECT_EQ(keys.text(), "F2");
    EXPECT_EQ(clicks, 1);
}

TEST(EditControls, ASpinStepsItsBuddyWithinItsRange) {
    TextBox minutes;
    UpDown spin;
    spin.setRange(1, 12);
    spin.buddy = &minutes;
    int changes = 0;
    spin.onChange = [&] { ++changes; };
    EXPECT_TRUE(spin.setValue(10));
    EXPECT_EQ(minutes.text(), "10");
    EXPECT_FALSE(spin.setValue(13));
    EXPECT_EQ(spin.value(), 10);
    spin.up();
    spin.up();
    spin.up();
    EXPECT_EQ(spin.value(), 12) << "stops at the top";
    EXPECT_EQ(minutes.text(), "12");
    minutes.setText("4"); // typed by the user
    spin.down();
    EXPECT_EQ(minutes.text(), "3");
    minutes.setText("abc");
    spin.up();
    EXPECT_EQ(minutes.text(), "4") << "text that is no number steps from the last value";
    spin.setIncrement(5);
    spin.down();
    EXPECT_EQ(spin.value(), 1) << "stops at the bottom";
    spin.setEnabled(false);
    spin.up();
    EXPECT_EQ(spin.value(), 1);
    EXPECT_EQ(changes, 6);
}

TEST(EditControls, ATimePickerKeepsAValidTimeAndFormatsIt) {
    DTPicker picker;
    int changes = 0;
    picker.onChange = [&] { ++changes; };
    EXPECT_EQ(picker.customFormat(), "hh:mm tt");
    EXPECT_EQ(picker.text(), "12:00 AM");
    EXPECT_TRUE(picker.setHour(9));
    EXPECT_TRUE(picker.setMinute(5));
    EXPECT_EQ(picker.text(), "09:05 AM");
    EXPECT_TRUE(picker.setHour(12));
    EXPECT_EQ(picker.text(), "12:05 PM");
    EXPECT_TRUE(picker.setHour(23));
    EXPECT_EQ(picker.text(), "11:05 PM");
    EXPECT_FALSE(picker.setHour(24));
    EXPECT_FALSE(picker.setMinute(60));
    EXPECT_FALSE(picker.setMinute(-1));
    EXPECT_EQ(picker.hour(), 23);
    EXPECT_EQ(picker.minute(), 5);
    picker.setHour(23);
    EXPECT_EQ(changes, 4);
    picker.setCustomFormat("H:m:ss t");
    EXPECT_EQ(picker.text(), "23:5:00 P");
}

TEST(DisplayControls, AProgressBarRefusesAPositionOutsideItsRange) {
    ProgressBar bar;
    EXPECT_TRUE(bar.setValue(100));
    EXPECT_FALSE(bar.setValue(101));
    EXPECT_FALSE(bar.setValue(-1));
    EXPECT_EQ(bar.value(), 100);
    EXPECT_FALSE(bar.setRange(5, 5));
    EXPECT_TRUE(bar.setRange(0, 50));
    EXPECT_EQ(bar.value(), 50) << "brought into the new range";
}

} // namespace
