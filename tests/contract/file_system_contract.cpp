#include "contract/scratch_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace calvorin::platform;

namespace {

class FileSystemContract : public calvorin::test::ScratchFiles {
  protected:
    std::string get(const std::string& path) { return contentOf(path); }
    std::set<std::string> names(const std::string& pattern, std::uint32_t include) {
        std::vector<DirEntry> entries;
        fs().list(pattern, include, entries);
        std::set<std::string> out;
        for (const auto& e : entries) out.insert(e.name);
        return out;
    }
};

TEST_F(FileSystemContract, ListingsMatchWildcardsWithoutRegardToCaseAndFilterByAttribute) {
    put("Report.TXT", "abc");
    put("notes.txt", "");
    put("hidden.txt", "");
    put("data.bin", "");
    ASSERT_TRUE(fs().createFolder(at("Sub")).ok());
    ASSERT_TRUE(fs().setAttributes(at("hidden.txt"), attr::Hidden).ok());

    EXPECT_EQ(names(at("*.txt"), 0), (std::set<std::string>{"Report.TXT", "notes.txt"}));
    EXPECT_EQ(names(at("*.txt"), attr::Hidden), (std::set<std::string>{"Report.TXT", "notes.txt", "hidden.txt"}));
    EXPECT_EQ(names(at("*"), attr::Directory),
              (std::set<std::string>{".", "..", "Report.TXT", "notes.txt", "data.bin", "Sub"}));
    EXPECT_EQ(names(at("REPORT.txt"), 0), (std::set<std::string>{"Report.TXT"})) << "a plain name lists itself";
    EXPECT_EQ(names(at("sub"), attr::Directory), (std::set<std::string>{"Sub"}));
    EXPECT_TRUE(names(at("sub"), 0).empty()) << "a folder only when folders are asked for";

    std::vector<DirEntry> entries;
    ASSERT_TRUE(fs().find(at("report.txt"), entries).ok());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].length, 3u);
    EXPECT_FALSE(entries[0].attributes & attr::Directory);
    EXPECT_EQ(fs().find(at("*.none"), entries).number, error::FileNotFound);
    EXPECT_EQ(fs().find(at("Missing\\*"), entries).number, error::PathNotFound);
    EXPECT_FALSE(fs().find(dir_ + "\\", entries).ok()) << "a trailing separator names no entry";
}

TEST_F(FileSystemContract, AttributesLengthAndExistence) {
    put("a.txt", "12345");
    std::uint32_t a = 0;
    ASSERT_TRUE(fs().attributes(at("A.TXT"), a).ok());
    EXPECT_FALSE(a & attr::Directory);
    ASSERT_TRUE(fs().setAttributes(at("a.txt"), attr::ReadOnly | attr::Hidden | attr::System).ok());
    ASSERT_TRUE(fs().attributes(at("a.txt"), a).ok());
    EXPECT_EQ(a & (attr::ReadOnly | attr::Hidden | attr::System), attr::ReadOnly | attr::Hidden | attr::System);
    ASSERT_TRUE(fs().attributes(dir_, a).ok());
    EXPECT_TRUE(a & attr::Directory);
    EXPECT_FALSE(fs().attributes(at("none"), a).ok());

    std::uint64_t n = 0;
    ASSERT_TRUE(fs().length(at("a.txt"), n).ok());
    EXPECT_EQ(n, 5u);
    EXPECT_TRUE(fs().fileExists(at("A.txt")));
    EXPECT_FALSE(fs().fileExists(dir_));
    EXPECT_FALSE(fs().fileExists(at("none")));
    ASSERT_TRUE(fs().setAttributes(at("a.txt"), 0).ok());
}

TEST_F(FileSystemContract, OpenModesReadWriteAndSeek) {
    put("f.txt", "hello world");
    EXPECT_EQ(get(at("F.TXT")), "hello world");
    FileHandle f = kNoFile;
    ASSERT_TRUE(fs().open(at("f.txt"), OpenMode::Binary, f).ok());
    ASSERT_TRUE(fs().seek(f, 6).ok());
    ASSERT_TRUE(fs().write(f, "W").ok());
    ASSERT_TRUE(fs().seek(f, 0).ok());
    std::string head;
    ASSERT_TRUE(fs().read(f, 5, head).ok());
    EXPECT_EQ(head, "hello");
    ASSERT_TRUE(fs().close(f).ok());
    EXPECT_EQ(get(at("f.txt")), "hello World") << "binary access keeps the rest";

    ASSERT_TRUE(fs().open(at("f.txt"), OpenMode::Output, f).ok());
    ASSERT_TRUE(fs().write(f, "x").ok());
    ASSERT_TRUE(fs().close(f).ok());
    EXPECT_EQ(get(at("f.txt")), "x") << "output empties the file first";

    ASSERT_TRUE(fs().setAttributes(at("f.txt"), attr::Hidden).ok());
    ASSERT_TRUE(fs().open(at("f.txt"), OpenMode::Output, f).ok()) << "a hidden file opens for output";
    ASSERT_TRUE(fs().close(f).ok());
    EXPECT_EQ(get(at("f.txt")), "");

    EXPECT_EQ(fs().open(at("none.txt"), OpenMode::Input, f).number, error::FileNotFound);
    EXPECT_EQ(fs().open(at("no\\such.txt"), OpenMode::Output, f).number, error::PathNotFound);
}

TEST_F(FileSystemContract, ReadOnlyLockedAndNonEmptyRefuseRemoval) {
    put("ro.txt", "x");
    put("locked.txt", "x");
    ASSERT_TRUE(fs().setAttributes(at("ro.txt"), attr::ReadOnly).ok());
    EXPECT_EQ(fs().remove(at("ro.txt")).number, error::AccessDenied);
    FileHandle f = kNoFile;
    const Status writing = fs().open(at("ro.txt"), OpenMode::Output, f);
    if (writing.ok()) fs().close(f);
    if (!(p_->onWine() && writing.ok())) { // Wine run by root writes read-only files all the same
        EXPECT_EQ(writing.number, error::AccessDenied);
    }
    ASSERT_TRUE(fs().setAttributes(at("ro.txt"), 0).ok());
    EXPECT_TRUE(fs().remove(at("RO.TXT")).ok());
    EXPECT_FALSE(fs().fileExists(at("ro.txt")));

    p_->holdOpen(at("locked.txt"));
    EXPECT_EQ(fs().open(at("locked.txt"), OpenMode::Input, f).number, error::SharingViolation);
    EXPECT_EQ(fs().remove(at("locked.txt")).number, error::SharingViolation);
    std::uint64_t n = 0;
    EXPECT_TRUE(fs().length(at("locked.txt"), n).ok()) << "its length still reads";
    p_->releaseHeld();

    ASSERT_TRUE(fs().createFolder(at("D")).ok());
    EXPECT_EQ(fs().createFolder(at("D")).number, error::AlreadyExists);
    put("D\\inner.txt", "x");
    EXPECT_EQ(fs().removeFolder(at("D")).number, error::DirNotEmpty);
    ASSERT_TRUE(fs().remove(at("D\\inner.txt")).ok());
    EXPECT_TRUE(fs().removeFolder(at("d\\")).ok());
    EXPECT_TRUE(fs().remove(at("locked.txt")).ok());
}

TEST_F(FileSystemContract, AShortPathNamesTheSameFile) {
    ASSERT_TRUE(fs().createFolder(at("Long Folder Name")).ok());
    put("Long Folder Name\\Some Document.html", "content");
    std::string shortPath;
    ASSERT_TRUE(fs().shortPath(at("long folder name\\some document.html"), shortPath).ok());
    EXPECT_EQ(get(shortPath), "content");
    const std::string last = shortPath.substr(shortPath.rfind('\\') + 1);
    EXPECT_TRUE(last.size() <= 12 || last == "Some Document.html") << shortPath;
    EXPECT_FALSE(fs().shortPath(at("none.txt"), shortPath).ok());
}

} // namespace

namespace {

TEST_F(FileSystemContract, AFileOpenedForReadingRefusesWrites) {
    put("r.txt", "abc");
    FileHandle f = kNoFile;
    ASSERT_TRUE(fs().open(at("r.txt"), OpenMode::Input, f).ok());
    EXPECT_EQ(fs().write(f, "xyz").number, error::AccessDenied);
    std::string bytes;
    ASSERT_TRUE(fs().read(f, 10, bytes).ok());
    EXPECT_EQ(bytes, "abc");
    fs().close(f);
    EXPECT_EQ(get(at("r.txt")), "abc");
}

} // namespace

namespace {

// A link to a file outside: deleting it takes the link alone, or nothing; never the target.
TEST_F(FileSystemContract, DeletingALinkNeverDeletesWhatItLeadsTo) {
    const std::string outside = p_->scratchFolder();
    const std::string target = outside + "\\precious.txt";
    FileHandle f = kNoFile;
    ASSERT_TRUE(fs().open(target, OpenMode::Output, f).ok());
    ASSERT_TRUE(fs().write(f, "keep me").ok());
    fs().close(f);
    if (!p_->makeFileLink(at("link.txt"), target)) GTEST_SKIP() << "no links on this system";

    std::uint32_t a = 0;
    ASSERT_TRUE(fs().attributes(at("link.txt"), a).ok());
    EXPECT_TRUE(a & attr::ReparsePoint) << "a link shows as one";
    const Status removed = fs().remove(at("link.txt"));
    EXPECT_EQ(get(target), "keep me");
    if (p_->onWine()) {
        // Wine cannot delete a link alone: it stays, refused.
        EXPECT_EQ(removed.number, error::AccessDenied);
        EXPECT_TRUE(names(at("*"), attr::Hidden).count("link.txt"));
    } else {
        EXPECT_TRUE(removed.ok());
        EXPECT_FALSE(names(at("*"), attr::Hidden).count("link.txt"));
    }
    fs().remove(at("link.txt"));
    ASSERT_TRUE(fs().remove(target).ok());
}

TEST_F(FileSystemContract, FlushRenameAndReplace) {
    FileHandle f = kNoFile;
    ASSERT_TRUE(fs().open(at("draft.txt"), OpenMode::Binary, f).ok());
    ASSERT_TRUE(fs().write(f, "written").ok());
    EXPECT_TRUE(fs().flush(f).ok());
    ASSERT_TRUE(fs().close(f).ok());

    ASSERT_TRUE(fs().rename(at("draft.txt"), at("q7k2x0ab.txt")).ok());
    EXPECT_FALSE(fs().fileExists(at("draft.txt")));
    EXPECT_EQ(get(at("q7k2x0ab.txt")), "written");
    EXPECT_EQ(names(at("*"), 0), (std::set<std::string>{"q7k2x0ab.txt"}));

    put("other.txt", "other");
    EXPECT_EQ(fs().rename(at("q7k2x0ab.txt"), at("other.txt")).number, error::AlreadyExists);
    EXPECT_EQ(get(at("other.txt")), "other");
    ASSERT_TRUE(fs().rename(at("q7k2x0ab.txt"), at("other.txt"), true).ok());
    EXPECT_EQ(get(at("other.txt")), "written");
    EXPECT_FALSE(fs().fileExists(at("q7k2x0ab.txt")));

    EXPECT_EQ(fs().rename(at("none.txt"), at("x.txt")).number, error::FileNotFound);
    p_->holdOpen(at("other.txt"));
    EXPECT_EQ(fs().rename(at("other.txt"), at("x.txt")).number, error::SharingViolation);
    p_->releaseHeld();
    EXPECT_TRUE(fs().remove(at("other.txt")).ok());
}

TEST_F(FileSystemContract, AFileWithASecondNameLeadsElsewhere) {
    put("plain.txt", "x");
    bool elsewhere = true;
    ASSERT_TRUE(fs().leadsElsewhere(at("PLAIN.TXT"), elsewhere).ok());
    EXPECT_FALSE(elsewhere);
    ASSERT_TRUE(fs().leadsElsewhere(dir_, elsewhere).ok());
    EXPECT_FALSE(elsewhere) << "a plain folder";
    EXPECT_FALSE(fs().leadsElsewhere(at("none.txt"), elsewhere).ok());

    ASSERT_TRUE(p_->makeHardLink(at("plain.txt"), at("second.txt")));
    for (const char* name : {"plain.txt", "second.txt"}) {
        ASSERT_TRUE(fs().leadsElsewhere(at(name), elsewhere).ok());
        EXPECT_TRUE(elsewhere) << name;
    }
    EXPECT_TRUE(fs().remove(at("second.txt")).ok());
    ASSERT_TRUE(fs().leadsElsewhere(at("plain.txt"), elsewhere).ok());
    EXPECT_FALSE(elsewhere) << "the one name left";
}

} // namespace
