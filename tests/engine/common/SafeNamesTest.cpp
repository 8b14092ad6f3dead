// Hostile names and link targets against the rules both extraction
// libraries share, under ZIP's reading of names and the other formats'.

#include "engine/common/SafeNames.h"
#include "engine/zipformat/MemberName.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace std::literals;

namespace {

constexpr common::NameRules OtherFormats{};

TEST(SafeNames, NamesStayBelowTheTargetOrAreRefused)
{
    struct Case {
        std::string_view stored;
        bool zip;                         // ZIP's reading of names, else the other formats'
        bool directory;                   // what the caller says the entry is
        std::optional<std::string> path;  // nullopt: refused
        bool warned;
        bool isDirectory;
    };
    const Case cases[] = {
        {"a/b.txt", true, false, "a/b.txt", false, false},
        {"a/b.txt", false, false, "a/b.txt", false, false},
        {"./a//./b", true, false, "a/b", false, false},
        {"./a//./b", false, false, "a/b", false, false},
        {"...", false, false, "...", false, false},
        {"../x", true, false, std::nullopt, false, false},
        {"../x", false, false, std::nullopt, false, false},
        {"a/../b", true, false, std::nullopt, false, false},
        {"a/../b", false, false, std::nullopt, false, false},
        {"a/..", false, true, std::nullopt, false, true},
        {"..\\x", true, false, std::nullopt, false, false},
        {"..\\x", false, false, "..\\x", false, false},
        {"a\\b", true, false, "a/b", false, false},
        {"a\\b", false, false, "a\\b", false, false},
        {"/etc/passwd", true, false, "etc/passwd", true, false},
        {"/etc/passwd", false, false, std::nullopt, false, false},
        {"//x", true, false, "x", true, false},
        {"/../x", true, false, std::nullopt, false, false},
        {"C:/x", true, false, "x", true, false},
        {"C:\\x", true, false, "x", true, false},
        {"C:/x", false, false, "C:/x", false, false},
        {"c:x", true, false, "c:x", false, false},
        {"1:/x", true, false, "1:/x", false, false},
        {"", true, false, std::nullopt, false, false},
        {"", false, false, std::nullopt, false, false},
        {"./", true, false, "", false, true},
        {"./", false, false, std::nullopt, false, false},
        {"./", false, true, "", false, true},
        {"/", true, false, "", true, true},
        {"/", false, true, std::nullopt, false, true},
        {"a/", true, false, "a", false, true},
        {"a\\", true, false, "a", false, true},
        {"a/", false, false, "a", false, false},
        {"a\0b"sv, true, false, std::nullopt, false, false},
        {"a\0b"sv, false, false, std::nullopt, false, false},
    };
    for (const Case &c : cases) {
        const common::SafeName name =
            common::safeName(c.stored, c.zip ? zipformat::MemberNameRules : OtherFormats, c.directory);
        const std::string label = std::string(c.stored) + (c.zip ? " (ZIP)" : " (other)");
        EXPECT_EQ(!name.refused(), c.path.has_value()) << label << ": " << name.refusal;
        if (name.refused()) {
            EXPECT_TRUE(name.components.empty()) << label;
            continue;
        }
        EXPECT_EQ(name.joined(), *c.path) << label;
        EXPECT_EQ(!name.warning.empty(), c.warned) << label;
        EXPECT_EQ(name.directory, c.isDirectory) << label;
        for (const std::string &part : name.components)
            EXPECT_TRUE(!part.empty() && part != "." && part != ".." && part.find('/') == std::string::npos)
                << label << ": " << part;
    }
}

TEST(SafeNames, LinksMayPointOnlyInsideTheTarget)
{
    struct Case {
        std::string_view target;
        size_t depth;  // directories between the link and the target
        bool inside;
    };
    const Case cases[] = {
        {"a", 0, true},          {"a/b/c", 0, true},        {"./a", 0, true},
        {"", 3, false},          {"/etc/passwd", 3, false}, {"//x", 3, false},
        {"..", 0, false},        {"..", 1, true},           {"../a", 0, false},
        {"../a", 1, true},       {"../../a", 1, false},     {"./../a", 1, true},
        {"..//./../a", 2, true}, {"a/../b", 5, false},      {"a/..", 5, false},
        {"../a/../b", 5, false}, {"x\0y"sv, 3, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(common::linkStaysInside(c.target, c.depth), c.inside) << c.target << " at depth " << c.depth;
}

TEST(SafeNames, ABaseFolderTakesOnlyWholeLeadingComponentsOfNamesBelowIt)
{
    struct Case {
        std::string_view stored;
        bool zip;
        bool directory;
        std::optional<std::string> placed;  // nullopt: the base folder itself, nothing made
    };
    const Case cases[] = {
        {"docs/api/x.html", false, false, "api/x.html"},
        {"./docs//api/x.html", false, false, "api/x.html"},
        {"docs\\api\\x.html", true, false, "api/x.html"},
        {"/docs/x", true, false, "x"},
        {"docs/", false, true, std::nullopt},
        {"docs/api/", false, true, "api"},
        {"docs", false, false, "docs"},
        {"docsx/y", false, false, "docsx/y"},
        {"other/docs/y", false, false, "other/docs/y"},
    };
    const std::vector<std::string> base = common::baseFolderName("docs/", zipformat::MemberNameRules).components;
    for (const Case &c : cases) {
        common::SafeName name =
            common::safeName(c.stored, c.zip ? zipformat::MemberNameRules : OtherFormats, c.directory);
        ASSERT_FALSE(name.refused()) << c.stored;
        const bool placed = common::placeUnder(name, base);
        EXPECT_EQ(placed, c.placed.has_value()) << c.stored;
        if (placed) {
            EXPECT_EQ(name.joined(), *c.placed) << c.stored;
        }
    }
    for (const std::string_view folder : {"/docs/", "docs/../../", "../"})
        EXPECT_TRUE(common::baseFolderName(folder, zipformat::MemberNameRules).refused()) << folder;
}

TEST(SafeNames, AFolderToAddToMustBeACleanRelativePath)
{
    for (const std::string_view good : {"", "docs/", "docs", "docs/api/", "a b/.x/"})
        EXPECT_EQ(common::folderNameProblem(good), "") << good;
    const std::string_view bad[] = {"/",        "/docs/", "docs//api/", "./docs/", "docs/./",
                                    "docs/../", "..",     "docs\\api/", "//",      "a\0b/"sv};
    for (const std::string_view folder : bad)
        EXPECT_NE(common::folderNameProblem(folder), "") << folder;
    EXPECT_EQ(common::nameInFolder("docs", "a.txt"), "docs/a.txt");
    EXPECT_EQ(common::nameInFolder("docs/", "sub/"), "docs/sub/");
}

}  // namespace
