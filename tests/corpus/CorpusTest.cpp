// Runs every archive of tests/corpus/ through the listing and through
// extraction, by orvexzip and by the component in this process, and checks
// the outcome against expectations.json: the rows, the files, the messages,
// the count and the exit status, that nothing lands outside the target, and
// what the reference tools say of each archive. Archives that need gigabytes
// or tens of thousands of members, and truncated copies of the sound ones,
// are made here at run time.
//
// Files under tests/corpus/found/ (crash reproducers from fuzzing) have no
// expectations: they only must not crash either path nor write outside the
// target. Any other file in tests/corpus/ must be listed in expectations.json.
//
// The hostile archives of other formats are made at run time by
// tests/support/hostilearchives.py and held to the same two rules.

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/Run.h"

#include "app/PlainWords.h"
#include "engine/ZipEngine.h"
#include "engine/otherformats/OtherFormats.h"
#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/LittleEndian.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>
#include <zlib.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace ziptest;

namespace {

const std::string CorpusDir = ORVEX_TEST_DATA_DIR;
// Where link-absolute.zip's file would land if its link were followed.
const std::string AbsoluteEscape = "/tmp/orvex-corpus-escape.txt";

// ---- Tallies for the benchmark script -----------------------------------

struct Tally {
    uint64_t inputs = 0, escapes = 0, crashes = 0;
    // Members the listing shows that the extraction neither writes nor
    // names in a message, and files written under no listed name.
    uint64_t listedNotExtracted = 0, extractedNotListed = 0;
};
Tally tally;

// Each test writes its own part, then the parts are summed, so that the total
// is right whether the tests run in one process or one process each (ctest).
void writeTally(const std::string &testName)
{
    const fs::path dir = fs::path(ORVEX_BUILD_DIR) / "robustness";
    std::error_code ignored;
    fs::create_directories(dir / "corpus-parts", ignored);
    std::ofstream(dir / "corpus-parts" / (testName + ".txt"))
        << tally.inputs << ' ' << tally.escapes << ' ' << tally.crashes << ' ' << tally.listedNotExtracted << ' '
        << tally.extractedNotListed << '\n';
    Tally sum;
    for (const auto &part : fs::directory_iterator(dir / "corpus-parts", ignored)) {
        std::ifstream in(part.path());
        Tally t;
        if (in >> t.inputs >> t.escapes >> t.crashes) {
            in >> t.listedNotExtracted >> t.extractedNotListed;
            sum.inputs += t.inputs;
            sum.escapes += t.escapes;
            sum.crashes += t.crashes;
            sum.listedNotExtracted += t.listedNotExtracted;
            sum.extractedNotListed += t.extractedNotListed;
        }
    }
    std::ofstream(dir / "corpus.txt") << "inputs_tried " << sum.inputs << "\nescapes " << sum.escapes << "\ncrashes "
                                      << sum.crashes << "\nlisted_not_extracted " << sum.listedNotExtracted
                                      << "\nextracted_not_listed " << sum.extractedNotListed << '\n';
}

// ---- Small helpers ------------------------------------------------------

// Bytes outside printable ASCII as \xHH, the form expectations.json uses for
// names and messages.
std::string escaped(std::string_view bytes)
{
    std::string out;
    for (const unsigned char c : bytes) {
        if (c >= 32 && c < 127) {
            out += char(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::string contentText(const std::string &bytes)
{
    bool plain = bytes.size() <= 40;
    for (const unsigned char c : bytes)
        plain = plain && ((c >= 32 && c < 127) || c == '\n');
    if (plain)
        return bytes;
    char text[32];
    std::snprintf(text, sizeof text, "#%zu:%08lx", bytes.size(),
                  crc32(0, reinterpret_cast<const Bytef *>(bytes.data()), uInt(bytes.size())));
    return text;
}

// Every entry under `root`: "dir/", "file" with its content, "link" as
// "-> target"; names escaped.
std::map<std::string, std::string> treeOf(const fs::path &root)
{
    std::map<std::string, std::string> out;
    std::error_code ec;
    if (!fs::is_directory(root, ec))
        return out;
    for (auto it = fs::recursive_directory_iterator(root, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        const fs::path &p = it->path();
        const std::string name = escaped(p.lexically_relative(root).string());
        if (it->is_symlink(ec))
            out[name] = "-> " + escaped(fs::read_symlink(p, ec).string());
        else if (it->is_directory(ec))
            out[name + "/"] = "";
        else
            out[name] = contentText(readFile(p));
    }
    return out;
}

// A scratch target inside a sentinel: the sentinel holds "box", the box holds
// "t", the target. Links that climb out of the target by one or two levels
// land in the box or the sentinel, where they are seen.
class Scratch {
public:
    Scratch()
    {
        fs::create_directories(target());
        ::unlink(AbsoluteEscape.c_str());
    }
    std::string target() const { return dir_.path() + "/box/t"; }
    // Everything written outside the target.
    std::vector<std::string> escapes() const
    {
        std::vector<std::string> out;
        for (const auto &[path, what] : treeOf(dir_.path()))
            if (path != "box/" && path != "box/t/" && !path.starts_with("box/t/"))
                out.push_back(path);
        struct stat st {};
        if (::lstat(AbsoluteEscape.c_str(), &st) == 0) {
            out.push_back(AbsoluteEscape);
            ::unlink(AbsoluteEscape.c_str());
        }
        return out;
    }
    std::map<std::string, std::string> tree() const { return treeOf(target()); }

private:
    TempDir dir_;
};

std::string dump(const std::map<std::string, std::string> &tree)
{
    std::string out;
    for (const auto &[k, v] : tree)
        out += "  " + k + (v.empty() ? "" : " = " + v) + "\n";
    return out;
}

bool crashed(const RunResult &r)
{
    return r.exitCode < 0 || r.exitCode > 2 || r.err.find("Sanitizer") != std::string::npos
           || r.err.find("runtime error:") != std::string::npos;
}

RunResult orvexzip(const std::vector<std::string> &args)
{
    RunResult r = runOrvexzip(args, {}, {"QT_QPA_PLATFORM=offscreen", "LC_ALL=C.UTF-8"});
    if (crashed(r))
        ++tally.crashes;
    return r;
}

// The component in this process: the listing (its error, if any) and then an
// extraction whatever the listing said, as the library sees the archive.
struct InProcess {
    Listing listing;
    std::vector<std::string> messages;  // escaped
    int count = -1;
};

InProcess throughComponent(const std::string &archive, const std::string &target)
{
    InProcess out;
    TZipEngine engine;
    engine.OnMessage = [&](TZipEngine &, int, const std::string &text) { out.messages.push_back(escaped(text)); };
    engine.MessageSink = [&](const std::string &text) { out.messages.push_back(escaped(text)); };
    out.listing = listArchive(engine, archive);
    // The component extracts into the current directory; this test's own
    // must come back.
    const int here = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    engine.ExtrBaseDir = target;
    engine.ExtrOptions.insert(ExtrDirNames);
    engine.LastResult = -1;
    engine.Extract();
    out.count = engine.LastResult;
    if (here >= 0) {
        EXPECT_EQ(::fchdir(here), 0);
        ::close(here);
    }
    return out;
}

// ---- expectations.json --------------------------------------------------

struct Expected {
    std::string file;
    QJsonObject json;
};

QJsonObject expectationsFile()
{
    QFile f(QString::fromStdString(CorpusDir + "/expectations.json"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

std::vector<Expected> loadExpectations()
{
    std::vector<Expected> out;
    for (const QJsonValue &c : expectationsFile().value("cases").toArray())
        out.push_back({c.toObject().value("file").toString().toStdString(), c.toObject()});
    return out;
}

std::vector<std::string> strings(const QJsonValue &v)
{
    std::vector<std::string> out;
    for (const QJsonValue &s : v.toArray())
        out.push_back(s.toString().toStdString());
    return out;
}

std::map<std::string, std::string> treeFrom(const QJsonValue &v)
{
    std::map<std::string, std::string> out;
    const QJsonObject o = v.toObject();
    for (auto it = o.begin(); it != o.end(); ++it)
        out[it.key().toStdString()] = it.value().toString().toStdString();
    return out;
}

// Each expected fragment in a message of its own, in order, and no message
// beyond them.
void expectMessages(const std::vector<std::string> &got, const std::vector<std::string> &wanted,
                    const std::string &what)
{
    EXPECT_EQ(got.size(), wanted.size()) << what;
    for (size_t i = 0; i < std::min(got.size(), wanted.size()); ++i)
        EXPECT_NE(got[i].find(wanted[i]), std::string::npos)
            << what << ": message " << i << " is \"" << got[i] << "\", expected to hold \"" << wanted[i] << "\"";
}

std::vector<std::vector<std::string>> listedRows(const std::string &out)
{
    std::vector<std::vector<std::string>> rows;
    const auto all = lines(out);
    for (size_t i = 1; i < all.size(); ++i) {
        std::vector<std::string> cells;
        std::istringstream in(all[i]);
        for (std::string cell; cells.size() < 3 && std::getline(in, cell, '\t');)
            cells.push_back(escaped(cell));
        rows.push_back(cells);
    }
    return rows;
}

std::vector<std::vector<std::string>> rowsFrom(const QJsonValue &v)
{
    std::vector<std::vector<std::string>> rows;
    for (const QJsonValue &r : v.toArray())
        rows.push_back(strings(r));
    return rows;
}

// Whether what the library wrote is what its listing showed: each listed
// file written or named in a message, each written file listed. Counted for
// bench/robustness as well as asserted.
void compareWithListing(const InProcess &got, const std::map<std::string, std::string> &tree)
{
    std::set<std::string> listed;
    for (const ArchiveEntry &e : got.listing.entries)
        listed.insert(escaped(e.FileName));
    for (const auto &[path, content] : tree) {
        // A name may lose an absolute prefix on the way out ("/x" is written as "x").
        if (path.ends_with('/')
            || std::any_of(listed.begin(), listed.end(), [&](const std::string &name) { return name.ends_with(path); }))
            continue;
        ++tally.extractedNotListed;
        ADD_FAILURE() << path << " was extracted but not listed";
    }
    for (const std::string &name : listed) {
        if (name.ends_with('/') || tree.count(name))
            continue;
        const bool named = std::any_of(got.messages.begin(), got.messages.end(),
                                       [&](const std::string &m) { return m.find(name) != std::string::npos; });
        if (!named) {
            ++tally.listedNotExtracted;
            ADD_FAILURE() << name << " is listed but was neither extracted nor named in a message";
        }
    }
}

class Corpus : public ::testing::Test {
protected:
    void SetUp() override { tally = {}; }
    void TearDown() override { writeTally(::testing::UnitTest::GetInstance()->current_test_info()->name()); }
};

// ---- The committed corpus -----------------------------------------------

TEST_F(Corpus, EveryArchiveBehavesAsExpected)
{
    const auto expectations = loadExpectations();
    ASSERT_FALSE(expectations.empty());
    std::set<std::string> described;
    for (const Expected &e : expectations)
        described.insert(e.file);
    for (const auto &entry : fs::directory_iterator(CorpusDir)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.ends_with(".zip")) {
            EXPECT_TRUE(described.count(name)) << name << " is in tests/corpus/ but not in expectations.json";
        }
    }

    for (const Expected &e : expectations) {
        SCOPED_TRACE(e.file);
        const std::string archive = CorpusDir + "/" + e.file;
        ASSERT_TRUE(fs::exists(archive));
        ++tally.inputs;

        const QJsonObject list = e.json.value("list").toObject();
        const RunResult listed = orvexzip({"list", archive});
        EXPECT_EQ(listed.exitCode, list.value("exit").toInt()) << listed.err;
        EXPECT_EQ(listedRows(listed.out), rowsFrom(list.value("rows")));
        EXPECT_EQ(escaped(listed.err.empty() ? "" : lines(listed.err).back()),
                  list.value("error").toString().toStdString());

        const QJsonObject extract = e.json.value("extract").toObject();
        {
            Scratch scratch;
            const RunResult r = orvexzip({"extract", archive, "--to", scratch.target(), "--paths"});
            EXPECT_EQ(r.exitCode, extract.value("exit").toInt()) << r.err;
            // No count when orvexzip stops at the listing's error.
            const int count = extract.value("count").toInt();
            EXPECT_EQ(r.out, count < 0 ? "" : std::to_string(count) + " file(s) were extracted\n");
            const auto tree = scratch.tree();
            EXPECT_EQ(tree, treeFrom(extract.value("tree"))) << dump(tree);
            std::string lastLine;
            // The engine's messages, without the plain line orvexzip puts
            // under a member's error (a member's failure code: 2).
            std::vector<std::string> messages;
            for (const std::string &line : lines(r.err)) {
                const QString plain = messages.empty() ? QString()
                                                       : plain_words::messageLine(2, QString::fromStdString(lastLine));
                lastLine = line;
                if (!plain.isEmpty() && plain.toStdString() == line)
                    continue;
                messages.push_back(escaped(line));
            }
            expectMessages(messages, strings(extract.value("messages")), "orvexzip extract");
            const auto outside = scratch.escapes();
            tally.escapes += outside.size();
            EXPECT_TRUE(outside.empty()) << outside.front();
        }

        // The library itself, also where orvexzip stops at a listing error.
        const QJsonObject library = e.json.contains("library") ? e.json.value("library").toObject() : extract;
        {
            Scratch scratch;
            const InProcess got = throughComponent(archive, scratch.target());
            EXPECT_EQ(got.count, library.value("count").toInt());
            const auto tree = scratch.tree();
            EXPECT_EQ(tree, treeFrom(library.value("tree"))) << dump(tree);
            auto wanted = strings(library.value("messages"));
            // The listing's error is no message of the library's.
            std::erase_if(wanted, [](const std::string &m) { return m.find("reading Zip") != std::string::npos; });
            expectMessages(got.messages, wanted, "library");
            compareWithListing(got, tree);
            const auto outside = scratch.escapes();
            tally.escapes += outside.size();
            EXPECT_TRUE(outside.empty()) << outside.front();
        }
    }
}

// expectations.json records what unzip -t, 7zz t and python3 -m zipfile -t
// said of each archive ("peers" names the versions); where those verdicts
// differ from one another or from ours, "note" says why. What the peers say
// today is bench/corpus-verdicts' report: a peer's update may change its
// mind on a hostile archive with nothing of ours changed.
TEST_F(Corpus, RecordedPeerVerdictsAreExplainedWhereTheyDiffer)
{
    for (const Expected &e : loadExpectations()) {
        SCOPED_TRACE(e.file);
        const QJsonObject verdicts = e.json.value("tools").toObject();
        const bool ours = e.json.value("list").toObject().value("exit").toInt() == 0
                          && e.json.value("extract").toObject().value("exit").toInt() == 0;
        bool allAccept = true;
        for (const char *tool : {"unzip", "7zz", "python"}) {
            ASSERT_TRUE(verdicts.value(tool).isBool()) << "no recorded verdict of " << tool;
            allAccept = allAccept && verdicts.value(tool).toBool();
        }
        if (ours != allAccept || verdicts.value("unzip") != verdicts.value("7zz")
            || verdicts.value("7zz") != verdicts.value("python")) {
            EXPECT_FALSE(e.json.value("note").toString().isEmpty()) << "the verdicts differ; say why in \"note\"";
        }
    }
}

TEST_F(Corpus, TheCommittedFilesAreWhatTheGeneratorWrites)
{
    TempDir out;
    const RunResult r = run({ORVEX_PYTHON, CorpusDir + "/make-corpus", out.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::set<std::string> generated;
    for (const auto &entry : fs::directory_iterator(out.path())) {
        const std::string name = entry.path().filename().string();
        generated.insert(name);
        EXPECT_EQ(readFile(entry.path()), readFile(CorpusDir + "/" + name)) << name << " differs; run make-corpus";
    }
    for (const Expected &e : loadExpectations())
        EXPECT_TRUE(generated.count(e.file)) << e.file << " is no longer generated";
}

// Crash reproducers added by fuzzing: no crash, nothing outside the target.
TEST_F(Corpus, FoundInputsNeitherCrashNorEscape)
{
    const fs::path found = fs::path(CorpusDir) / "found";
    std::error_code ec;
    if (!fs::is_directory(found, ec))
        GTEST_SKIP() << "no tests/corpus/found/";
    for (const auto &entry : fs::directory_iterator(found)) {
        if (!entry.is_regular_file())
            continue;
        SCOPED_TRACE(entry.path().string());
        ++tally.inputs;
        const uint64_t crashesBefore = tally.crashes;
        orvexzip({"list", entry.path().string()});
        Scratch scratch;
        orvexzip({"extract", entry.path().string(), "--to", scratch.target(), "--paths"});
        throughComponent(entry.path().string(), scratch.target());
        EXPECT_EQ(tally.crashes, crashesBefore);
        const auto outside = scratch.escapes();
        tally.escapes += outside.size();
        EXPECT_TRUE(outside.empty()) << outside.front();
    }
}

// ---- Other formats ------------------------------------------------------

// The hostile tar, cpio and compressed archives of the library's own tests,
// through orvexzip and through the library under an output budget: no crash,
// nothing outside the target, and the bombs stop at the budget.
TEST_F(Corpus, HostileArchivesOfOtherFormatsNeitherCrashNorEscape)
{
    constexpr uint64_t budget = 1 << 20;
    TempDir made;
    const std::string outside = made.path() + "/outside";
    fs::create_directories(outside);
    ASSERT_EQ(run({ORVEX_PYTHON, ORVEX_HOSTILE_ARCHIVES, made.path(), outside}).exitCode, 0);
    for (const auto &entry : fs::directory_iterator(made.path())) {
        if (!entry.is_regular_file())
            continue;
        const std::string archive = entry.path().string();
        SCOPED_TRACE(archive);
        ++tally.inputs;
        const uint64_t crashesBefore = tally.crashes;
        Scratch byProgram, byLibrary;
        orvexzip({"extract", archive, "--to", byProgram.target(), "--paths"});
        otherformats::ExtractOptions options;
        options.target = byLibrary.target();
        options.outputBudget = budget;
        otherformats::extract(archive, options);
        EXPECT_EQ(tally.crashes, crashesBefore);
        uint64_t written = 0;
        for (const auto &file : fs::recursive_directory_iterator(byLibrary.target()))
            written += file.is_regular_file() && !file.is_symlink() ? file.file_size() : 0;
        EXPECT_LE(written, budget);
        auto outsideFiles = listTree(outside);
        for (const Scratch *scratch : {&byProgram, &byLibrary})
            for (const std::string &path : scratch->escapes())
                outsideFiles.push_back(path);
        tally.escapes += outsideFiles.size();
        EXPECT_TRUE(outsideFiles.empty()) << outsideFiles.front();
    }
}

// ---- Truncation ---------------------------------------------------------

// Offsets where one structure of the archive ends and the next begins: each
// local header's fixed part, name, extra field, data and descriptor; each
// directory record's fixed part, name, extra and comment; the end record.
struct Boundaries {
    std::set<uint64_t> cuts;
    uint64_t directoryOffset = 0;
    uint64_t archiveEnd = 0;  // the end of the end record's comment
    // Each member's name and where its data (and descriptor) ends: a cut at
    // or after that leaves it whole.
    std::vector<std::pair<std::string, uint64_t>> memberEnds;
};

Boundaries boundariesOf(const std::string &bytes)
{
    using namespace zipformat;
    Boundaries b;
    const std::vector<uint8_t> copy(bytes.begin(), bytes.end());
    const MemorySource source(copy);
    const auto location = locateCentralDirectory(source);
    if (!location)
        return b;
    b.directoryOffset = location->fileOffset();
    auto at = [&](uint64_t offset) { return reinterpret_cast<const uint8_t *>(bytes.data()) + offset; };
    CentralDirectoryReader records(source, *location);
    uint64_t record = location->fileOffset();
    while (const auto h = records.next()) {
        for (const uint64_t end :
             {uint64_t(46), 46 + h->name.size(), 46 + h->name.size() + h->extra.size(), uint64_t(h->recordSize)})
            b.cuts.insert(record + end);
        b.cuts.insert(record);
        record += h->recordSize;

        const uint64_t local = location->archiveStart + h->headerOffset;
        if (local + 30 > bytes.size())
            continue;
        const uint64_t name = local + 30 + le16(at(local + 26));
        const uint64_t data = name + le16(at(local + 28));
        const uint64_t dataEnd = data + h->packedSize;
        b.cuts.insert({local, local + 30, name, data, dataEnd});
        uint64_t memberEnd = dataEnd;
        if (h->flags & 0x0008) {
            const bool signature = dataEnd + 4 <= bytes.size() && le32(at(dataEnd)) == 0x08074B50;
            memberEnd = dataEnd + (signature ? 4 : 0) + (h->hasZip64Extra ? 20 : 12);
            b.cuts.insert(memberEnd);
        }
        b.memberEnds.emplace_back(std::string(h->name.begin(), h->name.end()), memberEnd);
    }
    b.cuts.insert(location->endRecordOffset);
    b.cuts.insert(location->endRecordOffset + 22);
    b.archiveEnd = location->endRecordOffset + 22 + location->commentLength;
    // Only cuts that lose something; trailing junk may go.
    std::erase_if(b.cuts, [&](uint64_t cut) { return cut >= b.archiveEnd; });
    return b;
}

// The listing either fails with one of the reader's messages, or the cut
// left every local header and its data in place.
void expectListingOfCut(int exitCode, const std::string &error, uint64_t cut, const Boundaries &b)
{
    if (exitCode == 0) {
        EXPECT_GE(cut, b.directoryOffset) << "a cut inside the members was listed without an error";
    } else {
        EXPECT_NE(error.find("reading Zip"), std::string::npos) << error;
    }
}

// A member's content as written from a walk of the local headers, which
// knows no modes: a link comes out as a file holding its target.
std::string walkedContent(const std::string &expected)
{
    return expected.starts_with("-> ") ? expected.substr(3) : expected;
}

size_t filesIn(const std::map<std::string, std::string> &tree)
{
    return size_t(
        std::count_if(tree.begin(), tree.end(), [](const auto &entry) { return !entry.first.ends_with('/'); }));
}

// Cut short, sound.zip loses its directory: the members before the cut are
// found by their local headers and extracted whole, the one cut is named,
// and the exit status says that not all went well.
TEST_F(Corpus, AnArchiveCutAtAnyBoundaryGivesItsWholeMembersAndFails)
{
    const std::string bytes = readFile(CorpusDir + "/sound.zip");
    const Boundaries b = boundariesOf(bytes);
    ASSERT_GT(b.cuts.size(), 20u);
    std::map<std::string, std::string> sound;
    for (const Expected &e : loadExpectations())
        if (e.file == "sound.zip")
            sound = treeFrom(e.json.value("extract").toObject().value("tree"));
    TempDir files;
    for (const uint64_t cut : b.cuts) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        ++tally.inputs;
        const std::string archive = files.write("cut.zip", bytes.substr(0, cut));

        const RunResult listed = orvexzip({"list", archive});
        EXPECT_FALSE(crashed(listed)) << listed.err;
        expectListingOfCut(listed.exitCode, listed.err, cut, b);

        Scratch scratch;
        const RunResult r = orvexzip({"extract", archive, "--to", scratch.target(), "--paths"});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_FALSE(r.err.empty());
        std::map<std::string, std::string> whole;
        for (const auto &[name, end] : b.memberEnds)
            if (end <= cut)
                whole[name] = sound.at(name);
        EXPECT_EQ(scratch.tree(), whole) << r.err;
        // No count when nothing was listed.
        if (!r.out.empty() || !whole.empty()) {
            EXPECT_EQ(r.out, std::to_string(filesIn(whole)) + " file(s) were extracted\n") << r.err;
        }
        const auto outside = scratch.escapes();
        tally.escapes += outside.size();
        EXPECT_TRUE(outside.empty());
    }
}

// The same for every archive the expectations call sound, in this process,
// at each boundary and one byte past it: what is written is what the sound
// archive holds, and the count says how many.
TEST_F(Corpus, EverySoundArchiveCutShortGivesOnlyWholeMembersInTheLibrary)
{
    size_t archives = 0;
    for (const Expected &e : loadExpectations()) {
        const QJsonObject library = e.json.contains("library") ? e.json.value("library").toObject()
                                                               : e.json.value("extract").toObject();
        if (!library.value("messages").toArray().isEmpty() || library.value("count").toInt() == 0)
            continue;
        ++archives;
        const std::map<std::string, std::string> sound = treeFrom(library.value("tree"));
        const std::string bytes = readFile(CorpusDir + "/" + e.file);
        const Boundaries b = boundariesOf(bytes);
        ASSERT_FALSE(b.cuts.empty()) << e.file;
        std::set<uint64_t> cuts = b.cuts;
        for (const uint64_t cut : b.cuts)
            cuts.insert(cut + 1);
        std::erase_if(cuts, [&](uint64_t cut) { return cut >= b.archiveEnd; });
        TempDir files;
        for (const uint64_t cut : cuts) {
            SCOPED_TRACE(e.file + " cut at " + std::to_string(cut));
            ++tally.inputs;
            const std::string archive = files.write("cut.zip", bytes.substr(0, cut));
            Scratch scratch;
            const InProcess got = throughComponent(archive, scratch.target());
            expectListingOfCut(got.listing.error.empty() ? 0 : 1, got.listing.error, cut, b);
            EXPECT_FALSE(got.messages.empty());
            const auto tree = scratch.tree();
            for (const auto &[path, content] : tree) {
                const auto expected = sound.find(path);
                if (expected == sound.end()) {
                    ADD_FAILURE() << path << " is no member of the sound archive";
                } else if (!path.ends_with('/')) {
                    EXPECT_EQ(content, walkedContent(expected->second)) << path;
                }
            }
            EXPECT_EQ(got.count, int(filesIn(tree)));
            const auto outside = scratch.escapes();
            tally.escapes += outside.size();
            EXPECT_TRUE(outside.empty());
        }
    }
    EXPECT_GE(archives, 10u);
}

// ---- Built at run time --------------------------------------------------

// The CRC-32 of n zero bytes, by doubling rather than by reading 4 GiB.
uint32_t zerosCrc(uint64_t n)
{
    uLong result = 0, power = crc32(0, reinterpret_cast<const Bytef *>("\0"), 1);  // 1 zero byte
    bool first = true;
    for (uint64_t length = 1; n; n >>= 1, power = crc32_combine(power, power, z_off_t(length)), length *= 2) {
        if (n & 1) {
            result = first ? power : crc32_combine(result, power, z_off_t(length));
            first = false;
        }
    }
    return uint32_t(result);
}

// 4 GiB - 1 bytes stored, the largest size without ZIP64, as a sparse file.
// Extracting it would write 4 GiB, so only the listing and the library's
// reading of the sizes are checked.
TEST_F(Corpus, AMemberOfFourGibibytesLessOneNeedsNoZip64)
{
    EXPECT_EQ(zerosCrc(5), crc32(0, reinterpret_cast<const Bytef *>("\0\0\0\0\0"), 5));
    const uint32_t size = 0xFFFFFFFF;
    HeaderFields h;
    h.name = "big.bin";
    h.crc = zerosCrc(size);
    h.packedSize = h.unpackedSize = size;
    const std::string local = localRecord(h);
    std::string tail = centralRecord(h);
    tail += endRecord(1, uint32_t(tail.size()), uint32_t(local.size() + uint64_t(size)));
    TempDir dir;
    const std::string archive = dir.file("big.zip");
    if (!writeSparseFile(archive, local, size, tail))
        GTEST_SKIP() << "no sparse files here";
    ++tally.inputs;
    const RunResult listed = orvexzip({"list", archive});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listedRows(listed.out), (std::vector<std::vector<std::string>>{{"big.bin", "4294967295", "4294967295"}}));
    // That the archive is well formed, not that we are lenient: UnZip 6.0
    // (Debian 12's 6.0-28+deb12u1) reads the same size.
    if (haveProgram("unzip")) {
        const RunResult unzip = run({"unzip", "-l", archive});
        EXPECT_NE(unzip.out.find("4294967295"), std::string::npos) << unzip.out << unzip.err;
    }
}

// Empty members m/00000 to m/(count - 1).
ArchiveBuilder emptyMembers(uint32_t count)
{
    ArchiveBuilder b;
    for (uint32_t i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "m/%05u", i);
        b.add(fileEntry(name, "", 0));
    }
    return b;
}

// 65,536 members, one more than the end record can count: the count is in
// the ZIP64 end record.
TEST_F(Corpus, SixtyFiveThousandFiveHundredThirtySixMembers)
{
    constexpr uint32_t Count = 65536;
    ArchiveBuilder b = emptyMembers(Count);
    b.zip64EndRecord = true;
    TempDir dir;
    const std::string path = dir.write("many.zip", b.build());
    ++tally.inputs;

    const RunResult listed = orvexzip({"list", path});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    const auto rows = listedRows(listed.out);
    ASSERT_EQ(rows.size(), Count);
    EXPECT_EQ(rows.back(), (std::vector<std::string>{"m/65535", "0", "0"}));

    Scratch scratch;
    const RunResult r = orvexzip({"extract", path, "--to", scratch.target(), "--paths"});
    EXPECT_EQ(r.exitCode, 0) << r.err.substr(0, 2000);
    EXPECT_EQ(r.out, "65536 file(s) were extracted\n");
    size_t files = 0;
    for (const auto &entry : fs::directory_iterator(scratch.target() + "/m"))
        files += entry.is_regular_file();
    EXPECT_EQ(files, Count);
    EXPECT_TRUE(scratch.escapes().empty());
    // That the archive is well formed, not that we are lenient: UnZip 6.0
    // (Debian 12's 6.0-28+deb12u1) takes the count from the ZIP64 end record too.
    if (haveProgram("unzip")) {
        const RunResult unzip = run({"unzip", "-t", "-qq", path});
        EXPECT_EQ(unzip.exitCode, 0) << unzip.out.substr(0, 1000) << unzip.err.substr(0, 1000);
    }
}

// 65,535 members, as many as the end record can count: Python's zipfile
// writes no ZIP64 records then, and the count field holds 0xFFFF.
TEST_F(Corpus, SixtyFiveThousandFiveHundredThirtyFiveMembersWithoutZip64)
{
    constexpr uint32_t Count = 65535;
    TempDir dir;
    const std::string path = dir.write("many.zip", emptyMembers(Count).build());
    ++tally.inputs;

    const RunResult listed = orvexzip({"list", path});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listedRows(listed.out).size(), Count);

    Scratch scratch;
    const RunResult r = orvexzip({"extract", path, "--to", scratch.target(), "--paths"});
    EXPECT_EQ(r.exitCode, 0) << r.err.substr(0, 2000);
    EXPECT_EQ(r.out, "65535 file(s) were extracted\n");
    EXPECT_TRUE(scratch.escapes().empty());

    const std::string extra = dir.write("extra.txt", "one more\n");
    const RunResult added = orvexzip({"add", path, extra});
    EXPECT_EQ(added.exitCode, 0) << added.err.substr(0, 2000);
    const RunResult again = orvexzip({"list", path});
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(listedRows(again.out).size(), Count + 1);
}

// A name chosen from the listing extracts the file the listing showed under
// it, and a name the listing does not show extracts nothing.
TEST_F(Corpus, AListedNameExtractsWhatTheListingShowed)
{
    struct Case {
        const char *archive;
        const char *name;
        bool listed;
        std::vector<std::string> written;  // escaped
    };
    const Case cases[] = {
        {"unicode-path-rename.zip", ".bashrc", true, {".bashrc"}},
        {"unicode-path-rename.zip", "readme.txt", false, {}},
        // The hidden header's name is a pattern: it matches what is listed.
        {"orphan-local-header.zip", "*", false, {"a.txt", "b.txt"}},
        {"unicode-path-standins.zip", "caf\xc3\xa9.txt", true, {"caf\\xc3\\xa9.txt"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.archive) + " " + c.name);
        const std::string archive = CorpusDir + "/" + c.archive;
        bool listed = false;
        for (const auto &row : listedRows(orvexzip({"list", archive}).out))
            listed = listed || row[0] == escaped(c.name);
        EXPECT_EQ(listed, c.listed);
        Scratch scratch;
        orvexzip({"extract", archive, "--to", scratch.target(), "--paths", c.name});
        std::vector<std::string> written;
        for (const auto &[path, content] : scratch.tree())
            written.push_back(path);
        EXPECT_EQ(written, c.written) << dump(scratch.tree());
    }
}

// An impossible date is shown as "?"; the rest of the listing is not lost.
TEST_F(Corpus, AnImpossibleDateIsShownAsAQuestionMark)
{
    const RunResult listed = orvexzip({"list", CorpusDir + "/date-impossible.zip"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    std::vector<std::string> dates;
    const auto all = lines(listed.out);
    // The date is the fourth column; a fifth says whether the member is encrypted.
    for (size_t i = 1; i < all.size(); ++i) {
        std::string rest = all[i];
        for (int column = 0; column < 3; ++column)
            rest.erase(0, rest.find('\t') + 1);
        dates.push_back(rest.substr(0, rest.find('\t')));
    }
    ASSERT_EQ(dates.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(dates.begin(), dates.begin() + 3), (std::vector<std::string>{"?", "?", "?"}));
    EXPECT_NE(dates[3], "?");
}

}  // namespace
