#include "core/catalogue.h"

#include <stdexcept>

namespace calvorin::core {

namespace {
using G = TraceGroup;
// Captions are shown to the user exactly as they stand, odd blanks included.
constexpr std::array<TraceItem, kItemCount> kItems{{
    {G::Windows, 0, "Recycle Bin"},
    {G::Windows, 1, "Recent Run History "},
    {G::Windows, 2, "Recent Document List"},
    {G::Windows, 3, "Find File/Folder History"},
    {G::Windows, 4, "Registry Fragment Files"},
    {G::Windows, 5, "Clipboard"},
    {G::Windows, 6, "Scan Disk .Chk File"},
    {G::Windows, 7, " Windows Temp File Folder"},
    {G::Windows, 8, "Open/Save Dialog Box History"},
    {G::Windows, 9, "Search Computer History"},
    {G::InternetExplorer, 0, "Location Bar History"},
    {G::InternetExplorer, 1, " AutoComplete  Forms Data"},
    {G::InternetExplorer, 2, "Temporary Internet Files (Cache)"},
    {G::InternetExplorer, 3, "Auto Complete Password Data"},
    {G::InternetExplorer, 4, "Internet History"},
    {G::InternetExplorer, 5, "URL Error Logs"},
    {G::InternetExplorer, 6, "Locked Index.dat"},
    {G::InternetExplorer, 7, "Outlook Express Temp"},
    {G::InternetExplorer, 8, "Cookies"},
    {G::Netscape, 0, "Netscape Typed History"},
    {G::Netscape, 1, "Netscape Cache"},
    {G::Netscape, 2, "Netscape Mail History"},
    {G::Netscape, 3, "Netscape History"},
    {G::Netscape, 4, "Netscape Cookies"},
    {G::Netscape, 5, "Netscape Auto Complete Form"},
    {G::Opera, 0, "Typed Opera URL "},
    {G::Opera, 1, "Opera Cache"},
    {G::Opera, 2, "Opera Cookies"},
}};
constexpr std::array<int, kGroupCount> kSizes{10, 9, 6, 3};
constexpr std::array<int, kGroupCount> kFirst{0, 10, 19, 25};
} // namespace

const std::array<TraceItem, kItemCount>& traceItems() { return kItems; }

int groupSize(TraceGroup group) { return kSizes.at(static_cast<std::size_t>(group)); }

std::string_view groupCaption(TraceGroup group) {
    static constexpr std::array<std::string_view, kGroupCount> captions{
        "Windows", "Internet Explorer", "Netscape", "Opera"};
    return captions.at(static_cast<std::size_t>(group));
}

int runPosition(TraceGroup group, int index) {
    if (index < 0 || index >= groupSize(group)) return -1;
    return kFirst.at(static_cast<std::size_t>(group)) + index;
}

void EraseOperations::plug(TraceGroup group, int index, std::vector<EraseOperation> operations) {
    const int pos = runPosition(group, index);
    if (pos < 0) throw std::out_of_range("no such trace item");
    operations_[static_cast<std::size_t>(pos)] = std::move(operations);
}

const std::vector<EraseOperation>& EraseOperations::of(TraceGroup group, int index) const {
    const int pos = runPosition(group, index);
    if (pos < 0) throw std::out_of_range("no such trace item");
    return operations_[static_cast<std::size_t>(pos)];
}

} // namespace calvorin::core
