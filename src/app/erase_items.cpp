#include "app/erase_items.h"

#include "cleaners/trace_operations.h"
#include "core/error_report.h"

namespace calvorin::app {

std::unique_ptr<cookies::CookieKeeper> plugEraseItems(core::frmMain& form, platform::Platform& platform,
                                                      const std::string& programFolder) {
    platform::Platform* p = &platform;
    auto report = [p](const std::string& message, std::int64_t number) {
        platform::Status failure{number, message};
        core::MdErrorHand::ReportError(*p, message, failure);
    };
    cleaners::plugWindowsAndInternetExplorer(form.eraseOperations, platform, report);
    cleaners::plugNetscapeAndOpera(form.eraseOperations, platform, report);
    auto keeper = std::make_unique<cookies::CookieKeeper>(platform, form.lstCookies, programFolder);
    keeper->plug(form);
    return keeper;
}

} // namespace calvorin::app
