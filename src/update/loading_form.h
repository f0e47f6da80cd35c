#pragma once
#include "platform/platform.h"
#include "toolkit/control_array.h"
#include "toolkit/controls.h"
#include "toolkit/display_controls.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"

#include <cstdint>
#include <functional>

namespace calvorin::update {

// The update program's status window: a fixed text, the status line, a marker sliding along
// a line while the program checks, and a busy animation of 17 pictures while it downloads.
class frmLoading : public toolkit::Form {
  public:
    explicit frmLoading(platform::Platform& platform);

    toolkit::Label Label1;   // "It may take some time ..."
    toolkit::Label LoadName; // the status line
    toolkit::Line Line1;
    toolkit::Shape Shape1; // the marker on Line1
    // Picture1 to Picture17 at indexes 0 to 16.
    toolkit::ControlArray<toolkit::Picture> Picture{17};
    toolkit::Timer Timer1; // 100 ms, the pictures
    toolkit::Timer Timer2; // 200 ms, the marker

    // --- the animations' state ---
    // Step n (1 to 17) shows Picture n; other values show no change and keep counting.
    std::int16_t step = 0;
    bool markerOn = false;
    std::int32_t weight1 = 1, weight2 = 0;
    bool weightsRising = true; // weight1 grows while true
    std::int16_t lineLength = 0;

    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    // Closing the window stops any transfer and ends the program.
    void Form_Unload();
    std::function<void()> endProgram;

    // Red, as Windows packs colours.
    static constexpr std::uint32_t kRed = 0x0000FF;

  private:
    platform::Platform& platform_;
};

} // namespace calvorin::update
