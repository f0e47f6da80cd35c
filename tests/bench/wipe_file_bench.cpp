// WipeFile at level 50 on one large file through the real Windows file system: prints what it
// wrote, in which blocks and how fast, for cmake/wipe-bench.sh to set beside dd.
//   wipe_file_bench.exe <MiB> <file>
#include "platform/win32/windows_platform.h"
#include "platform/win32/text.h"
#include "shredder/mdshread.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace calvorin;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wipe_file_bench <MiB> <file>\n");
        return 2;
    }
    const std::uint64_t size = std::strtoull(argv[1], nullptr, 10) << 20;
    const std::string path = argv[2];

    // The file to wipe, on the disk before the clock starts.
    {
        const std::wstring wide = platform::win32::widen(path);
        HANDLE h = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            std::fprintf(stderr, "cannot create %s\n", path.c_str());
            return 1;
        }
        std::string block(4u << 20, 'D');
        for (std::uint64_t done = 0; done < size; done += block.size()) {
            DWORD put = 0;
            const auto n = static_cast<DWORD>(std::min<std::uint64_t>(block.size(), size - done));
            if (!WriteFile(h, block.data(), n, &put, nullptr)) return 1;
        }
        FlushFileBuffers(h);
        CloseHandle(h);
    }

    platform::win32::WindowsPlatform services;
    platform::Platform& os = services.os;

    const std::int16_t n = 5000; // level 50
    const std::uint64_t sequence = mdshread::patternSequence(n).size();
    const std::uint64_t sequences = (size + sequence - 1) / sequence;
    const auto start = std::chrono::steady_clock::now();
    const auto result = mdshread::WipeFile(os, path, n);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (result.outcome != mdshread::WipeOutcome::Shredded) {
        std::fprintf(stderr, "the file was not shredded\n");
        return 1;
    }
    std::printf("bytes=%llu block=%llu seconds=%.3f\n",
                static_cast<unsigned long long>(sequences * sequence),
                static_cast<unsigned long long>(mdshread::sequencesPerWrite(n) * sequence),
                seconds);
    return 0;
}
