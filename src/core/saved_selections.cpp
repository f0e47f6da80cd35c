// The ticks and options the main window remembers from one run to the next.
#include "core/main_form.h"
#include "core/numbers.h"

namespace calvorin::core {

namespace {
constexpr const char* kSection = "LastHistory";

// The boxes in the order they are stored, with their key prefix.
struct BoxGroup {
    const char* key;
    toolkit::ControlArray<toolkit::CheckBox>& boxes;
    const char* fallback;
};
} // namespace

void frmMain::getLastSettings() {
    auto& store = platform_.settings;
    auto read = [&](const char* section, const std::string& key, const std::string& fallback) {
        return trimBlanks(store.get(kProgramTitle, section, key, fallback));
    };
    // A stored text that a control cannot take leaves that control as it was; the rest load.
    auto number16 = [](const std::string& text) { return roundToInt16(leadingNumber(text)); };

    const BoxGroup boxes[] = {{"chkIEsettings", chkIEsettings, "0"},
                              {"chkNSsettings", chkNSsettings, "0"},
                              {"chkOPsettings", chkOPsettings, "0"},
                              {"chkWinSettings", chkWinSettings, "0"},
                              {"chkRun", chkRun, ""}};
    for (const BoxGroup& g : boxes)
        for (int i = 0; i < g.boxes.count(); ++i)
            if (auto v = number16(read(kSection, g.key + std::to_string(i), g.fallback)))
                g.boxes[i].setValue(*v);

    if (auto v = number16(read(kSection, "schdlEnable", "0"))) scheduleEnabled = *v;
    txtMin.setText(read(kSection, "txtMin", "10"));
    for (int i = 0; i < optSchedule.count(); ++i)
        if (auto v = truthValue(read(kSection, "OptSchedule(" + std::to_string(i) + ")", "False")))
            optSchedule[i].setValue(*v);

    for (int i = 0; i < dtpTime.count(); ++i) {
        const std::string n = std::to_string(i);
        if (auto h = wholeNumber(read(kSection, "dtpHr(" + n + ")", "12")))
            if (auto h16 = roundToInt16(*h)) dtpTime[i].setHour(*h16);
        if (auto m = wholeNumber(read(kSection, "dtpMin(" + n + ")", "00")))
            if (auto m16 = roundToInt16(*m)) dtpTime[i].setMinute(*m16);
    }

    const platform::Date today = platform_.events.now().date;
    if (auto date = platform_.events.parseDate(
            read("MViewer", "lastClean", platform_.events.shortDate(today))))
        MonthView1.setValue(*date);
    // -1 would clear the weekday: it is no entry of the list either.
    if (auto v = number16(read("MViewer", "CmbListIndex", "0")); v && *v >= 0)
        cmbWeek.setListIndex(*v);

    cmbBoss.setText(read(kSection, "cmbBoss", "F2"));
    if (slots.bossKeySet) slots.bossKeySet();
}

void frmMain::saveLastSelection() {
    auto save = [&](const std::string& key, const std::string& value) {
        platform_.settings.save(kProgramTitle, kSection, key, value); // a failed write is skipped
    };
    const BoxGroup boxes[] = {{"chkIEsettings", chkIEsettings, ""},
                              {"chkNSsettings", chkNSsettings, ""},
                              {"chkOPsettings", chkOPsettings, ""},
                              {"chkWinSettings", chkWinSettings, ""},
                              {"chkRun", chkRun, ""}};
    for (const BoxGroup& g : boxes)
        for (int i = 0; i < g.boxes.count(); ++i)
            save(g.key + std::to_string(i), std::to_string(g.boxes[i].value()));
    save("cmbBoss", cmbBoss.text());
    save("schdlEnable", std::to_string(scheduleEnabled));
    for (int i = 0; i < optSchedule.count(); ++i)
        save("optSchedule(" + std::to_string(i) + ")", optSchedule[i].value() ? "True" : "False");
    save("txtMin", txtMin.text());
    for (int i = 0; i < dtpTime.count(); ++i) {
        const std::string n = std::to_string(i);
        save("dtpHr(" + n + ")", std::to_string(dtpTime[i].hour()));
        save("dtpMin(" + n + ")", std::to_string(dtpTime[i].minute()));
    }
}

} // namespace calvorin::core
