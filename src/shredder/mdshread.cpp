#include "shredder/mdshread.h"

#include "core/numbers.h"

#include <array>
#include <random>

namespace calvorin::mdshread {

using platform::FileHandle;
using platform::kNoFile;

namespace {

// Writes go to the disk in blocks of about this size: whole sequences, never a few bytes.
constexpr std::size_t kBlockBytes = 4u << 20;

const std::string kInteger10("\x0A\x00\x00\x00", 4);

void repeat(std::string& out, std::string_view data, int times) {
    for (int i = 0; i < times; ++i)
        out.append(data);
}

// A name of `length` letters and digits, which says nothing about the file.
std::string meaninglessName(std::size_t length) {
    static constexpr std::string_view kChars = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kChars.size() - 1);
    std::string name(length, 'a');
    for (char& c : name)
        c = kChars[pick(random)];
    return name;
}

// Overwrites from the first byte with whole sequences until `length` bytes are covered.
bool overwrite(platform::FileSystem& files, FileHandle file, std::uint64_t length, std::int16_t n) {
    const std::string sequence = patternSequence(n);
    const std::uint64_t size = sequence.size();
    std::uint64_t sequences = length == 0 ? 1 : (length + size - 1) / size;
    const std::uint64_t perBlock = std::min(sequences, sequencesPerWrite(n));
    std::string block;
    block.reserve(static_cast<std::size_t>(perBlock * size));
    for (std::uint64_t i = 0; i < perBlock; ++i)
        block += sequence;
    while (sequences > 0) {
        const std::uint64_t now = std::min(sequences, perBlock);
        if (!files
                 .write(file,
                        std::string_view(block).substr(0, static_cast<std::size_t>(now * size)))
                 .ok())
            return false;
        sequences -= now;
    }
    return files.flush(file).ok();
}

} // namespace

std::uint64_t sequencesPerWrite(std::int16_t n) {
    return std::max<std::uint64_t>(1, kBlockBytes / (52 * static_cast<std::uint64_t>(n) + 440));
}

std::optional<std::int16_t> repeatCount(std::string_view level) {
    const auto number = core::wholeNumber(level);
    if (!number) return std::nullopt;
    const auto n = core::roundToInt16(*number * 100.0);
    if (!n || *n < 1) return std::nullopt;
    return n;
}

std::string patternSequence(std::int16_t n) {
    std::string out;
    out.reserve(static_cast<std::size_t>(52 * n + 440));
    repeat(out, kInteger10, n); // 1
    repeat(out, "\xEA\xDE", n); // 2
    repeat(out, "\x31\xE7", n); // 3
    for (int pass = 4; pass <= 13; ++pass)
        repeat(out, "10", n);
    for (std::string_view one : {".", ".", "V", "e", "r", "\x97", "1", ".", "0", ".", "0"})
        repeat(out, one, n); // 14 to 24
    for (int pass = 25; pass <= 27; ++pass)
        repeat(out, kInteger10, n);
    repeat(out, kInteger10, 10);               // 28
    repeat(out, kInteger10, 100);              // 29
    repeat(out, std::string_view("\0", 1), n); // 30
    return out;
}

WipeResult WipeFile(platform::Platform& p, const std::string& path, std::int16_t n) {
    platform::FileSystem& files = p.files;
    WipeResult result;
    bool elsewhere = false;
    if (!files.leadsElsewhere(path, elsewhere).ok()) return result; // nothing there to wipe
    if (elsewhere) {
        result.outcome = WipeOutcome::Link;
        return result;
    }

    std::uint64_t length = 0;
    bool overwritten = files.length(path, length).ok();
    FileHandle file = kNoFile;
    if (overwritten && files.open(path, platform::OpenMode::Binary, file).ok()) {
        overwritten = overwrite(files, file, length, n);
        files.close(file);
    } else {
        overwritten = false;
    }

    // The name goes too: the entry is renamed to letters of the same count before it is deleted.
    // A file whose data could not be overwritten keeps its name, should the delete fail as well.
    std::string victim = path;
    const auto cut = path.find_last_of('\\');
    const std::string folder = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
    const std::size_t nameLength = path.size() - folder.size();
    for (int attempt = 0; overwritten && attempt < 8 && nameLength > 0; ++attempt) {
        const std::string renamed = folder + meaninglessName(nameLength);
        const platform::Status s = files.rename(path, renamed);
        if (s.ok()) {
            victim = renamed;
            break;
        }
        if (s.number != platform::error::AlreadyExists) break;
    }

    if (files.remove(victim).ok()) {
        result.outcome = overwritten ? WipeOutcome::Shredded : WipeOutcome::DeletedUnwritten;
    } else {
        result.outcome = WipeOutcome::NotDeleted;
        result.leftAt = victim;
    }
    return result;
}

} // namespace calvorin::mdshread
