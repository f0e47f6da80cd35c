#include "contract/test_platform.h"

#include <gtest/gtest.h>

namespace calvorin::test {

namespace show = platform::show;

// What the boss key relies on: a hidden window keeps its state, and its placement brings it
// back in that state.
TEST(DesktopHidingContract, AHiddenWindowKeepsItsMaximizedOrMinimizedState) {
    auto p = makeTestPlatform();
    auto& desktop = p->desktop();
    for (int state : {show::Maximized, show::Minimized}) {
        const auto w = p->makeWindow("CalvorinContractFrame", "Calvorin hidden window");
        desktop.showWindow(w, state);
        platform::WindowPlacement before;
        ASSERT_TRUE(desktop.getPlacement(w, before).ok());
        ASSERT_EQ(before.showCommand, static_cast<unsigned>(state));

        auto hidden = before;
        hidden.showCommand = show::Hide;
        ASSERT_TRUE(desktop.setPlacement(w, hidden).ok());
        EXPECT_FALSE(desktop.isVisible(w));
        platform::WindowPlacement whileHidden;
        ASSERT_TRUE(desktop.getPlacement(w, whileHidden).ok());
        // The show command of a hidden window is its state, never "hide".
        EXPECT_EQ(whileHidden.showCommand, static_cast<unsigned>(state)) << state;

        ASSERT_TRUE(desktop.setPlacement(w, before).ok());
        EXPECT_TRUE(desktop.isVisible(w));
        EXPECT_EQ(desktop.isIconic(w), state == show::Minimized);
        platform::WindowPlacement after;
        ASSERT_TRUE(desktop.getPlacement(w, after).ok());
        EXPECT_EQ(after.showCommand, static_cast<unsigned>(state));
    }
}

} // namespace calvorin::test
