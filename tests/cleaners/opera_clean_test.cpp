#include "cleaners/cleaner_fixture.h"
#include "cleaners/opera_clean.h"
#include "cleaners/trace_operations.h"
#include "core/main_form.h"

using namespace calvorin;
using namespace calvorin::cleaners::mdOpera;
using namespace calvorin::platform;

namespace {

const std::string kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Opera.exe";
const std::string kInstall = "C:\\Program Files\\Opera7";

class OperaCleanTest : public test::CleanerTest {
  protected:
    std::string profile = world.shell.folders.at(folder::AppData) + "\\Opera\\OPERA7\\profile\\";
    void registerOpera(const std::string& path) {
        RegKey k = kNoKey;
        ASSERT_TRUE(p.registry.createKey(kLocalMachine, kAppPaths, k).ok());
        ASSERT_TRUE(p.registry.writeString(k, "Path", path).ok());
        p.registry.closeKey(k);
    }
};

TEST_F(OperaCleanTest, TheInstallFolderComesFromAppPathsWithoutItsTrailingSeparator) {
    EXPECT_EQ(GetOperaPath(p), "");
    registerOpera(kInstall + "\\");
    EXPECT_EQ(GetOperaPath(p), kInstall);
    registerOpera("Opera7");
    EXPECT_EQ(GetOperaPath(p), "") << "a relative folder would lead into the working folder";
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

TEST_F(OperaCleanTest, CachesLoseTheirPlainFilesOnly) {
    registerOpera(kInstall);
    const std::string cache = kInstall + "\\Cache\\";
    const std::string cache4 = profile + "cache4\\";
    for (const auto& f : {cache + "opr001.htm", cache + "opr002.gif", cache4 + "opr0A1.tmp",
                          cache4 + "dcache4.url"})
        world.files.put(f, "x");
    world.files.put(cache4 + "sub\\opr0B2.tmp", "nested");
    world.files.put(cache4 + "hidden.tmp", "h", attr::Hidden);
    world.files.put(cache4 + "locked.tmp", "l");
    world.files.setInUse(cache4 + "locked.tmp");
    world.files.put(kInstall + "\\opera.exe", "program");

    ClearOperaCache(p);
    ClearOperaCache4(p);
    EXPECT_FALSE(exists(cache + "opr001.htm"));
    EXPECT_FALSE(exists(cache + "opr002.gif"));
    EXPECT_FALSE(exists(cache4 + "opr0A1.tmp"));
    EXPECT_FALSE(exists(cache4 + "dcache4.url"));
    EXPECT_TRUE(exists(cache4 + "sub\\opr0B2.tmp")) << "subfolders and their files stay";
    EXPECT_TRUE(exists(cache4 + "hidden.tmp"));
    EXPECT_TRUE(exists(cache4 + "locked.tmp")) << "Opera still running holds it";
    EXPECT_TRUE(exists(cache)) << "the folder itself stays";
    EXPECT_TRUE(exists(kInstall + "\\opera.exe"));
}

TEST_F(OperaCleanTest, TypedAddressesAndCookiesAreDeletedDirectlyAReadOnlyOneStays) {
    registerOpera(kInstall);
    for (const auto& f :
         {profile + "global.dat", profile + "opera.dir", kInstall + "\\cookies.dat"})
        world.files.put(f, "trace");
    world.files.put(profile + "cookies4.dat", "kept", attr::ReadOnly);
    world.files.put(profile + "opera6.ini", "settings");
    ClearOperaTypedURLs(p);
    ClearOperaCookies(p);
    ClearOperaCookies4(p);
    EXPECT_FALSE(exists(profile + "global.dat"));
    EXPECT_FALSE(exists(profile + "opera.dir"));
    EXPECT_FALSE(exists(kInstall + "\\cookies.dat"));
    EXPECT_TRUE(exists(profile + "cookies4.dat"));
    EXPECT_TRUE(exists(profile + "opera6.ini"));
}

TEST_F(OperaCleanTest, WithoutAppPathsOnlyTheProfileStepsRun) {
    world.files.put(profile + "cookies4.dat", "trace");
    world.files.put(profile + "cache4\\a.tmp", "trace");
    world.files.put("C:\\Cache\\a.htm", "not Opera's");
    world.files.put("C:\\cookies.dat", "not Opera's");
    ClearOperaCache(p);
    ClearOperaCache4(p);
    ClearOperaCookies(p);
    ClearOperaCookies4(p);
    EXPECT_FALSE(exists(profile + "cookies4.dat"));
    EXPECT_FALSE(exists(profile + "cache4\\a.tmp"));
    EXPECT_TRUE(exists("C:\\Cache\\a.htm"));
    EXPECT_TRUE(exists("C:\\cookies.dat"));

    world.shell.folders.erase(folder::AppData);
    world.files.put("C:\\Opera\\OPERA7\\profile\\global.dat", "not found through a missing folder");
    ClearOperaTypedURLs(p);
    EXPECT_TRUE(exists("C:\\Opera\\OPERA7\\profile\\global.dat"));
}

// After this, every one of the 28 items erases something.
TEST_F(OperaCleanTest, EveryItemOfTheCatalogueHasItsOperations) {
    core::frmMain form(p);
    cleaners::plugWindowsAndInternetExplorer(form.eraseOperations, p, {});
    cleaners::plugNetscapeAndOpera(form.eraseOperations, p, {});
    for (const auto& item : core::traceItems()) {
        const bool two = item.group == core::TraceGroup::Opera && item.index > 0;
        if (item.group == core::TraceGroup::InternetExplorer && item.index == 8)
            continue; // the cookie keeper's
        EXPECT_EQ(form.eraseOperations.of(item.group, item.index).size(), two ? 2u : 1u)
            << item.caption;
    }
    registerOpera(kInstall);
    world.files.put(kInstall + "\\cookies.dat", "1");
    world.files.put(profile + "cookies4.dat", "2");
    form.chkOPsettings[2].setValue(1);
    form.doClean();
    EXPECT_FALSE(exists(kInstall + "\\cookies.dat"));
    EXPECT_FALSE(exists(profile + "cookies4.dat"));
}

} // namespace
