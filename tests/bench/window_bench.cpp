// Start-up, idle and close of Calvorin.exe beside a bare dialog program, interleaved runs,
// printed as medians and ratios. Runs under Wine (`make bench`) or on Windows.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring besideMe(const std::wstring& name) {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    return dir.erase(dir.find_last_of(L"\\/") + 1) + name;
}

double nowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Under Wine a Windows process is a Linux process, whose CPU time /proc tells (Wine leaves
// another process's times at zero); the figure is in clock ticks of 10 ms.
double unixCpuMs(const wchar_t* exeName) {
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &data);
    if (find == INVALID_HANDLE_VALUE) return -1;
    double found = -1;
    do {
        if (data.cFileName[0] < L'0' || data.cFileName[0] > L'9') continue;
        const std::wstring dir = std::wstring(L"Z:\\proc\\") + data.cFileName;
        auto slurp = [](const std::wstring& path) {
            std::string text;
            HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
            if (h == INVALID_HANDLE_VALUE) return text;
            char buffer[4096];
            DWORD got = 0;
            while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0)
                text.append(buffer, got);
            CloseHandle(h);
            return text;
        };
        std::string cmdline = slurp(dir + L"\\cmdline");
        std::replace(cmdline.begin(), cmdline.end(), '\0', ' ');
        std::string name;
        for (const wchar_t* c = exeName; *c; ++c)
            name += static_cast<char>(*c);
        if (cmdline.find(name) == std::string::npos ||
            cmdline.find("window_bench") != std::string::npos)
            continue;
        const std::string stat = slurp(dir + L"\\stat");
        const auto close = stat.rfind(')');
        if (close == std::string::npos) continue;
        // Fields after the name: state is the 3rd field; utime and stime the 14th and 15th.
        std::vector<std::string> fields;
        std::string field;
        for (char c : stat.substr(close + 2)) {
            if (c == ' ') {
                fields.push_back(field);
                field.clear();
            } else {
                field += c;
            }
        }
        if (fields.size() > 12)
            found = 10.0 * (std::atof(fields[11].c_str()) + std::atof(fields[12].c_str()));
    } while (found < 0 && FindNextFileW(find, &data));
    FindClose(find);
    return found;
}

double cpuMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto ms = [](FILETIME t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

struct Figures {
    double start = 0, idle = 0, close = 0;
};

// One run: start to a visible window, CPU share over `idleMs` with the pointer resting on
// the window, and WM_CLOSE to the end of the process.
bool measure(const std::wstring& exe, const wchar_t* exeName, const wchar_t* title, int idleMs,
             Figures& f) {
    std::wstring cmd = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    const double t0 = nowMs();
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return false;
    HWND window = nullptr;
    while (nowMs() - t0 < 30000) {
        window = FindWindowW(nullptr, title);
        if (window && IsWindowVisible(window)) break;
        window = nullptr;
        Sleep(1);
    }
    f.start = nowMs() - t0;
    if (window) {
        Sleep(500); // let the first paint settle before the idle figure
        RECT r;
        GetWindowRect(window, &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        Sleep(200);
        const bool onUnix = unixCpuMs(exeName) >= 0;
        auto cpu = [&] { return onUnix ? unixCpuMs(exeName) : cpuMs(pi.hProcess); };
        const double cpu0 = cpu(), w0 = nowMs();
        Sleep(static_cast<DWORD>(idleMs));
        f.idle = 100.0 * (cpu() - cpu0) / (nowMs() - w0);
        const double c0 = nowMs();
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0)
            TerminateProcess(pi.hProcess, 1);
        f.close = nowMs() - c0;
    } else {
        TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return window != nullptr;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int idleMs = 3000;
    std::vector<Figures> ours, bare;
    for (int i = 0; i < runs; ++i) {
        Figures a, b;
        if (!measure(besideMe(L"Calvorin.exe"), L"Calvorin.exe", L"Calvorin 1.0", idleMs, a) ||
            !measure(besideMe(L"bare_dialog.exe"), L"bare_dialog.exe", L"Bare Dialog", idleMs, b)) {
            std::puts("error: a window did not show");
            return 1;
        }
        ours.push_back(a);
        bare.push_back(b);
    }
    auto row = [&](const char* what, double Figures::*field, const char* unit) {
        std::vector<double> x, y;
        for (const auto& f : ours)
            x.push_back(f.*field);
        for (const auto& f : bare)
            y.push_back(f.*field);
        const double m = median(x), n = median(y);
        if (n > 0)
            std::printf("%-28s Calvorin %8.2f %s   bare dialog %8.2f %s   ratio %5.2f\n", what, m,
                        unit, n, unit, m / n);
        else // an idle program uses no measurable time at all
            std::printf("%-28s Calvorin %8.2f %s   bare dialog %8.2f %s   ratio  (bare is 0)\n",
                        what, m, unit, n, unit);
    };
    std::printf("window bench, %d interleaved runs each, medians:\n", runs);
    row("start-up to a visible window", &Figures::start, "ms");
    row("idle, pointer on the window", &Figures::idle, "% ");
    row("close to the end", &Figures::close, "ms");
    return 0;
}
