// The summary File > Properties… shows, from archives made for the purpose.

#include "engine/ArchiveSummary.h"
#include "engine/ZipEngine.h"

#include "support/ArchiveBuilder.h"
#include "support/Files.h"
#include "support/TarBuilder.h"

#include <gtest/gtest.h>

using namespace ziptest;

TEST(ArchiveSummary, CountsMembersSizesMethodsEncryptionAndTheComment)
{
    TempDir dir;
    ArchiveBuilder builder;
    builder.comment = "a comment";
    builder.add(dirEntry("docs/"))
        .add(fileEntry("docs/a.txt", textData(20000, 1)))
        .add(stored("b.txt", "bee"))
        .add(aesEncrypted(fileEntry("docs/c.txt", textData(3000, 2)), "pw"))
        .add(fileEntry("d.txt", textData(5000, 3)));
    const std::string archive = dir.write("t.zip", builder.build());
    TZipEngine engine;
    engine.setZipFilename(archive);
    const orvex::ArchiveSummary s = orvex::summarizeArchive(engine);

    EXPECT_EQ(s.path, archive);
    EXPECT_EQ(s.format, "ZIP");
    EXPECT_EQ(s.methods, (std::vector<std::string>{"Store", "Deflate", "WinZip AES"}));
    EXPECT_EQ(s.files, 4u);
    EXPECT_EQ(s.folders, 1u);
    EXPECT_EQ(s.encrypted, 1u);
    EXPECT_TRUE(s.hasComment);
    EXPECT_TRUE(s.splitParts.empty());
    EXPECT_EQ(s.sizeOnDisk, readFile(archive).size());
    uint64_t packed = 0;
    for (int i = 0; i < engine.EntryCount(); ++i)
        packed += engine.Entries(i).TruePackedSize;
    EXPECT_EQ(s.packedSize, packed);
    EXPECT_EQ(s.unpackedSize, 20000u + 3 + 3000 + 5000);
    ASSERT_TRUE(s.ratio());
    EXPECT_LT(*s.ratio(), 1.0);

    builder.comment.clear();
    engine.setZipFilename(dir.write("u.zip", builder.build()));
    EXPECT_FALSE(orvex::summarizeArchive(engine).hasComment);
}

TEST(ArchiveSummary, AnotherFormatHasNoMethodsAndMaySayNoPackedSize)
{
    TempDir dir;
    const std::string tar = dir.write("t.tar", tarArchive({TarEntry{"d/", TarEntry::Directory, 0755, 0, "", ""},
                                                           TarEntry{"d/a.txt", TarEntry::File, 0644, 0, "aaaa", ""}}));
    TZipEngine engine;
    engine.setZipFilename(tar);
    const orvex::ArchiveSummary s = orvex::summarizeArchive(engine);
    EXPECT_EQ(s.format, engine.OtherFormat());
    EXPECT_TRUE(s.methods.empty());
    EXPECT_EQ(s.files, 1u);
    EXPECT_EQ(s.folders, 1u);
    EXPECT_FALSE(s.packedSizeKnown);
    EXPECT_FALSE(s.ratio());
    EXPECT_EQ(s.unpackedSize, 4u);
    EXPECT_EQ(s.sizeOnDisk, readFile(tar).size());
}
