// The floor for adding a tree at one level: libdeflate alone, each file
// compressed whole from memory on every core, with no reading, CRC or
// writing in the time. bench/engine puts the add's time over it.
//
//   orvex_deflate_floor LEVEL REPS DIR   prints the median seconds of REPS runs

#include "engine/zipeng/Deflate.h"

#include <libdeflate.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<std::string> readTree(const std::filesystem::path &root)
{
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Largest first, so that no core is left with one big file at the end.
    std::sort(files.begin(), files.end(), [](const auto &a, const auto &b) { return a.size() > b.size(); });
    return files;
}

double compressAll(const std::vector<std::string> &files, int level, unsigned threads)
{
    std::atomic<size_t> next{0};
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back([&] {
            libdeflate_compressor *compressor = libdeflate_alloc_compressor(level);
            std::vector<char> out;
            while (compressor) {
                const size_t i = next.fetch_add(1);
                if (i >= files.size())
                    break;
                const std::string &file = files[i];
                out.resize(libdeflate_deflate_compress_bound(compressor, file.size()));
                libdeflate_deflate_compress(compressor, file.data(), file.size(), out.data(), out.size());
            }
            libdeflate_free_compressor(compressor);
        });
    for (std::thread &worker : workers)
        worker.join();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s LEVEL REPS DIR\n", argv[0]);
        return 2;
    }
    const int level = zipeng::libdeflateLevel(std::atoi(argv[1]));
    const int reps = std::max(1, std::atoi(argv[2]));
    const std::vector<std::string> files = readTree(argv[3]);
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<double> seconds;
    for (int r = 0; r < reps; ++r)
        seconds.push_back(compressAll(files, level, threads));
    std::sort(seconds.begin(), seconds.end());
    std::printf("%.3f\n", seconds[seconds.size() / 2]);
    return 0;
}
