#pragma once
#include "platform/platform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The shredder's overwrite: a fixed sequence of 30 patterns, each repeated a number of times
// set by the security level, written over a file before it is deleted.
namespace calvorin::mdshread {

// The repeat count of a security level: the level times 100, rounded to the nearest whole
// number (halves to even). Nothing for a text that is not a number or a count outside
// 1 to 32,767.
std::optional<std::int16_t> repeatCount(std::string_view level);

// The 30 passes for repeat count `n`, one after another: 52 * n + 440 bytes.
std::string patternSequence(std::int16_t n);

// How many whole sequences one write carries: about 4 MiB, never a few bytes per call.
std::uint64_t sequencesPerWrite(std::int16_t n);

// What became of one file.
enum class WipeOutcome {
    Shredded,         // overwritten, flushed to disk and deleted
    DeletedUnwritten, // deleted, but not (wholly) overwritten first
    NotDeleted,       // still on disk, overwritten or not
    Link,             // a link, or a file with other names: left alone with what it leads to
    Missing,          // not there (any more)
};

struct WipeResult {
    WipeOutcome outcome = WipeOutcome::Missing;
    // Where a file that could not be deleted now lies (it is renamed before the delete).
    std::string leftAt;
};

// Overwrites the file with the pattern sequence, repeated until the file's whole former length
// is covered (a shorter file grows to one sequence), flushes it to disk, renames it to a
// meaningless name of the same length and deletes it. Every step is tried even when an earlier
// one failed; a link is never followed.
WipeResult WipeFile(platform::Platform& p, const std::string& path, std::int16_t n);

} // namespace calvorin::mdshread
