#include "contract/test_platform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace calvorin::test {

TEST(DesktopContract, FindsATopLevelWindowByClassAndTitle) {
    auto p = makeTestPlatform();
    auto& desktop = p->desktop();
    const auto w = p->makeWindow("CalvorinContractFrame", "Calvorin contract window");
    ASSERT_NE(w, 0u);
    auto all = desktop.topLevelWindows();
    EXPECT_NE(std::find(all.begin(), all.end(), w), all.end());
    EXPECT_EQ(desktop.className(w), "CalvorinContractFrame");
    EXPECT_EQ(desktop.title(w), "Calvorin contract window");
    EXPECT_EQ(desktop.findByTitle("Calvorin contract window"), w);
    EXPECT_EQ(desktop.findByTitle("No window has this title 8c1f"), 0u);
    EXPECT_TRUE(desktop.isVisible(w));
}

TEST(DesktopContract, APlacementWithShowCommandZeroHidesAndTheSavedOneBringsItBack) {
    auto p = makeTestPlatform();
    auto& desktop = p->desktop();
    const auto w = p->makeWindow("CalvorinContractFrame", "Calvorin placement window");
    platform::WindowPlacement saved;
    ASSERT_TRUE(desktop.getPlacement(w, saved).ok());
    EXPECT_EQ(saved.showCommand, static_cast<unsigned>(platform::show::Normal));
    auto hidden = saved;
    hidden.showCommand = platform::show::Hide;
    ASSERT_TRUE(desktop.setPlacement(w, hidden).ok());
    EXPECT_FALSE(desktop.isVisible(w));
    ASSERT_TRUE(desktop.setPlacement(w, saved).ok());
    EXPECT_TRUE(desktop.isVisible(w));
    EXPECT_FALSE(desktop.isIconic(w));

    desktop.showWindow(w, platform::show::Minimized);
    EXPECT_TRUE(desktop.isIconic(w));
    desktop.restoreFromMinimized(w);
    EXPECT_FALSE(desktop.isIconic(w));
}

TEST(DesktopContract, AGoneWindowFailsItsPlacementCalls) {
    auto p = makeTestPlatform();
    platform::WindowPlacement placement;
    EXPECT_FALSE(p->desktop().getPlacement(0x7ffff0, placement).ok());
    EXPECT_FALSE(p->desktop().setPlacement(0x7ffff0, placement).ok());
    EXPECT_FALSE(p->desktop().postClose(0x7ffff0).ok());
    EXPECT_EQ(p->desktop().className(0x7ffff0), "");
}

} // namespace calvorin::test
