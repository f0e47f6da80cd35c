#include "app/erase_items.h"

#include "cleaners/trace_operations.h"
#include "core/error_report.h"

namespace calvorin::app {

void plugEraseItems(core::frmMain& form, platform::Platform& platform) {
    platform::Platform* p = &platform;
    cleaners::plugWindowsAndInternetExplorer(
        form.eraseOperations, platform, [p](const std::string& message, std::int64_t number) {
            platform::Status failure{number, message};
            core::MdErrorHand::ReportError(*p, message, failure);
        });
}

} // namespace calvorin::app
