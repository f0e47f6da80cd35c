#include "cleaners/file_operations.h"
#include "cleaners/registry_operations.h"
#include "cleaners/cleaner_fixture.h"

#include <filesystem>

using namespace calvorin;
using namespace calvorin::cleaners;
using namespace calvorin::platform;

namespace {

class FileOperationsTest : public test::CleanerTest {};

TEST_F(FileOperationsTest, AddBackslashAddsOnlyAMissingSeparator) {
    EXPECT_EQ(AddBackslash(""), "\\");
    EXPECT_EQ(AddBackslash("C:\\"), "C:\\");
    EXPECT_EQ(AddBackslash("C:\\Temp"), "C:\\Temp\\");
}

TEST_F(FileOperationsTest, ExistenceOfFilesAndFolders) {
    world.files.put("C:\\Docs\\Letter.txt", "x");
    EXPECT_TRUE(FileExists(p, "c:\\docs\\LETTER.TXT"));
    EXPECT_FALSE(FileExists(p, "C:\\Docs"));
    EXPECT_FALSE(FileExists(p, "C:\\Docs\\none.txt"));
    EXPECT_TRUE(FolderExists(p, "C:\\Docs"));
    EXPECT_TRUE(FolderExists(p, "C:\\Docs\\"));
    EXPECT_TRUE(FolderExists(p, "C:\\Docs\\Letter.txt")) << "a plain file counts";
    EXPECT_FALSE(FolderExists(p, "C:\\Nowhere\\Deeper"));
    EXPECT_FALSE(exists("C:\\Nowhere")) << "asking creates nothing";
}

TEST_F(FileOperationsTest, CanOpenFileIsFalseForALockedOrMissingFile) {
    world.files.put("C:\\a.txt", "x");
    EXPECT_TRUE(CanOpenFile(p, "C:\\a.txt"));
    world.files.setInUse("C:\\a.txt");
    EXPECT_FALSE(CanOpenFile(p, "C:\\a.txt"));
    EXPECT_FALSE(CanOpenFile(p, "C:\\b.txt"));
    EXPECT_EQ(world.files.openFiles(), 0u);
}

TEST_F(FileOperationsTest, ShredFileDeletesWhatItCanAndLeavesTheRestSilently) {
    world.files.put("C:\\plain.txt", "x");
    world.files.put("C:\\ro.txt", "x", attr::ReadOnly);
    world.files.put("C:\\locked.txt", "x");
    world.files.setInUse("C:\\locked.txt");
    for (const char* f : {"C:\\plain.txt", "C:\\ro.txt", "C:\\locked.txt", "C:\\none.txt"})
        ShredFile(p, f, ShredPassCount);
    EXPECT_FALSE(exists("C:\\plain.txt"));
    EXPECT_TRUE(exists("C:\\ro.txt"));
    EXPECT_TRUE(exists("C:\\locked.txt"));
    EXPECT_EQ(world.files.openFiles(), 0u);
}

TEST_F(FileOperationsTest, AnOverwritePassFillsWholeBlocksAlternatelyAndTheRestFromTheFirst) {
    const std::string original(2 * 1024 + 300, 'A');
    world.files.put("C:\\secret.bin", original);
    world.failures.fail("FileSystem.remove", Status::failure(error::AccessDenied, "denied"));
    ShredFile(p, "C:\\secret.bin", 1);
    const auto after = world.files.contents("C:\\secret.bin");
    ASSERT_TRUE(after.has_value());
    ASSERT_EQ(after->size(), original.size());
    EXPECT_EQ(after->find('A'), std::string::npos);
    const char first = (*after)[0], second = (*after)[1024];
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(first)));
    EXPECT_EQ(*after, std::string(1024, first) + std::string(1024, second) + std::string(300, first));
    // A pass that cannot open the file ends the shredding: nothing is deleted.
    world.files.put("C:\\ro.bin", original, attr::ReadOnly);
    ShredFile(p, "C:\\ro.bin", 1);
    EXPECT_EQ(world.files.contents("C:\\ro.bin"), original);
}

TEST_F(FileOperationsTest, ShredMatchingFilesTakesHiddenFilesButNotSubfolders) {
    world.files.put("C:\\a.chk");
    world.files.put("C:\\B.CHK", "", attr::Hidden);
    world.files.put("C:\\sys.chk", "", attr::System);
    world.files.put("C:\\ro.chk", "", attr::ReadOnly);
    world.files.put("C:\\keep.txt");
    world.files.put("C:\\sub\\c.chk");
    ShredMatchingFiles(p, "C:\\*.chk");
    EXPECT_FALSE(exists("C:\\a.chk"));
    EXPECT_FALSE(exists("C:\\B.CHK"));
    EXPECT_TRUE(exists("C:\\sys.chk"));
    EXPECT_TRUE(exists("C:\\ro.chk"));
    EXPECT_TRUE(exists("C:\\keep.txt"));
    EXPECT_TRUE(exists("C:\\sub\\c.chk"));
}

class ShredFolderTest : public FileOperationsTest {
  protected:
    void SetUp() override {
        world.files.put("C:\\T\\a.txt");
        world.files.put("C:\\T\\hidden.txt", "", attr::Hidden);
        world.files.put("C:\\T\\system.txt", "", attr::System);
        world.files.put("C:\\T\\ro.txt", "", attr::ReadOnly);
        world.files.put("C:\\T\\sub\\b.txt");
        world.files.put("C:\\T\\sub\\deep\\c.txt");
        world.files.put("C:\\T\\sub\\deep\\deeper\\d.txt");
        world.files.put("C:\\T\\keeps\\inner\\h.txt", "", attr::Hidden);
        world.files.put("C:\\T\\keeps\\gone.txt");
        world.files.put("C:\\T\\HiddenDir\\x.txt");
        world.files.setAttributes("C:\\T\\HiddenDir", attr::Directory | attr::Hidden);
    }
};

TEST_F(ShredFolderTest, EmptiesTheTreeButKeepsTheFolderAndWhatIsHiddenOrSystem) {
    const auto before = world.events.processCount();
    ShredFolder(p, "C:\\T", false, true);
    EXPECT_TRUE(exists("C:\\T"));
    EXPECT_FALSE(exists("C:\\T\\a.txt"));
    EXPECT_FALSE(exists("C:\\T\\sub")) << "emptied subfolders are removed, at every depth";
    EXPECT_TRUE(exists("C:\\T\\hidden.txt"));
    EXPECT_TRUE(exists("C:\\T\\system.txt"));
    EXPECT_TRUE(exists("C:\\T\\ro.txt"));
    EXPECT_TRUE(exists("C:\\T\\keeps\\inner\\h.txt"));
    EXPECT_FALSE(exists("C:\\T\\keeps\\gone.txt"));
    EXPECT_TRUE(exists("C:\\T\\HiddenDir\\x.txt")) << "a hidden folder is not entered";
    EXPECT_GE(world.events.processCount() - before, 10u) << "the window is served along the walk";
}

TEST_F(ShredFolderTest, AFolderThatEmptiesIsRemovedWhenAskedAndALockedFileKeepsItsFolder) {
    world.files.setInUse("C:\\T\\sub\\deep\\c.txt");
    ShredFolder(p, "C:\\T\\sub\\", true, true);
    EXPECT_TRUE(exists("C:\\T\\sub\\deep\\c.txt"));
    EXPECT_FALSE(exists("C:\\T\\sub\\deep\\deeper"));
    EXPECT_FALSE(exists("C:\\T\\sub\\b.txt"));
    world.files.setInUse("C:\\T\\sub\\deep\\c.txt", false);
    ShredFolder(p, "C:\\T\\sub", true, true);
    EXPECT_FALSE(exists("C:\\T\\sub"));
    ShredFolder(p, "", true, true); // nothing named: nothing done
    EXPECT_TRUE(exists("C:\\T\\a.txt"));
}

TEST_F(ShredFolderTest, WithoutRemovingSubfoldersOnlyFilesGo) {
    ShredFolder(p, "C:\\T", false, false);
    EXPECT_TRUE(exists("C:\\T\\sub\\deep\\deeper"));
    EXPECT_FALSE(exists("C:\\T\\sub\\deep\\deeper\\d.txt"));
}

TEST_F(ShredFolderTest, ALinkToAnotherFolderIsDroppedAndItsTargetLeftWhole) {
    world.files.put("C:\\Precious\\thesis.doc", "years of work");
    std::filesystem::create_directory_symlink(world.files.hostPath("C:\\Precious"),
                                              world.files.hostPath("C:\\T") / "link");
    ShredFolder(p, "C:\\T", false, true);
    EXPECT_FALSE(exists("C:\\T\\link"));
    EXPECT_EQ(world.files.contents("C:\\Precious\\thesis.doc"), "years of work");
}

TEST_F(FileOperationsTest, IsInNameListTrimsTheNameAndHeedsCase) {
    const NameList list{"Trash", "Sent"};
    EXPECT_TRUE(IsInNameList(p, list, "  Sent "));
    EXPECT_FALSE(IsInNameList(p, list, "sent"));
    EXPECT_FALSE(IsInNameList(p, {}, "Sent"));
}

TEST_F(FileOperationsTest, FindFilesNamedMatchesWholeNamesWithoutRegardToCase) {
    world.files.put("C:\\Profile\\Mail Folders\\Local\\Trash");
    world.files.put("C:\\Profile\\Mail Folders\\Local\\TRASH.MSF");
    world.files.put("C:\\Profile\\Mail Folders\\Local\\rash");
    world.files.put("C:\\Profile\\Mail Folders\\Local\\a");
    world.files.put("C:\\Profile\\Mail Folders\\Local\\h tr");
    world.files.put("C:\\Profile\\Value.tbl");
    world.files.put("C:\\Profile\\trash.msf");
    NameList list;
    FindFilesNamed(p, "C:\\Profile", "trash trash.msf", list);
    // Subfolders come first; every path is given in its short form and names the same file.
    EXPECT_EQ(list, (NameList{"C:\\Profile\\MAILFO~1\\Local\\TRASH.MSF", "C:\\Profile\\MAILFO~1\\Local\\Trash",
                              "C:\\Profile\\trash.msf"}));
    for (const auto& path : list) EXPECT_TRUE(FileExists(p, path)) << path;

    NameList none;
    FindFilesNamed(p, "C:\\Missing", "trash", none);
    FindFilesNamed(p, "C:\\Profile", "", none);
    EXPECT_TRUE(none.empty());
}

TEST_F(FileOperationsTest, FindFoldersNamedTakesWholeNamesAtEveryDepth) {
    world.files.makeFolder("C:\\P\\Cache\\cache");
    world.files.makeFolder("C:\\P\\a\\CACHE");
    world.files.makeFolder("C:\\P\\Cache2");
    world.files.put("C:\\P\\b\\cache"); // a file, not a folder
    NameList list;
    FindFoldersNamed(p, "C:\\P", "cache", list);
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list, (NameList{"C:\\P\\Cache", "C:\\P\\Cache\\cache", "C:\\P\\a\\CACHE"}));
}

TEST_F(FileOperationsTest, SpecialAndTemporaryFoldersGiveEmptyTextOnFailure) {
    EXPECT_EQ(GetSpecialFolder(p, folder::Cookies), world.shell.folders.at(folder::Cookies));
    EXPECT_EQ(GetSpecialFolder(p, 9999), "");
    EXPECT_EQ(GetTempFolder(p), "C:\\Users\\user\\AppData\\Local\\Temp\\");
    world.failures.fail("SystemInfo.tempPath", Status::failure(5, "denied"));
    EXPECT_EQ(GetTempFolder(p), "");
}

TEST_F(FileOperationsTest, ReadRegStringReadsOnlyPlainStringsAndClosesItsKey) {
    setString("Identities", "Default User ID", "{1234}");
    setString("Identities", "Expanding", "%TEMP%", RegType::ExpandString);
    RegKey k = kNoKey;
    p.registry.createKey(kCurrentUser, "Identities", k);
    p.registry.writeValue(k, "Embedded", {RegType::String, {'a', 'b', 0, 'c'}});
    p.registry.writeValue(k, "NoNul", {RegType::String, {'x', 'y'}});
    p.registry.writeDword(k, "Number", 7);
    p.registry.closeKey(k);

    EXPECT_EQ(ReadRegString(p, kCurrentUser, "identities", "default user id"), "{1234}");
    EXPECT_EQ(ReadRegString(p, kCurrentUser, "Identities", "Embedded"), "ab");
    EXPECT_EQ(ReadRegString(p, kCurrentUser, "Identities", "NoNul"), "xy");
    EXPECT_EQ(ReadRegString(p, kCurrentUser, "Identities", "Expanding"), "");
    EXPECT_EQ(ReadRegString(p, kCurrentUser, "Identities", "Number"), "");
    EXPECT_EQ(ReadRegString(p, kCurrentUser, "Identities", "Absent"), "");
    EXPECT_EQ(ReadRegString(p, kCurrentUser, "Nowhere", "x"), "");
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

TEST_F(FileOperationsTest, SetRegValueWritesStringsAndBinariesWithoutNulAndClosesItsKey) {
    SetRegValue(p, kCurrentUser, "Software\\New\\Key", "Text", "0", 1);
    SetRegValue(p, kCurrentUser, "Software\\New\\Key", "Blob", "ab", 3);
    SetRegValue(p, kCurrentUser, "Software\\New\\Key", "Number", "5", 4);
    RegKey k = kNoKey;
    ASSERT_TRUE(p.registry.openKey(kCurrentUser, "Software\\New\\Key", k).ok());
    RegValue v;
    ASSERT_TRUE(p.registry.readValue(k, "Text", v).ok());
    EXPECT_EQ(v.type, RegType::String);
    EXPECT_EQ(v.data, (std::vector<std::uint8_t>{'0'}));
    ASSERT_TRUE(p.registry.readValue(k, "Blob", v).ok());
    EXPECT_EQ(v.type, RegType::Binary);
    EXPECT_EQ(v.data, (std::vector<std::uint8_t>{'a', 'b'}));
    EXPECT_FALSE(p.registry.readValue(k, "Number", v).ok());
    p.registry.closeKey(k);
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

} // namespace
