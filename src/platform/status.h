#pragma once
#include <cstdint>
#include <string>
#include <utility>

namespace calvorin::platform {

// The outcome of one operating-system call. Number 0 is success; otherwise the number and
// description are those the system reports (a Windows error code and its message).
struct Status {
    std::int64_t number = 0;
    std::string description;

    bool ok() const { return number == 0; }
    static Status success() { return {}; }
    static Status failure(std::int64_t n, std::string text) { return {n, std::move(text)}; }
};

// Windows error codes the emulation reports, so logic and tests speak the system's numbers.
namespace error {
inline constexpr std::int64_t FileNotFound = 2;
inline constexpr std::int64_t PathNotFound = 3;
inline constexpr std::int64_t AccessDenied = 5;
inline constexpr std::int64_t InvalidHandle = 6;
inline constexpr std::int64_t NotReady = 21;
inline constexpr std::int64_t SharingViolation = 32;
inline constexpr std::int64_t InvalidParameter = 87;
inline constexpr std::int64_t InsufficientBuffer = 122;
inline constexpr std::int64_t DirNotEmpty = 145;
inline constexpr std::int64_t AlreadyExists = 183;
inline constexpr std::int64_t MoreData = 234;
inline constexpr std::int64_t NoMoreItems = 259;
inline constexpr std::int64_t CallNotImplemented = 120;
// An HRESULT of the COM services: the method is not implemented (E_NOTIMPL).
inline constexpr std::int64_t NotImplemented = 0x80004001;
} // namespace error

} // namespace calvorin::platform
