#include "cookies/cookie_keeper.h"

#include <unordered_map>
#include <vector>

namespace calvorin::cookies {

using namespace platform;

namespace {

constexpr std::uint32_t kCookieTest = cache_entry::Cookie | cache_entry::Normal;
constexpr const char* kNoCookies = "No Cookies";
constexpr std::size_t kReadChunk = 64 * 1024;

} // namespace

CookieKeeper::CookieKeeper(Platform& platform, toolkit::ListBox& list, std::string programFolder)
    : p_(platform), list_(list), programFolder_(std::move(programFolder)) {}

std::string CookieKeeper::keepListPath() const {
    if (programFolder_.empty()) return {}; // never a keep-list at the root of some drive
    if (programFolder_.back() == '\\') return programFolder_ + "cookies.inf";
    return programFolder_ + "\\cookies.inf";
}

void CookieKeeper::cmdGetCache() {
    const unsigned fill = ++generation_;
    filling_ = true;
    filled_ = false;
    // A failure thrown out of the window's work must not leave the list marked as filling for
    // good: every later save and erase would wait for it.
    struct EndOfFill {
        CookieKeeper& keeper;
        unsigned fill;
        ~EndOfFill() {
            if (keeper.generation_ == fill) keeper.filling_ = false;
        }
    } end{*this, fill};
    list_.clear();

    CacheFind find = kNoCacheFind;
    CacheEntry entry;
    for (Status s = p_.urlCache.findFirst(find, entry); s.ok();
         s = p_.urlCache.findNext(find, entry)) {
        if ((entry.type & kCookieTest) == kCookieTest) list_.addItem(entry.sourceUrl);
        p_.events.processEvents();      // a long cache must not freeze the window
        if (generation_ != fill) break; // a newer fill has the list now
    }
    if (find != kNoCacheFind) p_.urlCache.findClose(find);
    if (generation_ != fill) return;

    tickKeptRows();
    if (list_.listCount() == 0) list_.addItem(kNoCookies);
    filled_ = true;
}

// Ticks, for each keep-list line, the first row whose text is exactly that line. The file is
// read in chunks and split at line ends as it comes, so neither a very long line nor a file
// that is no text at all can exhaust a buffer.
void CookieKeeper::tickKeptRows() {
    const std::string path = keepListPath();
    if (path.empty() || !p_.files.fileExists(path)) return;
    FileHandle file = kNoFile;
    if (!p_.files.open(path, OpenMode::Input, file).ok()) return;

    std::unordered_map<std::string, int> firstRow;
    for (int row = list_.listCount() - 1; row >= 0; --row)
        firstRow[list_.list(row)] = row;
    auto take = [&](const std::string& ansi) {
        std::string line;
        if (!p_.system.fromAnsi(ansi, line).ok()) return;
        const auto it = firstRow.find(line);
        if (it != firstRow.end()) list_.setSelected(it->second, true);
    };

    std::string line, chunk;
    bool afterCr = false;
    while (p_.files.read(file, kReadChunk, chunk).ok() && !chunk.empty()) {
        for (const char c : chunk) {
            if (c == '\n' && afterCr) { // the LF of a CR LF
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            if (c == '\r' || c == '\n') {
                take(line);
                line.clear();
            } else {
                line += c;
            }
        }
    }
    if (!line.empty()) take(line);
    p_.files.close(file);
}

void CookieKeeper::saveKeptCookies() {
    if (filling_) return;
    std::string text;
    for (int row = 0; row < list_.listCount(); ++row) {
        if (!list_.selected(row)) continue;
        std::string ansi;
        if (!p_.system.toAnsi(list_.list(row), ansi).ok()) return; // half a list is no keep-list
        text += ansi + "\r\n";
    }
    text += "\r\n";

    // Written beside the keep-list, then put in its place in one step: a failure on the way
    // leaves the user's previous keep-list as it was.
    const std::string path = keepListPath();
    if (path.empty()) return;
    const std::string temporary = path + ".new";
    FileHandle file = kNoFile;
    if (!p_.files.open(temporary, OpenMode::Output, file).ok()) return;
    const bool written = p_.files.write(file, text).ok() && p_.files.flush(file).ok();
    const bool closed = p_.files.close(file).ok();
    if (!written || !closed || !p_.files.rename(temporary, path, true).ok()) p_.files.remove(temporary);
}

void CookieKeeper::deleteUnkeptCookies() {
    if (filling_) cmdGetCache(); // rows not yet ticked from the keep-list would look unkept
    if (!filled_) return;        // nor does a list never filled, or one whose fill broke off
    std::vector<std::string> unkept;
    for (int row = 0; row < list_.listCount(); ++row)
        if (!list_.selected(row)) unkept.push_back(list_.list(row));
    for (const auto& name : unkept)
        p_.urlCache.remove(name); // a failed delete leaves that one
}

void CookieKeeper::plug(core::frmMain& form) {
    form.cookieKeeper.saveKeptCookies = [this] { saveKeptCookies(); };
    form.cookieKeeper.cmdGetCache = [this] { cmdGetCache(); };
    form.cookieKeeper.listFilled = [this] { return listFilled(); };
    form.Command2.onClick = [this, &form] {
        list_.setVisible(true);
        form.saveKeepList();
        cmdGetCache();
        list_.setVisible(true);
    };
    form.eraseOperations.plug(core::TraceGroup::InternetExplorer, 8,
                              {[this] { deleteUnkeptCookies(); }, [this] { cmdGetCache(); }});
}

} // namespace calvorin::cookies
