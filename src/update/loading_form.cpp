#include "update/loading_form.h"

#include "core/numbers.h"

#include <cmath>
#include <limits>

namespace calvorin::update {

namespace {
constexpr std::int32_t kWeightStep = 1000;
}

frmLoading::frmLoading(platform::Platform& platform)
    : Timer1(platform.events), Timer2(platform.events), platform_(platform) {
    setCaption("Calvorin -- Upgrade");
    Label1.setCaption(
        "It may take some time. Depending on your internet connection speed, Please wait.");
    // Layout in twips, as the window lays it out.
    Line1.move(360, 1560, 4680, 1560);
    Shape1.move(300, 1500, 120, 120);
    for (int i = 0; i < Picture.count(); ++i) {
        Picture[i].setPicture("FRAME" + std::to_string(i + 1));
        Picture[i].setVisible(false);
    }
    Timer1.setInterval(100);
    Timer2.setInterval(200);
    onLoad = [this] { Form_Load(); };
    onUnload = [this] { Form_Unload(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
}

void frmLoading::Form_Load() {
    const double dx = Line1.x2() - Line1.x1(), dy = Line1.y2() - Line1.y1();
    lineLength = core::roundToInt16(std::sqrt(dx * dx + dy * dy))
                     .value_or(std::numeric_limits<std::int16_t>::max());
    weight1 = 1;
    weight2 = lineLength;
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
}

void frmLoading::Timer1_Timer() {
    if (step >= 1 && step <= 17) {
        Picture[step == 1 ? 16 : step - 2].setVisible(false);
        Picture[step - 1].setVisible(true);
        if (step == 17) step = 0;
    }
    // Past the pictures the count only has to stay out of their range.
    if (step < std::numeric_limits<std::int16_t>::max()) ++step;
}

void frmLoading::Timer2_Timer() {
    if (!markerOn) return;
    const double sum = static_cast<double>(weight1) + weight2;
    if (sum != 0) {
        const double x = (Line1.x1() * weight2 + Line1.x2() * weight1) / sum;
        const double y = (Line1.y1() * weight2 + Line1.y2() * weight1) / sum;
        Shape1.move(static_cast<float>(x - Shape1.width() / 2),
                    static_cast<float>(y - Shape1.height() / 2), Shape1.width(), Shape1.height());
    }
    if (weightsRising) {
        weight1 += kWeightStep;
        weight2 -= kWeightStep;
    } else {
        weight1 -= kWeightStep;
        weight2 += kWeightStep;
    }
    if (weight1 >= lineLength)
        weightsRising = false;
    else if (weight1 <= 1)
        weightsRising = true;
}

void frmLoading::Form_Unload() {
    platform_.internet.cancelTransfer();
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    if (endProgram) endProgram();
}

} // namespace calvorin::update
