#include "contract/test_platform.h"

#include <gtest/gtest.h>

using namespace calvorin::platform;

namespace {

TEST(DialogsContract, AMessageBoxShowsItsTextAndCaptionAndReturnsTheButton) {
    auto p = calvorin::test::makeTestPlatform();
    p->answerNextMessageBox(IdOk);
    EXPECT_EQ(p->dialogs().messageBox("No item has been selected", "Calvorin", MbOk), IdOk);
    EXPECT_EQ(p->lastMessageBoxText(), "No item has been selected");
    EXPECT_EQ(p->lastMessageBoxCaption(), "Calvorin");

    p->answerNextMessageBox(IdNo);
    EXPECT_EQ(p->dialogs().messageBox("Restart now?", "Calvorin", MbYesNo | MbIconQuestion), IdNo);
}

} // namespace
