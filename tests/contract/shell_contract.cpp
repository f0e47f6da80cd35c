#include "contract/test_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using namespace calvorin::platform;

namespace {

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

TEST(ShellContract, SpecialFoldersAreAbsolutePathsWithoutTrailingSeparator) {
    auto p = calvorin::test::makeTestPlatform();
    std::string profile;
    ASSERT_TRUE(p->shell().specialFolder(folder::Profile, profile).ok());
    for (int n : {folder::AppData, folder::InternetCache, folder::Cookies, folder::History, folder::Windows,
                  folder::System, folder::ProgramFiles, folder::Profile, folder::Recent}) {
        std::string path;
        ASSERT_TRUE(p->shell().specialFolder(n, path).ok()) << n;
        ASSERT_GE(path.size(), 3u) << n;
        EXPECT_EQ(path.substr(1, 2), ":\\") << path;
        EXPECT_NE(path.back(), '\\') << path;
        if (n == folder::AppData || n == folder::InternetCache || n == folder::History || n == folder::Recent) {
            EXPECT_EQ(upper(path).rfind(upper(profile) + "\\", 0), 0u) << path << " lies in the profile";
        }
    }
    std::string windows, system;
    p->shell().specialFolder(folder::Windows, windows);
    p->shell().specialFolder(folder::System, system);
    EXPECT_EQ(upper(system).rfind(upper(windows) + "\\", 0), 0u);
}

TEST(ShellContract, ClearingRecentDocumentsRemovesTheirShortcuts) {
    auto p = calvorin::test::makeTestPlatform();
    if (p->onWine()) GTEST_SKIP() << "Wine's SHAddToRecentDocs(NULL) leaves the recent documents in place";
    std::string recent;
    ASSERT_TRUE(p->shell().specialFolder(folder::Recent, recent).ok());
    FileHandle f = kNoFile;
    if (!p->files().open(recent + "\\calvorin contract.lnk", OpenMode::Output, f).ok()) {
        p->files().createFolder(recent);
        ASSERT_TRUE(p->files().open(recent + "\\calvorin contract.lnk", OpenMode::Output, f).ok());
    }
    p->files().close(f);
    EXPECT_TRUE(p->shell().clearRecentDocuments().ok());
    EXPECT_FALSE(p->files().fileExists(recent + "\\calvorin contract.lnk"));
    p->files().remove(recent + "\\calvorin contract.lnk");
}

TEST(SystemInfoContract, TheTemporaryFolderExistsAndEndsInASeparator) {
    auto p = calvorin::test::makeTestPlatform();
    std::string temp;
    ASSERT_TRUE(p->system().tempPath(temp).ok());
    ASSERT_GE(temp.size(), 4u);
    EXPECT_EQ(temp.back(), '\\');
    std::uint32_t a = 0;
    ASSERT_TRUE(p->files().attributes(temp.substr(0, temp.size() - 1), a).ok()) << temp;
    EXPECT_TRUE(a & attr::Directory);
}

TEST(ClipboardContract, OpeningEmptyingAndClosingLeavesItEmpty) {
    auto p = calvorin::test::makeTestPlatform();
    p->setClipboardText("card number");
    ASSERT_TRUE(p->clipboardHasText());
    EXPECT_FALSE(p->clipboard().empty().ok()) << "only while open";
    ASSERT_TRUE(p->clipboard().open().ok());
    EXPECT_TRUE(p->clipboard().empty().ok());
    EXPECT_TRUE(p->clipboard().close().ok());
    EXPECT_FALSE(p->clipboardHasText());
    EXPECT_FALSE(p->clipboard().close().ok()) << "closing twice fails";
}

} // namespace

namespace {

std::string readAll(calvorin::test::TestPlatform& p, const std::string& path) {
    FileHandle f = kNoFile;
    if (!p.files().open(path, OpenMode::Input, f).ok()) return "<unreadable>";
    std::string all, chunk;
    while (p.files().read(f, 4096, chunk).ok() && !chunk.empty()) all += chunk;
    p.files().close(f);
    return all;
}

void writeAll(calvorin::test::TestPlatform& p, const std::string& path, const std::string& data) {
    FileHandle f = kNoFile;
    ASSERT_TRUE(p.files().open(path, OpenMode::Output, f).ok()) << path;
    ASSERT_TRUE(p.files().write(f, data).ok());
    p.files().close(f);
}

TEST(ShellContract, ACopyOverwritesTheDestinationWithoutAsking) {
    auto p = calvorin::test::makeTestPlatform();
    const std::string dir = p->scratchFolder();
    writeAll(*p, dir + "\\cvn.exe", std::string("new program\0\x01\xff", 14));
    writeAll(*p, dir + "\\Calvorin.exe", "old program, longer than the new one");
    ASSERT_TRUE(p->shell().copyFile(dir + "\\cvn.exe", dir + "\\Calvorin.exe").ok());
    EXPECT_EQ(readAll(*p, dir + "\\Calvorin.exe"), std::string("new program\0\x01\xff", 14));
    EXPECT_TRUE(p->files().fileExists(dir + "\\cvn.exe")) << "a copy leaves its source";
    EXPECT_FALSE(p->shell().copyFile(dir + "\\absent.exe", dir + "\\other.exe").ok());
    EXPECT_FALSE(p->files().fileExists(dir + "\\other.exe"));
    p->files().remove(dir + "\\cvn.exe");
    p->files().remove(dir + "\\Calvorin.exe");
}

TEST(InternetContract, ASessionOpensButAnUnreachablePageDoesNot) {
    auto p = calvorin::test::makeTestPlatform();
    InternetHandle root = kNoInternetHandle;
    ASSERT_TRUE(p->internet().openRoot("Calvorin", root).ok());
    EXPECT_NE(root, kNoInternetHandle);
    InternetHandle page = kNoInternetHandle;
    // Nothing listens on port 1 of this machine.
    EXPECT_FALSE(p->internet()
                     .openUrl(root, "http://127.0.0.1:1/",
                              InternetFlagReload | InternetFlagNoCacheWrite | InternetFlagKeepConnection, page)
                     .ok());
    EXPECT_EQ(page, kNoInternetHandle);
    EXPECT_TRUE(p->internet().closeHandle(root).ok());
    EXPECT_FALSE(p->internet().transferExecuting());
}

} // namespace
