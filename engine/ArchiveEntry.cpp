#include "engine/ArchiveEntry.h"

#include "engine/zipformat/NameCharset.h"
#include "engine/zipformat/Utf8.h"
#include "engine/zipformat/ZipRecords.h"

namespace orvex {

namespace {

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string cp437ToUtf8(const std::string &bytes)
{
    return zipformat::decodeName(bytes, "437");
}

void decodeEntryNames(std::vector<ArchiveEntry> &entries, const std::string &codePage)
{
    std::vector<std::string> needing;
    for (const ArchiveEntry &e : entries)
        if (e.needsCodePage())
            needing.push_back(e.FileName);
    if (needing.empty())
        return;
    zipformat::NameDecoder decoder(zipformat::chooseNameCodePage(codePage, needing));
    for (ArchiveEntry &e : entries)
        e.DecodedName = e.needsCodePage() ? decoder.decode(e.FileName) : std::string();
}

// Ill-formed sequences each become U+FFFD, so the result is always UTF-8.
static std::string repairUtf8(const std::string &bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const size_t n = zipformat::utf8SequenceLength(bytes, i);
        if (n == 0) {
            appendUtf8(out, 0xFFFD);
            ++i;
        } else {
            out.append(bytes, i, n);
            i += n;
        }
    }
    return out;
}

}  // namespace orvex

std::string ArchiveEntry::DisplayName() const
{
    if (zipformat::isValidUtf8(FileName))
        return FileName;
    // The writer said UTF-8 but the bytes are not: keep what is readable.
    if (GeneralFlags & zipformat::FlagUtf8)
        return orvex::repairUtf8(FileName);
    return DecodedName.empty() ? orvex::cp437ToUtf8(FileName) : DecodedName;
}

bool ArchiveEntry::needsCodePage() const
{
    return zipformat::nameNeedsCodePage(FileName, GeneralFlags & zipformat::FlagUtf8);
}
