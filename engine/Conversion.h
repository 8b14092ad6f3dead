#pragma once
// Any archive written as a new archive entry by entry, in the format the
// target's name gives: ZIP by libzipeng's streaming writer, tar (and its
// compressions) and 7z by libarchive's writers (OtherConversion.cpp). Each
// entry is read from the source and handed to the writer, with nothing put
// on the disk in between but the new archive, which stays under a
// temporary name beside the target until it is complete and put in place.
// Links stay links, every member's data is copied whatever its mode, and
// times and modes are kept.

#include "engine/ArchiveEvents.h"
#include "engine/EntryStream.h"
#include "engine/common/CallRecords.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace orvex {

struct ConversionRequest {
    std::string target;  // the new archive
    int level = 9;       // 0 stores, 1 to 9 deflate (or the other compressors' own scale)
    // Not empty: the file members are encrypted (WinZip AES-256) with these
    // bytes; links and folders are not. Only a ZIP target takes one.
    std::string password;
    // The new archive may replace a file of its name; otherwise a file found
    // there when it is put in place stays, and the conversion fails.
    bool replace = false;
};

struct ConversionResult {
    uint64_t written = 0;  // members in the new archive, folders and links included
    uint64_t failed = 0;   // entries of the source not in it, each said through the events
    bool cancelled = false;
    // The new archive could not be written (said through the events): a full
    // disk, a folder that takes no file, a target that appeared meanwhile.
    bool writeFailed = false;
    bool placed = false;  // the new archive is at the target
};

// Reads the source's entries into the sink; see ZipEntryStream.h and
// OtherEntryStream.h for the two there are.
using EntryReader = std::function<StreamOutcome(EntrySink &sink, ArchiveEvents &events)>;

// The conversion in two steps, for a caller that asks the user between
// them: write() reads every entry into the new archive, commit() puts it in
// place. Destroyed without a commit, it leaves nothing.
class ArchiveConversion {
public:
    virtual ~ArchiveConversion() = default;
    // Everything but `placed`; once. Each step raises its events through
    // the events it is given, which may be another thread's each time.
    virtual ConversionResult write(const EntryReader &reader, ArchiveEvents &events) = 0;
    // True when the archive is in place; nothing is done after a failed or
    // cancelled write, or one that wrote no member.
    virtual bool commit(ArchiveEvents &events) = 0;
    virtual const ConversionResult &result() const = 0;
};

// The conversion for the format the target's name gives: tar, its
// compressions and 7z by their suffixes, ZIP for any other name.
std::unique_ptr<ArchiveConversion> makeConversion(ConversionRequest request);

// Into a new ZIP archive.
class ZipConversion : public ArchiveConversion {
public:
    explicit ZipConversion(ConversionRequest request);
    ~ZipConversion() override;
    ZipConversion(const ZipConversion &) = delete;
    ZipConversion &operator=(const ZipConversion &) = delete;

    ConversionResult write(const EntryReader &reader, ArchiveEvents &events) override;
    bool commit(ArchiveEvents &events) override;
    const ConversionResult &result() const override { return result_; }

private:
    friend class ConversionSink;
    static int32_t callback(CallbackRecord *record);

    ConversionRequest request_;
    ArchiveEvents *events_ = nullptr;  // the current step's
    ZipStream *stream_ = nullptr;
    ConversionResult result_;
    bool broken_ = false;  // the writer failed or was stopped
};

// write() and, when it wrote anything and was not cancelled, commit(), in
// the format makeConversion chooses.
ConversionResult convert(const ConversionRequest &request, const EntryReader &reader, ArchiveEvents &events);

}  // namespace orvex
