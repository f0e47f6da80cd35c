// Emptying a temporary folder of many files in nested folders: ShredFolder on host folders
// through the emulated drive C:, beside `rm -rf` on the same tree built the same way.
#include "cleaners/file_operations.h"
#include "platform/emulated/world.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;
using namespace calvorin;

namespace {

// `folders` folders, each below an earlier one (eight to a parent), `files` files spread evenly.
void buildTree(const fs::path& root, int folders, int files) {
    std::vector<fs::path> paths{root};
    for (int i = 1; i < folders; ++i) {
        paths.push_back(paths[static_cast<std::size_t>((i - 1) / 8)] / ("folder " + std::to_string(i)));
        fs::create_directories(paths.back());
    }
    for (int i = 0; i < files; ++i) {
        std::ofstream(paths[static_cast<std::size_t>(i % folders)] / ("file " + std::to_string(i) + ".tmp"))
            << "temporary data";
    }
}

void ShredFolderOnHostFolders(benchmark::State& state) {
    const int folders = static_cast<int>(state.range(0)), files = static_cast<int>(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        platform::emulated::World world;
        platform::Platform p = world.platform();
        buildTree(world.files.hostPath("C:\\Temp"), folders, files);
        state.ResumeTiming();
        cleaners::ShredFolder(p, "C:\\Temp\\", false, true);
        state.PauseTiming();
        if (!fs::is_empty(world.files.hostPath("C:\\Temp"))) state.SkipWithError("the folder was not emptied");
        state.ResumeTiming();
    }
    state.counters["files/s"] = benchmark::Counter(static_cast<double>(files) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

void RmRfOnTheSameTree(benchmark::State& state) {
    const int folders = static_cast<int>(state.range(0)), files = static_cast<int>(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        platform::emulated::HostFolder host;
        const fs::path root = host.path() / "Temp";
        fs::create_directories(root);
        buildTree(root, folders, files);
        const std::string command = "rm -rf '" + root.string() + "'";
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0) state.SkipWithError("rm -rf failed");
    }
    state.counters["files/s"] = benchmark::Counter(static_cast<double>(files) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

} // namespace

// A quarter of the tree, then the whole: the time must grow in proportion.
BENCHMARK(ShredFolderOnHostFolders)->Args({500, 12'500})->Args({2'000, 50'000})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(RmRfOnTheSameTree)->Args({500, 12'500})->Args({2'000, 50'000})->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
