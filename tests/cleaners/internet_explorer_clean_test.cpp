#include "cleaners/internet_explorer_clean.h"
#include "cleaners/cleaner_fixture.h"

using namespace calvorin;
using namespace calvorin::cleaners::mdIternetExplorerClean;
using namespace calvorin::platform;

namespace {

class InternetExplorerCleanTest : public test::CleanerTest {};

TEST_F(InternetExplorerCleanTest, TypedAddressesSearchHistoryAndFormStores) {
    for (const char* v : {"url1", "url2", "url3"})
        setString("Software\\Microsoft\\Internet Explorer\\TypedURLs", v, "http://example.com/");
    setString("Software\\Microsoft\\Search Assistant\\ACMru\\5604", "000", "error page");
    setString("Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage1", "hash1", "suggestion");
    setString("Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage2", "hash2", "password");
    setString("Software\\Microsoft\\Internet Explorer\\Main", "Start Page", "about:blank");

    ClearTypedURLs(p);
    ClearSearchAssistantMRU(p);
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Internet Explorer\\TypedURLs"));
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Search Assistant\\ACMru\\5604"));

    ClearFormSuggestions(p);
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage1"));
    EXPECT_EQ(valuesOf("Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage2").size(), 1u)
        << "saved passwords are item 3's to erase";

    ClearIntelliForms(p);
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Internet Explorer\\IntelliForms"));
    EXPECT_TRUE(keyExists("Software\\Microsoft\\Internet Explorer\\Main"));
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

TEST_F(InternetExplorerCleanTest, TheCacheWalkTakesPlainPagesOnlyFromTheCacheFolders) {
    const std::string xp = "C:\\Documents and Settings\\ann\\Local Settings\\Temporary Internet Files\\Content.IE5\\AB12\\";
    const std::string inet = world.shell.folders.at(folder::InternetCache) + "\\Content.IE5\\CD34\\";
    const std::string cookies = world.shell.folders.at(folder::Cookies) + "\\";
    using namespace cache_entry;
    world.urlCache.add({"http://a.example/page.htm", xp + "page[1].htm", Normal});
    world.urlCache.add({"http://b.example/logo.gif", inet + "logo[1].gif", Normal | Sticky});
    world.urlCache.add({"http://c.example/x.js", "C:\\DOCUMENTS AND SETTINGS\\ANN\\LOCAL SETTINGS\\TEMPORARY INTERNET FILES\\x.js", Normal});
    world.urlCache.add({"http://d.example/lower.htm",
                        "C:\\Users\\user\\appdata\\local\\microsoft\\windows\\inetcache\\low\\lower[1].htm", Normal});
    world.urlCache.add({"Cookie:ann@example.com/", cookies + "ann@example[1].txt", Normal | Cookie});
    world.urlCache.add({"Cookie:ann@inside.example/", inet + "ann@inside[1].txt", Normal | Cookie});
    world.urlCache.add({"Visited: ann@http://e.example/", inet + "visited.dat", Normal | cache_entry::UrlHistory});
    world.urlCache.add({"http://f.example/sticky.htm", inet + "sticky[1].htm", Sticky});

    ClearIECache(p);

    EXPECT_FALSE(world.urlCache.has("http://a.example/page.htm"));
    EXPECT_FALSE(exists(xp + "page[1].htm"));
    EXPECT_FALSE(world.urlCache.has("http://b.example/logo.gif")) << "the cache folder of newer systems";
    EXPECT_FALSE(world.urlCache.has("http://d.example/lower.htm")) << "the system's folder in any letter case";
    EXPECT_TRUE(world.urlCache.has("http://c.example/x.js")) << "the old folder name counts only as spelt";
    EXPECT_TRUE(world.urlCache.has("Cookie:ann@example.com/"));
    EXPECT_TRUE(world.urlCache.has("Cookie:ann@inside.example/"));
    EXPECT_TRUE(world.urlCache.has("Visited: ann@http://e.example/"));
    EXPECT_TRUE(world.urlCache.has("http://f.example/sticky.htm")) << "no normal-entry bit";
    EXPECT_EQ(world.urlCache.openFinds(), 0u);
}

TEST_F(InternetExplorerCleanTest, AnEmptyOrUnreachableCacheIsLeftAlone) {
    ClearIECache(p);
    EXPECT_EQ(world.urlCache.openFinds(), 0u);
    world.urlCache.add({"http://a.example/", world.shell.folders.at(folder::InternetCache) + "\\a.htm", cache_entry::Normal});
    world.failures.fail("UrlCache.findFirst", Status::failure(error::AccessDenied, "denied"));
    ClearIECache(p);
    EXPECT_TRUE(world.urlCache.has("http://a.example/"));
    world.failures.fail("Shell.specialFolder", Status::failure(0x80070057, "bad"));
    ClearIECache(p); // no cache folder known: only the old spelling counts
    EXPECT_TRUE(world.urlCache.has("http://a.example/"));
}

TEST_F(InternetExplorerCleanTest, TheHistoryStoreIsEmptiedHoweverLarge) {
    for (int i = 0; i < 5000; ++i)
        world.urlHistory.records.push_back({"http://site" + std::to_string(i) + ".example/", "t", 1, 1, 1, 0});
    ClearIEHistory(p);
    EXPECT_TRUE(world.urlHistory.records.empty());
    EXPECT_EQ(world.urlHistory.openStores(), 0);
}

TEST_F(InternetExplorerCleanTest, AHistoryStoreThatCannotBeWalkedEndsTheItemQuietly) {
    world.urlHistory.records.push_back({"http://kept.example/", "", 1, 1, 1, 0});
    world.failures.fail("UrlHistory.enumUrls", Status::failure(error::NotImplemented, "Not implemented"));
    EXPECT_NO_THROW(ClearIEHistory(p));
    EXPECT_EQ(world.urlHistory.records.size(), 1u);
    EXPECT_EQ(world.urlHistory.openStores(), 0);
}

TEST_F(InternetExplorerCleanTest, IndexFilesLoseTheirContentsUnlessInUse) {
    const std::string cookies = world.shell.folders.at(folder::Cookies) + "\\index.dat";
    const std::string history = world.shell.folders.at(folder::History) + "\\index.dat";
    const std::string cookieData = "Client UrlCache MMF Ver 5.2 secret.example";
    const std::string historyData = "Client UrlCache MMF Ver 5.2 visited.example";
    world.files.put(cookies, cookieData);
    world.files.put(history, historyData);
    world.files.setInUse(history);
    WipeIndexDat(p);
    EXPECT_EQ(world.files.contents(cookies), std::string(cookieData.size(), ' '));
    EXPECT_EQ(world.files.contents(history), historyData);
    EXPECT_EQ(world.files.openFiles(), 0u);

    world.files.setInUse(history, false);
    world.files.remove(cookies);
    WipeIndexDat(p);
    EXPECT_FALSE(exists(cookies)) << "a missing index file is not created";
    EXPECT_EQ(world.files.contents(history), std::string(historyData.size(), ' '));
}

class OutlookExpressTest : public InternetExplorerCleanTest {
  protected:
    void SetUp() override {
        setString("Identities", "Default User ID", "{ABCD}");
        world.files.put(store + "\\Deleted Items.dbx", "mail");
        world.files.put(store + "\\Inbox.dbx", "mail");
    }
    void setStoreRoot(RegType type) {
        setString("Identities\\{ABCD}\\Software\\Microsoft\\Outlook Express\\5.0", "Store Root", store, type);
    }
    const std::string store = "C:\\Users\\user\\AppData\\Local\\Identities\\{ABCD}\\Microsoft\\Outlook Express";
};

TEST_F(OutlookExpressTest, TheDefaultIdentitysDeletedItemsGoAndNothingElse) {
    setStoreRoot(RegType::String);
    ClearOEDeletedItems(p);
    EXPECT_FALSE(exists(store + "\\Deleted Items.dbx"));
    EXPECT_TRUE(exists(store + "\\Inbox.dbx"));
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

TEST_F(OutlookExpressTest, NothingGoesWithoutAPlainStoreRootOrWhileTheFileIsInUse) {
    ClearOEDeletedItems(p); // no store root at all
    EXPECT_TRUE(exists(store + "\\Deleted Items.dbx"));
    setStoreRoot(RegType::ExpandString);
    ClearOEDeletedItems(p);
    EXPECT_TRUE(exists(store + "\\Deleted Items.dbx"));
    setStoreRoot(RegType::String);
    world.files.setInUse(store + "\\Deleted Items.dbx");
    ClearOEDeletedItems(p);
    EXPECT_TRUE(exists(store + "\\Deleted Items.dbx"));
    world.files.setInUse(store + "\\Deleted Items.dbx", false);
    p.registry.deleteTree(kCurrentUser, "Identities\\{ABCD}");
    p.registry.deleteTree(kCurrentUser, "Identities");
    ClearOEDeletedItems(p); // no default identity
    EXPECT_TRUE(exists(store + "\\Deleted Items.dbx"));
}

} // namespace
