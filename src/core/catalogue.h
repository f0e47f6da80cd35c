#pragma once
#include <array>
#include <functional>
#include <string_view>
#include <vector>

namespace calvorin::core {

// The four trace groups, in tab order, which is also the order the erase run visits them.
enum class TraceGroup { Windows = 0, InternetExplorer = 1, Netscape = 2, Opera = 3 };
inline constexpr int kGroupCount = 4;
inline constexpr int kItemCount = 28;

// One trace the user can tick: its group, its index within the group and its caption.
struct TraceItem {
    TraceGroup group;
    int index;
    std::string_view caption;
};

// All 28 items in erase-run order (run step = position + 1).
const std::array<TraceItem, kItemCount>& traceItems();
int groupSize(TraceGroup group);
// The tab caption: "Windows", "Internet Explorer", "Netscape", "Opera".
std::string_view groupCaption(TraceGroup group);
// The item's position in the run (0-based); -1 for an index the group does not have.
int runPosition(TraceGroup group, int index);

// What erasing an item does: its operations in call order. Until a cleaner is plugged in an
// item has none, and the run still announces, paces and counts it.
using EraseOperation = std::function<void()>;

class EraseOperations {
  public:
    void plug(TraceGroup group, int index, std::vector<EraseOperation> operations);
    const std::vector<EraseOperation>& of(TraceGroup group, int index) const;

  private:
    std::array<std::vector<EraseOperation>, kItemCount> operations_;
};

} // namespace calvorin::core
