// The shared library as the program loads it: the add's entry point, the
// rename's and the streaming writer's, nothing else.

#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sstream>

using namespace ziptest;

TEST(Export, OnlyTheEntryPointsAreVisibleAndTheyWork)
{
    void *library = ::dlopen(ZIPENG_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_TRUE(library) << ::dlerror();
    using Entry = int32_t (*)(ZipCallRecord *);
    const auto entry = reinterpret_cast<Entry>(::dlsym(library, "orvex_zipeng_call"));
    ASSERT_TRUE(entry);
    // The inner pieces, the static libraries and the standard templates stay hidden.
    const RunResult symbols = runTool({"nm", "-D", "--defined-only", ZIPENG_LIBRARY_PATH});
    ASSERT_EQ(symbols.exitCode, 0) << symbols.out;
    std::vector<std::string> exported;
    std::istringstream lines(symbols.out);
    for (std::string address, kind, name; lines >> address >> kind >> name;)
        exported.push_back(kind + " " + name);
    EXPECT_EQ(exported,
              (std::vector<std::string>{"T orvex_zipeng_call", "T orvex_zipeng_rename", "T orvex_zipeng_stream_begin",
                                        "T orvex_zipeng_stream_data", "T orvex_zipeng_stream_end_entry",
                                        "T orvex_zipeng_stream_entry", "T orvex_zipeng_stream_finish"}));

    ScratchDir dir;
    writeFile("a.txt", "a");
    EXPECT_EQ(entry(bareAddRecord("a.zip", "a.txt").get()), 1);
    EXPECT_EQ(readArchive("a.zip").names(), std::vector<std::string>{"a.txt"});
    const auto rename = reinterpret_cast<int32_t (*)(const ZipRenameRecord *)>(::dlsym(library, "orvex_zipeng_rename"));
    ASSERT_TRUE(rename);
    ZipRenameRecord renaming{};
    renaming.Version = EngineInterfaceVersion;
    renaming.ArchiveName = "a.zip";
    renaming.OldName = "a.txt";
    renaming.NewName = "b/a.txt";
    EXPECT_EQ(rename(&renaming), 1);
    EXPECT_EQ(readArchive("a.zip").names(), std::vector<std::string>{"b/a.txt"});

    const auto begin =
        reinterpret_cast<ZipStream *(*)(const ZipStreamRecord *)>(::dlsym(library, "orvex_zipeng_stream_begin"));
    const auto member = reinterpret_cast<int32_t (*)(ZipStream *, const ZipStreamEntry *)>(
        ::dlsym(library, "orvex_zipeng_stream_entry"));
    const auto data = reinterpret_cast<int32_t (*)(ZipStream *, const void *, uint64_t)>(
        ::dlsym(library, "orvex_zipeng_stream_data"));
    const auto end =
        reinterpret_cast<int32_t (*)(ZipStream *, int32_t)>(::dlsym(library, "orvex_zipeng_stream_end_entry"));
    const auto finish =
        reinterpret_cast<int32_t (*)(ZipStream *, int32_t)>(::dlsym(library, "orvex_zipeng_stream_finish"));
    ASSERT_TRUE(begin && member && data && end && finish);
    ZipStreamRecord record{};
    record.Version = EngineInterfaceVersion;
    record.ArchiveName = "s.zip";
    record.Level = 6;
    ZipStream *stream = begin(&record);
    ASSERT_TRUE(stream);
    const ZipStreamEntry file{"b.txt", ZipStreamFile, 0644, 1000000000, 3, 1};
    EXPECT_EQ(member(stream, &file), ZipStreamGoOn);
    EXPECT_EQ(data(stream, "bee", 3), ZipStreamGoOn);
    EXPECT_EQ(end(stream, 1), ZipStreamGoOn);
    EXPECT_EQ(finish(stream, 1), 1);
    EXPECT_EQ(readArchive("s.zip").names(), std::vector<std::string>{"b.txt"});
    ::dlclose(library);
}
