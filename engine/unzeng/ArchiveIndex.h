#pragma once
// The members of an archive as the extraction sees them: zipformat's
// MemberTable, the same list the listing shows, with the extraction's own
// view of each (times, modes). A single file without a usable end record
// gives the members zipformat's walk of its local headers finds, as the
// listing does.

#include "engine/crypto/WinZipAes.h"
#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/MemberTable.h"
#include "engine/zipformat/ZipRecords.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace unzeng {

using zipformat::Method;
using zipformat::MethodBzip2;
using zipformat::MethodDeflated;
using zipformat::MethodLzma;
using zipformat::MethodStored;
using zipformat::MethodXz;
using zipformat::MethodZstd;

struct Member {
    std::string storedName;
    // The Unicode path field's name when it is valid, else the name decoded
    // from the archive's code page when nameInCodePage, else storedName.
    std::string diskName;
    // No Unicode path field, no UTF-8 flag and no well-formed UTF-8: the
    // stored bytes are in a code page (decodeMemberNames decodes them).
    bool nameInCodePage = false;
    uint16_t madeBy = 0;
    uint16_t flags = 0;   // central flags or'ed with the local ones
    uint16_t method = 0;  // of the data once decrypted (for AES, the 0x9901 field's)
    uint32_t crc = 0;
    uint32_t externalAttributes = 0;
    uint64_t packedSize = 0;
    uint64_t unpackedSize = 0;
    uint64_t headerOffset = 0;  // file offset of the local header
    uint64_t dataOffset = 0;    // file offset of the data; valid when problem is empty
    timespec modified{};
    timespec accessed{};
    bool dosTime = false;       // the time came from the DOS fields (2-second steps)
    uint16_t localDosTime = 0;  // the local header's time field: the traditional cipher's check byte
    // Stored method 99 with a valid 0x9901 field: WinZip AES, `method` taken
    // from the field.
    std::optional<crypto::AesExtra> aes;

    std::string problem;  // set: the member is refused for this reason

    bool encrypted() const;
    bool crcStored() const { return !aes || aes->vendorVersion != 2; }  // AE-2 writes 0 instead
    bool unixHost() const;  // Unix or OS X: the high half of the attributes is a mode
    uint32_t unixMode() const { return externalAttributes >> 16; }
    bool isSymlink() const;
    // The name messages and progress reports give: the decoded one for a name
    // in a code page, so that they say what the listing shows.
    const std::string &shownName() const { return nameInCodePage ? diskName : storedName; }
};

struct ArchiveIndex {
    std::vector<Member> members;      // central-directory order, or file order when walked
    uint64_t directoryOffset = 0;     // file offset of the central directory
    std::vector<std::string> damage;  // archive-level problems found while reading
    // No usable central directory: the members were found by their local
    // headers. Each has no mode, as only the directory records one.
    bool walked = false;
};

// Reads the central directory and checks every member's local header and
// span, or walks the local headers of a single file that has no usable end
// record. False with `error` when the file is no ZIP archive at all.
// `progress` may throw to stop a walk, which can take long: it decodes the
// members whose sizes are in a data descriptor to find where they end.
bool readArchiveIndex(const zipformat::RandomAccessSource &source, ArchiveIndex &index, std::string &error,
                      const zipformat::ReadProgress &progress = {});

// Decodes the names in a code page into diskName: from `codePage`, or for
// null, "" and "auto" the one guessed over the whole archive exactly as the
// listing guesses it, so that what the listing shows is what lands on disk.
void decodeMemberNames(ArchiveIndex &index, const char *codePage);

const char *methodName(uint16_t method);

}  // namespace unzeng
