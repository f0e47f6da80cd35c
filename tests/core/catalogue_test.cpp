#include "core/catalogue.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace calvorin::core;

TEST(Catalogue, GroupsHoldTheirItemsInRunOrder) {
    const auto& items = traceItems();
    int expected[] = {10, 9, 6, 3};
    int pos = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        const auto group = static_cast<TraceGroup>(g);
        EXPECT_EQ(groupSize(group), expected[g]);
        for (int i = 0; i < groupSize(group); ++i, ++pos) {
            EXPECT_EQ(items[static_cast<std::size_t>(pos)].group, group);
            EXPECT_EQ(items[static_cast<std::size_t>(pos)].index, i);
            EXPECT_EQ(runPosition(group, i), pos);
        }
    }
    EXPECT_EQ(pos, kItemCount);
    EXPECT_EQ(runPosition(TraceGroup::InternetExplorer, 9), -1) << "there is no index 9";
}

TEST(Catalogue, CaptionsKeepTheirOddBlanks) {
    EXPECT_EQ(traceItems()[1].caption, "Recent Run History ");
    EXPECT_EQ(traceItems()[7].caption, " Windows Temp File Folder");
    EXPECT_EQ(traceItems()[11].caption, " AutoComplete  Forms Data");
    EXPECT_EQ(traceItems()[25].caption, "Typed Opera URL ");
    EXPECT_EQ(groupCaption(TraceGroup::InternetExplorer), "Internet Explorer");
}

TEST(Catalogue, OperationsArePluggedPerItem) {
    EraseOperations ops;
    EXPECT_TRUE(ops.of(TraceGroup::Opera, 2).empty());
    int n = 0;
    ops.plug(TraceGroup::Opera, 2, {[&] { n += 1; }, [&] { n += 10; }});
    for (auto& op : ops.of(TraceGroup::Opera, 2)) op();
    EXPECT_EQ(n, 11);
    EXPECT_THROW(ops.plug(TraceGroup::Netscape, 6, {}), std::out_of_range);
}
