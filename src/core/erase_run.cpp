// The erase run, its pacing and the last-erase stamp.
#include "core/main_form.h"
#include "core/numbers.h"
#include "core/pause.h"

#include <array>

namespace calvorin::core {

namespace {
// Items from this run position on pause after their operation instead of before it.
constexpr int kPauseAfterFrom = 22;

std::string stampSection() { return "MViewer"; }
std::string stampKey() { return "lastClean"; }

// Clears the running flag however the run ends.
struct RunGuard {
    bool& flag;
    explicit RunGuard(bool& f) : flag(f) { flag = true; }
    ~RunGuard() { flag = false; }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;
};
} // namespace

void frmMain::startCleaning() {
    if (cleaning_) return; // a click during a run's pause would otherwise nest a second run
    saveKeepList();
    doClean();
}

void frmMain::doClean() {
    if (cleaning_) return;
    runSelected();
    if (runEnded) runEnded();
}

void frmMain::runSelected() {
    int selected = 0;
    for (const TraceItem& item : traceItems())
        if (group(item.group)[item.index].value() == toolkit::Checked) ++selected;
    if (selected == 0) {
        platform_.dialogs.messageBox("No item has been selected", kProgramTitle, platform::MbOk);
        return;
    }
    RunGuard guard(cleaning_);
    const float step = roundToInt16(SpProgBound.width() / static_cast<float>(selected)).value_or(0);
    spProg.setWidth(0);

    const auto& items = traceItems();
    for (int pos = 0; pos < kItemCount; ++pos) {
        const TraceItem& item = items[static_cast<std::size_t>(pos)];
        // Read at each step: a box ticked or cleared during the run counts at its own step.
        const auto& box = group(item.group)[item.index];
        if (box.value() != toolkit::Checked) continue;
        Label1.setCaption(box.caption() + "  Erased.");
        const bool paced = !(item.group == TraceGroup::InternetExplorer && item.index == 1);
        std::int32_t second = 1;
        if (paced && pos < kPauseAfterFrom) PauseSeconds(platform_.events, second);
        for (const auto& operation : eraseOperations.of(item.group, item.index)) {
            try {
                operation();
            } catch (...) {
                // An operation's failure is its own affair; the run goes on with the next item.
            }
        }
        if (paced && pos >= kPauseAfterFrom) PauseSeconds(platform_.events, second);
        spProg.setWidth(spProg.width() + step);
    }
    spProg.setWidth(SpProgBound.width());
    platform_.settings.save(kProgramTitle, stampSection(), stampKey(),
                            platform_.events.shortDate(platform_.events.now().date));
    Label1.setCaption("Done.");
    LastDateClean();
    LastCleanCap.setCaption(lastEraseText("Last Erase :  "));
}

void frmMain::LastDateClean() {
    static constexpr std::array<const char*, 12> months{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    const platform::Date today = platform_.events.now().date;
    const std::string text = platform_.settings.get(kProgramTitle, stampSection(), stampKey(),
                                                    platform_.events.shortDate(today));
    // A stamp that is no date (edited by hand, written in another format) reads as today.
    const auto date = platform_.events.parseDate(trimBlanks(text));
    if (!date || !MonthView1.setValue(*date)) MonthView1.setValue(today);
    LastCleanMonth = months.at(static_cast<std::size_t>(MonthView1.month() - 1));
}

std::string frmMain::lastEraseText(const std::string& prefix) const {
    return prefix + std::to_string(MonthView1.day()) + "-" + LastCleanMonth + "-" +
           std::to_string(MonthView1.year());
}

} // namespace calvorin::core
