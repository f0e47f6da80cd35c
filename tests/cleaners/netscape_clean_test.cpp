#include "cleaners/cleaner_fixture.h"
#include "cleaners/netscape_clean.h"
#include "platform/raised_error.h"

#include <set>

using namespace calvorin;
using namespace calvorin::cleaners::mdNetscape;
using namespace calvorin::platform;

namespace {

const std::string kNavigator = "Software\\Netscape\\Netscape Navigator";
const std::string kNavUser = "C:\\Program Files\\Netscape\\Navigator Users\\joe\\";
const std::string kCommUser = "C:\\Program Files\\Netscape\\Users\\ann\\";
const std::string kProfiles = "C:\\Users\\user\\Application Data\\Mozilla\\Profiles\\";
const std::string kProfile = kProfiles + "default\\x1y2.slt\\";

class NetscapeCleanTest : public test::CleanerTest {
  protected:
    void value(RegKey root, const std::string& key, const std::string& name,
               const std::string& text) {
        RegKey k = kNoKey;
        ASSERT_TRUE(p.registry.createKey(root, key, k).ok());
        ASSERT_TRUE(p.registry.writeString(k, name, text).ok());
        p.registry.closeKey(k);
    }
    // A Navigator user (always under HKEY_LOCAL_MACHINE) and a Communicator user whose
    // records stand under `communicatorRoot`.
    void install(RegKey communicatorRoot) {
        value(kLocalMachine, kNavigator + "\\Users", "CurrentUser", "joe ");
        value(kLocalMachine, kNavigator + "\\Users\\joe", "DirRoot",
              kNavUser.substr(0, kNavUser.size() - 1));
        value(communicatorRoot, kNavigator + "\\biff", "CurrentUser", " ann");
        value(communicatorRoot, kNavigator + "\\Main", "Install Directory",
              "C:\\Program Files\\Netscape\\Communicator");
    }
    void files(const std::vector<std::string>& paths) {
        for (const auto& path : paths)
            world.files.put(path, "trace");
    }
    std::vector<std::string> left(const std::vector<std::string>& paths) {
        std::vector<std::string> out;
        for (const auto& path : paths)
            if (exists(path)) out.push_back(path);
        return out;
    }
};

TEST_F(NetscapeCleanTest, WithoutNetscapeOrMozillaNothingIsTouched) {
    world.files.put("C:\\FieldSchema.tbl", "not a trace");
    world.files.put("C:\\cache\\page.htm", "not a trace");
    value(kLocalMachine, kNavigator + "\\Users", "CurrentUser", "joe"); // a user without folder
    world.shell.folders.erase(folder::Profile);
    world.shell.folders.erase(folder::AppData);
    for (auto* op : {ClearNetscapeTypedHistory, ClearNetscapeCache, ClearNetscapeMail,
                     ClearNetscapeCookies, ClearNetscapeFormData})
        op(p);
    ClearNetScapeHistory(p, [](const std::string& m, std::int64_t) { ADD_FAILURE() << m; });
    EXPECT_TRUE(exists("C:\\FieldSchema.tbl")) << "no folder named means no file at the root";
    EXPECT_TRUE(exists("C:\\cache\\page.htm"));
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

TEST_F(NetscapeCleanTest, TypedHistoryAndFormDataGoInAllThreePlacesWholeNamesOnly) {
    install(kLocalMachine);
    const std::vector<std::string> traces = {
        kNavUser + "FieldSchema.tbl",    kNavUser + "URLFieldSchema.tbl",
        kCommUser + "SchemaConcat.tbl",  kCommUser + "SchemaValue.tbl",
        kProfile + "urlfieldschema.TBL", kProfile + "deeper\\FieldSchema.tbl"};
    const std::vector<std::string> neighbours = {kNavUser + "Value.tbl", kProfile + "Value.tbl",
                                                 kProfile + "Schema.tbl",
                                                 kCommUser + "bookmarks.htm"};
    files(traces);
    files(neighbours);
    ClearNetscapeTypedHistory(p);
    EXPECT_TRUE(left(traces).empty());
    EXPECT_EQ(left(neighbours), neighbours) << "a name that is only part of a listed name stays";

    files(traces);
    ClearNetscapeFormData(p);
    EXPECT_TRUE(left(traces).empty());
    EXPECT_EQ(left(neighbours), neighbours);
}

TEST_F(NetscapeCleanTest, TheCacheFoldersAreEmptiedAndStayWithTheirRootsPerPlace) {
    install(kCurrentUser);
    value(kLocalMachine, kNavigator + "\\biff", "CurrentUser", "eve"); // not where the cache looks
    value(kLocalMachine, kNavigator + "\\Main", "Install Directory", "C:\\Eve\\Communicator");
    const std::vector<std::string> traces = {
        kNavUser + "cache\\M0001.htm", kCommUser + "Cache\\sub\\M0002.gif",
        kProfile + "Cache\\A1.htm", kProfile + "Cache\\cache\\B2.htm",
        kProfile + "other\\CACHE\\C3.htm"};
    const std::vector<std::string> neighbours = {
        kProfile + "Cache2\\keep.htm", kProfile + "cache.htm",
        "C:\\Eve\\Users\\eve\\cache\\keep.htm", kProfile + "prefs.js"};
    files(traces);
    files(neighbours);
    ClearNetscapeCache(p);
    EXPECT_TRUE(left(traces).empty());
    EXPECT_EQ(left(neighbours), neighbours);
    for (const auto& folder :
         {kNavUser + "cache", kCommUser + "Cache", kProfile + "Cache", kProfile + "other\\CACHE"})
        EXPECT_TRUE(exists(folder)) << folder;
    EXPECT_FALSE(exists(kCommUser + "Cache\\sub")) << "emptied subfolders go";
}

TEST_F(NetscapeCleanTest, MailTrashGoesTrash2AndRashStay) {
    install(kLocalMachine);
    const std::vector<std::string> traces = {
        kNavUser + "mail\\trash", kNavUser + "mail\\trash.nsm", kCommUser + "mail\\Trash",
        kProfile + "Mail\\pop\\Trash", kProfile + "Mail\\pop\\TRASH.MSF"};
    const std::vector<std::string> neighbours = {
        kProfile + "Mail\\pop\\Trash2", kProfile + "Mail\\pop\\rash", kProfile + "Mail\\pop\\Inbox",
        kNavUser + "mail\\inbox"};
    files(traces);
    files(neighbours);
    ClearNetscapeMail(p);
    EXPECT_TRUE(left(traces).empty());
    EXPECT_EQ(left(neighbours), neighbours);
}

TEST_F(NetscapeCleanTest, HistoryUsesTheUsersCommunicatorRecordsAndReportsWhatFails) {
    install(kCurrentUser);
    const std::vector<std::string> traces = {kNavUser + "netscape.hst", kCommUser + "netscape.hst",
                                             kCommUser + "netscape", kProfile + "history.dat"};
    const std::vector<std::string> neighbours = {kProfile + "history.dat.bak",
                                                 kCommUser + "prefs.js"};
    files(traces);
    files(neighbours);
    std::vector<std::pair<std::string, std::int64_t>> reports;
    // Something handled while the operation lets the window work fails.
    world.events.at(world.events.tickCount(),
                    [] { throw RaisedError(Status::failure(7, "Out of memory")); });
    ClearNetScapeHistory(p,
                         [&](const std::string& m, std::int64_t n) { reports.emplace_back(m, n); });
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].first, "ModClean, ClearNetScapeHistory, Out of memory");
    EXPECT_EQ(reports[0].second, 7);
    EXPECT_TRUE(left(traces).empty()) << "the failure did not stop the erase";
    EXPECT_EQ(left(neighbours), neighbours);
}

TEST_F(NetscapeCleanTest, WithoutAUserProfileFolderMozillaIsSearchedInApplicationData) {
    world.shell.folders.erase(folder::Profile);
    const std::string appData =
        world.shell.folders.at(folder::AppData) + "\\Mozilla\\Profiles\\p\\a.slt\\";
    files({appData + "history.dat", kProfile + "history.dat"});
    ClearNetScapeHistory(p, {});
    EXPECT_FALSE(exists(appData + "history.dat"));
    EXPECT_TRUE(exists(kProfile + "history.dat"));

    // A profile folder that keeps no "Application Data" of its own sends the search there too.
    world.shell.folders[folder::Profile] = "C:\\Users\\eve";
    world.files.makeFolder("C:\\Users\\eve\\AppData");
    files({appData + "history.dat"});
    ClearNetScapeHistory(p, {});
    EXPECT_FALSE(exists(appData + "history.dat"));
    EXPECT_TRUE(exists(kProfile + "history.dat"));
}

TEST_F(NetscapeCleanTest, CookiesGoOnlyFromProfilesTheRegistryFileNamesThatHaveACache) {
    const std::string appData = "C:\\Users\\user\\AppData\\Roaming";
    setString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "AppData",
              appData);
    const std::string mozilla = appData + "\\Mozilla\\";
    const std::string first = mozilla + "Profiles\\default\\ab12.slt\\";
    const std::string second = mozilla + "Profiles\\work\\cd34.slt\\";
    const std::string unnamed = mozilla + "Profiles\\old\\ef56.slt\\";
    world.files.makeFolder(first + "Cache");
    world.files.makeFolder(unnamed + "Cache");
    files({first + "cookies.txt", second + "cookies.txt", unnamed + "cookies.txt",
           first + "cookies.txt.bak"});
    // The profile paths stand among binary records, the second in other letter case.
    std::string dat("\0\x01name\0default\0", 15);
    dat += first.substr(0, first.size() - 1) + std::string("\0\x02", 2) + "work" +
           std::string(1, '\0');
    dat += "C:\\USERS\\USER\\APPDATA\\ROAMING\\MOZILLA\\Profiles\\work\\cd34.SLT";
    dat += std::string("\0\x03", 2);
    world.files.put(mozilla + "registry.dat", dat);
    ClearNetscapeCookies(p);
    EXPECT_FALSE(exists(first + "cookies.txt"));
    EXPECT_TRUE(exists(second + "cookies.txt")) << "no cache folder";
    EXPECT_TRUE(exists(unnamed + "cookies.txt")) << "not named in the registry file";
    EXPECT_TRUE(exists(first + "cookies.txt.bak"));
    EXPECT_EQ(world.files.openFiles(), 0u);

    files({first + "cookies.txt"});
    world.files.setInUse(mozilla + "registry.dat");
    ClearNetscapeCookies(p);
    EXPECT_TRUE(exists(first + "cookies.txt"))
        << "a registry file that cannot be opened stops the item";
}

} // namespace
