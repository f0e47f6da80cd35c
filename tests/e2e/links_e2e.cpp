// A Linux symbolic link in the temporary folder leads to a file outside it: emptying the
// temporary folder must never delete that file.
#include "e2e/driver.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>

using namespace calvorin::e2e;

namespace {

std::string unixPath(const std::wstring& dos) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) return {};
    char* name = unixName(dos.c_str());
    std::string out = name ? name : "";
    if (name) HeapFree(GetProcessHeap(), 0, name);
    return out;
}

std::wstring wide(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

TEST(LinksE2E, EmptyingTheTemporaryFolderLeavesTheFileALinkLeadsTo) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring outsideDir = std::wstring(L"C:\\calvorin-outside");
    CreateDirectoryW(outsideDir.c_str(), nullptr);
    const std::wstring precious = outsideDir + L"\\precious.txt";
    const std::wstring link = std::wstring(temp) + L"calvorin-link.txt";
    HANDLE h = CreateFileW(precious.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD put = 0;
    WriteFile(h, "mine", 4, &put, nullptr);
    CloseHandle(h);
    // A link left by an earlier run is replaced by ln -f: deleting it here would delete its target.
    const std::string from = unixPath(precious), to = unixPath(link);
    if (from.empty()) GTEST_SKIP() << "not under Wine";
    std::wstring cmd = wide("/bin/ln -sf \"" + from + "\" \"" + to + "\"");
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(L"Z:\\bin\\ln", cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // Wine does not track a Linux program's end: its handle may be signalled before ln ran.
    ASSERT_TRUE(waitFor([&] { return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000));

    clearSettings();
    {
        Program program;
        HWND main = program.mainWindow();
        ASSERT_TRUE(main);
        HWND item = findChild(main, L" Windows Temp File Folder", L"Button");
        ASSERT_TRUE(item);
        click(item);
        ASSERT_TRUE(waitFor([&] { return isChecked(item); }, 5000));
        click(findChild(main, L"Start Cleaning", L"Button"));
        HWND status = findChildById(main, IDC_LABEL1);
        EXPECT_TRUE(waitFor([&] { return textOf(status) == L"Done."; }, 30000));
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.waitExit(15000));
    }
    clearSettings();
    EXPECT_NE(GetFileAttributesW(precious.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the file outside was deleted";
    DeleteFileW(link.c_str()); // Wine deletes the target, which is what we clean up next anyway
    DeleteFileW(precious.c_str());
    RemoveDirectoryW(outsideDir.c_str());
}

} // namespace
