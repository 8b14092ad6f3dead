// Working inside a folder of an archive: extracting relative to it
// (ExtractRequest::baseFolder) and adding into it (AddRequest::archiveFolder),
// through the component, for ZIP and for the other formats.
#include "engine/ZipEngine.h"
#include "engine/common/MessageCode.h"
#include "support/ArchiveBuilder.h"
#include "support/Files.h"
#include "support/Run.h"
#include "support/TarBuilder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> namesIn(const TZipEngine &engine)
{
    std::vector<std::string> names;
    for (const ArchiveEntry &entry : engine.EntryList())
        names.push_back(entry.FileName);
    std::sort(names.begin(), names.end());
    return names;
}

class ArchiveFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine.OnMessage = [this](TZipEngine &, int code, const std::string &text) {
            messages.emplace_back(code, text);
        };
    }
    orvex::OperationResult extract(const std::string &archive, const std::string &out, const std::string &base)
    {
        engine.setZipFilename(archive);
        ziptest::makeDirs(out);
        orvex::ExtractRequest request = engine.extractRequest();
        request.target = out;
        request.options = ExtrOpts{ExtrDirNames};
        request.baseFolder = base;
        return engine.Extract(request, engine.events());
    }
    orvex::OperationResult add(std::vector<std::string> specs, AddOpts options, const std::string &folder)
    {
        orvex::AddRequest request = engine.addRequest();
        request.specs = std::move(specs);
        request.baseDirectory = dir / "src";
        request.options = options;
        request.archiveFolder = folder;
        return engine.Add(request, engine.events());
    }

    ziptest::TempDir dir;
    TZipEngine engine;
    std::vector<std::pair<int, std::string>> messages;
};

TEST_F(ArchiveFolder, ExtractingRelativeToAFolderPlacesOnlyWhatIsBelowItAndNothingEscapes)
{
    // The same members in a ZIP and a tar.gz; "docs/api/out" would stay
    // inside at its stored depth but not at the one it is placed at.
    ziptest::writeFile(dir / "t.zip", ziptest::buildZip({
                                          ziptest::dirEntry("docs/"),
                                          ziptest::fileEntry("docs/api/x.html", "x"),
                                          ziptest::fileEntry("docs/readme", "r"),
                                          ziptest::fileEntry("other/o.txt", "o"),
                                          ziptest::fileEntry("docsx/y", "y"),
                                          ziptest::linkEntry("docs/api/ok", "../readme"),
                                          ziptest::linkEntry("docs/api/out", "../../z"),
                                          ziptest::fileEntry("docs/../../x", "escaped"),
                                          ziptest::fileEntry("/docs/abs.txt", "a"),
                                      }));
    using ziptest::TarEntry;
    auto file = [](const char *name, const char *data) { return TarEntry{name, TarEntry::File, 0644, 0, data, {}}; };
    auto link = [](const char *name, const char *target) {
        return TarEntry{name, TarEntry::Symlink, 0777, 0, {}, target};
    };
    ziptest::writeFile(dir / "t.tar", ziptest::tarArchive({
                                          {"docs/", TarEntry::Directory, 0755, 0, {}, {}},
                                          file("docs/api/x.html", "x"),
                                          file("docs/readme", "r"),
                                          file("other/o.txt", "o"),
                                          file("docsx/y", "y"),
                                          link("docs/api/ok", "../readme"),
                                          link("docs/api/out", "../../z"),
                                          file("docs/../../x", "escaped"),
                                          file("/docs/abs.txt", "a"),
                                      }));
    ASSERT_EQ(ziptest::sh("gzip -n t.tar", dir.path()), 0);
    const std::vector<std::string> placed{"api/",   "api/ok -> ../readme", "api/x.html", "docsx/", "docsx/y",
                                          "other/", "other/o.txt",         "readme"};
    struct Case {
        const char *archive;
        bool absoluteStripped;  // ZIP takes "/docs/abs.txt" as "docs/abs.txt", the others refuse it
    };
    for (const Case c : {Case{"t.zip", true}, Case{"t.tar.gz", false}}) {
        SCOPED_TRACE(c.archive);
        const std::string out = dir / ("out/" + std::string(c.archive));
        extract(dir / c.archive, out, "docs/");
        std::vector<std::string> expected = placed;
        if (c.absoluteStripped)
            expected.insert(expected.begin(), "abs.txt");
        EXPECT_EQ(ziptest::listTree(out), expected);
        EXPECT_EQ(ziptest::readFile(out + "/api/x.html"), "x");
    }
    EXPECT_EQ(ziptest::listDir(dir / "out"), (std::vector<std::string>{"t.tar.gz", "t.zip"}));
    EXPECT_EQ(ziptest::listDir(dir.path()), (std::vector<std::string>{"out", "t.tar.gz", "t.zip"}));

    // A base folder that is no folder of the archive extracts nothing.
    for (const char *base : {"/docs/", "docs/../../", "../"}) {
        SCOPED_TRACE(base);
        for (const char *archive : {"t.zip", "t.tar.gz"}) {
            const std::string out = dir / ("refused/" + std::string(archive));
            messages.clear();
            EXPECT_EQ(extract(dir / archive, out, base).count, 0) << archive;
            EXPECT_EQ(ziptest::listTree(out), std::vector<std::string>{}) << archive;
            ASSERT_FALSE(messages.empty()) << archive;
            EXPECT_EQ(messages.back().first, int(unzeng::CodeBadRequest)) << messages.back().second;
        }
    }
}

TEST_F(ArchiveFolder, FilesAddedIntoAFolderGetItsNameAndFreshenFindsThemThere)
{
    ziptest::makeDirs(dir / "src/sub");
    ziptest::writeFile(dir / "src/notes.txt", "one");
    ziptest::writeFile(dir / "src/sub/a.txt", "a");
    ziptest::writeFile(dir / "src/other.txt", "other");
    for (const char *name : {"n.zip", "n.tar", "n.7z"}) {
        SCOPED_TRACE(name);
        const std::string archive = dir / name;
        ziptest::writeFile(dir / "src/notes.txt", "one");
        ziptest::setMtime(dir / "src/notes.txt", 1000000000);
        engine.setZipFilename(archive);
        EXPECT_EQ(add({"notes.txt"}, AddOpts{}, "docs/").count, 1);
        EXPECT_EQ(add({"sub"}, AddOpts{AddDirNames, AddRecurseDirs}, "docs/").count, 1);
        EXPECT_EQ(namesIn(engine), (std::vector<std::string>{"docs/notes.txt", "docs/sub/", "docs/sub/a.txt"}));

        // Freshen replaces the member under the folder and adds nothing new.
        ziptest::writeFile(dir / "src/notes.txt", "second");
        ziptest::setMtime(dir / "src/notes.txt", 1300000000);
        EXPECT_EQ(add({"notes.txt", "other.txt"}, AddOpts{AddFreshen}, "docs/").count, 1);
        ASSERT_EQ(namesIn(engine), (std::vector<std::string>{"docs/notes.txt", "docs/sub/", "docs/sub/a.txt"}));
        const auto notes = std::find_if(engine.EntryList().begin(), engine.EntryList().end(),
                                        [](const ArchiveEntry &entry) { return entry.FileName == "docs/notes.txt"; });
        EXPECT_EQ(notes->TrueUnpackedSize, 6u) << "the file's newer contents replaced the member's";

        // A folder that is no clean relative path is refused, the archive untouched.
        const std::string before = ziptest::readFile(archive);
        for (const char *folder : {"/docs/", "docs//x/", "docs/../", "./docs/", "docs\\x/"}) {
            SCOPED_TRACE(folder);
            messages.clear();
            EXPECT_EQ(add({"other.txt"}, AddOpts{}, folder).count, 0);
            ASSERT_FALSE(messages.empty());
            EXPECT_EQ(messages.back().first, 16) << messages.back().second;
            EXPECT_NE(messages.back().second.find("folder"), std::string::npos) << messages.back().second;
        }
        EXPECT_EQ(ziptest::readFile(archive), before);
    }
}

}  // namespace
