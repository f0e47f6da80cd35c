// The shredder through the real window and the real open-file dialog: files are queued by
// typing their names into the dialog, shredded, and must be gone afterwards.
#include "e2e/driver.h"
#include "resource.h"
#include "support/remove_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace calvorin::e2e;

namespace {

const std::wstring kRoot = L"C:\\calvorin-e2e-shred";

void writeFile(const std::wstring& path, const std::string& content) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << "cannot create the test file";
    DWORD put = 0;
    WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &put, nullptr);
    CloseHandle(h);
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct DialogSearch {
    DWORD pid;
    HWND dialog = nullptr;
    HWND name = nullptr;
};

BOOL CALLBACK findNameEdit(HWND hwnd, LPARAM param) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    const int id = GetDlgCtrlID(hwnd);
    if (_wcsicmp(cls, L"Edit") != 0 || (id != 0x47C && id != 0x480)) return TRUE;
    reinterpret_cast<DialogSearch*>(param)->name = hwnd;
    return FALSE;
}

BOOL CALLBACK findFileDialog(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<DialogSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (pid != s->pid || std::wstring(cls) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
    EnumChildWindows(hwnd, findNameEdit, param);
    if (!s->name) return TRUE;
    s->dialog = hwnd;
    return FALSE;
}

// Waits for the program's open-file dialog and types into its file-name box as a user does.
DialogSearch waitForFileDialog(DWORD pid) {
    DialogSearch s{pid};
    waitFor(
        [&] {
            s = DialogSearch{pid};
            EnumWindows(findFileDialog, reinterpret_cast<LPARAM>(&s));
            return s.dialog != nullptr;
        },
        30000);
    return s;
}

void typeAndOpen(const DialogSearch& d, const std::wstring& text) {
    SendMessageW(d.name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(d.dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

std::vector<std::wstring> rows(HWND list) {
    std::vector<std::wstring> out;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[1024] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        out.push_back(text);
    }
    return out;
}

class ShredderE2E : public ::testing::Test {
  protected:
    void SetUp() override {
        clearSettings();
        calvorin::test::removeTree(kRoot);
        CreateDirectoryW(kRoot.c_str(), nullptr);
        CreateDirectoryW((kRoot + L"\\Sub Folder").c_str(), nullptr);
        main_ = program_.mainWindow();
        ASSERT_TRUE(main_);
        click(findChildById(main_, IDC_OPT_OPTION_0 + 3));
        lStat_ = findChildById(main_, IDC_LSTAT);
        lFC_ = findChildById(main_, IDC_LFC);
        list_ = findChildById(main_, IDC_LST_FILES);
        ASSERT_TRUE(lStat_ && lFC_ && list_);
    }
    void TearDown() override {
        PostMessageW(main_, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program_.waitExit(15000));
        calvorin::test::removeTree(kRoot);
        clearSettings();
    }
    DialogSearch openAdd() {
        click(findChildById(main_, IDC_CUSTOM_ADD));
        return waitForFileDialog(program_.pid());
    }
    void shredAndWait() {
        click(findChildById(main_, IDC_SHREAD));
        EXPECT_TRUE(waitFor([&] { return textOf(lFC_).empty() && rows(list_).empty(); }, 60000))
            << "the shred did not finish";
        EXPECT_EQ(waitForMessageBox(program_.pid(), 500), nullptr) << "a file was left";
        EXPECT_EQ(textOf(lStat_), L"");
    }

    Program program_;
    HWND main_ = nullptr, lStat_ = nullptr, lFC_ = nullptr, list_ = nullptr;
};

TEST_F(ShredderE2E, OneFileInASubFolderIsQueuedShreddedAndGone) {
    const std::wstring file = kRoot + L"\\Sub Folder\\secret notes.txt";
    writeFile(file, std::string(300'000, 'S'));
    // The design-time captions; a program still starting up may answer late.
    EXPECT_TRUE(waitFor([&] { return textOf(lStat_) == L"Status"; }, 15000));
    EXPECT_EQ(textOf(lFC_), L"FileCount");

    const DialogSearch dialog = openAdd();
    ASSERT_TRUE(dialog.dialog) << "no open-file dialog";
    typeAndOpen(dialog, file);
    ASSERT_TRUE(
        waitFor([&] { return textOf(lFC_) == L"There are 1 files ready for sheredding!"; }, 15000))
        << "lFC: " << std::string(textOf(lFC_).begin(), textOf(lFC_).end());
    EXPECT_EQ(textOf(lStat_), L"Ready...");
    EXPECT_EQ(rows(list_), std::vector<std::wstring>{file});

    shredAndWait();
    EXPECT_FALSE(exists(file));
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((kRoot + L"\\Sub Folder\\*.*").c_str(), &data);
    int entries = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do
            ++entries;
        while (FindNextFileW(find, &data));
        FindClose(find);
    }
    EXPECT_EQ(entries, 2) << "only . and .. are left, no renamed leftover";
}

TEST_F(ShredderE2E, ThreeFilesChosenAtOnceAreQueuedInOrderAndShredded) {
    const std::vector<std::wstring> names{L"a one.txt", L"b two.doc", L"c three.bin"};
    for (const auto& name : names)
        writeFile(kRoot + L"\\" + name, "content of " + std::to_string(name.size()));

    DialogSearch dialog = openAdd();
    ASSERT_TRUE(dialog.dialog) << "no open-file dialog";
    typeAndOpen(dialog, kRoot); // into the folder first, as a user browses there
    std::wstring typed;
    for (const auto& name : names)
        typed += L"\"" + name + L"\" ";
    typeAndOpen(dialog, typed);
    ASSERT_TRUE(
        waitFor([&] { return textOf(lFC_) == L"There are 3 files ready for sheredding!"; }, 15000));
    EXPECT_EQ(textOf(lStat_), L"Ready...");
    EXPECT_EQ(rows(list_),
              (std::vector<std::wstring>{kRoot + L"\\" + names[0], kRoot + L"\\" + names[1],
                                         kRoot + L"\\" + names[2]}));

    shredAndWait();
    for (const auto& name : names)
        EXPECT_FALSE(exists(kRoot + L"\\" + name));
}

// Under Wine the profile's Desktop is a link into the home folder: going through a linked folder
// the user chose is no reason to refuse the file in it.
TEST_F(ShredderE2E, AFileInALinkedFolderIsShredded) {
    wchar_t profile[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH), 0u);
    const std::wstring desktop = std::wstring(profile) + L"\\Desktop";
    CreateDirectoryW(desktop.c_str(), nullptr);
    const std::wstring file = desktop + L"\\calvorin-e2e-draft.txt";
    writeFile(file, "draft");

    const DialogSearch dialog = openAdd();
    ASSERT_TRUE(dialog.dialog) << "no open-file dialog";
    typeAndOpen(dialog, file);
    ASSERT_TRUE(
        waitFor([&] { return textOf(lFC_) == L"There are 1 files ready for sheredding!"; }, 15000));
    shredAndWait();
    EXPECT_FALSE(exists(file));
}

TEST_F(ShredderE2E, AFileThatIsAlsoNamedOutsideTheQueueIsLeftAloneAndNamed) {
    const std::wstring outside = kRoot + L"\\keep.bin", queued = kRoot + L"\\Sub Folder\\alias.bin";
    writeFile(outside, "precious");
    ASSERT_TRUE(CreateHardLinkW(queued.c_str(), outside.c_str(), nullptr));

    const DialogSearch dialog = openAdd();
    ASSERT_TRUE(dialog.dialog) << "no open-file dialog";
    typeAndOpen(dialog, queued);
    ASSERT_TRUE(
        waitFor([&] { return textOf(lFC_) == L"There are 1 files ready for sheredding!"; }, 15000));
    click(findChildById(main_, IDC_SHREAD));
    HWND box = waitForMessageBox(program_.pid(), 30000);
    ASSERT_TRUE(box) << "the file left was not named";
    EXPECT_NE(messageBoxText(box).find(queued), std::wstring::npos);
    pressOk(box);
    EXPECT_TRUE(exists(queued));
    HANDLE h = CreateFileW(outside.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    char bytes[16] = {};
    DWORD got = 0;
    ReadFile(h, bytes, sizeof bytes, &got, nullptr);
    CloseHandle(h);
    EXPECT_EQ(std::string(bytes, got), "precious");
}

} // namespace
