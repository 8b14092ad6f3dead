// The methods other tools write that our own decoders read (Deflate64, PPMd,
// and PKZIP 1.x's Shrink, Reduce and Implode), end to end through orvexzip:
// list, test and extract, plain and encrypted, and within the memory budget.

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

using namespace ziptest;

namespace {

const std::string LegacyDir = std::string(ORVEX_TEST_DATA_DIR) + "/../../data/legacy-methods";

// Text whose repeats lie further back than deflate's 32 KiB, so that
// Deflate64's window and long lengths are used; random bytes; nothing.
void makeSources(const std::string &dir)
{
    makeDirs(dir);
    const std::string block = randomData(40000, 7);
    writeFile(dir + "/text.txt", textData(150000, 3) + block + std::string(70000, 'z') + block + textData(90000, 3));
    writeFile(dir + "/random.bin", randomData(100000, 8));
    writeFile(dir + "/empty.txt", "");
}

// The packed bytes of an archive's only member.
std::string onlyMembersData(const std::string &archive, ArchiveMember &member)
{
    const ArchiveInfo info = readArchive(archive);
    EXPECT_TRUE(info.ok && info.members.size() == 1) << archive;
    member = info.members.at(0);
    return member.packedData();
}

class Methods : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeSources(dir / "src");
        writeFile(dir / "pw", "secret\n");
    }
    // orvexzip's test and extraction with the password file; the extraction's
    // result.
    RunResult testAndExtract(const std::string &archive, const std::string &out)
    {
        const RunResult tested = runOrvexzip({"test", archive, "--password-file", "pw"}, dir.path());
        EXPECT_EQ(tested.exitCode, 0) << archive << ": " << tested.out << tested.err;
        return runOrvexzip({"extract", archive, "--to", out, "--password-file", "pw"}, dir.path());
    }
    TempDir dir;
};

TEST_F(Methods, SevenZipsDeflate64AndPpmdExtractByteForBytePlainAndEncrypted)
{
    if (!haveProgram("7zz"))
        GTEST_SKIP() << "7zz is not installed";
    const struct {
        const char *method;
        uint16_t number;
    } methods[] = {{"Deflate64", 9}, {"PPMd", 98}, {"PPMd:o=2:mem=1m", 98}, {"PPMd:o=16", 98}};
    const char *encryptions[] = {"", "-mem=ZipCrypto", "-mem=AES256"};
    for (const auto &m : methods) {
        for (const char *encryption : encryptions) {
            const std::string archive = std::string(m.method) + encryption + ".zip";
            SCOPED_TRACE(archive);
            std::vector<std::string> command{"7zz", "a", "-tzip", std::string("-mm=") + m.method};
            if (*encryption)
                command.insert(command.end(), {encryption, "-psecret"});
            command.insert(command.end(), {"../" + archive, "text.txt", "random.bin", "empty.txt"});
            ASSERT_EQ(run(command, {}, dir / "src").exitCode, 0);
            const ArchiveInfo info = readArchive(dir / archive);
            const ArchiveMember *text = info.find("text.txt");
            ASSERT_NE(text, nullptr);
            EXPECT_EQ(text->method, std::string(encryption) == "-mem=AES256" ? 99 : m.number);

            const RunResult r = testAndExtract(archive, archive + ".out");
            EXPECT_EQ(r.exitCode, 0) << r.err;
            for (const char *name : {"text.txt", "random.bin", "empty.txt"})
                EXPECT_TRUE(readFile(dir / archive + ".out/" + name) == readFile(dir / "src/" + name)) << name;
        }
    }
}

// The samples of the three methods, and the same data wrapped again in
// both kinds of encryption.
TEST_F(Methods, ThePkzipOneMethodsReadTheirSamplesPlainAndEncrypted)
{
    const std::string expected = readFile(LegacyDir + "/expected-first.txt");
    ASSERT_EQ(expected.size(), 1092u);
    for (const char *sample : {"shrink.zip", "reduce.zip", "implode.zip"}) {
        SCOPED_TRACE(sample);
        ArchiveMember member;
        const std::string packed = onlyMembersData(LegacyDir + "/" + sample, member);
        Member plain = fileEntry("first.txt", expected, member.method);
        plain.packed = packed;
        plain.flags = member.flags;
        const std::string archives[][2] = {
            {sample, readFile(LegacyDir + "/" + sample)},
            {std::string("zipcrypto-") + sample, buildZip({traditionalEncrypted(plain, "secret")})},
            {std::string("aes-") + sample, buildZip({aesEncrypted(plain, "secret")})},
        };
        for (const auto &[name, bytes] : archives) {
            writeFile(dir / name, bytes);
            const RunResult r = testAndExtract(name, name + ".out");
            EXPECT_EQ(r.exitCode, 0) << name << ": " << r.err;
            const std::string stored = name == sample ? member.name : "first.txt";
            EXPECT_TRUE(readFile(dir / name + ".out/" + stored) == expected) << name;
        }
    }
}

// A PPMd model asks for its memory in the header; past the budget the member
// is refused with the reason and the others still come out. (7-Zip sizes the
// model to the input, so the header is raised here: a larger model decodes
// the same stream alike while it has room to spare.)
TEST_F(Methods, APpmdModelLargerThanTheMemoryBudgetIsRefusedAlone)
{
    if (!haveProgram("7zz"))
        GTEST_SKIP() << "7zz is not installed";
    ASSERT_EQ(run({"7zz", "a", "-tzip", "-mm=PPMd", "../small.zip", "text.txt"}, {}, dir / "src").exitCode, 0);
    ArchiveMember member;
    std::string packed = onlyMembersData(dir / "small.zip", member);
    ASSERT_EQ(member.method, 98);
    packed[0] = char(uint8_t(packed[0]) | 0xF0);  // 256 MiB: the memory field is bits 4 to 11
    packed[1] = char(uint8_t(packed[1]) | 0x0F);
    Member big = fileEntry("text.txt", readFile(dir / "src/text.txt"), 98);
    big.packed = packed;
    writeFile(dir / "big.zip", buildZip({big, fileEntry("random.bin", readFile(dir / "src/random.bin"), 0)}));

    const RunResult refused =
        runOrvexzip({"extract", "big.zip", "--to", "out"}, dir.path(), {"LC_ALL=C", "ORVEX_UNZENG_MEMORY_MIB=64"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("text.txt: it needs 25"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("MiB of memory to decode, more than the 64 MiB allowed"), std::string::npos);
    EXPECT_FALSE(exists(dir / "out/text.txt"));
    EXPECT_TRUE(readFile(dir / "out/random.bin") == readFile(dir / "src/random.bin"));

    const RunResult r = runOrvexzip({"extract", "big.zip", "--to", "whole"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(readFile(dir / "whole/text.txt") == readFile(dir / "src/text.txt"));
}

}  // namespace
