// The archive component's operations, with stand-ins for the two libraries:
// what each operation puts in the records, its early returns, and how the
// callbacks reach the events.
#include "engine/CallRecordFilling.h"
#include "engine/ZipEngine.h"

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/Run.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What the stand-in library saw, and what it does when called.
struct FakeLibrary {
    std::vector<ZipCallRecord> zipCalls;
    std::vector<std::string> zipPasswords;
    std::vector<UnzipCallRecord> unzipCalls;
    std::vector<std::vector<std::string>> specsPerCall;
    std::string archiveName;
    int32_t result = 1;
    bool throwInCall = false;
    // Run inside an add or delete call: what the library does to the archive.
    std::function<void()> duringZipCall;
    // Callbacks to make, in order: action, error code, size, text.
    struct Callback {
        int32_t action;
        int32_t errorCode;
        int32_t size;
        std::string text;
    };
    std::vector<Callback> callbacks;
    std::vector<int32_t> callbackResults;
    std::string directoryDuringCall;
    std::string baseDirectory;
    // Password questions an extraction asks, in order, and what came back:
    // the result and the answer's bytes ("(no answer)" without a length).
    struct PasswordAsk {
        std::string member;
        int32_t attempt;
        int32_t bufferSize = MaxPasswordLength;
    };
    std::vector<PasswordAsk> passwordAsks;
    std::vector<std::pair<int32_t, std::string>> passwordReplies;
};

FakeLibrary *fake = nullptr;

template <typename Record>
int32_t runFake(Record *record)
{
    std::vector<std::string> specs;
    for (int i = 0; i < record->FileSpecCount; ++i)
        specs.emplace_back(record->FileSpecs[i]);
    fake->specsPerCall.push_back(specs);
    fake->archiveName = record->ArchiveName;
    fake->baseDirectory = record->BaseDirectory ? record->BaseDirectory : "(null)";
    char cwd[4096];
    fake->directoryDuringCall = ::getcwd(cwd, sizeof cwd) ? cwd : "";
    for (const auto &c : fake->callbacks) {
        std::vector<char> buffer(sizeof(CallbackRecord) + c.text.size() + 1);
        auto *cb = reinterpret_cast<CallbackRecord *>(buffer.data());
        cb->Instance = record->Instance;
        cb->Action = c.action;
        cb->ErrorCode = c.errorCode;
        cb->FileSize = c.size;
        std::memcpy(cb->Text, c.text.c_str(), c.text.size() + 1);
        fake->callbackResults.push_back(record->Callback(cb));
    }
    if (fake->throwInCall)
        throw std::runtime_error("library failure");
    return fake->result;
}

int32_t fakeZip(ZipCallRecord *record)
{
    fake->zipCalls.push_back(*record);
    // The bytes are the request's, gone once the call returns.
    fake->zipPasswords.push_back(record->Password ? std::string(record->Password, size_t(record->PasswordLength))
                                                  : std::string());
    if (fake->duringZipCall)
        fake->duringZipCall();
    return runFake(record);
}

int32_t fakeUnzip(UnzipCallRecord *record)
{
    fake->unzipCalls.push_back(*record);
    for (const auto &ask : fake->passwordAsks) {
        std::vector<char> buffer(size_t(ask.bufferSize) + 1, 'x');  // one more, to see an overrun
        int32_t length = -1;
        const int32_t result = record->Password ? record->Password(record->Instance, ask.member.c_str(), ask.attempt,
                                                                   buffer.data(), ask.bufferSize, &length)
                                                : -2;
        EXPECT_EQ(buffer.back(), 'x') << "written past the buffer";
        fake->passwordReplies.emplace_back(
            result, length < 0 || length > ask.bufferSize ? "(no answer)" : std::string(buffer.data(), size_t(length)));
    }
    return runFake(record);
}

// A record's numbers by field name; expectFields checks the named ones.
using Fields = std::map<std::string, int32_t>;

Fields fieldsOf(const ZipCallRecord &r)
{
    return {{"Version", r.Version},
            {"Trace", r.TraceFlag},
            {"Verbose", r.VerboseFlag},
            {"Constant44", r.Constant44},
            {"Constant56", r.Constant56},
            {"Level", r.Level},
            {"DropDirNames", r.DropDirNamesFlag},
            {"Recurse", r.RecurseFlag},
            {"Add", r.AddFlag},
            {"ForceDos", r.ForceDosFlag},
            {"Move", r.MoveFlag},
            {"Delete", r.DeleteFlag},
            {"Update", r.UpdateFlag},
            {"Freshen", r.FreshenFlag},
            {"ArchiveTime", r.ArchiveTimeFlag},
            {"Constant128", r.Constant128},
            {"FileSpecCount", r.FileSpecCount}};
}

Fields fieldsOf(const UnzipCallRecord &r)
{
    return {{"Version", r.Version},       {"Trace", r.TraceFlag},
            {"Verbose", r.VerboseFlag},   {"Constant40", r.Constant40},
            {"Update", r.UpdateFlag},     {"Freshen", r.FreshenFlag},
            {"DirNames", r.DirNamesFlag}, {"Overwrite", r.OverwriteFlag},
            {"Constant72", r.Constant72}, {"FileSpecCount", r.FileSpecCount}};
}

template <typename Record>
void expectFields(const Record &record, const Fields &expected)
{
    const Fields got = fieldsOf(record);
    for (const auto &[name, value] : expected)
        EXPECT_EQ(got.at(name), value) << name;
}

class ComponentTest : public ::testing::Test {
protected:
    ComponentTest() : engine(EngineLibraries{&fakeZip, &fakeUnzip, nullptr})
    {
        fake = &library;
        engine.MessageSink = [this](const std::string &text) { notices.push_back(text); };
        engine.OnDirUpdate = [this](TZipEngine &) { ++dirUpdates; };
        archive = dir.write("a.zip", ziptest::buildZip({ziptest::stored("one.txt", "1")}));
    }
    ~ComponentTest() override { fake = nullptr; }

    FakeLibrary library;
    TZipEngine engine;
    std::vector<std::string> notices;
    int dirUpdates = 0;
    ziptest::TempDir dir;
    std::string archive;
};

}  // namespace

TEST_F(ComponentTest, AddFillsTheRecordFromTheOptions)
{
    engine.setZipFilename(archive);
    engine.Trace = true;
    engine.AddCompLevel = 4;
    engine.AddOptions = {AddRecurseDirs, AddMove, AddFreshen, AddUpdate, AddZipTime, AddForceDOS};
    engine.FileSpecs = {"/tmp/x", "*.c"};
    engine.Add();

    ASSERT_EQ(library.zipCalls.size(), 1u);
    const ZipCallRecord &r = library.zipCalls[0];
    EXPECT_NE(r.Instance, nullptr);  // handed back in every callback
    EXPECT_NE(r.Callback, nullptr);
    // Trace forces verbose, DropDirNames because AddDirNames is not set, and
    // update wins over freshen.
    expectFields(r, {{"Version", 110},
                     {"Trace", 1},
                     {"Verbose", 1},
                     {"Constant44", 1},
                     {"Constant56", 1},
                     {"Level", 4},
                     {"DropDirNames", 1},
                     {"Recurse", 1},
                     {"Add", 1},
                     {"ForceDos", 1},
                     {"Move", 1},
                     {"Delete", 0},
                     {"Update", 1},
                     {"Freshen", 0},
                     {"ArchiveTime", 1},
                     {"Constant128", 7},
                     {"FileSpecCount", 2}});
    EXPECT_EQ(library.specsPerCall[0], (std::vector<std::string>{"/tmp/x", "*.c"}));
    EXPECT_EQ(library.archiveName, archive);
    EXPECT_TRUE(engine.FileSpecs.empty());
    EXPECT_EQ(engine.LastResult, 1);
    EXPECT_FALSE(engine.ZipRunning);
}

TEST_F(ComponentTest, DeleteOverridesThreeFieldsAndKeepsTheOtherAddFlags)
{
    engine.setZipFilename(archive);
    engine.AddOptions = {AddDirNames, AddRecurseDirs, AddFreshen};
    engine.FileSpecs = {"one.txt"};
    engine.Delete();
    ASSERT_EQ(library.zipCalls.size(), 1u);
    expectFields(library.zipCalls[0],
                 {{"Delete", 1}, {"Add", 0}, {"DropDirNames", 0}, {"Recurse", 1}, {"Freshen", 1}, {"Verbose", 0}});
}

TEST_F(ComponentTest, ExtractFillsItsRecordAndNamesTheTargetWithoutChangingDirectory)
{
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    engine.setZipFilename(archive);
    engine.Verbose = true;
    engine.ExtrOptions = {ExtrDirNames, ExtrOverWrite, ExtrFreshen, ExtrUpdate};
    engine.ExtrBaseDir = dir.path();
    engine.Extract();

    ASSERT_EQ(library.unzipCalls.size(), 1u);
    // A count of 0: every member.
    expectFields(library.unzipCalls[0], {{"Version", 110},
                                         {"Trace", 0},
                                         {"Verbose", 1},
                                         {"Constant40", 1},
                                         {"Update", 1},
                                         {"Freshen", 0},
                                         {"DirNames", 1},
                                         {"Overwrite", 1},
                                         {"FileSpecCount", 0},
                                         {"Constant72", 7}});
    EXPECT_EQ(library.baseDirectory, dir.path());
    EXPECT_EQ(library.directoryDuringCall, cwd);
    EXPECT_EQ(dirUpdates, 1);  // only the setZipFilename read: extract never re-reads
}

TEST_F(ComponentTest, RelativePathsReachTheLibrariesAbsolute)
{
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    ASSERT_EQ(::mkdir("out", 0700), 0);
    engine.setZipFilename("./a.zip");
    engine.ExtrBaseDir = "out/";
    engine.Extract();
    const std::string extractBase = library.baseDirectory;
    engine.FileSpecs = {"rel/x.txt"};
    engine.Add();
    const std::string addBase = library.baseDirectory;
    engine.AddBaseDir = "out";
    engine.FileSpecs = {"rel/x.txt"};
    engine.Add();
    ASSERT_EQ(::chdir(cwd), 0);

    EXPECT_EQ(library.archiveName, archive);
    EXPECT_EQ(extractBase, dir.file("out"));
    EXPECT_EQ(addBase, dir.path());  // relative specifications are found where they were named
    EXPECT_EQ(library.baseDirectory, dir.file("out"));
    EXPECT_EQ(library.specsPerCall.back(), std::vector<std::string>{"rel/x.txt"});  // they name the member
}

TEST_F(ComponentTest, ExtractionIntoAnUnusableDirectoryIsRefused)
{
    const std::string file = dir.write("plain", "x");
    const struct {
        std::string base;
        std::string notice;
    } cases[] = {
        {dir.file("missing"), "Error - cannot extract into " + dir.file("missing") + ": No such file or directory"},
        {file, "Error - cannot extract into " + file + ": Not a directory"},
        {"", "Error - cannot extract into \"\": No such file or directory"},
    };
    engine.setZipFilename(archive);
    for (const auto &c : cases) {
        notices.clear();
        engine.ExtrBaseDir = c.base;
        engine.FileSpecs = {"one.txt"};
        engine.Extract();
        EXPECT_EQ(notices, std::vector<std::string>{c.notice});
        EXPECT_EQ(engine.FileSpecs, std::vector<std::string>{"one.txt"});
        EXPECT_FALSE(engine.UnzipRunning);
    }
    EXPECT_TRUE(library.unzipCalls.empty());
}

TEST_F(ComponentTest, EarlyReturnsShowTheirNoticeAndKeepTheSpecifications)
{
    engine.Add();
    engine.Delete();
    EXPECT_EQ(notices, (std::vector<std::string>{"Error - no files to zip", "Error - no files selected for deletion"}));
    notices.clear();

    engine.FileSpecs = {"x"};
    engine.Add();  // no archive name
    engine.setZipFilename(dir.file("missing.zip"));
    engine.Delete();  // archive does not exist
    EXPECT_EQ(notices, (std::vector<std::string>{"Error - no zip file specified", "Error - no zip file specified"}));
    EXPECT_EQ(engine.FileSpecs, std::vector<std::string>{"x"});
    EXPECT_TRUE(library.zipCalls.empty());

    // A running add silences a second add, but the empty-list check comes first.
    engine.ZipRunning = true;
    notices.clear();
    engine.setZipFilename("");
    engine.Add();
    EXPECT_TRUE(notices.empty());
    engine.FileSpecs.clear();
    engine.Add();
    EXPECT_EQ(notices, std::vector<std::string>{"Error - no files to zip"});
    engine.UnzipRunning = true;
    engine.Extract();
    EXPECT_TRUE(library.unzipCalls.empty());
}

TEST_F(ComponentTest, AddToANewArchiveIsLeftToTheLibrary)
{
    engine.setZipFilename(dir.file("new.zip"));
    engine.FileSpecs = {"x"};
    engine.Add();
    EXPECT_EQ(library.zipCalls.size(), 1u);
    EXPECT_TRUE(notices.empty());
}

TEST_F(ComponentTest, RereadsAfterAPositiveResultOrWhenTheArchiveWasReplaced)
{
    engine.setZipFilename(archive);
    ASSERT_EQ(dirUpdates, 1);
    library.result = 0;
    engine.FileSpecs = {"x"};
    engine.Add();
    EXPECT_EQ(dirUpdates, 1);
    library.result = -3;
    engine.FileSpecs = {"x"};
    engine.Delete();
    EXPECT_EQ(dirUpdates, 1);
    EXPECT_EQ(engine.LastResult, -3);
    library.result = 2;
    engine.FileSpecs = {"x"};
    engine.Delete();
    EXPECT_EQ(dirUpdates, 2);
    // Folders alone count 0 files, but the archive was replaced: read again.
    library.result = 0;
    library.duringZipCall = [this] {
        dir.write("a.zip.new", ziptest::buildZip({ziptest::stored("one.txt", "1"), ziptest::dirEntry("empty/")}));
        ASSERT_EQ(::rename(dir.file("a.zip.new").c_str(), archive.c_str()), 0);
    };
    engine.FileSpecs = {"empty"};
    engine.Add();
    EXPECT_EQ(dirUpdates, 3);
    EXPECT_EQ(engine.EntryCount(), 2);
}

TEST_F(ComponentTest, CallbacksBecomeEventsAndReturnTheCancelRequest)
{
    struct Progress {
        ProgressType type;
        std::string name;
        int32_t size;
    };
    std::vector<Progress> progress;
    std::vector<std::pair<int, std::string>> messages;
    engine.OnProgress = [&](TZipEngine &e, ProgressType type, const std::string &name, int32_t size) {
        progress.push_back({type, name, size});
        if (progress.size() == 2)
            e.Cancel = true;  // as the status window's Cancel button does
    };
    engine.OnMessage = [&](TZipEngine &, int code, const std::string &text) { messages.emplace_back(code, text); };
    library.callbacks = {{1, 0, 1234, "a.txt"}, {2, 0, 0, "ignored"},  {4, 2, 0, "bad file\r\n"},
                         {4, 0, 0, "info\n"},   {4, 0, 0, "no break"}, {9, 0, 0, ""},
                         {3, 0, 0, ""}};
    engine.setZipFilename(archive);
    engine.FileSpecs = {"x"};
    engine.Add();

    ASSERT_EQ(progress.size(), 3u);
    EXPECT_EQ(progress[0].type, FileBegin);
    EXPECT_EQ(progress[0].name, "a.txt");
    EXPECT_EQ(progress[0].size, 1234);
    EXPECT_EQ(progress[1].type, FileStep);
    EXPECT_EQ(progress[1].name, " ");
    EXPECT_EQ(progress[2].type, BatchEnd);
    EXPECT_EQ(messages, (std::vector<std::pair<int, std::string>>{{2, "bad file"}, {0, "info"}, {0, "no break"}}));
    EXPECT_EQ(library.callbackResults, (std::vector<int32_t>{0, 1, 1, 1, 1, 1, 1}));
    EXPECT_FALSE(engine.Cancel);  // reset when the add ends
}

TEST_F(ComponentTest, AnErrorEscapingTheCallIsReportedAndCleanedUp)
{
    engine.setZipFilename(archive);
    engine.LastResult = 5;
    library.throwInCall = true;
    engine.FileSpecs = {"x"};
    engine.Add();
    EXPECT_EQ(notices, std::vector<std::string>{"Fatal DLL Error: abort exception"});
    EXPECT_EQ(engine.LastResult, 5);
    EXPECT_TRUE(engine.FileSpecs.empty());
    EXPECT_FALSE(engine.ZipRunning);

    // An event handler that throws stops the library the same way.
    library.throwInCall = false;
    library.callbacks = {{1, 0, 1, "a"}, {1, 0, 1, "b"}};
    engine.OnProgress = [](TZipEngine &, ProgressType, const std::string &, int32_t) {
        throw std::runtime_error("handler failed");
    };
    engine.FileSpecs = {"x"};
    notices.clear();
    engine.Add();
    EXPECT_EQ(library.callbackResults, (std::vector<int32_t>{1, 1}));
    EXPECT_EQ(notices, std::vector<std::string>{"Fatal DLL Error: abort exception"});
    EXPECT_EQ(engine.LastResult, 5);
}

TEST_F(ComponentTest, LongListsGoInSlicesWhoseResultsAreSummed)
{
    engine.setZipFilename(archive);
    const std::string longName(1000, 'n');  // nothing is cut at 255 characters
    for (int i = 0; i < 4097 * 2 + 3; ++i)
        engine.FileSpecs.push_back(longName + std::to_string(i));
    library.result = 10;
    engine.Add();
    ASSERT_EQ(library.specsPerCall.size(), 3u);
    EXPECT_EQ(library.specsPerCall[0].size(), 4097u);
    EXPECT_EQ(library.specsPerCall[2].size(), 3u);
    EXPECT_EQ(library.specsPerCall[2].back(), longName + "8196");
    EXPECT_EQ(engine.LastResult, 30);
}

TEST_F(ComponentTest, PasswordQuestionsReachOnPasswordAndItsAnswersTheLibrary)
{
    using Answer = TZipEngine::PasswordAnswer;
    std::vector<std::pair<std::string, int>> asked;
    std::vector<std::pair<Answer, std::string>> answers;
    engine.OnPassword = [&](const std::string &member, int attempt, std::string &password) {
        asked.emplace_back(member, attempt);
        const auto answer = answers.at(asked.size() - 1);
        password = answer.second;
        return answer.first;
    };
    engine.setZipFilename(archive);
    engine.ExtrBaseDir = dir.path();
    // The buffer is written only with a password.
    const struct {
        Answer answer;
        int32_t result;
        std::string buffer;
    } cases[] = {
        {Answer::Given, PasswordGiven, "right"},
        {Answer::None, PasswordNone, "(no answer)"},
        {Answer::Cancel, PasswordCancel, "(no answer)"},
    };
    for (const auto &c : cases) {
        asked.clear();
        library.passwordReplies.clear();
        // A wrong first password makes the library ask again for the same member.
        answers = {{Answer::Given, "wrong"}, {c.answer, "right"}};
        library.passwordAsks = {{"secret/a.txt", 1}, {"secret/a.txt", 2}};
        engine.Extract();
        EXPECT_EQ(asked, (std::vector<std::pair<std::string, int>>{{"secret/a.txt", 1}, {"secret/a.txt", 2}}));
        ASSERT_EQ(library.passwordReplies.size(), 2u);
        EXPECT_EQ(library.passwordReplies[0], (std::pair<int32_t, std::string>{PasswordGiven, "wrong"}));
        EXPECT_EQ(library.passwordReplies[1], (std::pair<int32_t, std::string>{c.result, c.buffer}));
    }
    // Without a handler an encrypted member is skipped.
    engine.OnPassword = nullptr;
    library.passwordReplies.clear();
    library.passwordAsks = {{"a.txt", 1}};
    engine.Extract();
    EXPECT_EQ(library.passwordReplies, (std::vector<std::pair<int32_t, std::string>>{{PasswordNone, "(no answer)"}}));
}

TEST_F(ComponentTest, APasswordIsAskedOncePerOperationAndFitsTheBufferOrStopsIt)
{
    int questions = 0;
    std::string password = "pw";
    engine.OnPassword = [&](const std::string &, int, std::string &given) {
        ++questions;
        given = password;
        return TZipEngine::PasswordAnswer::Given;
    };
    engine.setZipFilename(archive);
    engine.ExtrBaseDir = dir.path();
    // Two slices, each a call of its own that asks afresh with attempt 1.
    for (int i = 0; i < MaxFileSpecs + 1; ++i)
        engine.FileSpecs.push_back("m" + std::to_string(i));
    library.passwordAsks = {{"m0", 1}};
    engine.Extract();
    ASSERT_EQ(library.unzipCalls.size(), 2u);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(library.passwordReplies,
              (std::vector<std::pair<int32_t, std::string>>{{PasswordGiven, "pw"}, {PasswordGiven, "pw"}}));
    // The next operation asks again.
    engine.Test();
    EXPECT_EQ(questions, 2);

    // A buffer with room for "pw", and one without.
    library.passwordReplies.clear();
    library.passwordAsks = {{"a", 1, 2}, {"b", 2, 1}};
    engine.Extract();
    EXPECT_EQ(library.passwordReplies,
              (std::vector<std::pair<int32_t, std::string>>{{PasswordGiven, "pw"}, {PasswordCancel, "(no answer)"}}));
    EXPECT_EQ(notices, std::vector<std::string>{"Error - the password is longer than 1 bytes"});
}

// A password is its bytes, NULs included, up to MaxPasswordLength: Add hands
// it over whole with its length or, longer, refuses before the library runs.
TEST_F(ComponentTest, AddHandsThePasswordOverWholeOrRefusesItPastTheLimit)
{
    engine.setZipFilename(archive);
    const struct {
        std::string password;
        bool called;
    } cases[] = {
        {std::string("ab\0cd", 5), true},
        {std::string(1, '\0'), true},
        {std::string(size_t(MaxPasswordLength), 'p'), true},
        {std::string(size_t(MaxPasswordLength) + 1, 'p'), false},
        {"", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.password.size());
        library.zipCalls.clear();
        notices.clear();
        engine.AddPassword = c.password;
        engine.FileSpecs = {"x"};
        engine.Add();
        ASSERT_EQ(library.zipCalls.size(), c.called ? 1u : 0u);
        if (!c.called) {
            EXPECT_EQ(notices, std::vector<std::string>{"Error - the password is longer than 1024 bytes"});
            EXPECT_EQ(engine.LastResult, 0);
            continue;
        }
        const ZipCallRecord &r = library.zipCalls[0];
        EXPECT_EQ(r.Password == nullptr, c.password.empty());
        EXPECT_EQ(library.zipPasswords.back(), c.password);
        EXPECT_TRUE(notices.empty());
    }
}

// An answer reaches the library whole, NULs included, up to the limit; a
// longer one stops the operation, its later slices included, with a message.
TEST_F(ComponentTest, PasswordAnswersReachTheLibraryWholeOrStopTheOperation)
{
    std::string answer;
    engine.OnPassword = [&](const std::string &, int, std::string &password) {
        password = answer;
        return TZipEngine::PasswordAnswer::Given;
    };
    engine.setZipFilename(archive);
    engine.ExtrBaseDir = dir.path();
    const std::string nul("ab\0cd", 5), longest(size_t(MaxPasswordLength), 'p');
    const struct {
        std::string answer;
        std::pair<int32_t, std::string> reply;
        size_t calls;
    } cases[] = {
        {nul, {PasswordGiven, nul}, 2},
        {longest, {PasswordGiven, longest}, 2},
        {longest + "p", {PasswordCancel, "(no answer)"}, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer.size());
        library.unzipCalls.clear();
        library.passwordReplies.clear();
        notices.clear();
        answer = c.answer;
        for (int i = 0; i < MaxFileSpecs + 1; ++i)  // two slices
            engine.FileSpecs.push_back("m" + std::to_string(i));
        library.passwordAsks = {{"m0", 1}};
        engine.Extract();
        EXPECT_EQ(library.unzipCalls.size(), c.calls);
        ASSERT_FALSE(library.passwordReplies.empty());
        EXPECT_EQ(library.passwordReplies[0], c.reply);
        const bool refused = c.reply.first == PasswordCancel;
        EXPECT_EQ(engine.LastCancelled, refused);
        EXPECT_EQ(notices, refused ? std::vector<std::string>{"Error - the password is longer than 1024 bytes"}
                                   : std::vector<std::string>{});
    }
}

TEST(MessageTrimming, DropsOneTrailingLineBreakOfOneOrTwoCharacters)
{
    EXPECT_EQ(trimMessage("text\r\n"), "text");
    EXPECT_EQ(trimMessage("text\n"), "text");
    EXPECT_EQ(trimMessage("text\r"), "text");
    EXPECT_EQ(trimMessage("two\n\n\n"), "two\n");
    EXPECT_EQ(trimMessage("plain"), "plain");
    EXPECT_EQ(trimMessage("\n"), "");
    EXPECT_EQ(trimMessage(""), "");
}

namespace {

TEST_F(ComponentTest, TestCountsTheMembersReportedBadAcrossSlicesAndOnlyInATest)
{
    engine.setZipFilename(archive);
    // Information, a warning, damage, no match: none is a member found bad.
    library.callbacks = {{4, 0, 0, "    testing: a  OK"},
                         {4, 1, 0, "warning"},
                         {4, 2, 0, "b: bad CRC"},
                         {4, 3, 0, "damaged directory"},
                         {4, 11, 0, "not matched"},
                         {4, 50, 0, "c: no memory"},
                         {4, 81, 0, "skipping d: unsupported compression method 6"}};
    library.result = 4;
    for (int i = 0; i < MaxFileSpecs + 1; ++i)  // two slices
        engine.FileSpecs.push_back("m" + std::to_string(i));
    engine.ExtrBaseDir = "/no/such/dir";  // a test needs no target
    engine.Test();
    ASSERT_EQ(library.unzipCalls.size(), 2u);
    EXPECT_EQ(library.unzipCalls[0].TestFlag, 1);
    EXPECT_EQ(library.baseDirectory, "(null)");
    EXPECT_EQ(engine.LastResult, 8);
    EXPECT_EQ(engine.LastTestFailures, 6);
    EXPECT_FALSE(engine.LastCancelled);

    engine.ExtrBaseDir = dir.path();
    engine.Extract();
    EXPECT_EQ(library.unzipCalls.back().TestFlag, 0);
    EXPECT_EQ(engine.LastTestFailures, 0);
}

TEST_F(ComponentTest, ACancelledTestOrExtractionSaysSo)
{
    engine.setZipFilename(archive);
    library.callbacks = {{1, 0, 1, "a"}, {2, 0, 0, ""}, {3, 0, 0, ""}};
    engine.OnProgress = [](TZipEngine &e, ProgressType type, const std::string &, int32_t) {
        if (type == FileStep)
            e.Cancel = true;
    };
    engine.Test();
    EXPECT_TRUE(engine.LastCancelled);
    engine.OnProgress = nullptr;
    engine.Test();
    EXPECT_FALSE(engine.LastCancelled);

    std::atomic<int> signal{2};
    engine.CancelRequest = &signal;
    engine.ExtrBaseDir = dir.path();
    engine.Extract();
    EXPECT_TRUE(engine.LastCancelled);
    engine.CancelRequest = nullptr;
}

}  // namespace

// A request given whole raises its events through the events given, not the
// handlers, and leaves the component's settings as they were.
TEST_F(ComponentTest, ARequestGivenWholeRaisesItsEventsThroughTheEventsGiven)
{
    struct Recorded : orvex::ForwardingEvents {
        using ForwardingEvents::ForwardingEvents;
        void message(int code, const std::string &text) override { said.push_back(std::to_string(code) + text); }
        void progress(ProgressType type, const std::string &name, int64_t) override
        {
            said.push_back(std::to_string(int(type)) + name);
        }
        std::vector<std::string> said;
    } events(engine.events());
    int handled = 0;
    engine.OnMessage = [&](TZipEngine &, int, const std::string &) { ++handled; };
    engine.setZipFilename(archive);
    library.callbacks = {{ZipActionFileBegin, 0, 1, "x.txt"}, {ZipActionMessage, 14, 0, "cannot write\n"}};
    engine.AddOptions = {AddMove};
    orvex::AddRequest request = engine.addRequest();
    request.specs = {"x.txt"};
    request.options = {AddDirNames};
    const orvex::OperationResult result = engine.Add(std::move(request), events);

    EXPECT_EQ(events.said, (std::vector<std::string>{"0x.txt", "14cannot write"}));
    EXPECT_EQ(handled, 0);
    EXPECT_EQ(result.count, 1);
    EXPECT_EQ(library.zipCalls.at(0).MoveFlag, 0);
    EXPECT_EQ(library.zipCalls.at(0).DropDirNamesFlag, 0);
    EXPECT_EQ(engine.AddOptions, AddOpts{AddMove});
    EXPECT_EQ(dirUpdates, 2);  // the open, then the re-read after the change, through the events given
}
