#include "platform/text_case.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCase, OnlyAsciiLettersChangeCase) {
    EXPECT_EQ(calvorin::upperAscii(std::string("c:\\Temp\\a~1.tmp")), "C:\\TEMP\\A~1.TMP");
    // UTF-8 bytes pass through whole: "é" is not turned into a broken sequence.
    EXPECT_EQ(calvorin::upperAscii(std::string("caf\xC3\xA9")), "CAF\xC3\xA9");
    EXPECT_TRUE(calvorin::sameNoCase("Cookies", "COOKIES"));
    EXPECT_FALSE(calvorin::sameNoCase("Cookie", "Cookies"));
    EXPECT_FALSE(calvorin::sameNoCase("[", "{")) << "only letters fold";
    EXPECT_FALSE(calvorin::sameNoCase("caf\xC3\xA9", "CAF\xC3\x89"));
}

} // namespace
