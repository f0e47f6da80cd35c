#include "cleaners/trace_operations.h"

#include "cleaners/internet_explorer_clean.h"
#include "cleaners/netscape_clean.h"
#include "cleaners/opera_clean.h"

namespace calvorin::cleaners {

void plugWindowsAndInternetExplorer(core::EraseOperations& operations, platform::Platform& platform,
                                    mdWindowsClean::ErrorReport report) {
    using core::TraceGroup;
    namespace win = mdWindowsClean;
    namespace ie = mdIternetExplorerClean;
    platform::Platform* p = &platform;
    auto plug = [&](TraceGroup group, int index, void (*operation)(platform::Platform&)) {
        operations.plug(group, index, {[p, operation] { operation(*p); }});
    };

    operations.plug(TraceGroup::Windows, 0, {[p] { win::EmptyRecycleBin(*p, "", true, true, true); }});
    plug(TraceGroup::Windows, 1, win::ClearRunMRU);
    operations.plug(TraceGroup::Windows, 2, {[p, report] { win::ClearRecentDocs(*p, report); }});
    plug(TraceGroup::Windows, 3, win::ClearFindHistory);
    plug(TraceGroup::Windows, 4, win::ClearStreamMRU);
    plug(TraceGroup::Windows, 5, win::ClearClipboard);
    plug(TraceGroup::Windows, 6, win::DeleteChkFiles);
    plug(TraceGroup::Windows, 7, win::ClearWindowsTemp);
    plug(TraceGroup::Windows, 8, win::ClearOpenSaveMRU);
    plug(TraceGroup::Windows, 9, win::ClearSearchComputerMRU);

    plug(TraceGroup::InternetExplorer, 0, ie::ClearTypedURLs);
    plug(TraceGroup::InternetExplorer, 1, ie::ClearFormSuggestions);
    plug(TraceGroup::InternetExplorer, 2, ie::ClearIECache);
    plug(TraceGroup::InternetExplorer, 3, ie::ClearIntelliForms);
    plug(TraceGroup::InternetExplorer, 4, ie::ClearIEHistory);
    plug(TraceGroup::InternetExplorer, 5, ie::ClearSearchAssistantMRU);
    plug(TraceGroup::InternetExplorer, 6, ie::WipeIndexDat);
    plug(TraceGroup::InternetExplorer, 7, ie::ClearOEDeletedItems);
}

void plugNetscapeAndOpera(core::EraseOperations& operations, platform::Platform& platform,
                          mdWindowsClean::ErrorReport report) {
    using core::TraceGroup;
    namespace ns = mdNetscape;
    namespace op = mdOpera;
    platform::Platform* p = &platform;
    auto call = [p](void (*operation)(platform::Platform&)) -> core::EraseOperation {
        return [p, operation] { operation(*p); };
    };

    operations.plug(TraceGroup::Netscape, 0, {call(ns::ClearNetscapeTypedHistory)});
    operations.plug(TraceGroup::Netscape, 1, {call(ns::ClearNetscapeCache)});
    operations.plug(TraceGroup::Netscape, 2, {call(ns::ClearNetscapeMail)});
    operations.plug(TraceGroup::Netscape, 3, {[p, report] { ns::ClearNetScapeHistory(*p, report); }});
    operations.plug(TraceGroup::Netscape, 4, {call(ns::ClearNetscapeCookies)});
    operations.plug(TraceGroup::Netscape, 5, {call(ns::ClearNetscapeFormData)});

    operations.plug(TraceGroup::Opera, 0, {call(op::ClearOperaTypedURLs)});
    operations.plug(TraceGroup::Opera, 1, {call(op::ClearOperaCache), call(op::ClearOperaCache4)});
    operations.plug(TraceGroup::Opera, 2, {call(op::ClearOperaCookies), call(op::ClearOperaCookies4)});
}

} // namespace calvorin::cleaners
