// The shared library as the program loads it: one exported entry point.

#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

using namespace ziptest;

TEST(Export, OnlyTheEntryPointIsVisibleAndItWorks)
{
    void *library = ::dlopen(ZIPENG_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_TRUE(library) << ::dlerror();
    using Entry = int32_t (*)(ZipCallRecord *);
    const auto entry = reinterpret_cast<Entry>(::dlsym(library, "orvex_zipeng_call"));
    ASSERT_TRUE(entry);
    // The inner pieces, the static libraries and the standard templates stay hidden.
    const RunResult symbols = runTool({"nm", "-D", "--defined-only", ZIPENG_LIBRARY_PATH});
    ASSERT_EQ(symbols.exitCode, 0) << symbols.out;
    EXPECT_EQ(symbols.out.substr(symbols.out.find(' ') + 1), "T orvex_zipeng_call\n");

    ScratchDir dir;
    writeFile("a.txt", "a");
    auto record = std::make_unique<ZipCallRecord>();
    record->Version = EngineInterfaceVersion;
    record->Level = 9;
    record->AddFlag = 1;
    record->ArchiveName = "a.zip";
    record->FileSpecCount = 1;
    record->FileSpecs[0] = "a.txt";
    EXPECT_EQ(entry(record.get()), 1);
    EXPECT_EQ(readArchive("a.zip").names(), std::vector<std::string>{"a.txt"});
    ::dlclose(library);
}
