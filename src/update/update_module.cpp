#include "update/update_module.h"

#include "cleaners/file_operations.h"
#include "core/clock_text.h"
#include "core/error_report.h"
#include "core/numbers.h"
#include "settings/registry_layout.h"

#include <cmath>
#include <cstring>
#include <optional>

namespace calvorin::update {

namespace {

// How long each look at a running transfer lets events run; the transfer's end wakes the
// wait early on Windows.
constexpr std::uint64_t kTransferPollMs = 50;
// "Content-Length:" is 15 characters long.
constexpr std::size_t kLengthLabel = 15;

std::string lowerAscii(std::string s) {
    for (auto& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Rounds to a 32-bit whole number, a half to the even neighbour; nothing when out of range.
std::optional<std::int32_t> roundToInt32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<std::int16_t> versionOf(const std::string& text) {
    return core::roundToInt16(core::leadingNumber(text));
}

// Cancel, open, wait: every use of the transfer control goes this way.
void fetch(UpdateSession& s, const std::string& url, platform::TransferType type) {
    s.platform.internet.cancelTransfer();
    s.platform.internet.openTransfer(url, type);
    waitForTransfer(s.platform);
}

// A complete answer that is the file itself (status 200), not an error page.
bool completeFile(platform::Internet& net) {
    return net.transferResult().ok() && statusCode(net.transferHeaders()) == 200;
}

std::uint32_t little32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint32_t little16(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

platform::Status writeUpdateValue(platform::Platform& p, const std::string& name,
                                  const std::string& text) {
    platform::RegKey key = platform::kNoKey;
    platform::Status s =
        p.registry.createKey(platform::kLocalMachine, settings::layout::kUpdateKey, key);
    if (!s.ok()) return s;
    s = p.registry.writeString(key, name, text, false);
    p.registry.closeKey(key);
    return s;
}

// The value's text, or nothing when it cannot be read; silent, as everything here.
std::optional<std::string> readUpdateValue(platform::Platform& p, const std::string& name) {
    platform::RegKey key = platform::kNoKey;
    if (!p.registry.openKey(platform::kLocalMachine, settings::layout::kUpdateKey, key).ok())
        return std::nullopt;
    platform::RegValue value;
    const bool read = p.registry.readValue(key, name, value).ok();
    p.registry.closeKey(key);
    if (!read) return std::nullopt;
    return platform::textOf(value);
}

// Puts a value back as it was before this run touched it: its old text, or no value.
void restoreUpdateValue(platform::Platform& p, const std::string& name,
                        const std::optional<std::string>& old) {
    if (old) {
        writeUpdateValue(p, name, *old);
        return;
    }
    platform::RegKey key = platform::kNoKey;
    if (!p.registry.openKey(platform::kLocalMachine, settings::layout::kUpdateKey, key, true).ok())
        return;
    p.registry.deleteValue(key, name);
    p.registry.closeKey(key);
}

std::string path(const UpdateSession& s, const std::string& name) {
    return cleaners::AddBackslash(s.programFolder) + name;
}

// Writes the checked bytes under a temporary name and gives them the name "cvn.exe" only
// once they are all on disk: a half-written program is never found under that name.
platform::Status writeDownload(UpdateSession& s, const std::string& bytes) {
    auto& files = s.platform.files;
    const std::string partial = path(s, "cvn.exe.download");
    platform::FileHandle f = platform::kNoFile;
    platform::Status st = files.open(partial, platform::OpenMode::Output, f);
    if (!st.ok()) return st;
    st = files.write(f, bytes);
    const platform::Status closed = files.close(f);
    if (st.ok()) st = closed;
    std::uint64_t written = 0;
    if (st.ok()) st = files.length(partial, written);
    if (st.ok() && written != bytes.size())
        st =
            platform::Status::failure(platform::error::NotReady, "The file was not written whole.");
    if (st.ok()) st = files.replaceFile(partial, path(s, kDownloadName));
    if (!st.ok()) files.remove(partial);
    return st;
}

} // namespace

void waitForTransfer(platform::Platform& platform) {
    auto& events = platform.events;
    while (platform.internet.transferExecuting())
        events.waitUntil(events.tickCount() + kTransferPollMs);
}

int statusCode(const std::string& headers) {
    // "HTTP/1.1 200 OK": the number after the first blank of the first line.
    const std::string line = headers.substr(0, headers.find("\r\n"));
    if (lowerAscii(line.substr(0, 5)) != "http/") return 0;
    const auto blank = line.find(' ');
    if (blank == std::string::npos) return 0;
    int code = 0, digits = 0;
    for (std::size_t i = blank + 1; i < line.size() && line[i] >= '0' && line[i] <= '9';
         ++i, ++digits)
        code = code * 10 + (line[i] - '0');
    return digits == 3 ? code : 0;
}

bool isWholeProgram(const std::string& b) {
    if (b.size() < 0x40 || b[0] != 'M' || b[1] != 'Z') return false;
    const std::uint64_t pe = little32(b, 0x3C);
    if (pe + 24 > b.size() || std::memcmp(b.data() + pe, "PE\0\0", 4) != 0) return false;
    const std::uint64_t sections = little16(b, pe + 6);
    const std::uint64_t table = pe + 24 + little16(b, pe + 20);
    if (sections == 0 || table + sections * 40 > b.size()) return false;
    for (std::uint64_t i = 0; i < sections; ++i) {
        const std::uint64_t entry = table + i * 40;
        const std::uint64_t size = little32(b, entry + 16), at = little32(b, entry + 20);
        if (size != 0 && at + size > b.size()) return false;
    }
    return true;
}

bool IsOnline(UpdateSession& session) {
    return core::MdErrorHand::IsOnline(session.platform);
}

std::int32_t GetRemoteSize(UpdateSession& s, const std::string& url, bool asBytes) {
    auto& net = s.platform.internet;
    if (!asBytes) s.platform.events.processEvents();
    fetch(s, url, asBytes ? platform::TransferType::Bytes : platform::TransferType::Text);
    // Only the status line says whether the file is there: "404" in a length or a date does not.
    if (!completeFile(net)) return 0;
    const std::string headers = net.transferHeaders();
    const auto at = lowerAscii(headers).find("content-length:");
    if (at == std::string::npos) {
        // No announced size: the transfer ended complete, so its own length is the size.
        const auto length = net.transferBody().size();
        return length > 2147483647u ? 0 : static_cast<std::int32_t>(length);
    }
    const auto start = at + kLengthLabel;
    const auto end = headers.find("\r\n", start);
    const std::string number = core::trimBlanks(
        headers.substr(start, end == std::string::npos ? std::string::npos : end - start));
    return roundToInt32(core::leadingNumber(number)).value_or(0);
}

bool CheckNewVersion(UpdateSession& s, const std::string& installed) {
    if (!IsOnline(s)) return false;
    const std::string url = s.server + kVersionFile;
    if (GetRemoteSize(s, url, false) <= 0) return false;
    fetch(s, url, platform::TransferType::Text);
    if (!completeFile(s.platform.internet)) return false;
    // A version beyond the 16-bit range is no version this program can compare.
    const auto server = versionOf(s.platform.internet.transferBody());
    const auto mine = versionOf(installed);
    if (!server || !mine) return false;
    if (*mine < *server) {
        s.newVersion = std::to_string(*server);
        return true;
    }
    if (*server < *mine) {
        s.newVersion = std::to_string(*server);
        writeUpdateValue(s.platform, "ver", s.newVersion); // reports nothing, as every write here
    }
    return false;
}

bool DownloadNewVersion(UpdateSession& s) {
    s.writeFailure = platform::Status::success();
    if (!IsOnline(s)) return false;
    const std::string url = s.server + kProgramFile;
    const std::int32_t size = GetRemoteSize(s, url, true);
    if (size < 1) return false;
    fetch(s, url, platform::TransferType::Bytes);
    auto& net = s.platform.internet;
    if (!completeFile(net)) return false;
    const std::string bytes = net.transferBody();
    const std::int64_t highest = static_cast<std::int64_t>(bytes.size()) - 1;
    if (highest < 1000 || std::llabs(highest - size) > 10) return false;
    // A captive portal's page or a proxy's error of the right length is no program.
    if (!isWholeProgram(bytes)) return false;
    s.writeFailure = writeDownload(s, bytes);
    s.platform.events.processEvents();
    return s.writeFailure.ok();
}

bool CloseWindowByTitle(UpdateSession& s, const std::string& title) {
    if (title.empty()) return false;
    const platform::WindowHandle window = s.platform.desktop.findByTitle(title);
    if (window == 0) return false;
    return s.platform.desktop.postClose(window).ok();
}

bool InstallNewVersion(UpdateSession& s) {
    auto& p = s.platform;
    bool downloaded = false;
    for (int attempt = 0; attempt < kDownloadAttempts && !downloaded; ++attempt) {
        downloaded = DownloadNewVersion(s);
        if (!s.writeFailure.ok()) {
            if (s.reportFailure)
                s.reportFailure("The new version could not be saved in the program folder: " +
                                s.writeFailure.description);
            return false;
        }
    }
    if (!downloaded) return false;

    // The hand-off: all four values or none that matter. A half-written one would make the
    // main program swap or believe itself upgraded without the rest.
    std::optional<std::string> old[4];
    const platform::DateTime now = p.events.now();
    const std::pair<const char*, std::string> values[] = {
        {"App", p.events.shortDate(now.date) + " " + core::timeOfDayText(now)},
        {"ver", s.newVersion},
        {"Up", "b"},
        {"donreq", "z"}};
    for (int i = 0; i < 4; ++i)
        old[i] = readUpdateValue(p, values[i].first);
    for (const auto& [name, text] : values) {
        const platform::Status written = writeUpdateValue(p, name, text);
        if (written.ok()) continue;
        for (int i = 3; i >= 0; --i)
            restoreUpdateValue(p, values[i].first, old[i]);
        p.files.remove(path(s, kDownloadName));
        if (s.reportFailure)
            s.reportFailure("The upgrade could not be recorded in the registry: " +
                            written.description);
        return false;
    }

    CloseWindowByTitle(s, s.mainWindowTitle);
    const platform::Status started =
        p.process.startProgram(path(s, kDownloadName), platform::show::Minimized);
    if (!started.ok()) {
        if (s.reportFailure)
            s.reportFailure("The new version could not be started: " + started.description);
        return false;
    }
    if (s.endProgram) s.endProgram();
    return true;
}

} // namespace calvorin::update
