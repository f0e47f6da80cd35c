#include "core/main_form_fixture.h"

#include <vector>

using namespace calvorin;

namespace {

using MainFormDesignTest = test::MainFormTest;

template <class Array> std::vector<std::string> captions(Array& controls) {
    std::vector<std::string> out;
    for (auto& c : controls)
        out.push_back(c.caption());
    return out;
}

std::vector<std::string> rows(const toolkit::ComboBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.listCount(); ++i)
        out.push_back(list.list(i));
    return out;
}

TEST_F(MainFormDesignTest, TheScheduleControlsStartAsDesigned) {
    EXPECT_EQ(captions(form.optShEn), (std::vector<std::string>{"Enabled", "Disabled"}));
    EXPECT_EQ(captions(form.optSchedule),
              (std::vector<std::string>{"Erase Daily at ", "Erase every", "Erase Weekly"}));
    for (auto& option : form.optSchedule)
        EXPECT_FALSE(option.value());
    EXPECT_EQ(rows(form.cmbWeek),
              (std::vector<std::string>{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}));
    EXPECT_EQ(form.cmbWeek.text(), "Sun");
    for (auto& picker : form.dtpTime)
        EXPECT_EQ(picker.text(), "12:00 PM");
    EXPECT_EQ(form.txtMin.text(), "10");
    form.UpDown1.up();
    EXPECT_EQ(form.txtMin.text(), "11") << "the spin steps the interval box";
    EXPECT_EQ(form.fraSetSchedule.caption(), "Set Schedule");
}

TEST_F(MainFormDesignTest, TheStartupPageStartsAsDesigned) {
    std::vector<std::string> keys;
    for (int f = 2; f <= 12; ++f)
        keys.push_back("F" + std::to_string(f));
    EXPECT_EQ(rows(form.cmbBoss), keys);
    EXPECT_EQ(form.cmbBoss.text(), "F2");
    EXPECT_EQ(captions(form.chkRun),
              (std::vector<std::string>{"Run During Windows Start Up",
                                        "Erase During Application ShutDown",
                                        "Erase During Application Start Up"}));
    const toolkit::Label* info[] = {&form.Label23, &form.Label24, &form.Label20,
                                    &form.Label19, &form.Label27, &form.Label28};
    std::vector<std::string> infoCaptions;
    for (auto* l : info)
        infoCaptions.push_back(l->caption());
    EXPECT_EQ(infoCaptions, (std::vector<std::string>{
                                "Total Memory:", "Available Memory:", "Number of Processors:",
                                "Processor Type:", "OS Name:", "OS Version:"}));
}

TEST_F(MainFormDesignTest, TheShredderAndHelpPagesStartAsDesigned) {
    EXPECT_EQ(form.txtLevel.text(), "50");
    form.UpDown2.down();
    EXPECT_EQ(form.txtLevel.text(), "49");
    EXPECT_FALSE(form.pb1.visible());
    EXPECT_EQ(form.pb1.max(), 100);
    EXPECT_EQ(form.lStat.caption(), "Status");
    EXPECT_EQ(form.lFC.caption(), "FileCount");
    EXPECT_EQ(form.lstFiles.listCount(), 0);
    EXPECT_EQ(form.Label15.caption(), "Calvorin");
    EXPECT_EQ(form.Label16.caption(), "Click here for Help Files");
    for (auto& paragraph : form.lblHelpText)
        EXPECT_FALSE(paragraph.caption().empty());
}

TEST_F(MainFormDesignTest, TimersWaitForTheModulesThatUseThem) {
    EXPECT_EQ(form.timSchedule.interval(), 60000u);
    EXPECT_EQ(form.Timer1.interval(), 100u);
    EXPECT_EQ(form.timeHide.interval(), 50u);
    EXPECT_EQ(world.events.activeTimers(), 0u);
}

} // namespace
