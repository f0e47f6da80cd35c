#include "platform/emulated/world.h"

#include <gtest/gtest.h>

using namespace calvorin::platform;

namespace {

// What only the emulation has: drives on host folders, names in any case, short names.
TEST(EmulatedFileSystem, DrivesLiveBelowTheWorldsHostFolderAndGoWithIt) {
    std::filesystem::path root;
    {
        emulated::World world;
        root = world.host.path();
        world.files.put("C:\\Dir\\File.txt", "x");
        EXPECT_EQ(world.files.hostPath("c:\\DIR\\file.TXT"), root / "C" / "Dir" / "File.txt");
        std::uint64_t n = 0;
        EXPECT_EQ(world.files.length("E:\\x", n).number, error::PathNotFound);
        world.files.addDriveWithoutMedium('E');
        EXPECT_EQ(world.files.length("E:\\x", n).number, error::NotReady);
    }
    EXPECT_FALSE(std::filesystem::exists(root));
}

TEST(EmulatedFileSystem, LongNamesGetStableShortNamesThatResolve) {
    EXPECT_TRUE(emulated::isShortName("README.TXT"));
    EXPECT_TRUE(emulated::isShortName("readme.txt"));
    EXPECT_FALSE(emulated::isShortName("Program Files"));
    EXPECT_FALSE(emulated::isShortName("archive.html"));
    const std::vector<std::string> siblings{"Program Files", "Program Files (x86)", "archive.html"};
    EXPECT_EQ(emulated::shortNameOf("Program Files", siblings), "PROGRA~1");
    EXPECT_EQ(emulated::shortNameOf("Program Files (x86)", siblings), "PROGRA~2");
    EXPECT_EQ(emulated::shortNameOf("archive.html", siblings), "ARCHIV~1.HTM");

    emulated::World world;
    world.files.put("C:\\Program Files (x86)\\App\\Read me.html", "x");
    world.files.put("C:\\Program Files\\a.txt", "x");
    std::string shortPath;
    ASSERT_TRUE(world.files.shortPath("C:\\program files (X86)\\App\\read me.html", shortPath).ok());
    EXPECT_EQ(shortPath, "C:\\PROGRA~2\\App\\README~1.HTM");
    EXPECT_TRUE(world.files.fileExists(shortPath));
}

TEST(EmulatedFileSystem, WildcardsFollowWindows) {
    using emulated::matchesWildcard;
    EXPECT_TRUE(matchesWildcard("*.*", "noext"));
    EXPECT_TRUE(matchesWildcard("*.chk", "FILE0000.CHK"));
    EXPECT_FALSE(matchesWildcard("*.chk", "file.chkx"));
    EXPECT_TRUE(matchesWildcard("f?le*", "FILE.txt"));
    EXPECT_FALSE(matchesWildcard("f?le", "fle"));
}

} // namespace
