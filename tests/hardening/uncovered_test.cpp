// What earlier tests left open: the exact captions of the 28 items, every month of the
// last-erase texts, and a wipe of a key that refuses to open for writing.
#include "cleaners/cleaner_fixture.h"
#include "cleaners/windows_clean.h"
#include "core/main_form_fixture.h"

#include <array>

using namespace calvorin;

namespace {

using CaptionsTest = test::MainFormTest;

TEST_F(CaptionsTest, EveryItemShowsItsCaptionExactlyBlanksIncluded) {
    const std::array<const char*, 28> expected{
        "Recycle Bin", "Recent Run History ", "Recent Document List", "Find File/Folder History",
        "Registry Fragment Files", "Clipboard", "Scan Disk .Chk File", " Windows Temp File Folder",
        "Open/Save Dialog Box History", "Search Computer History",
        // Internet Explorer
        "Location Bar History", " AutoComplete  Forms Data", "Temporary Internet Files (Cache)",
        "Auto Complete Password Data", "Internet History", "URL Error Logs", "Locked Index.dat",
        "Outlook Express Temp", "Cookies",
        // Netscape
        "Netscape Typed History", "Netscape Cache", "Netscape Mail History", "Netscape History",
        "Netscape Cookies", "Netscape Auto Complete Form",
        // Opera
        "Typed Opera URL ", "Opera Cache", "Opera Cookies"};
    std::size_t n = 0;
    for (int g = 0; g < core::kGroupCount; ++g)
        for (auto& box : form.group(static_cast<core::TraceGroup>(g))) {
            ASSERT_LT(n, expected.size());
            EXPECT_EQ(box.caption(), expected[n]) << "item " << n;
            ++n;
        }
    EXPECT_EQ(n, expected.size());
}

TEST_F(CaptionsTest, EveryMonthHasItsEnglishNameInTheLastEraseTexts) {
    const std::array<const char*, 12> months{"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
    for (int m = 1; m <= 12; ++m) {
        world.settings.save("Calvorin", "MViewer", "lastClean",
                            std::to_string(m) + "/" + std::to_string(m + 9) + "/2025");
        form.LastDateClean();
        EXPECT_EQ(form.LastCleanMonth, months[static_cast<std::size_t>(m - 1)]);
        EXPECT_EQ(form.lastEraseText("Last Erase :  "),
                  "Last Erase :  " + std::to_string(m + 9) + "-" +
                      months[static_cast<std::size_t>(m - 1)] + "-2025");
    }
}

using WipeTest = test::CleanerTest;

TEST_F(WipeTest, AKeyThatCannotBeOpenedForWritingIsStillDeleted) {
    const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
    setString(key, "a", "cmd");
    setString(key + "\\sub", "b", "x");
    world.failures.fail("Registry.openKey", platform::Status::failure(platform::error::AccessDenied,
                                                                      "Access is denied."));
    cleaners::mdWindowsClean::WipeRegistryKey(p, key, true);
    EXPECT_FALSE(keyExists(key));
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

} // namespace
