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
    EXPECT_EQ(entry(bareAddRecord("a.zip", "a.txt").get()), 1);
    EXPECT_EQ(readArchive("a.zip").names(), std::vector<std::string>{"a.txt"});
    ::dlclose(library);
}
