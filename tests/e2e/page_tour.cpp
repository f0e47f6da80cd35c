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
    for (int page = 0; page < 5; ++page) {
        click(findChildById(main, IDC_OPT_OPTION_0 + page));
        Sleep(700);
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
