#pragma once
// ZIP archives through our own engine: the member list read by zipformat,
// add, delete and rename by libzipeng.so, test and extraction by libunzeng.so, each
// called through its parameter record.

#include "engine/ArchiveBackend.h"
#include "engine/common/CallRecords.h"

#include <memory>
#include <string>

// The libraries' entry points; tests put stand-ins here.
struct EngineLibraries {
    int32_t (*zip)(ZipCallRecord *record) = nullptr;
    int32_t (*unzip)(UnzipCallRecord *record) = nullptr;
    int32_t (*rename)(const ZipRenameRecord *record) = nullptr;

    static EngineLibraries linked();
};

namespace orvex {

// The entry points and the records they are called with, which outlive
// every backend: a caller may read a record as the last call left it.
struct ZipLibraries {
    explicit ZipLibraries(EngineLibraries functions)
        : entryPoints(functions), zipRecord(std::make_unique<ZipCallRecord>()),
          unzipRecord(std::make_unique<UnzipCallRecord>())
    {
    }
    EngineLibraries entryPoints;
    std::unique_ptr<ZipCallRecord> zipRecord;
    std::unique_ptr<UnzipCallRecord> unzipRecord;
};

class ZipBackend : public ArchiveBackend {
public:
    // `archive` is an absolute path; it need not exist yet (the first add makes it).
    ZipBackend(std::string archive, ZipLibraries &libraries);

    void list(const std::string &nameCharset, ArchiveEvents &events, ArchiveListing &listing) override;
    OperationResult extract(const ExtractRequest &request, const std::vector<ArchiveEntry> &listing,
                            ArchiveEvents &events) override;
    StreamOutcome readEntries(const std::vector<ArchiveEntry> &listing, const std::string &nameCharset, EntrySink &sink,
                              ArchiveEvents &events) override;
    bool writable() const override { return true; }
    WriteAbilities abilities() const override { return {"ZIP", true, true, true}; }
    OperationResult add(const AddRequest &request, ArchiveEvents &events) override;
    OperationResult remove(const DeleteRequest &request, ArchiveEvents &events) override;
    OperationResult rename(const RenameRequest &request, ArchiveEvents &events) override;

private:
    struct Call;
    // Calls the library once per slice of at most MaxFileSpecs specifications
    // and sums what the calls return.
    template <typename Record>
    OperationResult callInSlices(Call &call, Record &record, int32_t (*library)(Record *),
                                 const std::vector<std::string> &specs, const std::string &baseDirectory);
    static int32_t callback(CallbackRecord *record);
    static int32_t passwordCallback(void *instance, const char *member, int32_t attempt, char *buffer,
                                    int32_t bufferSize, int32_t *passwordLength);

    std::string archive_;
    ZipLibraries &libraries_;
};

}  // namespace orvex
