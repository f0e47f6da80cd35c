#include "platform/emulated/world.h"
#include "shredder/mdshread.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace calvorin;
using platform::Status;

namespace {

// The pattern table: what one repetition writes, and how often (0 stands for the count N).
struct Pass {
    std::string bytes;
    int times;
};
std::vector<Pass> table() {
    const std::string ten("\x0A\x00\x00\x00", 4);
    std::vector<Pass> t{{ten, 0}, {"\xEA\xDE", 0}, {"\x31\xE7", 0}};
    for (int i = 4; i <= 13; ++i)
        t.push_back({"10", 0});
    for (const char* one : {".", ".", "V", "e", "r", "\x97", "1", ".", "0", ".", "0"})
        t.push_back({one, 0});
    for (int i = 25; i <= 27; ++i)
        t.push_back({ten, 0});
    t.push_back({ten, 10});
    t.push_back({ten, 100});
    t.push_back({std::string(1, '\0'), 0});
    return t;
}

// Walks the stream pass by pass; the first mismatch names its pass and offset.
void expectStream(const std::string& stream, int n) {
    std::size_t at = 0;
    int passNumber = 0;
    for (const Pass& pass : table()) {
        ++passNumber;
        const int times = pass.times ? pass.times : n;
        for (int i = 0; i < times; ++i, at += pass.bytes.size()) {
            ASSERT_EQ(stream.compare(at, pass.bytes.size(), pass.bytes), 0)
                << "pass " << passNumber << " repetition " << i << " at byte " << at;
        }
    }
    EXPECT_EQ(at, stream.size()) << "bytes after pass 30";
}

TEST(PatternSequence, IsTheThirtyPassesByteForByte) {
    const std::string level1 = mdshread::patternSequence(100);
    EXPECT_EQ(level1.size(), 5'640u);
    expectStream(level1, 100);
    const std::string level50 = mdshread::patternSequence(5000);
    EXPECT_EQ(level50.size(), 260'440u);
    expectStream(level50, 5000);
}

TEST(RepeatCount, IsTheLevelTimesAHundredWithinOneTo32767) {
    EXPECT_EQ(mdshread::repeatCount("50"), 5000);
    EXPECT_EQ(mdshread::repeatCount(" 1 "), 100);
    EXPECT_EQ(mdshread::repeatCount("0.01"), 1);
    EXPECT_EQ(mdshread::repeatCount("327.67"), 32767);
    EXPECT_EQ(mdshread::repeatCount("0.125"), 12) << "a half rounds to even";
    for (const char* refused : {"", "abc", "50x", "0", "0.004", "-1", "327.68", "1e9"})
        EXPECT_FALSE(mdshread::repeatCount(refused)) << '"' << refused << '"';
}

class WipeFileTest : public ::testing::Test {
  protected:
    platform::emulated::World world;
    platform::Platform p = world.platform();

    // The folder's one file, after a wipe whose delete failed.
    std::string onlyFileIn(const std::string& folder, std::string* name = nullptr) {
        std::vector<platform::DirEntry> entries;
        EXPECT_TRUE(world.files.list(folder + "\\*", 0, entries).ok());
        EXPECT_EQ(entries.size(), 1u);
        if (entries.empty()) return {};
        if (name) *name = entries[0].name;
        return world.files.contents(folder + "\\" + entries[0].name).value_or("");
    }
};

TEST_F(WipeFileTest, ASmallFileGrowsToOneSequenceIsRenamedAndGoes) {
    world.files.put("C:\\Docs\\secret.txt", "0123456789");
    world.failures.fail("FileSystem.remove", Status::failure(5, "Access is denied."));
    const auto kept = mdshread::WipeFile(p, "C:\\Docs\\secret.txt", 5000);
    EXPECT_EQ(kept.outcome, mdshread::WipeOutcome::NotDeleted);
    std::string name;
    EXPECT_EQ(onlyFileIn("C:\\Docs", &name), mdshread::patternSequence(5000));
    EXPECT_EQ(name.size(), std::string("secret.txt").size());
    EXPECT_NE(name, "secret.txt") << "the name must go before the delete";
    EXPECT_EQ(kept.leftAt, "C:\\Docs\\" + name);

    const auto gone = mdshread::WipeFile(p, kept.leftAt, 5000);
    EXPECT_EQ(gone.outcome, mdshread::WipeOutcome::Shredded);
    std::vector<platform::DirEntry> entries;
    EXPECT_FALSE(world.files.list("C:\\Docs\\*", 0, entries).ok());
    EXPECT_EQ(world.files.openFiles(), 0u);
}

TEST_F(WipeFileTest, ALargeFileIsCoveredToItsEndByWholeSequences) {
    const std::string sequence = mdshread::patternSequence(5000);
    const std::string original(1'000'000, 'S'); // four sequences cover it
    world.files.put("C:\\big.bin", original);
    world.failures.fail("FileSystem.remove", Status::failure(5, "Access is denied."));
    mdshread::WipeFile(p, "C:\\big.bin", 5000);
    const std::string after = onlyFileIn("C:");
    ASSERT_EQ(after.size(), 4 * sequence.size());
    EXPECT_EQ(after, sequence + sequence + sequence + sequence);
    EXPECT_EQ(after.find('S'), std::string::npos);

    // A length of exactly one sequence takes one, not two.
    world.files.put("C:\\Exact\\one.bin", std::string(sequence.size(), 'S'));
    world.failures.fail("FileSystem.remove", Status::failure(5, "Access is denied."));
    mdshread::WipeFile(p, "C:\\Exact\\one.bin", 5000);
    EXPECT_EQ(onlyFileIn("C:\\Exact"), sequence);
}

TEST_F(WipeFileTest, AnOverwriteThatDoesNotReachTheDiskIsNoOverwrite) {
    for (const char* step : {"FileSystem.write", "FileSystem.flush", "FileSystem.open"}) {
        world.files.put("C:\\f.txt", "data");
        world.failures.fail(step, Status::failure(5, "Access is denied."));
        EXPECT_EQ(mdshread::WipeFile(p, "C:\\f.txt", 100).outcome,
                  mdshread::WipeOutcome::DeletedUnwritten)
            << step;
        EXPECT_FALSE(world.files.exists("C:\\f.txt")) << "the delete is still tried";
    }
    // Neither written nor deleted: the file keeps its own name.
    world.files.put("C:\\Locked\\held.txt", "data");
    world.files.setInUse("C:\\Locked\\held.txt");
    const auto held = mdshread::WipeFile(p, "C:\\Locked\\held.txt", 100);
    EXPECT_EQ(held.outcome, mdshread::WipeOutcome::NotDeleted);
    EXPECT_EQ(held.leftAt, "C:\\Locked\\held.txt");
    EXPECT_EQ(world.files.contents("C:\\Locked\\held.txt"), "data");
}

TEST_F(WipeFileTest, ALinkIsNeverFollowedNorRemoved) {
    namespace fs = std::filesystem;
    world.files.put("C:\\Elsewhere\\target.txt", "precious");
    world.files.makeFolder("C:\\Queue");
    fs::create_symlink(world.files.hostPath("C:\\Elsewhere\\target.txt"),
                       world.files.hostPath("C:\\Queue") / "link.txt");
    fs::create_hard_link(world.files.hostPath("C:\\Elsewhere\\target.txt"),
                         world.files.hostPath("C:\\Queue") / "second name.txt");
    for (const char* path : {"C:\\Queue\\link.txt", "C:\\Queue\\second name.txt"}) {
        EXPECT_EQ(mdshread::WipeFile(p, path, 100).outcome, mdshread::WipeOutcome::Link) << path;
        EXPECT_TRUE(world.files.exists(path));
    }
    EXPECT_EQ(world.files.contents("C:\\Elsewhere\\target.txt"), "precious");
    EXPECT_EQ(mdshread::WipeFile(p, "C:\\Queue\\none.txt", 100).outcome,
              mdshread::WipeOutcome::Missing);
}

} // namespace
