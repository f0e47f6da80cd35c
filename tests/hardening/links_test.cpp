#include "cleaners/cleaner_fixture.h"
#include "cleaners/file_operations.h"
#include "cleaners/windows_clean.h"

#include <filesystem>

using namespace calvorin;

namespace {

class LinksTest : public test::CleanerTest {
  protected:
    void link(const std::string& at, const std::string& target) {
        std::filesystem::create_symlink(world.files.hostPath(target), world.files.hostPath(at));
    }
};

TEST_F(LinksTest, EmptyingTheTemporaryFolderTakesItsLinksButNotWhatTheyLeadTo) {
    const std::string temp = "C:\\Users\\user\\AppData\\Local\\Temp\\";
    world.files.put("C:\\Data\\precious.txt", "mine");
    world.files.put("C:\\Data\\Album\\photo.jpg", "mine");
    world.files.put(temp + "old.tmp");
    world.files.makeFolder(temp + "sub");
    link(temp + "precious.lnk", "C:\\Data\\precious.txt");
    link(temp + "sub\\album", "C:\\Data\\Album");
    cleaners::mdWindowsClean::ClearWindowsTemp(p);
    EXPECT_FALSE(exists(temp + "old.tmp"));
    EXPECT_FALSE(exists(temp + "precious.lnk")) << "the link itself goes, as on Windows";
    EXPECT_FALSE(exists(temp + "sub"));
    EXPECT_EQ(world.files.contents("C:\\Data\\precious.txt"), "mine");
    EXPECT_EQ(world.files.contents("C:\\Data\\Album\\photo.jpg"), "mine");
}

TEST_F(LinksTest, AnOverwritingShredNeverWritesThroughALink) {
    world.files.put("C:\\Data\\precious.txt", std::string(3000, 'a'));
    link("C:\\Queue\\precious.txt", "C:\\Data\\precious.txt");
    cleaners::ShredFile(p, "C:\\Queue\\precious.txt", 3);
    EXPECT_EQ(world.files.contents("C:\\Data\\precious.txt"), std::string(3000, 'a'));
    EXPECT_FALSE(exists("C:\\Queue\\precious.txt"));
}

} // namespace
