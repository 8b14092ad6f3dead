// orvexzip on archives that are not ZIP (read by engine/otherformats), and
// convert, which writes any archive it reads as a new ZIP archive. tar, 7zz
// and Python only make the inputs; what is asserted is orvexzip's behaviour.

#include "engine/ZipEngine.h"
#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Compress.h"
#include "support/Files.h"
#include "support/HandBuiltArchives.h"
#include "support/HostileFormats.h"
#include "support/Run.h"
#include "support/TarBuilder.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace ziptest;
namespace fs = std::filesystem;

namespace {

class OtherFormats : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeDirs(dir.file("src/docs"));
        dir.write("src/readme.txt", "read me\n");
        std::string big;
        for (int i = 0; i < 5000; ++i)
            big += "line " + std::to_string(i) + "\n";
        dir.write("src/docs/big.txt", big);
    }
    // The archive made from src/ by `command`, or empty when its tool is missing.
    std::string make(const std::string &name, const std::string &tool, const std::string &command) const
    {
        if (!haveProgram(tool))
            return {};
        EXPECT_EQ(sh(command, dir.path()), 0) << command;
        return name;
    }
    void expectSameFile(const std::string &extracted, const std::string &original) const
    {
        EXPECT_EQ(readFile(dir.file(extracted)), readFile(dir.file(original))) << extracted;
    }
    TempDir dir;
};

// `orvexzip list ARCHIVE` run in `directory`, its output in ARCHIVE.out and
// ARCHIVE.err there; the peak resident memory it took, in KiB (-1 when it
// did not run).
long listingPeakKiB(const std::string &archive, const std::string &directory)
{
    const std::string program = std::string(ORVEX_BUILD_DIR) + "/orvexzip";
    // A sanitizer build would otherwise keep every freed name in its
    // quarantine, which is no memory the program holds.
    const char *asan = std::getenv("ASAN_OPTIONS");
    const std::string asanOptions = "ASAN_OPTIONS=" + std::string(asan ? asan : "") + ":quarantine_size_mb=16";
    const std::string out = directory + "/" + archive + ".out", err = directory + "/" + archive + ".err";
    char *argv[] = {const_cast<char *>(program.c_str()), const_cast<char *>("list"),
                    const_cast<char *>(archive.c_str()), nullptr};
    char *envp[] = {const_cast<char *>("LC_ALL=C"), const_cast<char *>(asanOptions.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    struct rusage usage {};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    return usage.ru_maxrss;
}

struct Format {
    const char *archive;
    const char *tool;
    const char *command;
};
const Format Formats[] = {
    {"a.tar.gz", "tar", "tar czf a.tar.gz src"},
    {"a.7z", "7zz", "7zz a -bd -bso0 a.7z src"},
};

}  // namespace

TEST_F(OtherFormats, ListTestAndExtractReadTheMembers)
{
    for (const Format &f : Formats) {
        SCOPED_TRACE(f.archive);
        const std::string archive = make(f.archive, f.tool, f.command);
        if (archive.empty())
            GTEST_SKIP() << f.tool << " is not installed";

        const RunResult listed = runOrvexzip({"list", archive}, dir.path());
        EXPECT_EQ(listed.exitCode, 0) << listed.err;
        // Name, no packed size, the size, a date.
        EXPECT_NE(listed.out.find("\nsrc/readme.txt\t\t8\t"), std::string::npos) << listed.out;

        const RunResult tested = runOrvexzip({"test", archive}, dir.path());
        EXPECT_EQ(tested.exitCode, 0) << tested.err;
        EXPECT_EQ(tested.out, "2 file(s) passed the test\n");  // the files, not their folders
        const RunResult testedOne = runOrvexzip({"test", archive, "src/docs/b*"}, dir.path());
        EXPECT_EQ(testedOne.out, "1 file(s) passed the test\n") << testedOne.err;

        const std::string out = std::string("out-") + f.tool;
        const RunResult kept = runOrvexzip({"extract", archive, "--to", out, "--paths"}, dir.path());
        EXPECT_EQ(kept.exitCode, 0) << kept.err;
        EXPECT_EQ(kept.out, "2 file(s) were extracted\n");
        expectSameFile(out + "/src/docs/big.txt", "src/docs/big.txt");

        const RunResult flat = runOrvexzip({"extract", archive, "--to", out + "-flat"}, dir.path());
        EXPECT_EQ(listDir(dir.file(out + "-flat")), (std::vector<std::string>{"big.txt", "readme.txt"}));

        // Without --overwrite an existing file is kept, as for ZIP, and that is no error.
        makeDirs(dir.file(out + "-one"));
        dir.write(out + "-one/readme.txt", "mine");
        const RunResult chosen = runOrvexzip({"extract", archive, "--to", out + "-one", "src/r*"}, dir.path());
        EXPECT_EQ(chosen.exitCode, 0) << chosen.err;
        EXPECT_EQ(chosen.out, "0 file(s) were extracted\n");
        EXPECT_EQ(readFile(dir.file(out + "-one/readme.txt")), "mine");
        const RunResult replaced =
            runOrvexzip({"extract", archive, "--to", out + "-one", "--overwrite", "src/readme.txt"}, dir.path());
        EXPECT_EQ(replaced.out, "1 file(s) were extracted\n");
        expectSameFile(out + "-one/readme.txt", "src/readme.txt");
        EXPECT_EQ(listDir(dir.file(out + "-one")), (std::vector<std::string>{"readme.txt"}));

        const RunResult unmatched = runOrvexzip({"extract", archive, "--to", out + "-none", "nothing"}, dir.path());
        EXPECT_EQ(unmatched.exitCode, 1);
        EXPECT_NE(unmatched.err.find("nothing"), std::string::npos);
        EXPECT_TRUE(listDir(dir.file(out + "-none")).empty());
    }
}

TEST_F(OtherFormats, AnArchiveWithNoEntriesListsEmptyAndZerosAreNoTarButRefusedOrOneFile)
{
    TarEntry label;
    label.name = "Backup 1";
    label.kind = TarEntry::VolumeLabel;
    struct Case {
        const char *file;
        std::string bytes;
        int exitCode;         // of list, test and extract alike
        std::string members;  // the list's lines after its heading
        const char *tested;
        const char *extracted;
    };
    const Case cases[] = {
        {"empty.7z", empty7z(), 0, "", "0 file(s) passed the test\n", "0 file(s) were extracted\n"},
        {"empty.rar", rar5Archive({}), 0, "", "0 file(s) passed the test\n", "0 file(s) were extracted\n"},
        {"label.tar", tarArchive({label}), 0, "", "0 file(s) passed the test\n", "0 file(s) were extracted\n"},
        {"zeros.xz", xzCompress(std::string(65536, '\0')), 0, "zeros\t\t\t?\t\n", "1 file(s) passed the test\n",
         "1 file(s) were extracted\n"},
        {"zeros.tar", std::string(10240, '\0'), 1, "", "", ""},
        {"random.bin", randomData(10240), 1, "", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        dir.write(c.file, c.bytes);
        const RunResult listed = runOrvexzip({"list", c.file}, dir.path());
        const RunResult tested = runOrvexzip({"test", c.file}, dir.path());
        const std::string out = std::string("out-") + c.file;
        const RunResult extracted = runOrvexzip({"extract", c.file, "--to", out, "--paths"}, dir.path());
        EXPECT_EQ(listed.exitCode, c.exitCode) << listed.err;
        EXPECT_EQ(tested.exitCode, c.exitCode) << tested.err;
        EXPECT_EQ(extracted.exitCode, c.exitCode) << extracted.err;
        if (c.exitCode != 0) {
            EXPECT_NE(listed.err.find("is not a ZIP archive"), std::string::npos) << listed.err;
            continue;
        }
        EXPECT_EQ(listed.out.substr(listed.out.find('\n') + 1), c.members);
        EXPECT_EQ(tested.out, c.tested);
        EXPECT_EQ(extracted.out, c.extracted);
    }
    EXPECT_EQ(readFile(dir.file("out-zeros.xz/zeros")), std::string(65536, '\0'));
    EXPECT_TRUE(listDir(dir.file("out-label.tar")).empty());
}

TEST_F(OtherFormats, AHostileTarWritesNothingOutsideTheTarget)
{
    if (!haveProgram("python3"))
        GTEST_SKIP() << "python3 makes the archive";
    ASSERT_EQ(sh("python3 -c \"import tarfile,io\n"
                 "t = tarfile.open('evil.tar', 'w')\n"
                 "for n in ('../escape.txt', 'ok.txt'):\n"
                 "    i = tarfile.TarInfo(n); i.size = 2; t.addfile(i, io.BytesIO(b'hi'))\n\"",
                 dir.path()),
              0);
    makeDirs(dir.file("in/target"));
    const RunResult extracted = runOrvexzip({"extract", "../evil.tar", "--to", "target", "--paths"}, dir.file("in"));
    EXPECT_EQ(extracted.exitCode, 1);
    EXPECT_NE(extracted.err.find("../escape.txt"), std::string::npos) << extracted.err;
    EXPECT_EQ(listDir(dir.file("in")), (std::vector<std::string>{"target"}));
    EXPECT_EQ(listDir(dir.file("in/target")), (std::vector<std::string>{"ok.txt"}));

    // convert writes what it can and says what it could not.
    const RunResult converted = runOrvexzip({"convert", "evil.tar", "evil.zip"}, dir.path());
    EXPECT_EQ(converted.exitCode, 1);
    EXPECT_NE(converted.err.find("../escape.txt"), std::string::npos) << converted.err;
    EXPECT_EQ(runOrvexzip({"list", "evil.zip"}, dir.path()).out.find("escape"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.file("escape.txt")));
}

TEST_F(OtherFormats, ConvertWritesEveryMemberIntoANewZip)
{
    ASSERT_EQ(runOrvexzip({"add", "a.zip", "--recurse", "--paths", "src"}, dir.path()).exitCode, 0);
    const std::string tarball = make("a.tar.gz", "tar", "tar czf a.tar.gz src");
    const std::string before = readFile(dir.file("a.zip"));
    for (const std::string &source : {tarball, std::string("a.zip")}) {
        if (source.empty())
            continue;
        SCOPED_TRACE(source);
        const std::string target = source + ".converted.zip";
        const RunResult converted = runOrvexzip({"convert", source, target, "--level", "1"}, dir.path());
        EXPECT_EQ(converted.exitCode, 0) << converted.err;
        EXPECT_EQ(converted.out, "4 file(s) were converted\n");
        const RunResult listed = runOrvexzip({"list", target}, dir.path());
        EXPECT_NE(listed.out.find("\nsrc/docs/big.txt\t"), std::string::npos) << listed.out;
        const std::string out = source + "-out";
        ASSERT_EQ(runOrvexzip({"extract", target, "--to", out, "--paths"}, dir.path()).exitCode, 0);
        expectSameFile(out + "/src/docs/big.txt", "src/docs/big.txt");
        expectSameFile(out + "/src/readme.txt", "src/readme.txt");
    }
    EXPECT_EQ(readFile(dir.file("a.zip")), before);
    // Only the archives: no temporary directory is left beside them.
    for (const std::string &name : listDir(dir.path()))
        EXPECT_EQ(name.find(".orvexzip"), std::string::npos) << name;
}

// A conversion copies the source entry for entry, from a tar and from a ZIP
// archive alike: folders that link to each other stay links (a copy that
// followed them would not end), members nobody may read keep their data and
// mode, a hard link the data of its file, every member its time; nothing but the archives is left beside them.
TEST_F(OtherFormats, ConvertKeepsEveryEntryAsItIsLinksModesAndTimes)
{
    using E = TarEntry;
    const std::vector<E> entries = {
        {"top/", E::Directory, 0750, 1000000000, {}, {}},
        {"top/d1/", E::Directory, 0755, 1100000000, {}, {}},
        {"top/d2/", E::Directory, 0700, 1200000000, {}, {}},
        {"top/d1/next", E::Symlink, 0777, 1300000000, {}, "../d2"},
        {"top/d2/next", E::Symlink, 0777, 1300000002, {}, "../d1"},
        {"top/nobody-reads", E::File, 0000, 1400000000, "no read bits at all", {}},
        {"top/write-only", E::File, 0200, 1400000002, "written, never read", {}},
        {"top/d1/a.txt", E::File, 0644, 1500000000, std::string(200000, 'a'), {}},
        {"top/d2/same.txt", E::HardLink, 0644, 1500000000, {}, "top/d1/a.txt"},
    };
    // A hard link becomes a copy of the file it names.
    auto contentOf = [&](const E &e) {
        if (e.kind != E::HardLink)
            return e.kind == E::Symlink ? e.linkTarget : e.data;
        return std::find_if(entries.begin(), entries.end(), [&](const E &f) { return f.name == e.linkTarget; })->data;
    };
    dir.write("links.tar", tarArchive(entries));
    ASSERT_EQ(runOrvexzip({"convert", "links.tar", "from-tar.zip"}, dir.path()).exitCode, 0);
    const RunResult again = runOrvexzip({"convert", "from-tar.zip", "from-zip.zip", "--level", "0"}, dir.path());
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.out, "9 file(s) were converted\n");
    for (const char *target : {"from-tar.zip", "from-zip.zip"}) {
        SCOPED_TRACE(target);
        const ArchiveInfo info = readArchive(dir.file(target));
        ASSERT_TRUE(info.ok);
        EXPECT_EQ(info.members.size(), entries.size());
        for (const E &e : entries) {
            SCOPED_TRACE(e.name);
            const ArchiveMember *m = info.find(e.name);
            ASSERT_NE(m, nullptr);
            const uint32_t type = e.kind == E::Directory ? S_IFDIR : e.kind == E::Symlink ? S_IFLNK : S_IFREG;
            const std::string data = contentOf(e);
            EXPECT_EQ(m->versionMadeBy >> 8, 3);
            EXPECT_EQ(m->externalAttributes >> 16, type | e.mode);
            EXPECT_EQ(m->unixTime, e.modified);
            EXPECT_EQ(m->unpackedSize, data.size());
            EXPECT_EQ(m->crc, crc32Of(data));
            if (e.kind == E::Symlink) {
                EXPECT_EQ(m->packedData(), e.linkTarget);
            }
        }
    }
    EXPECT_EQ(listDir(dir.path()), (std::vector<std::string>{"from-tar.zip", "from-zip.zip", "links.tar", "src"}));
}

TEST_F(OtherFormats, ConvertRefusesATargetThatExists)
{
    ASSERT_EQ(runOrvexzip({"add", "a.zip", "src/readme.txt"}, dir.path()).exitCode, 0);
    dir.write("b.zip", "not to be touched");
    const std::string before = readFile(dir.file("a.zip"));
    for (const char *target : {"b.zip", "a.zip", "./a.zip"}) {
        SCOPED_TRACE(target);
        const RunResult refused = runOrvexzip({"convert", "a.zip", target}, dir.path());
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_NE(refused.err.find(target), std::string::npos) << refused.err;
    }
    EXPECT_EQ(readFile(dir.file("b.zip")), "not to be touched");
    EXPECT_EQ(readFile(dir.file("a.zip")), before);
    EXPECT_EQ(listDir(dir.path()), (std::vector<std::string>{"a.zip", "b.zip", "src"}));
}

TEST_F(OtherFormats, ListingNamesTooLongForAnyFileSystemTakesBoundedMemory)
{
    if (!haveProgram("python3"))
        GTEST_SKIP() << "python3 makes the archives";
    // long.tar.xz: 96 names of about a megabyte, which xz makes a few
    // kilobytes of, and an ordinary entry after them. name.cpio.xz: a header
    // that gives a name of 256 MiB, which follows it.
    dir.write("make.py", "import io, lzma, tarfile\n"
                         "with tarfile.open('long.tar.xz', 'w:xz', format=tarfile.GNU_FORMAT, preset=1) as t:\n"
                         "    for i in range(97):\n"
                         "        info = tarfile.TarInfo('ok.txt' if i == 96 else 'n%02d/' % i + 'a' * 1040000)\n"
                         "        info.size = 2\n"
                         "        t.addfile(info, io.BytesIO(b'hi'))\n"
                         "fields = (1, 0o100644, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1 << 28, 0)\n"
                         "with lzma.open('name.cpio.xz', 'wb', preset=1) as f:\n"
                         "    f.write(b'070701' + b''.join(b'%08X' % n for n in fields))\n"
                         "    for _ in range(256):\n"
                         "        f.write(b'a' * (1 << 20))\n");
    ASSERT_EQ(sh("tar czf small.tar.gz src/readme.txt && python3 make.py", dir.path()), 0);
    const long baseline = listingPeakKiB("small.tar.gz", dir.path());
    ASSERT_GT(baseline, 0);
    struct Case {
        const char *archive;
        const char *listed;  // a row of the listing, or nothing
        const char *said;    // in the messages: the entry or the header refused
    };
    const Case cases[] = {
        {"long.tar.xz", "\nok.txt\t\t2\t", "n95/aaa"},
        {"name.cpio.xz", "", "name of 268435455 bytes"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.archive);
        const long peak = listingPeakKiB(c.archive, dir.path());
        // Holding the names would take over 96 MiB more than the small
        // listing (several times that under the sanitizers); reading them
        // one at a time takes libarchive's buffers for one, which the
        // sanitizers inflate.
#ifdef ORVEX_SANITIZED
        constexpr long ceilingKiB = 96 * 1024;
#else
        constexpr long ceilingKiB = 48 * 1024;
#endif
        EXPECT_LT(peak, baseline + ceilingKiB) << "the small listing's " << baseline << " KiB";
        const std::string out = readFile(dir.file(c.archive + std::string(".out")));
        const std::string err = readFile(dir.file(c.archive + std::string(".err")));
        EXPECT_NE(out.find(c.listed), std::string::npos) << out;
        EXPECT_NE(err.find(c.said), std::string::npos) << err.substr(0, 300);
        EXPECT_LT(out.size() + err.size(), 100000u) << "no name is shown whole";
    }
}

TEST_F(OtherFormats, APieceOfASplitZipOpensAsTheSetWhateverItBeginsWith)
{
    // Each set's first member is stored and the cut falls where its data
    // begins, so that the second piece starts as a gzip or a tar stream.
    ASSERT_EQ(sh("tar cf inner.tar src/readme.txt && gzip -c src/docs/big.txt > inner.gz", dir.path()), 0);
    for (const std::string inner : {"inner.gz", "inner.tar"}) {
        SCOPED_TRACE(inner);
        const std::string data = readFile(dir.file(inner));
        const std::string whole = buildZip({stored(inner, data), stored("other.txt", "other")});
        const size_t cut = whole.find(data);
        const std::string set = "set-" + inner.substr(6) + ".zip";
        dir.write(set + ".001", whole.substr(0, cut));
        dir.write(set + ".002", whole.substr(cut));

        TZipEngine engine;
        engine.setZipFilename(dir.file(set + ".002"));
        EXPECT_EQ(engine.OtherFormat(), "");
        EXPECT_EQ(engine.SplitParts(), 2u);
        ASSERT_EQ(engine.EntryCount(), 2);
        EXPECT_EQ(engine.Entries(0).FileName, inner);

        const RunResult listed = runOrvexzip({"list", set + ".002"}, dir.path());
        EXPECT_EQ(listed.exitCode, 0) << listed.err;
        EXPECT_NE(listed.out.find("\nother.txt\t"), std::string::npos) << listed.out;
        const RunResult extracted = runOrvexzip({"extract", set + ".002", "--to", "out-" + set}, dir.path());
        EXPECT_EQ(extracted.exitCode, 0) << extracted.err;
        EXPECT_EQ(readFile(dir.file("out-" + set + "/" + inner)), data);
    }
}

// The password of an encrypted archive libarchive reads (a compressed ZIP;
// it decrypts no 7z) reaches it through the component's one question, from
// --password-file; without it the member fails, said as encrypted.
TEST_F(OtherFormats, AnEncryptedArchiveTakesThePasswordFileThroughTheComponent)
{
    const std::string archive = make("s.zip.gz", "zip", "zip -q -P secret s.zip src/readme.txt && gzip s.zip");
    if (archive.empty())
        GTEST_SKIP() << "zip is not installed";
    dir.write("pw", "secret\n");
    const RunResult extracted = runOrvexzip({"extract", archive, "--to", "out", "--password-file", "pw"}, dir.path());
    EXPECT_EQ(extracted.out, "1 file(s) were extracted\n") << extracted.err;
    expectSameFile("out/readme.txt", "src/readme.txt");
    EXPECT_EQ(runOrvexzip({"test", archive, "--password-file", "pw"}, dir.path()).out, "1 file(s) passed the test\n");

    const RunResult refused = runOrvexzip({"test", archive}, dir.path());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("encrypted"), std::string::npos) << refused.err;
}

// A 7z whose names are encrypted lists with the password file too, and
// without it says a password is needed (no terminal to ask on).
TEST_F(OtherFormats, ASevenZipWithEncryptedNamesListsWithThePasswordFile)
{
    const std::string archive = make("n.7z", "7zz", "7zz a -psecret -mhe=on n.7z src >/dev/null");
    if (archive.empty())
        GTEST_SKIP() << "7zz is not installed";
    dir.write("pw", "secret\n");
    const RunResult listed = runOrvexzip({"list", archive, "--password-file", "pw"}, dir.path());
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.out.find("src/docs/big.txt"), std::string::npos) << listed.out;

    const RunResult refused = runOrvexzip({"list", archive}, dir.path());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out.find("src/"), std::string::npos) << refused.out;
    EXPECT_NE(refused.err.find("password"), std::string::npos) << refused.err;
}

// The reader's limits come from the environment: a xar whose links go
// round stops after the second of quiet set there, not the default 20, and
// the command fails saying so.
TEST_F(OtherFormats, AReaderPastTheLimitsSetInTheEnvironmentFailsTheCommand)
{
    dir.write("linked.xar", xarLinkedTwice());
    const std::vector<std::string> env = {"LC_ALL=C", "ORVEX97_READER_MEMORY_MB=256", "ORVEX97_READER_QUIET_MS=1000",
                                          "ORVEX97_READER_CPU_SECONDS=20"};
    const RunResult listed = runOrvexzip({"list", "linked.xar"}, dir.path(), env);
    EXPECT_NE(listed.exitCode, 0);
    EXPECT_NE(listed.err.find("stopped reading linked.xar: it made no progress for 1 s"), std::string::npos)
        << listed.err;
}
