// Which orvexzip command lines start again on the huge-page heap: those that
// write, and a listing, test or extraction of a ZIP whose member list is long.
#include "app/cli/HeapChoice.h"
#include "support/ArchiveBuilder.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A ZIP of `members` empty members whose end record counts `counted`.
std::string emptyMembers(uint32_t members, uint16_t counted)
{
    std::string locals, directory;
    for (uint32_t i = 0; i < members; ++i) {
        ziptest::HeaderFields header;
        header.name = "m" + std::to_string(i);
        header.offset = uint32_t(locals.size());
        locals += ziptest::localRecord(header);
        directory += ziptest::centralRecord(header);
    }
    return locals + directory + ziptest::endRecord(counted, uint32_t(directory.size()), uint32_t(locals.size()));
}

}  // namespace

TEST(HeapChoice, OnlyWritesAndLongZipMemberListsStartAgain)
{
    ziptest::TempDir dir;
    const auto many = uint16_t(cli::ManyMembers);
    ziptest::writeFile(dir / "many.zip", emptyMembers(many, many));
    ziptest::writeFile(dir / "few.zip", emptyMembers(10, 10));
    // The count alone does not make a long list: the directory must hold it.
    ziptest::writeFile(dir / "claims.zip", emptyMembers(10, many));
    ziptest::writeFile(dir / "other.tar", std::string(10240, '\0'));
    struct Case {
        std::vector<std::string> arguments;
        bool restarts;
    };
    const Case cases[] = {
        {{"list", dir / "many.zip"}, true},
        {{"list", dir / "few.zip"}, false},
        {{"list", dir / "claims.zip"}, false},
        {{"list", dir / "other.tar"}, false},
        {{"list", dir / "missing.zip"}, false},
        {{"test", "--charset", "437", dir / "many.zip"}, true},
        {{"extract", "--to", dir / "many.zip", dir / "few.zip"}, false},
        {{"extract", "--paths", "--", dir / "many.zip"}, true},
        {{"add", dir / "few.zip", "file"}, true},
        {{"delete", dir / "few.zip", "m1"}, true},
        {{"convert", dir / "few.zip", dir / "out.tar"}, true},
        {{"--version"}, false},
        {{}, false},
    };
    for (const Case &c : cases) {
        std::vector<char *> argv;
        for (const std::string &argument : c.arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        std::string line;
        for (const std::string &argument : c.arguments)
            line += argument + " ";
        EXPECT_EQ(cli::wantsHugePageHeap(argv), c.restarts) << line;
    }
}
