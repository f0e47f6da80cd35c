#include "cleaners/trace_operations.h"
#include "core/main_form_fixture.h"

using namespace calvorin;
using namespace calvorin::platform;
using core::TraceGroup;

namespace {

class TraceOperationsTest : public test::MainFormTest {
  protected:
    void SetUp() override {
        cleaners::plugWindowsAndInternetExplorer(form.eraseOperations, platform,
                                                 [this](const std::string& text, std::int64_t) {
                                                     reports.push_back(text);
                                                 });
    }
    void setString(const std::string& key, const std::string& name, const std::string& text) {
        RegKey k = kNoKey;
        ASSERT_TRUE(platform.registry.createKey(kCurrentUser, key, k).ok());
        platform.registry.writeString(k, name, text);
        platform.registry.closeKey(k);
    }
    bool keyExists(const std::string& key) {
        RegKey k = kNoKey;
        if (!platform.registry.openKey(kCurrentUser, key, k).ok()) return false;
        platform.registry.closeKey(k);
        return true;
    }
    std::vector<std::string> reports;
};

TEST_F(TraceOperationsTest, EveryItemButCookiesHasItsOperation) {
    for (const auto& item : core::traceItems()) {
        const bool plugged = item.group == TraceGroup::Windows ||
                             (item.group == TraceGroup::InternetExplorer && item.index != 8);
        EXPECT_EQ(form.eraseOperations.of(item.group, item.index).size(), plugged ? 1u : 0u)
            << item.caption;
    }
}

TEST_F(TraceOperationsTest, TickingEveryWindowsAndBrowserItemErasesTheirTracesOnly) {
    const std::string temp = world.system.temp;
    const std::string inet = world.shell.folders.at(folder::InternetCache);
    world.shell.recycled = {"C:\\old.txt"};
    world.files.put(world.shell.folders.at(folder::Recent) + "\\a.lnk");
    setString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU", "a", "cmd");
    setString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU", "a", "*.doc");
    setString("Software\\Microsoft\\Windows\\CurrentVersion\\StreamMRU", "0", "x");
    world.clipboard.text = "secret";
    world.files.put("C:\\FILE0000.CHK");
    world.files.put(temp + "sub\\a.tmp");
    setString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\txt", "a", "x.txt");
    setString("Software\\Microsoft\\Search Assistant\\ACMru\\5647", "000", "pc");
    setString("Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1", "http://a.example/");
    setString("Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage1", "h", "x");
    world.urlCache.add({"http://a.example/", inet + "\\Content.IE5\\A\\a.htm", cache_entry::Normal});
    world.urlCache.add({"Cookie:ann@a.example/", "C:\\Cookies\\ann@a.txt", cache_entry::Normal | cache_entry::Cookie});
    world.urlHistory.records.push_back({"http://a.example/", "A", 1, 1, 1, 0});
    setString("Software\\Microsoft\\Search Assistant\\ACMru\\5604", "000", "err");
    world.files.put(world.shell.folders.at(folder::History) + "\\index.dat", "visited");
    setString("Identities", "Default User ID", "{X}");
    setString("Identities\\{X}\\Software\\Microsoft\\Outlook Express\\5.0", "Store Root", "C:\\Mail");
    world.files.put("C:\\Mail\\Deleted Items.dbx");
    world.files.put("C:\\Mail\\Inbox.dbx");

    for (auto& box : form.chkWinSettings) box.setValue(1);
    for (int i = 0; i < 8; ++i) form.chkIEsettings[i].setValue(1);
    form.doClean();

    EXPECT_TRUE(world.shell.recycled.empty());
    ASSERT_EQ(world.shell.emptied.size(), 1u);
    EXPECT_EQ(world.shell.emptied[0].root, "");
    EXPECT_EQ(world.shell.emptied[0].flags, 7u);
    EXPECT_FALSE(world.files.exists(world.shell.folders.at(folder::Recent) + "\\a.lnk"));
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"));
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU"));
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Windows\\CurrentVersion\\StreamMRU"));
    EXPECT_EQ(world.clipboard.text, "");
    EXPECT_FALSE(world.files.exists("C:\\FILE0000.CHK"));
    EXPECT_FALSE(world.files.exists(temp + "sub"));
    EXPECT_TRUE(world.files.exists(temp));
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU"));
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Search Assistant\\ACMru\\5647"));
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Internet Explorer\\TypedURLs"));
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Internet Explorer\\IntelliForms"));
    EXPECT_FALSE(world.urlCache.has("http://a.example/"));
    EXPECT_TRUE(world.urlCache.has("Cookie:ann@a.example/")) << "cookies are not these items' to erase";
    EXPECT_TRUE(world.urlHistory.records.empty());
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Search Assistant\\ACMru\\5604"));
    EXPECT_EQ(world.files.contents(world.shell.folders.at(folder::History) + "\\index.dat"), "       ");
    EXPECT_FALSE(world.files.exists("C:\\Mail\\Deleted Items.dbx"));
    EXPECT_TRUE(world.files.exists("C:\\Mail\\Inbox.dbx"));
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(form.Label1.caption(), "Done.");
    EXPECT_EQ(world.registry.openHandles(), 0u);
    EXPECT_EQ(world.files.openFiles(), 0u);
}

TEST_F(TraceOperationsTest, TheFormsItemErasesSuggestionsWithoutAPause) {
    setString("Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage1", "h", "x");
    setString("Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage2", "h", "password");
    const auto start = world.events.tickCount();
    form.chkIEsettings[1].setValue(1);
    form.doClean();
    EXPECT_EQ(world.events.tickCount(), start);
    EXPECT_FALSE(keyExists("Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage1"));
    EXPECT_TRUE(keyExists("Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage2"));
}

TEST_F(TraceOperationsTest, RecentDocumentFailuresReachTheReport) {
    world.failures.fail("Shell.clearRecentDocuments", Status::failure(5, "Access is denied."));
    form.chkWinSettings[2].setValue(1);
    form.doClean();
    EXPECT_EQ(reports, (std::vector<std::string>{"mdWindowsClean, ClearRecentDocs, Access is denied."}));
    EXPECT_EQ(form.Label1.caption(), "Done.");
}

} // namespace
