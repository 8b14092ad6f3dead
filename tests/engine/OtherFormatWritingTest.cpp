// Writing tar (pax, with each compression) and 7z: what orvexzip add makes
// the peer tools and our own extraction read back as the tree was on the
// disk; archives the peers made, changed by add and delete, the peers read
// as expected; a change that fails or is cancelled leaves the old archive
// byte for byte and nothing beside it. bsdtar, GNU tar, 7zz and Python's
// tarfile are oracles only: what is asserted is what we wrote.

#include "engine/ZipEngine.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace ziptest;

namespace {

// What matters of a tree for a round trip: each folder, each link's target,
// each file's mode, data, modification time (to `unit` nanoseconds; 0:
// whole seconds) and, when `names` is set, how many names it has.
std::map<std::string, std::string> describe(const std::string &root, long unit, bool names)
{
    std::map<std::string, std::string> out;
    for (const std::string &entry : listTree(root)) {
        if (entry.ends_with('/')) {
            out[entry] = "folder";
            continue;
        }
        if (const size_t arrow = entry.find(" -> "); arrow != std::string::npos) {
            out[entry.substr(0, arrow)] = "link to " + entry.substr(arrow + 4);
            continue;
        }
        const struct stat st = statOf(root + "/" + entry);
        const long nanos = unit ? st.st_mtim.tv_nsec / unit * unit : 0;
        char text[160];
        std::snprintf(text, sizeof text, "mode %o, %zu bytes of data %zx, modified %lld.%09ld, %s names",
                      unsigned(st.st_mode & 07777), size_t(st.st_size),
                      std::hash<std::string>{}(readFile(root + "/" + entry)), static_cast<long long>(st.st_mtim.tv_sec),
                      nanos, names ? std::to_string(st.st_nlink).c_str() : "some");
        out[entry] = text;
    }
    return out;
}

void setTimes(const std::string &path, time_t seconds, long nanos)
{
    const struct timespec times[2] = {{seconds, nanos}, {seconds, nanos}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

// The peers read names in UTF-8.
int peer(const std::string &command, const std::string &directory)
{
    return sh("LC_ALL=C.UTF-8 " + command, directory);
}

class OtherFormatWriting : public ::testing::Test {
protected:
    void SetUp() override { previousMask = ::umask(022); }  // the modes the peers extract with
    void TearDown() override { ::umask(previousMask); }

    // A fresh folder `name` below the scratch folder.
    std::string folder(const std::string &name) const
    {
        makeDirs(dir / name);
        return dir / name;
    }

    TempDir dir;
    mode_t previousMask = 022;
};

// Nested folders (one empty), an empty file, a UTF-8 name, a name longer
// than 100 bytes, a link, a second name of a file, a file of mode 0750,
// times with fractions.
void makeTree(const std::string &src)
{
    makeDirs(src + "/top/sub/deep");
    writeFile(src + "/top/a.txt", textData(100000));
    ASSERT_EQ(::link((src + "/top/a.txt").c_str(), (src + "/top/sub/hard").c_str()), 0);
    ASSERT_EQ(::symlink("a.txt", (src + "/top/link").c_str()), 0);
    writeFile(src + "/top/empty", "");
    writeFile(src + "/top/run.sh", "#!/bin/sh\necho hi\n");
    ASSERT_EQ(::chmod((src + "/top/run.sh").c_str(), 0750), 0);
    writeFile(src + "/top/\xc3\xbcn\xc3\xaf-\xe5\x90\x8d\xe5\x89\x8d.txt", "unicode");
    writeFile(src + "/top/sub/" + std::string(120, 'n') + ".txt", randomData(3000));
    setTimes(src + "/top/a.txt", 1588748889, 123456789);
    setTimes(src + "/top/run.sh", 1600000000, 987654321);
}

struct Written {
    const char *archive;
    const char *gnuTar;  // GNU tar's option that reads it; null: no tar
};
const Written WrittenFormats[] = {
    {"t.tar", ""},      {"t.tar.gz", "-z"}, {"t.tgz", "-z"},         {"t.tar.bz2", "-j"},  {"t.tbz2", "-j"},
    {"t.tar.xz", "-J"}, {"t.txz", "-J"},    {"t.tar.zst", "--zstd"}, {"t.tzst", "--zstd"}, {"t.7z", nullptr},
};

}  // namespace

TEST_F(OtherFormatWriting, EveryWrittenFormatReadsBackAsTheTreeWas)
{
    makeTree(dir / "src");
    makeDirs(dir / "out");
    // Hard links, and times to the nanosecond, are kept by tar (pax); 7z
    // keeps times to 100 ns and stores each name of a file as a file.
    const auto tarTree = describe(dir / "src", 1, true);
    const auto sevenZipTree = describe(dir / "src", 100, false);
    const auto ourTree = describe(dir / "src", 0, true);
    const auto ourSevenZipTree = describe(dir / "src", 0, false);
    for (const Written &w : WrittenFormats) {
        SCOPED_TRACE(w.archive);
        const bool tar = w.gnuTar != nullptr;
        // Under LC_ALL=C, as orvexzip runs from a plain environment: the
        // UTF-8 name must come through all the same.
        const RunResult added = runOrvexzip({"add", w.archive, "--paths", "--recurse", "src"}, dir.path());
        ASSERT_EQ(added.exitCode, 0) << added.out << added.err;
        EXPECT_EQ(listDir(dir.path()), (std::vector<std::string>{"out", "src", w.archive})) << "nothing beside them";

        struct Reader {
            const char *tool;
            std::string command;
        };
        const std::string archive = "../../" + std::string(w.archive);
        std::vector<Reader> readers = {{"bsdtar", "bsdtar -xpf " + archive}};
        if (tar)
            readers.push_back({"tar", "tar " + std::string(w.gnuTar) + " -xpf " + archive});
        else
            readers.push_back({"7zz", "7zz x -bd -bso0 " + archive});
        for (const Reader &r : readers) {
            if (!haveProgram(r.tool))
                continue;
            const std::string out = folder(std::string("out/") + r.tool + "-" + w.archive);
            ASSERT_EQ(peer(r.command, out), 0) << r.command;
            EXPECT_EQ(describe(out + "/src", tar ? 1 : 100, tar), tar ? tarTree : sevenZipTree) << r.tool;
        }

        const std::string ours = folder(std::string("out/ours-") + w.archive);
        const RunResult extracted = runOrvexzip({"extract", w.archive, "--to", ours, "--paths"}, dir.path());
        EXPECT_EQ(extracted.exitCode, 0) << extracted.err;
        EXPECT_EQ(describe(ours + "/src", 0, tar), tar ? ourTree : ourSevenZipTree);
        ::unlink((dir / w.archive).c_str());
    }
}

namespace {

// Each member's header of a tar, in order, as Python's tarfile reads it: kind, mode,
// owner (ids and names), time, link target, size.
std::string tarHeaders(const std::string &archive, const std::string &decompress, const std::string &directory)
{
    const std::string out = directory + "/headers.txt";
    const int status = sh(decompress + " < " + archive
                              + " | python3 -c \"import sys, tarfile\n"
                                "for m in tarfile.open(fileobj=sys.stdin.buffer, mode='r|'):\n"
                                "    print(m.name, m.type, oct(m.mode), m.uid, m.gid, m.uname, m.gname, m.mtime,"
                                " m.linkname, m.size)\" > "
                              + out,
                          directory);
    EXPECT_EQ(status, 0) << archive;
    return readFile(out);
}

// `text` without its lines that begin with `name` and a space.
std::string withoutMember(const std::string &text, const std::string &name)
{
    std::string kept;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find('\n', at), text.size() - 1) + 1;
        const std::string line = text.substr(at, end - at);
        if (!line.starts_with(name + " "))
            kept += line;
        at = end;
    }
    return kept;
}

}  // namespace

TEST_F(OtherFormatWriting, ArchivesThePeersMadeTakeAnAddAndADeleteAndThePeersReadTheResult)
{
    struct Case {
        const char *archive;
        const char *tool;
        const char *make;     // run in src/, the archive one level up
        const char *read;     // run in an empty folder, the archive two levels up
        const char *headers;  // what decompresses it for tarfile; null: no tar
    };
    // The tars hold a link and a second name of a file too.
    const Case cases[] = {
        {"p.tar.gz", "tar",
         "tar --owner=alice:1234 --group=staff:567 -czf ../p.tar.gz keep.txt gone.txt sub link.txt twice.txt",
         "tar -xzf ../../p.tar.gz", "gzip -dc"},
        {"p.tar.zst", "tar",
         "tar --zstd --owner=bob:4321 --group=wheel:765 -cf ../p.tar.zst keep.txt gone.txt sub link.txt twice.txt",
         "tar --zstd -xf ../../p.tar.zst", "zstd -dc"},
        {"p.tar.xz", "bsdtar", "bsdtar -cJf ../p.tar.xz keep.txt gone.txt sub link.txt twice.txt",
         "bsdtar -xf ../../p.tar.xz", "xz -dc"},
        {"p.7z", "7zz", "7zz a -bd -bso0 ../p.7z keep.txt gone.txt sub", "7zz x -bd -bso0 ../../p.7z", nullptr},
    };
    makeDirs(dir / "src/sub");
    writeFile(dir / "src/keep.txt", textData(70000, 1));
    writeFile(dir / "src/gone.txt", textData(5000, 2));
    writeFile(dir / "src/sub/keep.bin", randomData(40000, 3));
    ASSERT_EQ(::symlink("sub/keep.bin", (dir / "src/link.txt").c_str()), 0);
    ASSERT_EQ(::link((dir / "src/keep.txt").c_str(), (dir / "src/twice.txt").c_str()), 0);
    writeFile(dir / "new.txt", "the new one\n");
    const std::map<std::string, std::string> expected = {
        {"keep.txt", textData(70000, 1)}, {"sub/keep.bin", randomData(40000, 3)}, {"new.txt", "the new one\n"}};
    std::map<std::string, std::string> expectedTar = expected;
    expectedTar["link.txt"] = "link:sub/keep.bin";
    expectedTar["twice.txt"] = textData(70000, 1);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.archive);
        if (!haveProgram(c.tool) || (c.headers && !haveProgram("python3")))
            continue;
        ASSERT_EQ(peer(c.make, dir / "src"), 0) << c.make;
        const std::string before = c.headers ? tarHeaders(c.archive, c.headers, dir.path()) : "";

        const RunResult added = runOrvexzip({"add", c.archive, "new.txt"}, dir.path());
        EXPECT_EQ(added.exitCode, 0) << added.err;
        const RunResult deleted = runOrvexzip({"delete", c.archive, "gone.txt"}, dir.path());
        EXPECT_EQ(deleted.exitCode, 0) << deleted.err;

        const std::string out = folder(std::string("read/") + c.archive);
        ASSERT_EQ(peer(c.read, out), 0) << c.read;
        EXPECT_EQ(treeContents(out), c.headers ? expectedTar : expected);
        if (c.headers) {
            EXPECT_EQ(statOf(out + "/twice.txt").st_ino, statOf(out + "/keep.txt").st_ino) << "one file, two names";
            // The members kept are what they were, owners and order included;
            // the new one comes last.
            const std::string after = tarHeaders(c.archive, c.headers, dir.path());
            EXPECT_EQ(withoutMember(after, "new.txt"), withoutMember(before, "gone.txt"));
            EXPECT_TRUE(after.substr(after.rfind('\n', after.size() - 2) + 1).starts_with("new.txt ")) << after;
        }
        ::unlink((dir / c.archive).c_str());
    }
}

TEST_F(OtherFormatWriting, AChangeThatFailsLeavesTheArchiveByteForByteAndNothingBesideIt)
{
    struct Case {
        const char *what;
        std::vector<std::string> command;  // the archive's path goes after the first word
        bool readOnlyFolder;
    };
    const Case cases[] = {
        {"a delete of a name not in it", {"delete", "nothere.txt"}, false},
        {"a delete of a pattern that matches nothing", {"delete", "*.none"}, false},
        {"an add of a missing file", {"add", "missing.txt"}, false},
        {"an add in a read-only folder", {"add", "new.txt"}, true},
        {"a delete in a read-only folder", {"delete", "src/a.txt"}, true},
    };
    makeDirs(dir / "src");
    writeFile(dir / "src/a.txt", textData(20000));
    writeFile(dir / "src/b.bin", randomData(3000));
    writeFile(dir / "new.txt", "new");
    const std::string folderOf = folder("archives");
    for (const char *name : {"f.tar.gz", "f.tar.zst", "f.7z"}) {
        const std::string archive = "archives/" + std::string(name);
        ASSERT_EQ(runOrvexzip({"add", archive, "--paths", "--recurse", "src"}, dir.path()).exitCode, 0);
        const std::string old = readFile(dir / archive);
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(name) + ": " + c.what);
            if (c.readOnlyFolder && ::geteuid() == 0)
                continue;  // root writes into any folder
            ASSERT_EQ(::chmod(folderOf.c_str(), c.readOnlyFolder ? 0555 : 0755), 0);
            std::vector<std::string> args = c.command;
            args.insert(args.begin() + 1, archive);
            const RunResult r = runOrvexzip(args, dir.path());
            ::chmod(folderOf.c_str(), 0755);
            EXPECT_TRUE(r.exitCode != 0 || !r.err.empty()) << r.out;
            EXPECT_EQ(readFile(dir / archive), old);
            EXPECT_EQ(listDir(folderOf), std::vector<std::string>{name});
        }
        ::unlink((dir / archive).c_str());
    }

    // Archives that cannot be written again whole: the members of an
    // encrypted one would be stored in the clear, and a FIFO is no entry the
    // writer takes.
    struct Unwritable {
        const char *archive;
        const char *tool;
        const char *make;  // run in src/
    };
    const Unwritable unwritable[] = {
        {"e.7z", "7zz", "7zz a -bd -bso0 -psecret ../archives/e.7z a.txt"},
        {"fifo.tar", "tar", "mkfifo pipe && tar -cf ../archives/fifo.tar a.txt pipe && rm pipe"},
    };
    for (const Unwritable &u : unwritable) {
        if (!haveProgram(u.tool))
            continue;
        const std::string archive = "archives/" + std::string(u.archive);
        ASSERT_EQ(peer(u.make, dir / "src"), 0) << u.make;
        const std::string old = readFile(dir / archive);
        for (const char *command : {"add", "delete"}) {
            SCOPED_TRACE(std::string(command) + " " + u.archive);
            const RunResult r =
                runOrvexzip({command, archive, std::string(command) == "add" ? "new.txt" : "a.txt"}, dir.path());
            EXPECT_NE(r.exitCode, 0) << r.out;
            EXPECT_EQ(readFile(dir / archive), old);
            EXPECT_EQ(listDir(folderOf), std::vector<std::string>{u.archive});
        }
        ::unlink((dir / archive).c_str());
    }
}

namespace {

// Asks the operation to stop once it has told `stopAt` progress events
// (0: never), as the status window's Cancel would at that moment.
class StopAfter : public orvex::ComponentEvents {
public:
    explicit StopAfter(int stopAt) : stopAt_(stopAt) {}
    void progress(ProgressType type, const std::string &, int64_t) override
    {
        ++heard;
        if (type == Working && committing == 0)
            committing = heard;
    }
    void readProgress(int64_t, int64_t, int64_t) override {}
    void message(int code, const std::string &) override { saidCancelled = saidCancelled || code == Interrupted; }
    void notice(const std::string &) override {}
    orvex::PasswordAnswer password(const std::string &, int, std::string &) override
    {
        return orvex::PasswordAnswer::Cancel;
    }
    bool stopRequested() const override { return stopAt_ > 0 && heard >= stopAt_; }
    void directoryUpdated() override {}

    static constexpr int Interrupted = 9;  // the add library's code of a cancel
    int heard = 0;
    int committing = 0;  // the count when the new archive began to be put in place
    bool saidCancelled = false;

private:
    int stopAt_;
};

}  // namespace

TEST_F(OtherFormatWriting, ACancelAtAnyPointLeavesTheOldArchiveOrTheWholeNewOneAndSaysWhich)
{
    struct Case {
        const char *archive;
        bool add;  // else a delete
    };
    const Case cases[] = {{"c.tar.gz", true}, {"c.tar.gz", false}, {"c.7z", true},     {"c.7z", false},
                          {"c.tar.xz", true}, {"c.tar.zst", true}, {"c.tar.bz2", true}};
    makeDirs(dir / "src");
    writeFile(dir / "src/one.bin", randomData(200000, 1));
    writeFile(dir / "src/two.txt", textData(150000, 2));
    writeFile(dir / "src/three.txt", "three");
    makeDirs(dir / "more");
    writeFile(dir / "more/four.bin", randomData(300000, 4));
    writeFile(dir / "more/five.txt", textData(100000, 5));
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.archive) + (c.add ? " add" : " delete"));
        const std::string archive = dir / c.archive;
        ASSERT_EQ(runOrvexzip({"add", c.archive, "--paths", "--recurse", "src"}, dir.path()).exitCode, 0);
        const std::string old = readFile(archive);
        const std::vector<std::string> before = listDir(dir.path());
        TZipEngine engine;
        auto change = [&](StopAfter &events) {
            writeFile(archive, old);
            engine.setZipFilename(archive);
            if (c.add)
                return engine.Add({.specs = {"more"},
                                   .baseDirectory = dir.path(),
                                   .options = {AddDirNames, AddRecurseDirs},
                                   .level = 6},
                                  events);
            return engine.Delete({.specs = {"src/one.bin", "src/three.txt"}}, events);
        };
        StopAfter whole(0);
        ASSERT_FALSE(change(whole).cancelled);
        const std::string changed = readFile(archive);
        ASSERT_NE(changed, old);
        ASSERT_GT(whole.committing, 1);
        for (int n = 1; n <= whole.heard; ++n) {
            SCOPED_TRACE("stopped after progress event " + std::to_string(n) + " of " + std::to_string(whole.heard));
            StopAfter events(n);
            std::optional<orvex::OperationResult> result;
            try {
                result = change(events);
            } catch (const EReadCancelled &) {
                // The stop, still asked, cancels the reading of the changed archive.
            }
            const std::string now = readFile(archive);
            if (n < whole.committing) {
                EXPECT_EQ(now, old);
            }
            EXPECT_TRUE(now == old || now == changed);
            if (result) {
                EXPECT_EQ(result->cancelled, now == old) << "a cancel is told exactly when nothing changed";
            } else {
                EXPECT_EQ(now, changed);
            }
            EXPECT_FALSE(events.saidCancelled && now != old) << "said to be left as it was, but changed";
            EXPECT_EQ(listDir(dir.path()), before);
        }
        ::unlink(archive.c_str());
    }
}

TEST_F(OtherFormatWriting, AFifoIsPassedOverWithoutWaitingAndALinkToAFolderIsStoredAsTheLink)
{
    makeDirs(dir / "src/real");
    writeFile(dir / "src/real/inside.txt", "inside");
    ASSERT_EQ(::symlink("real", (dir / "src/to-real").c_str()), 0);
    ASSERT_EQ(::mkfifo((dir / "src/pipe").c_str(), 0644), 0);
    for (const char *name : {"h.tar.gz", "h.7z"}) {
        SCOPED_TRACE(name);
        // Opening the FIFO for reading would wait here for a writer that never comes.
        const RunResult added = runOrvexzip({"add", name, "--paths", "--recurse", "src"}, dir.path());
        EXPECT_NE(added.err.find("src/pipe"), std::string::npos) << added.err;
        const std::string out = folder(std::string("out-") + name);
        ASSERT_EQ(runOrvexzip({"extract", name, "--to", out, "--paths"}, dir.path()).exitCode, 0);
        EXPECT_EQ(listTree(out),
                  (std::vector<std::string>{"src/", "src/real/", "src/real/inside.txt", "src/to-real -> real"}));
    }
}

TEST_F(OtherFormatWriting, UpdateAndFreshenReplaceOnlyWhatIsNewerOnTheDisk)
{
    struct Case {
        const char *option;  // empty: a plain add
        std::map<std::string, std::string> expected;
    };
    const Case cases[] = {
        {"", {{"newer.txt", "newer on disk"}, {"older.txt", "older on disk"}, {"new.txt", "new"}}},
        {"--update", {{"newer.txt", "newer on disk"}, {"older.txt", "in the archive"}, {"new.txt", "new"}}},
        {"--freshen", {{"newer.txt", "newer on disk"}, {"older.txt", "in the archive"}}},
    };
    for (const char *name : {"u.tar.gz", "u.7z"}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(name) + " " + c.option);
            const std::string work = folder(std::string("work-") + name + c.option);
            writeFile(work + "/newer.txt", "in the archive");
            writeFile(work + "/older.txt", "in the archive");
            setMtime(work + "/newer.txt", 1600000000);
            setMtime(work + "/older.txt", 1600000000);
            ASSERT_EQ(runOrvexzip({"add", name, "newer.txt", "older.txt"}, work).exitCode, 0);
            writeFile(work + "/newer.txt", "newer on disk");
            writeFile(work + "/older.txt", "older on disk");
            writeFile(work + "/new.txt", "new");
            setMtime(work + "/newer.txt", 1600000100);
            setMtime(work + "/older.txt", 1599999900);

            std::vector<std::string> args = {"add", name, "newer.txt", "older.txt", "new.txt"};
            if (*c.option)
                args.insert(args.begin() + 2, c.option);
            const RunResult r = runOrvexzip(args, work);
            EXPECT_EQ(r.exitCode, 0) << r.err;
            ASSERT_EQ(runOrvexzip({"extract", name, "--to", work + "/out"}, work).exitCode, 0);
            EXPECT_EQ(treeContents(work + "/out"), c.expected);
        }
    }
}

TEST_F(OtherFormatWriting, AChangeThroughALinkToTheArchiveChangesTheArchiveAndKeepsTheLink)
{
    writeFile(dir / "a.txt", "a");
    writeFile(dir / "b.txt", "b");
    for (const char *name : {"real.tar.gz", "real.7z"}) {
        SCOPED_TRACE(name);
        const std::string link = std::string("link-to-") + name;
        // A link that points nowhere yet makes the archive where it points.
        ASSERT_EQ(::symlink(name, (dir / link).c_str()), 0);
        ASSERT_EQ(runOrvexzip({"add", link, "a.txt"}, dir.path()).exitCode, 0);
        ASSERT_EQ(runOrvexzip({"add", link, "b.txt"}, dir.path()).exitCode, 0);
        ASSERT_EQ(runOrvexzip({"delete", link, "a.txt"}, dir.path()).exitCode, 0);
        EXPECT_TRUE(S_ISLNK(statOf(dir / link).st_mode));
        const std::string out = folder(std::string("out-") + name);
        ASSERT_EQ(runOrvexzip({"extract", name, "--to", out}, dir.path()).exitCode, 0);
        EXPECT_EQ(treeContents(out), (std::map<std::string, std::string>{{"b.txt", "b"}}));
    }
}
