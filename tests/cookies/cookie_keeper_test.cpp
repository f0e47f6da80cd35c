#include "cookies/cookie_keeper.h"
#include "core/main_form_fixture.h"
#include "platform/raised_error.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace calvorin;
using platform::CacheEntry;
namespace entry = platform::cache_entry;

namespace {

const std::string kFolder = "C:\\Program Files\\Calvorin";
const std::string kKeepList = kFolder + "\\cookies.inf";

class CookieKeeperTest : public test::MainFormTest {
  protected:
    cookies::CookieKeeper keeper{platform, form.lstCookies, kFolder};

    void SetUp() override {
        world.files.makeFolder(kFolder);
        keeper.plug(form);
    }
    void cookie(const std::string& name, std::uint32_t type = entry::Cookie | entry::Normal) {
        world.urlCache.add(CacheEntry{name, "", type});
    }
    std::vector<std::string> rows() {
        std::vector<std::string> out;
        for (int r = 0; r < form.lstCookies.listCount(); ++r)
            out.push_back((form.lstCookies.selected(r) ? "+" : "-") + form.lstCookies.list(r));
        return out;
    }
    std::string keepList() { return world.files.contents(kKeepList).value_or("<none>"); }
    // The user ticks a row on screen.
    void tick(const std::string& name) {
        for (int r = 0; r < form.lstCookies.listCount(); ++r)
            if (form.lstCookies.list(r) == name) return form.lstCookies.setSelected(r, true);
        ADD_FAILURE() << "no row " << name;
    }
};

TEST_F(CookieKeeperTest, TheListHoldsTheNormalCookiesTickedExactlyAsTheKeepListNamesThem) {
    cookie("Cookie:ann@news.example/");
    cookie("Cookie:bob@bank.example/");
    cookie("Cookie:sticky@only.example/", entry::Cookie | entry::Sticky); // no normal-entry bit
    cookie("http://news.example/page.htm", entry::Normal);
    cookie("Visited: ann@http://news.example/", entry::UrlHistory | entry::Normal);
    cookie("Cookie:cat@shop.example/");
    world.files.put(
        kKeepList,
        "Cookie:BOB@bank.example/\r\nCookie:cat@shop.example/\r\nCookie:gone@old.example/\r\n"
        "Cookie:ann@news.example/ \r\n\r\n");
    form.Command2.click();
    EXPECT_TRUE(form.lstCookies.visible());
    EXPECT_EQ(rows(),
              (std::vector<std::string>{"-Cookie:ann@news.example/", "-Cookie:bob@bank.example/",
                                        "+Cookie:cat@shop.example/"}))
        << "letter case and trailing blanks count; lines naming no row tick nothing";
    EXPECT_TRUE(keeper.listFilled());
    EXPECT_EQ(world.urlCache.openFinds(), 0u);
}

TEST_F(CookieKeeperTest, AnEmptyCacheListsNoCookiesAndAnEmptyKeepListIsOneLineEnd) {
    form.Command2.click();
    EXPECT_EQ(rows(), std::vector<std::string>{"-No Cookies"});
    keeper.saveKeptCookies();
    EXPECT_EQ(keepList(), "\r\n");
    tick("No Cookies");
    keeper.saveKeptCookies();
    EXPECT_EQ(keepList(), "No Cookies\r\n\r\n") << "the placeholder is an ordinary row";
    keeper.cmdGetCache();
    EXPECT_EQ(rows(), std::vector<std::string>{"-No Cookies"})
        << "the placeholder comes after the ticks";
}

TEST_F(CookieKeeperTest, SavingWritesTheTickedRowsInListOrderAndDropsWhatIsNoLongerListed) {
    for (const char* name : {"Cookie:a@x/", "Cookie:b@y/", "Cookie:c@z/"})
        cookie(name);
    world.files.put(kKeepList, "Cookie:old@gone/\r\n\r\n");
    keeper.cmdGetCache();
    tick("Cookie:c@z/");
    tick("Cookie:a@x/");
    keeper.saveKeptCookies();
    EXPECT_EQ(keepList(), "Cookie:a@x/\r\nCookie:c@z/\r\n\r\n");
    EXPECT_FALSE(world.files.exists(kKeepList + ".new"));
}

TEST_F(CookieKeeperTest, TheKeepListIsAnsiText) {
    cookie("Cookie:jos\xC3\xA9@caf\xC3\xA9.example/"); // é in UTF-8
    keeper.cmdGetCache();
    tick("Cookie:jos\xC3\xA9@caf\xC3\xA9.example/");
    keeper.saveKeptCookies();
    EXPECT_EQ(keepList(), "Cookie:jos\xE9@caf\xE9.example/\r\n\r\n");
    keeper.cmdGetCache();
    EXPECT_EQ(rows(), std::vector<std::string>{"+Cookie:jos\xC3\xA9@caf\xC3\xA9.example/"});
}

TEST_F(CookieKeeperTest, AFailedSaveLeavesThePreviousKeepListWhole) {
    cookie("Cookie:a@x/");
    world.files.put(kKeepList, "Cookie:a@x/\r\n\r\n");
    keeper.cmdGetCache();
    form.lstCookies.setSelected(0, false);
    for (const char* step :
         {"FileSystem.open", "FileSystem.write", "FileSystem.flush", "FileSystem.rename"}) {
        world.failures.fail(step, {112, "There is not enough space on the disk."});
        keeper.saveKeptCookies();
        EXPECT_EQ(keepList(), "Cookie:a@x/\r\n\r\n") << step;
        EXPECT_FALSE(world.files.exists(kKeepList + ".new"))
            << step << ": no half-written file is left";
    }
    world.files.setAttributes(kKeepList, platform::attr::ReadOnly);
    keeper.saveKeptCookies();
    EXPECT_EQ(keepList(), "Cookie:a@x/\r\n\r\n") << "a read-only keep-list stays";
    EXPECT_EQ(world.files.openFiles(), 0u);
    world.files.setAttributes(kKeepList, 0);
    keeper.saveKeptCookies();
    EXPECT_EQ(keepList(), "\r\n");
}

TEST_F(CookieKeeperTest, AKeepListThatIsNoTextOrHasHugeLinesStillFills) {
    cookie("Cookie:a@x/");
    cookie("Cookie:b@y/");
    std::string junk(3'000'000, 'x');
    junk += std::string("\0\x01\xFF\r\r\n", 6);
    junk += "Cookie:b@y/\n"; // a lone LF ends a line too
    junk += "Cookie:a@x/";   // and so does the end of the file
    world.files.put(kKeepList, junk);
    keeper.cmdGetCache();
    EXPECT_EQ(rows(), (std::vector<std::string>{"+Cookie:a@x/", "+Cookie:b@y/"}));
    keeper.saveKeptCookies();
    EXPECT_EQ(keepList(), "Cookie:a@x/\r\nCookie:b@y/\r\n\r\n")
        << "the unmatched lines are dropped";
}

TEST_F(CookieKeeperTest, ErasingCookiesSparesTheTickedOnesAndWhatTheListNeverShowed) {
    for (const char* name : {"Cookie:a@x/", "Cookie:b@y/", "Cookie:c@z/"})
        cookie(name);
    cookie("Cookie:sticky@only/", entry::Cookie | entry::Sticky);
    form.chkIEsettings[8].setValue(1); // the click fills the list
    tick("Cookie:b@y/");
    world.failures.fail("UrlCache.remove", {5, "Access is denied."}); // the first delete fails
    form.cmdClean.click();
    EXPECT_EQ(form.Label1.caption(), "Done.");
    EXPECT_TRUE(world.urlCache.has("Cookie:a@x/")) << "its delete failed";
    EXPECT_TRUE(world.urlCache.has("Cookie:b@y/"));
    EXPECT_FALSE(world.urlCache.has("Cookie:c@z/"));
    EXPECT_TRUE(world.urlCache.has("Cookie:sticky@only/"));
    EXPECT_EQ(rows(), (std::vector<std::string>{"-Cookie:a@x/", "+Cookie:b@y/"}))
        << "refilled with what is left, ticked again from the keep-list saved at the start";
    EXPECT_EQ(keepList(), "Cookie:b@y/\r\n\r\n");
}

TEST_F(CookieKeeperTest, NoSaveBeforeTheListWasFilledInThisRunEmptiesTheKeepList) {
    cookie("Cookie:a@x/");
    cookie("Cookie:b@y/");
    world.files.put(kKeepList, "Cookie:b@y/\r\n\r\n");
    form.chkWinSettings[0].setValue(1);
    form.cmdClean.click(); // before the list was ever opened
    EXPECT_EQ(keepList(), "Cookie:b@y/\r\n\r\n");
    form.Form_Unload();
    EXPECT_EQ(keepList(), "Cookie:b@y/\r\n\r\n");

    // A start-up that restores the "Cookies" tick runs its click: the save is skipped, the fill
    // shows the kept cookie ticked, and the close after it writes the same list back.
    world.settings.save("Calvorin", "LastHistory", "chkIEsettings8", "1");
    form.getLastSettings();
    EXPECT_EQ(rows(), (std::vector<std::string>{"-Cookie:a@x/", "+Cookie:b@y/"}));
    EXPECT_EQ(keepList(), "Cookie:b@y/\r\n\r\n");
    world.files.put(kKeepList, "Cookie:a@x/\r\nCookie:b@y/\r\n\r\n"); // changed behind our back
    form.Form_Unload();
    EXPECT_EQ(keepList(), "Cookie:b@y/\r\n\r\n") << "once filled, the list is what counts";
}

TEST_F(CookieKeeperTest, Command2SavesTheTicksBeforeRefilling) {
    cookie("Cookie:a@x/");
    form.Command2.click();
    tick("Cookie:a@x/");
    cookie("Cookie:new@w/");
    form.Command2.click();
    EXPECT_EQ(rows(), (std::vector<std::string>{"+Cookie:a@x/", "-Cookie:new@w/"}));
    form.chkIEsettings[8].mouseMove();
    EXPECT_FALSE(form.lstCookies.visible());
    EXPECT_EQ(form.lstCookies.listCount(), 2) << "hidden, the list keeps its rows";
    form.cmdSellAll.click();
    EXPECT_EQ(form.chkIEsettings[0].value(), 0) << "hidden list: Select All works on the tab";
}

TEST_F(CookieKeeperTest, WhatTheWindowDoesWhileTheListFillsNeverUsesTheHalfFilledList) {
    for (const char* name : {"Cookie:a@x/", "Cookie:b@y/"})
        cookie(name);
    world.files.put(kKeepList, "Cookie:a@x/\r\n\r\n");
    int during = 0;
    // Handled while the fill lets the window work: a save, then an erase run.
    world.events.at(world.events.tickCount(), [&] {
        ++during;
        EXPECT_FALSE(keeper.listFilled());
        keeper.saveKeptCookies();
        EXPECT_EQ(keepList(), "Cookie:a@x/\r\n\r\n") << "half a list saves nothing";
        form.chkIEsettings[8].setValue(1);
        form.cmdClean.click();
        EXPECT_EQ(form.Label1.caption(), "Done.");
        EXPECT_TRUE(world.urlCache.has("Cookie:a@x/"))
            << "the erase saw the full list, ticks and all";
        EXPECT_FALSE(world.urlCache.has("Cookie:b@y/")) << "and erased before it said Done";
    });
    keeper.cmdGetCache();
    EXPECT_EQ(during, 1);
    EXPECT_EQ(rows(), (std::vector<std::string>{"+Cookie:a@x/"}))
        << "the interrupted fill left the newer list";
    EXPECT_TRUE(keeper.listFilled());
    EXPECT_EQ(keepList(), "Cookie:a@x/\r\n\r\n");
    EXPECT_EQ(world.urlCache.openFinds(), 0u);
}

TEST_F(CookieKeeperTest, AFillBrokenByAFailureLeavesTheListUnfilledButUsable) {
    cookie("Cookie:a@x/");
    world.files.put(kKeepList, "Cookie:a@x/\r\n\r\n");
    world.events.at(world.events.tickCount(), [] { throw std::runtime_error("a handler failed"); });
    EXPECT_THROW(keeper.cmdGetCache(), std::runtime_error);
    EXPECT_FALSE(keeper.listFilled());
    keeper.deleteUnkeptCookies();
    EXPECT_TRUE(world.urlCache.has("Cookie:a@x/")) << "listed, not yet ticked from the keep-list";
    form.Form_Unload();
    EXPECT_EQ(keepList(), "Cookie:a@x/\r\n\r\n") << "an unfilled list saves nothing";
    keeper.cmdGetCache();
    EXPECT_EQ(rows(), std::vector<std::string>{"+Cookie:a@x/"});
    keeper.saveKeptCookies();
    EXPECT_EQ(keepList(), "Cookie:a@x/\r\n\r\n");
}

TEST_F(CookieKeeperTest, AFailingCacheEndsTheListingQuietly) {
    for (const char* name : {"Cookie:a@x/", "Cookie:b@y/"})
        cookie(name);
    world.failures.fail("UrlCache.findNext", {12, "broken"});
    keeper.cmdGetCache();
    EXPECT_EQ(rows(), std::vector<std::string>{"-Cookie:a@x/"});
    EXPECT_EQ(world.urlCache.openFinds(), 0u);
    world.failures.fail("UrlCache.findFirst", {12, "broken"});
    keeper.cmdGetCache();
    EXPECT_EQ(rows(), std::vector<std::string>{"-No Cookies"});
    EXPECT_TRUE(world.dialogs.shown.empty());
}

} // namespace
