// libFuzzer target: the listing and the extraction must agree on the members.
// The member-list reader and unzeng's archive index (the list a dry
// extraction selects from, every member requested) run on the same bytes;
// a member listed that the extraction would not write, or the reverse,
// aborts. A file without a usable end record is walked by its local
// headers, and its broken members are listed and named by the extraction
// alike. Where the extraction finds no archive at all, the listing must list
// nothing.

#include "engine/ArchiveDirectoryReader.h"
#include "engine/ZipError.h"
#include "engine/unzeng/ArchiveIndex.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Row = std::tuple<std::string, uint64_t, uint64_t>;  // name, packed, unpacked

[[noreturn]] void fault(const char *what, const std::string &detail = {})
{
    std::fprintf(stderr, "fuzz_member_lists: %s%s\n", what, detail.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const zipformat::MemorySource source({data, size});

    std::vector<ArchiveEntry> entries;
    std::string listError;
    try {
        orvex::ArchiveDirectoryReader::read(source, entries);
    } catch (const EZipError &e) {
        listError = e.what();
    }

    unzeng::ArchiveIndex index;
    std::string extractError;
    if (!unzeng::readArchiveIndex(source, index, extractError)) {
        if (!entries.empty())
            fault("members listed where the extraction finds no archive");
        return 0;
    }

    std::vector<Row> listed, selected;
    for (const ArchiveEntry &e : entries)
        listed.emplace_back(e.FileName, e.TruePackedSize, e.TrueUnpackedSize);
    for (const unzeng::Member &m : index.members)
        if (m.problem.empty() || index.walked)
            selected.emplace_back(m.diskName.substr(0, m.diskName.find('\0')), m.packedSize, m.unpackedSize);
    std::sort(listed.begin(), listed.end());
    std::sort(selected.begin(), selected.end());
    // The two messages are counted apart by scripts/fuzz.
    std::vector<Row> onlyListed, onlySelected;
    std::set_difference(listed.begin(), listed.end(), selected.begin(), selected.end(), std::back_inserter(onlyListed));
    std::set_difference(selected.begin(), selected.end(), listed.begin(), listed.end(),
                        std::back_inserter(onlySelected));
    if (!onlyListed.empty())
        fault("listed but not extracted: ", std::get<0>(onlyListed.front()));
    if (!onlySelected.empty())
        fault("extracted but not listed: ", std::get<0>(onlySelected.front()));
    // A member refused, or damage found, is said in both.
    const bool extractionSays = index.walked || !index.damage.empty()
                                || std::any_of(index.members.begin(), index.members.end(),
                                               [](const unzeng::Member &m) { return !m.problem.empty(); });
    if (extractionSays != !listError.empty())
        fault("only one of the listing and the extraction reports a disagreement: ", listError);
    return 0;
}
