// The floor for adding a tree at one level: the library the level uses
// (libdeflate, or igzip at level 1) alone, each file compressed whole from
// memory on every core, with no reading, CRC or writing in the time.
// bench/engine puts the add's time over it.
//
//   orvex_deflate_floor LEVEL REPS DIR   prints the median seconds of REPS
//                                        runs and the library and its level

#include "engine/zipeng/Deflate.h"
#include "engine/zipeng/IsalDeflate.h"

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

// Compresses one file with the chosen library, into room for the worst case.
class FloorCompressor {
public:
    explicit FloorCompressor(zipeng::DeflateChoice choice) : choice_(choice)
    {
        if (choice_.library == zipeng::DeflateChoice::Libdeflate)
            libdeflate_ = libdeflate_alloc_compressor(choice_.level);
    }
    ~FloorCompressor() { libdeflate_free_compressor(libdeflate_); }
    FloorCompressor(const FloorCompressor &) = delete;
    FloorCompressor &operator=(const FloorCompressor &) = delete;

    void compress(const std::string &file)
    {
        const auto *in = reinterpret_cast<const uint8_t *>(file.data());
        if (libdeflate_) {
            out_.resize(libdeflate_deflate_compress_bound(libdeflate_, file.size()));
            libdeflate_deflate_compress(libdeflate_, in, file.size(), out_.data(), out_.size());
        } else {
            out_.resize(file.size() + 5 * (file.size() / 65535 + 2) + 1024);
            zipeng::IsalDeflater::forThread(choice_.level).deflate({in, file.size()}, out_.data(), out_.size());
        }
    }

private:
    zipeng::DeflateChoice choice_;
    libdeflate_compressor *libdeflate_ = nullptr;
    std::vector<uint8_t> out_;
};

double compressAll(const std::vector<std::string> &files, zipeng::DeflateChoice choice, unsigned threads)
{
    std::atomic<size_t> next{0};
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back([&] {
            FloorCompressor compressor(choice);
            for (size_t i = next.fetch_add(1); i < files.size(); i = next.fetch_add(1))
                compressor.compress(files[i]);
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
    const zipeng::DeflateChoice choice = zipeng::deflateChoice(std::atoi(argv[1]));
    const int reps = std::max(1, std::atoi(argv[2]));
    const std::vector<std::string> files = readTree(argv[3]);
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<double> seconds;
    for (int r = 0; r < reps; ++r)
        seconds.push_back(compressAll(files, choice, threads));
    std::sort(seconds.begin(), seconds.end());
    std::printf("%.3f %s-%d\n", seconds[seconds.size() / 2],
                choice.library == zipeng::DeflateChoice::Isal ? "igzip" : "libdeflate", choice.level);
    return 0;
}
