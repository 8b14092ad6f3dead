#pragma once
// Filling the engine libraries' parameter records from a request: the one
// place where a request's options become the libraries' flags.

#include "engine/ArchiveBackend.h"
#include "engine/common/CallRecords.h"

#include <string>
#include <vector>

// Where the library calls back, for every record.
struct LibraryHooks {
    void *instance = nullptr;
    EngineCallback callback = nullptr;
    PasswordCallback password = nullptr;  // extraction only
};

// Sets the fields an add writes; the others keep what they held. The
// record points into the request, which must outlive the call.
void fillAddRecord(ZipCallRecord &record, const orvex::AddRequest &request, const LibraryHooks &hooks);
// As an add, then the delete flag on and the add and drop-names flags off.
void fillDeleteRecord(ZipCallRecord &record, const orvex::DeleteRequest &request, const LibraryHooks &hooks);
// An extraction, or with the request's test flag a test: nothing is written.
void fillExtractRecord(UnzipCallRecord &record, const orvex::ExtractRequest &request, const LibraryHooks &hooks);

// Points the record at the archive name and at specs[first, first + count).
// The strings must outlive the call.
template <typename Record>
void setFileSpecs(Record &record, const std::string &archiveName, const std::vector<std::string> &specs, size_t first,
                  size_t count)
{
    record.ArchiveName = archiveName.c_str();
    record.FileSpecCount = 0;
    for (size_t i = 0; i < count; ++i)
        record.FileSpecs[record.FileSpecCount++] = specs[first + i].c_str();
}

// The message of a library without a trailing line break of one or two characters.
std::string trimMessage(const char *text);
