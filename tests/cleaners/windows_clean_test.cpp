#include "cleaners/windows_clean.h"
#include "cleaners/cleaner_fixture.h"

using namespace calvorin;
using namespace calvorin::cleaners::mdWindowsClean;
using namespace calvorin::platform;

namespace {

constexpr const char* kRunMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr const char* kDocFind = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU";
constexpr const char* kFilesNamed =
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU";
constexpr const char* kOpenSave = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU";
constexpr const char* kSearch = "Software\\Microsoft\\Search Assistant\\ACMru\\5647";

class WindowsCleanTest : public test::CleanerTest {
  protected:
    void fill(const std::string& key) {
        for (const char* v : {"a", "b", "c", "d", "MRUList"}) setString(key, v, std::string("value ") + v);
    }
};

TEST_F(WindowsCleanTest, HistoryKeysGoWithTheirValuesAndSubkeysWhileNeighboursStay) {
    fill(kRunMru);
    fill(kDocFind);
    fill(kFilesNamed);
    fill(std::string(kOpenSave) + "\\txt");
    fill(std::string(kOpenSave) + "\\*");
    fill(kSearch);
    setString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU", "a", "x");
    setString("Software\\Microsoft\\Search Assistant\\ACMru\\5603", "000", "kept");
    ClearRunMRU(p);
    ClearFindHistory(p);
    ClearOpenSaveMRU(p);
    ClearSearchComputerMRU(p);
    for (const char* key : {kRunMru, kDocFind, kFilesNamed, kOpenSave, kSearch}) EXPECT_FALSE(keyExists(key)) << key;
    EXPECT_TRUE(keyExists("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU"));
    EXPECT_EQ(valuesOf("Software\\Microsoft\\Search Assistant\\ACMru\\5603").size(), 1u);
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

TEST_F(WindowsCleanTest, MissingKeysAreNoError) {
    ClearRunMRU(p);
    ClearFindHistory(p);
    ClearOpenSaveMRU(p);
    ClearSearchComputerMRU(p);
    EXPECT_FALSE(keyExists(kRunMru));
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

// Only when the final key delete fails does the value walk show: the find-history keys
// enumerate index 0 each time and lose every value; the others advance the index past values
// that moved down and lose every other one.
TEST_F(WindowsCleanTest, TheValueWalkKeepsIndexZeroOnlyForTheFindHistoryKeys) {
    fill(kDocFind);
    fill(kFilesNamed);
    fill(kRunMru);
    world.failures.fail("Registry.deleteTree", Status::failure(error::AccessDenied, "denied"), 3);
    ClearFindHistory(p);
    ClearRunMRU(p);
    EXPECT_TRUE(valuesOf(kDocFind).empty());
    EXPECT_TRUE(valuesOf(kFilesNamed).empty());
    EXPECT_EQ(valuesOf(kRunMru), (std::vector<std::string>{"b", "d"}));
}

TEST_F(WindowsCleanTest, EmptyRecycleBinTurnsADriveIntoItsRootAndTheSwitchesIntoFlags) {
    world.shell.recycled = {"C:\\old.txt", "D:\\older.txt"};
    EmptyRecycleBin(p, "D", false, true, false);
    EmptyRecycleBin(p, "C:\\", true, false, true);
    EmptyRecycleBin(p, "", true, true, true);
    ASSERT_EQ(world.shell.emptied.size(), 3u);
    EXPECT_EQ(world.shell.emptied[0].root, "D:\\");
    EXPECT_EQ(world.shell.emptied[0].flags, recycle::NoProgress);
    EXPECT_EQ(world.shell.emptied[1].root, "C:\\");
    EXPECT_EQ(world.shell.emptied[1].flags, 5u);
    EXPECT_EQ(world.shell.emptied[2].root, "");
    EXPECT_EQ(world.shell.emptied[2].flags, 7u);
    EXPECT_TRUE(world.shell.recycled.empty());
}

TEST_F(WindowsCleanTest, ClearRecentDocsEmptiesTheListAndReportsAFailure) {
    const std::string recent = world.shell.folders.at(folder::Recent);
    world.files.put(recent + "\\Letter.txt.lnk");
    world.files.put(recent + "\\desktop.ini", "", attr::Hidden | attr::System);
    std::vector<std::pair<std::string, std::int64_t>> reports;
    const ErrorReport report = [&](const std::string& text, std::int64_t n) { reports.emplace_back(text, n); };
    ClearRecentDocs(p, report);
    EXPECT_FALSE(exists(recent + "\\Letter.txt.lnk"));
    EXPECT_TRUE(exists(recent + "\\desktop.ini"));
    EXPECT_TRUE(reports.empty());

    world.failures.fail("Shell.clearRecentDocuments", Status::failure(0x80004005, "Unspecified error"));
    ClearRecentDocs(p, report);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].first, "mdWindowsClean, ClearRecentDocs, Unspecified error");
    EXPECT_EQ(reports[0].second, 0x80004005);
}

TEST_F(WindowsCleanTest, ClearStreamMRUDeletesTheKeyAndWritesThePageFileValue) {
    fill("Software\\Microsoft\\Windows\\CurrentVersion\\StreamMRU\\sub");
    ClearStreamMRU(p);
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Windows\\CurrentVersion\\StreamMRU"));
    RegKey k = kNoKey;
    ASSERT_TRUE(p.registry.openKey(kCurrentUser, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management", k).ok());
    RegValue v;
    ASSERT_TRUE(p.registry.readValue(k, "ClearPageFileAtShutdown", v).ok());
    EXPECT_EQ(v.type, RegType::String);
    EXPECT_EQ(v.data, (std::vector<std::uint8_t>{'0'}));
    p.registry.closeKey(k);
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

TEST_F(WindowsCleanTest, ClearClipboardEmptiesItUnlessAnotherProgramHoldsIt) {
    world.clipboard.text = "card number";
    world.clipboard.heldByOther = true;
    ClearClipboard(p);
    EXPECT_EQ(world.clipboard.text, "card number");
    world.clipboard.heldByOther = false;
    ClearClipboard(p);
    EXPECT_EQ(world.clipboard.text, "");
    EXPECT_FALSE(world.clipboard.isOpen);
}

TEST_F(WindowsCleanTest, DeleteChkFilesClearsBothRootsAndLivesWithADriveWithoutMedium) {
    world.files.put("C:\\FILE0000.CHK");
    world.files.put("C:\\file0001.chk", "", attr::ReadOnly);
    world.files.addDriveWithoutMedium('D');
    DeleteChkFiles(p);
    EXPECT_FALSE(exists("C:\\FILE0000.CHK"));
    EXPECT_TRUE(exists("C:\\file0001.chk"));
    world.files.addDrive('D');
    world.files.put("D:\\FILE0002.CHK");
    world.files.put("D:\\keep.txt");
    DeleteChkFiles(p);
    EXPECT_FALSE(exists("D:\\FILE0002.CHK"));
    EXPECT_TRUE(exists("D:\\keep.txt"));
}

TEST_F(WindowsCleanTest, ClearWindowsTempEmptiesTheTemporaryFolderAndKeepsIt) {
    const std::string temp = world.system.temp;
    world.files.put(temp + "a.tmp");
    world.files.put(temp + "x\\y\\z.tmp");
    world.files.put(temp + "locked.tmp");
    world.files.setInUse(temp + "locked.tmp");
    ClearWindowsTemp(p);
    EXPECT_TRUE(exists(temp));
    EXPECT_FALSE(exists(temp + "a.tmp"));
    EXPECT_FALSE(exists(temp + "x"));
    EXPECT_TRUE(exists(temp + "locked.tmp"));
}

// A temporary folder set to a folder of the system or the user must not lose its files.
TEST_F(WindowsCleanTest, ClearWindowsTempRefusesFoldersOfTheSystemAndTheUser) {
    world.files.addDrive('D');
    world.shell.folders[folder::Windows] = "D:\\Windows";
    world.shell.folders[folder::System] = "D:\\Windows\\System32";
    world.shell.folders[folder::Profile] = "C:\\Users\\Ann";
    world.shell.folders[folder::ProgramFiles] = "C:\\Program Files";
    world.shell.folders[folder::ProgramFilesX86] = "C:\\Program Files (x86)";
    const std::vector<std::string> guarded = {
        "c:\\winnt",          "C:\\WINDOWS\\",     "E:\\WinNT\\",           "C:\\",
        "D:",                 "d:\\windows",       "D:\\WINDOWS\\system32\\", "c:\\users\\ann\\",
        " C:\\Users\\Ann ",   "C:\\Users",         "C:\\PROGRAM FILES",     "C:\\Program Files (x86)\\",
        "C:\\PROGRA~1\\",     "Temp\\",            "\\\\server\\share\\",
    };
    world.files.put("C:\\Program Files\\App\\app.exe");
    world.files.put("C:\\Users\\Ann\\Documents\\thesis.doc");
    world.files.put("D:\\Windows\\System32\\kernel32.dll");
    world.files.put("D:\\Windows\\win.ini");
    world.files.put("C:\\boot.ini");
    for (const auto& temp : guarded) {
        world.system.temp = temp;
        ClearWindowsTemp(p);
        EXPECT_TRUE(isProtectedFolder(p, temp)) << temp;
    }
    EXPECT_TRUE(exists("C:\\Program Files\\App\\app.exe"));
    EXPECT_TRUE(exists("C:\\Users\\Ann\\Documents\\thesis.doc"));
    EXPECT_TRUE(exists("D:\\Windows\\System32\\kernel32.dll"));
    EXPECT_TRUE(exists("D:\\Windows\\win.ini"));
    EXPECT_TRUE(exists("C:\\boot.ini"));

    for (const char* fine : {"C:\\Users\\Ann\\AppData\\Local\\Temp\\", "D:\\Windows\\Temp", "C:\\Temp"})
        EXPECT_FALSE(isProtectedFolder(p, fine)) << fine;
}

} // namespace
