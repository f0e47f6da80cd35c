// Shows each page of the running Calvorin in turn for a screenshot: prints "page N" when page N
// is on screen and waits for a line on its input before going on.
#include "e2e/driver.h"
#include "resource.h"

#include <cstdio>
#include <iostream>
#include <string>

using namespace calvorin::e2e;

int main() {
    clearSettings();
    Program program;
    HWND main = program.mainWindow();
    if (!main) {
        std::puts("error: the main window did not show");
        return 1;
    }
    // Each page is a dialog of its own on the main window; one item that only it holds tells
    // which (ids repeat across the dialogs, so each is looked up in one dialog alone).
    const int marks[5] = {IDC_CLEAN, IDC_COMMAND1, IDC_CHK_RUN_0, IDC_SHREAD, IDC_LABEL16};
    HWND pages[5] = {};
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        for (int page = 0; page < 5; ++page)
            if (GetDlgItem(child, marks[page])) pages[page] = child;
    for (int page = 0; page < 5; ++page) {
        // The selector is an item of the main dialog itself.
        click(GetDlgItem(main, IDC_OPT_OPTION_0 + page));
        // The picture is taken once the page named is the one page shown, and painted.
        const bool shown = waitFor(
            [&] {
                for (int other = 0; other < 5; ++other)
                    if ((IsWindowVisible(pages[other]) != FALSE) != (other == page)) return false;
                return true;
            },
            10000);
        if (!shown) {
            std::printf("error: page %d did not show (", page);
            for (int other = 0; other < 5; ++other)
                std::printf(" %p:%d", static_cast<void*>(pages[other]), IsWindowVisible(pages[other]) != FALSE);
            std::printf(" )\n");
            return 1;
        }
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        std::printf("page %d\n", page);
        std::fflush(stdout);
        std::string line;
        if (!std::getline(std::cin, line)) break;
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    program.waitExit(10000);
    clearSettings();
    return 0;
}
