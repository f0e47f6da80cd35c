#pragma once
#include "platform/platform.h"

#include <cstdint>
#include <functional>
#include <string>

// Module `update`: the connectivity probe, the size query, the version check, the download
// and the hand-off to the main program.
namespace calvorin::update {

// Where the update program stands and what it has learnt so far.
struct UpdateSession {
    platform::Platform& platform;
    // The folder of the running program file, where "Calvorin.exe" and "cvn.exe" lie.
    std::string programFolder;
    // The update server, without a trailing "/".
    std::string server;
    // The server's version in decimal, set by CheckNewVersion.
    std::string newVersion;
    // The main window's title, to close it after a download; empty when never stored.
    std::string mainWindowTitle;
    // Ends the update program; it does not come back.
    std::function<void()> endProgram;
    // Shows why the hand-off could not be made (the status line, in red).
    std::function<void(const std::string& text)> reportFailure;
    // Why the last download attempt could not write "cvn.exe"; success when it could or did
    // not get that far. Writing is no network hiccup: another attempt would fail the same way.
    platform::Status writeFailure;
};

// The update key under HKEY_LOCAL_MACHINE and the server's two files.
inline constexpr const char* kVersionFile = "/cvn.txt";
inline constexpr const char* kProgramFile = "/cvnupdate.exe";
inline constexpr const char* kDownloadName = "cvn.exe";
inline constexpr int kDownloadAttempts = 6;

bool IsOnline(UpdateSession& session);
// The size the server announces for a URL (its whole body is fetched and dropped), or, when
// it announces none, the length of the body that arrived complete; 0 for anything but a
// complete answer with status 200.
std::int32_t GetRemoteSize(UpdateSession& session, const std::string& url, bool asBytes);
// True when the server offers a higher version than `installed`.
bool CheckNewVersion(UpdateSession& session, const std::string& installed);
// One download of the new program into "cvn.exe"; true when it was written whole.
bool DownloadNewVersion(UpdateSession& session);
// Downloads with retries and hands over to the main program; on success the program ends
// inside it. False when it could not (the reason shown when it was no download failure).
bool InstallNewVersion(UpdateSession& session);
// Posts WM_CLOSE to the top-level window with exactly this title; false when none (or the
// title is empty: an untitled window is never the main window).
bool CloseWindowByTitle(UpdateSession& session, const std::string& title);

// --- pieces with rules of their own ---
// The status code of an answer's status line ("HTTP/1.1 200 OK" gives 200); 0 when none.
int statusCode(const std::string& headers);
// True when the bytes are a whole Windows program: the "MZ" header, the "PE" signature it
// points to, and every section's data inside the bytes (a cut-off download fails here).
bool isWholeProgram(const std::string& bytes);
// Waits, handling events, until the transfer in progress has ended.
void waitForTransfer(platform::Platform& platform);

} // namespace calvorin::update
