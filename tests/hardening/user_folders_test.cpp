#include "cleaners/cleaner_fixture.h"
#include "cleaners/windows_clean.h"

using namespace calvorin;
using namespace calvorin::cleaners::mdWindowsClean;
namespace folder = platform::folder;

namespace {

using UserFoldersTest = test::CleanerTest;

// The user's folders moved out of the profile, to where no other guard reaches them.
TEST_F(UserFoldersTest, ATempPointedAtTheUsersDataOrAFolderHoldingItCostsNoFile) {
    world.files.addDrive('D');
    const std::pair<int, const char*> moved[] = {{folder::Desktop, "Desktop"},
                                                 {folder::Documents, "Documents"},
                                                 {folder::Pictures, "Pictures"},
                                                 {folder::Music, "Music"},
                                                 {folder::Videos, "Videos"},
                                                 {folder::Downloads, "Downloads"},
                                                 {folder::AppData, "Roaming"},
                                                 {folder::LocalAppData, "Local"},
                                                 {folder::CommonAppData, "ProgramData"}};
    std::vector<std::string> temps{"D:\\Data", "d:\\data\\"};
    for (const auto& [number, name] : moved) {
        const std::string path = std::string("D:\\Data\\") + name;
        world.shell.folders[number] = path;
        world.files.put(path + "\\keep.txt", "mine");
        temps.push_back(path);
    }
    for (const auto& temp : temps) {
        world.system.temp = temp + (temp.back() == '\\' ? "" : "\\");
        ClearWindowsTemp(p);
        EXPECT_TRUE(isProtectedFolder(p, temp)) << temp;
    }
    for (const auto& [number, name] : moved)
        EXPECT_EQ(world.files.contents(std::string("D:\\Data\\") + name + "\\keep.txt"), "mine")
            << name;

    // A temporary folder of its own beside them is still emptied.
    world.files.put("D:\\Data\\Temp\\old.tmp");
    world.system.temp = "D:\\Data\\Temp\\";
    ClearWindowsTemp(p);
    EXPECT_FALSE(exists("D:\\Data\\Temp\\old.tmp"));
    EXPECT_TRUE(exists("D:\\Data\\Temp"));
}

} // namespace
