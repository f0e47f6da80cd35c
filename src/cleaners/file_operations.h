#pragma once
#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <vector>

// File and folder operations shared by the trace cleaners. None of them fails visibly: a step
// that fails is skipped and a function that fails gives its default (false, "", nothing added).
// The walks let the window handle its events after every file and folder.
namespace calvorin::cleaners {

// How often the trace cleaners overwrite a file before deleting it: never, they only delete.
inline constexpr std::int16_t ShredPassCount = 0;

// A list of names grown at the end.
using NameList = std::vector<std::string>;

// The path with "\" appended unless it already ends in one ("" gives "\").
std::string AddBackslash(const std::string& path);
// True for an existing file; a folder is no file.
bool FileExists(platform::Platform& p, const std::string& path);
// True when the file can be opened for reading now (false while another process holds it).
bool CanOpenFile(platform::Platform& p, const std::string& path);
// True when a listing of the path, folders included, yields an entry (a plain file does too).
bool FolderExists(platform::Platform& p, const std::string& path);
// Overwrites the file `passes` times, then deletes it when nothing failed before; a locked or
// read-only file stays.
void ShredFile(platform::Platform& p, const std::string& path, std::int16_t passes);
// ShredFile on every file, hidden ones too, that a pattern such as "C:\*.chk" matches.
void ShredMatchingFiles(platform::Platform& p, const std::string& pattern);
// Deletes the plain files of the folder and of every subfolder, removing each subfolder
// that ends up empty when `removeSubfolders`, and the folder itself when `removeThisFolder`.
// Hidden and system entries, and links to other folders, are left alone.
void ShredFolder(platform::Platform& p, const std::string& folder, bool removeThisFolder,
                 bool removeSubfolders);
// True when the name, without its surrounding blanks, equals an element (case counts).
bool IsInNameList(platform::Platform& p, const NameList& list, const std::string& name);
// Appends the short path of every file below `folder` whose whole name equals one of the
// blank-separated `names`, letter case aside; subfolders first, then the folder's own files.
void FindFilesNamed(platform::Platform& p, const std::string& folder, const std::string& names,
                    NameList& list);
// Appends the short path of every folder below `folder` named `name`, letter case aside,
// and looks inside each of them as well.
void FindFoldersNamed(platform::Platform& p, const std::string& folder, const std::string& name,
                      NameList& list);
// The special folder's path without a trailing "\", or "".
std::string GetSpecialFolder(platform::Platform& p, std::int32_t number);
// The temporary folder as the system reports it, with its trailing "\"; "" on failure.
std::string GetTempFolder(platform::Platform& p);

// The entries a folder listing in the manner of the program's "Dir" gives: a pattern ending
// in "\" lists everything in that folder. Empty when nothing matches or the listing fails.
std::vector<platform::DirEntry> listFolder(platform::Platform& p, const std::string& pattern,
                                           std::uint32_t include);

} // namespace calvorin::cleaners
